#include "qt/backend/QtFontCache.h"

#include "qt/backend/QtConvert.h"

namespace VemoCalendar {

QtFontRef QtFontCache::Get(const FontObject& font) {
    for (const QtFontRef& known : fonts_)
        if (known->object == font) return known;
    if (fonts_.size() == kMaxFonts) fonts_.erase(fonts_.begin());  // the oldest goes; its users keep it
    fonts_.push_back(std::make_shared<const QtFont>(QtFont{font, ToQFont(font)}));
    return fonts_.back();
}

}  // namespace VemoCalendar
