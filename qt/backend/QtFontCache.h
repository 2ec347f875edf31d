#pragma once
#include <QFont>
#include <memory>
#include <vector>

#include "host/FontObject.h"

namespace VemoCalendar {

// A font object and the QFont it converts to, shared by the widgets that show it.
struct QtFont {
    FontObject object;
    QFont qfont;
};
using QtFontRef = std::shared_ptr<const QtFont>;

// The QFonts of one control's widgets, one per distinct font: converting a font object costs a
// font look-up, and widgets that show the same font then share one QFont and its font engine.
class QtFontCache {
public:
    QtFontRef Get(const FontObject& font);

private:
    static constexpr size_t kMaxFonts = 32;  // a control shows a handful; a page may cycle more
    std::vector<QtFontRef> fonts_;
};

}  // namespace VemoCalendar
