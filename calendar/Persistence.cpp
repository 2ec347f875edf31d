#include <memory>
#include <string>

#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

// Reads one key at a time and converts the stored value. Errors of the bag itself pass through
// unchanged; a value that does not convert names its key, so a damaged form can be mended.
class StoredReader {
public:
    explicit StoredReader(PropertyBag& bag) : bag_(bag) {}

    template <class Convert>
    auto Read(std::string_view key, const Variant& defaultValue, Convert convert) {
        const Variant stored = bag_.ReadProperty(key, defaultValue);
        try {
            return convert(stored);
        } catch (const ControlError& e) {
            throw ControlError(e.number, e.description + " in property '" + std::string(key) + "'");
        }
    }

    bool Bool(std::string_view key, bool defaultValue) {
        return Read(key, Variant(defaultValue), [](const Variant& v) { return v.ToBool(); });
    }
    int32_t Int32(std::string_view key, int32_t defaultValue) {
        return Read(key, Variant(defaultValue), [](const Variant& v) { return v.ToInt32(); });
    }
    template <class Enum>
    Enum Enumeration(std::string_view key, Enum defaultValue) {
        return static_cast<Enum>(Int32(key, static_cast<int32_t>(defaultValue)));
    }
    // Colours are stored as 32-bit integers; a negative one is a system colour and stays one.
    Color ColorValue(std::string_view key, Color defaultValue) {
        return Read(key, Variant(static_cast<int32_t>(defaultValue)), [](const Variant& v) { return v.ToColor(); });
    }
    std::string String(std::string_view key, const char* defaultValue) {
        return Read(key, Variant(defaultValue), [](const Variant& v) { return v.ToString(); });
    }
    // A stored date that is no date (NaN, infinite, outside the range) would leave the calendar
    // with nothing to show: it fails the load like a number too large for its type.
    Date DateValue(std::string_view key, Date defaultValue) {
        return Read(key, Variant(defaultValue), [](const Variant& v) {
            const Date date = v.ToDate();
            if (!IsValidDate(date)) ThrowOverflow();
            return date;
        });
    }
    // A missing key gives a fresh font object of the platform's defaults. A stored "no font" is a
    // type mismatch: the calendar always needs a font to draw with.
    FontRef Font(std::string_view key) {
        return Read(key, Variant(std::make_shared<FontObject>()), [](const Variant& v) {
            FontRef font = v.ToFont();
            if (!font) ThrowTypeMismatch();
            return font;
        });
    }

private:
    PropertyBag& bag_;
};

Variant Int(int32_t value) { return Variant(value); }
Variant ColorInt(Color value) { return Variant(static_cast<int32_t>(value)); }

}  // namespace

void QvCalendar::UserControl_InitProperties() {
    calValue_ = site_.Today();
    notifiedValue_ = calValue_;
    for (FontRef* font : {&calFont_, &calMonthYearTitleFont_, &calScrollArrowsFont_}) {
        if (!*font) *font = std::make_shared<FontObject>();
        (*font)->name = "Courier New";
        (*font)->size = 10;
    }
    enabled_ = true;
    calCaption_ = "Calendar";
    calCurrentDateBackColor_ = 0xC0C0C0;
    calCurrentMonthBackColor_ = 0xC0C0C0;
    calCurrentMonthWeekendsBackColor_ = 0xC0C0C0;
    calPreviousMonthBackColor_ = 0xC0C0C0;
    calNextMonthBackColor_ = 0xC0C0C0;
    calPreviousMonthForeColor_ = 0x808080;
    calNextMonthForeColor_ = 0x808080;
    calOutline_ = false;
    calShowTitleBar_ = true;
    calShowDropdownMonth_ = false;
    calScrollArrowsPos_ = VemocalBottom;
    calMouseSensitiveDate_ = false;
    calAppearance_ = VemocalRaised;
    calMinYear_ = 1600;
    calMaxYear_ = 9999;
    calFirstDayofWeek_ = VemocalSunday;
    calSelectedDayBackColor_ = 0x800000;
    calSelectedDayForeColor_ = 0xFFFFFF;
    calCurrentDateForeColor_ = 0;
    calCurrentMonthForeColor_ = 0;
    calCurrentMonthWeekendsForeColor_ = 0x80;
    calMonthTitle_ = VemocalMonthLong;
    calDayTitle_ = VemocalDayShort;
    calAlignmentNum_ = VemocalCenterMiddle;
    calAlignmentDayTitle_ = VemocalCenterMiddle;
    RefreshAll();
}

