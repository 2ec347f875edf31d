#pragma once
#include <QFont>
#include <utility>
#include <vector>

#include "host/FontObject.h"

namespace VemoCalendar {

// The QFonts of one control's widgets, one per distinct font: converting a font object costs a
// font look-up, and widgets that show the same font then share one QFont and its font engine.
class QtFontCache {
public:
    QFont Get(const FontObject& font);

private:
    static constexpr size_t kMaxFonts = 32;  // a control shows a handful; a page may cycle more
    std::vector<std::pair<FontObject, QFont>> fonts_;
};

}  // namespace VemoCalendar
