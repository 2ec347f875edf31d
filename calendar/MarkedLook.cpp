#include "calendar/MarkedLook.h"

#include <algorithm>
#include <cmath>

#include "calendar/CellClass.h"

namespace VemoCalendar {
namespace {

constexpr double kReadableContrast = 3.0;

double Channel(uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Color c) { return 0.2126 * Channel(RedOf(c)) + 0.7152 * Channel(GreenOf(c)) + 0.0722 * Channel(BlueOf(c)); }

// A system colour's value is the toolkit's: its contrast is not known here, so it never counts as readable.
bool Readable(Color text, Color back) {
    return !IsSystemColor(text) && !IsSystemColor(back) && ContrastRatio(text, back) >= kReadableContrast;
}

}  // namespace

double ContrastRatio(Color a, Color b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

CellLook MarkedLook(const CellLook& classLook, std::string_view tag, const DayFormat& mark, bool today) {
    CellLook look = classLook;
    look.bold = mark.bold.value_or(classLook.bold) || today;
    look.italic = mark.italic.value_or(classLook.italic);
    look.underline = mark.underline.value_or(classLook.underline);
    if (tag == kTagCurrSelected) {
        if (mark.foreColor && Readable(*mark.foreColor, classLook.back)) look.fore = *mark.foreColor;
        else if (mark.backColor && Readable(*mark.backColor, classLook.back)) look.fore = *mark.backColor;
        return look;
    }
    look.back = mark.backColor.value_or(classLook.back);
    if (tag != kTagPrev && tag != kTagNext) look.fore = mark.foreColor.value_or(classLook.fore);
    return look;
}

}  // namespace VemoCalendar