// Stored values are taken as they are, without the setters' checks and clamps (a system colour
// stays one, an out-of-range enumeration is kept). Every key is read and converted before any is
// stored, so a bag that fails to load leaves the control as it was.
void QvCalendar::UserControl_ReadProperties(PropertyBag& bag) {
    StoredReader read(bag);
    const Date value = read.DateValue("calValue", site_.Today());
    FontRef font = read.Font("calFont");
    FontRef monthYearTitleFont = read.Font("calMonthYearTitleFont");
    FontRef scrollArrowsFont = read.Font("calScrollArrowsFont");
    const bool enabled = read.Bool("Enabled", true);
    std::string caption = read.String("calCaption", "Calendar");
    const bool outline = read.Bool("calOutline", false);
    const bool showTitleBar = read.Bool("calShowTitleBar", true);
    const bool showDropdownMonth = read.Bool("calShowDropdownMonth", false);
    const auto scrollArrowsPos = read.Enumeration("calScrollArrowsPos", VemocalBottom);
    const bool mouseSensitiveDate = read.Bool("calMouseSensitiveDate", false);
    const auto appearance = read.Enumeration("calAppearance", VemocalRaised);
    const int32_t minYear = read.Int32("calMinYear", 1600);
    const int32_t maxYear = read.Int32("calMaxYear", 9999);
    const auto firstDayofWeek = read.Enumeration("calFirstDayofWeek", VemocalSunday);
    const Color selectedDayBackColor = read.ColorValue("calSelectedDayBackColor", 0x800000);
    const Color selectedDayForeColor = read.ColorValue("calSelectedDayForeColor", 0xFFFFFF);
    const Color currentDateBackColor = read.ColorValue("calCurrentDateBackColor", 0xC0C0C0);
    const Color currentDateForeColor = read.ColorValue("calCurrentDateForeColor", 0);
    const Color currentMonthBackColor = read.ColorValue("calCurrentMonthBackColor", 0xC0C0C0);
    const Color currentMonthForeColor = read.ColorValue("calCurrentMonthForeColor", 0);
    const Color weekendsBackColor = read.ColorValue("calCurrentMonthWeekendsBackColor", 0xC0C0C0);
    const Color weekendsForeColor = read.ColorValue("calCurrentMonthWeekendsForeColor", 0x80);
    const Color previousMonthBackColor = read.ColorValue("calPreviousMonthBackColor", 0xC0C0C0);
    const Color previousMonthForeColor = read.ColorValue("calPreviousMonthForeColor", 0x808080);
    const Color nextMonthBackColor = read.ColorValue("calNextMonthBackColor", 0xC0C0C0);
    const Color nextMonthForeColor = read.ColorValue("calNextMonthForeColor", 0x808080);
    const auto monthTitle = read.Enumeration("calMonthTitle", VemocalMonthLong);
    const auto dayTitle = read.Enumeration("calDayTitle", VemocalDayShort);
    const auto alignmentNum = read.Enumeration("calAlignmentNum", VemocalCenterMiddle);
    const auto alignmentDayTitle = read.Enumeration("calAlignmentDayTitle", VemocalCenterMiddle);

    // notifiedValue_ is left alone: the first Refresh reports the loaded value as a change.
    calValue_ = value;
    calFont_ = std::move(font);
    calMonthYearTitleFont_ = std::move(monthYearTitleFont);
    calScrollArrowsFont_ = std::move(scrollArrowsFont);
    enabled_ = enabled;
    calCaption_ = std::move(caption);
    calOutline_ = outline;
    calShowTitleBar_ = showTitleBar;
    calShowDropdownMonth_ = showDropdownMonth;
    calScrollArrowsPos_ = scrollArrowsPos;
    calMouseSensitiveDate_ = mouseSensitiveDate;
    calAppearance_ = appearance;
    calMinYear_ = minYear;
    calMaxYear_ = maxYear;
    calFirstDayofWeek_ = firstDayofWeek;
    calSelectedDayBackColor_ = selectedDayBackColor;
    calSelectedDayForeColor_ = selectedDayForeColor;
    calCurrentDateBackColor_ = currentDateBackColor;
    calCurrentDateForeColor_ = currentDateForeColor;
    calCurrentMonthBackColor_ = currentMonthBackColor;
    calCurrentMonthForeColor_ = currentMonthForeColor;
    calCurrentMonthWeekendsBackColor_ = weekendsBackColor;
    calCurrentMonthWeekendsForeColor_ = weekendsForeColor;
    calPreviousMonthBackColor_ = previousMonthBackColor;
    calPreviousMonthForeColor_ = previousMonthForeColor;
    calNextMonthBackColor_ = nextMonthBackColor;
    calNextMonthForeColor_ = nextMonthForeColor;
    calMonthTitle_ = monthTitle;
    calDayTitle_ = dayTitle;
    calAlignmentNum_ = alignmentNum;
    calAlignmentDayTitle_ = alignmentDayTitle;
    RefreshAll();
}

