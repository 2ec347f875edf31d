#include "qt/QtFontCache.h"

#include "qt/QtConvert.h"

namespace VemoCalendar {

QFont QtFontCache::Get(const FontObject& font) {
    for (const auto& [object, qfont] : fonts_)
        if (object == font) return qfont;
    if (fonts_.size() == kMaxFonts) fonts_.erase(fonts_.begin());  // the oldest goes
    fonts_.emplace_back(font, ToQFont(font));
    return fonts_.back().second;
}

}  // namespace VemoCalendar