void QvCalendar::UserControl_WriteProperties(PropertyBag& bag) {
    bag.WriteProperty("Enabled", enabled_, true);
    bag.WriteProperty("calValue", calValue_, site_.Today());
    const Variant ambientFont(site_.AmbientFont());
    bag.WriteProperty("calFont", calFont_, ambientFont);
    bag.WriteProperty("calMonthYearTitleFont", calMonthYearTitleFont_, ambientFont);
    bag.WriteProperty("calScrollArrowsFont", calScrollArrowsFont_, ambientFont);
    bag.WriteProperty("calCaption", calCaption_, "Calendar");
    bag.WriteProperty("calOutline", calOutline_, false);
    bag.WriteProperty("calShowTitleBar", calShowTitleBar_, true);
    bag.WriteProperty("calShowDropdownMonth", calShowDropdownMonth_, false);
    bag.WriteProperty("calScrollArrowsPos", Int(calScrollArrowsPos_), Int(VemocalBottom));
    bag.WriteProperty("calMouseSensitiveDate", calMouseSensitiveDate_, false);
    bag.WriteProperty("calAppearance", Int(calAppearance_), Int(VemocalRaised));
    bag.WriteProperty("calMinYear", Int(calMinYear_), Int(1600));
    bag.WriteProperty("calMaxYear", Int(calMaxYear_), Int(9999));
    bag.WriteProperty("calFirstDayofWeek", Int(calFirstDayofWeek_), Int(VemocalSunday));
    bag.WriteProperty("calSelectedDayBackColor", ColorInt(calSelectedDayBackColor_), ColorInt(0x800000));
    bag.WriteProperty("calSelectedDayForeColor", ColorInt(calSelectedDayForeColor_), ColorInt(0xFFFFFF));
    bag.WriteProperty("calCurrentDateBackColor", ColorInt(calCurrentDateBackColor_), ColorInt(0xC0C0C0));
    bag.WriteProperty("calCurrentDateForeColor", ColorInt(calCurrentDateForeColor_), ColorInt(0));
    bag.WriteProperty("calCurrentMonthBackColor", ColorInt(calCurrentMonthBackColor_), ColorInt(0xC0C0C0));
    bag.WriteProperty("calCurrentMonthForeColor", ColorInt(calCurrentMonthForeColor_), ColorInt(0));
    bag.WriteProperty("calCurrentMonthWeekendsBackColor", ColorInt(calCurrentMonthWeekendsBackColor_),
                      ColorInt(0xC0C0C0));
    bag.WriteProperty("calCurrentMonthWeekendsForeColor", ColorInt(calCurrentMonthWeekendsForeColor_), ColorInt(0x80));
    bag.WriteProperty("calPreviousMonthBackColor", ColorInt(calPreviousMonthBackColor_), ColorInt(0xC0C0C0));
    bag.WriteProperty("calPreviousMonthForeColor", ColorInt(calPreviousMonthForeColor_), ColorInt(0x808080));
    bag.WriteProperty("calNextMonthBackColor", ColorInt(calNextMonthBackColor_), ColorInt(0xC0C0C0));
    bag.WriteProperty("calNextMonthForeColor", ColorInt(calNextMonthForeColor_), ColorInt(0x808080));
    bag.WriteProperty("calMonthTitle", Int(calMonthTitle_), Int(VemocalMonthLong));
    bag.WriteProperty("calDayTitle", Int(calDayTitle_), Int(VemocalDayShort));
    bag.WriteProperty("calAlignmentNum", Int(calAlignmentNum_), Int(VemocalCenterMiddle));
    bag.WriteProperty("calAlignmentDayTitle", Int(calAlignmentDayTitle_), Int(VemocalCenterMiddle));
}

}  // namespace VemoCalendar
