#include <string>

#include "calendar/CellClass.h"
#include "calendar/NameTables.h"
#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

Color ClampColor(int32_t value) {
    if (value < 0) return 0;
    return value > 0xFFFFFF ? 0xFFFFFFu : static_cast<Color>(value);
}

FontObject ArialFont(bool bold) {
    FontObject font;
    font.name = "Arial";
    font.size = 8.25;
    font.bold = bold;
    font.weight = bold ? 700 : 400;
    return font;
}

// The font a widget gets when a font property holds no object (possible only from a damaged bag).
const FontObject& FontOrDefault(const FontRef& font) {
    static const FontObject fallback;
    return font ? *font : fallback;
}

}  // namespace

// ---- Setters ----

void QvCalendar::calAppearance(enumCALAppearance value) {
    if (value < VemocalFlat || value > VemocalRaised) ThrowInvalidPropertyValue();
    calAppearance_ = value;
    site_.PropertyChanged("calAppearance");
    ApplyAppearance();
}

void QvCalendar::calAlignmentNum(enumCALAlignment value) {
    if (value < VemocalLeftTop || value > VemocalCenterBottom) ThrowInvalidPropertyValue();
    calAlignmentNum_ = value;
    site_.PropertyChanged("calAlignmentNum");
    ApplyAlignmentNum();
}

void QvCalendar::calAlignmentDayTitle(enumCALAlignment value) {
    if (value < VemocalLeftTop || value > VemocalCenterBottom) ThrowInvalidPropertyValue();
    calAlignmentDayTitle_ = value;
    site_.PropertyChanged("calAlignmentDayTitle");
    ApplyAlignmentDayTitle();
}

// A font property can hold any font object but not none: there would be nothing to draw with.
void QvCalendar::calFont(FontRef font) {
    if (!font) ThrowInvalidPropertyValue();
    calFont_ = std::move(font);
    site_.PropertyChanged("calFont");
    ApplyFont();
}

void QvCalendar::calMonthYearTitleFont(FontRef font) {
    if (!font) ThrowInvalidPropertyValue();
    calMonthYearTitleFont_ = std::move(font);
    site_.PropertyChanged("calMonthYearTitleFont");
    ApplyMonthYearTitleFont();
}

void QvCalendar::calScrollArrowsFont(FontRef font) {
    if (!font) ThrowInvalidPropertyValue();
    calScrollArrowsFont_ = std::move(font);
    site_.PropertyChanged("calScrollArrowsFont");
    ApplyScrollArrowsFont();
}

void QvCalendar::calOutline(bool value) {
    calOutline_ = value;
    site_.PropertyChanged("calOutline");
    ApplyOutline();
}

void QvCalendar::calCaption(const std::string& value) {
    calCaption_ = value;
    site_.PropertyChanged("calCaption");
    ApplyCaption();
}

void QvCalendar::calMonthTitle(enumCALMonthTitle value) {
    if (value < VemocalMonthShort || value > VemocalMonthLong) ThrowInvalidPropertyValue();
    calMonthTitle_ = value;
    site_.PropertyChanged("calMonthTitle");
    BuildMonthTitles();
    ShowMonthYear();
}

void QvCalendar::calDayTitle(enumCALDayTitle value) {
    if (value < VemocalDayShort || value > VemocalDayLong) ThrowInvalidPropertyValue();
    calDayTitle_ = value;
    site_.PropertyChanged("calDayTitle");
    BuildDayTitles();
    FillWeekdayTitles();
}

void QvCalendar::SetClassColor(Color& field, int32_t value, std::string_view name) {
    field = ClampColor(value);
    site_.PropertyChanged(name);
    ApplyColors();
}
void QvCalendar::calSelectedDayBackColor(int32_t value) { SetClassColor(calSelectedDayBackColor_, value, "calSelectedDayBackColor"); }
void QvCalendar::calSelectedDayForeColor(int32_t value) { SetClassColor(calSelectedDayForeColor_, value, "calSelectedDayForeColor"); }
void QvCalendar::calCurrentDateBackColor(int32_t value) { SetClassColor(calCurrentDateBackColor_, value, "calCurrentDateBackColor"); }
void QvCalendar::calCurrentDateForeColor(int32_t value) { SetClassColor(calCurrentDateForeColor_, value, "calCurrentDateForeColor"); }
void QvCalendar::calCurrentMonthBackColor(int32_t value) { SetClassColor(calCurrentMonthBackColor_, value, "calCurrentMonthBackColor"); }
void QvCalendar::calCurrentMonthForeColor(int32_t value) { SetClassColor(calCurrentMonthForeColor_, value, "calCurrentMonthForeColor"); }
void QvCalendar::calCurrentMonthWeekendsBackColor(int32_t value) { SetClassColor(calCurrentMonthWeekendsBackColor_, value, "calCurrentMonthWeekendsBackColor"); }
void QvCalendar::calCurrentMonthWeekendsForeColor(int32_t value) { SetClassColor(calCurrentMonthWeekendsForeColor_, value, "calCurrentMonthWeekendsForeColor"); }
void QvCalendar::calPreviousMonthBackColor(int32_t value) { SetClassColor(calPreviousMonthBackColor_, value, "calPreviousMonthBackColor"); }
void QvCalendar::calPreviousMonthForeColor(int32_t value) { SetClassColor(calPreviousMonthForeColor_, value, "calPreviousMonthForeColor"); }
void QvCalendar::calNextMonthBackColor(int32_t value) { SetClassColor(calNextMonthBackColor_, value, "calNextMonthBackColor"); }
void QvCalendar::calNextMonthForeColor(int32_t value) { SetClassColor(calNextMonthForeColor_, value, "calNextMonthForeColor"); }

// ---- Read-only ----

std::string QvCalendar::calVersion() const {
    const LibraryIdentity library = site_.Library();
    versionText_ = std::to_string(library.major) + "." + std::to_string(library.minor) + "." +
                   std::to_string(library.revision);
    return versionText_;
}

int32_t QvCalendar::hwnd() const { return static_cast<int32_t>(site_.hwnd()); }
int32_t QvCalendar::hDC() const { return static_cast<int32_t>(site_.hDC()); }

// ---- Apply routines ----

void QvCalendar::ApplyFixedSettings() {
    pnlTitleBar0_->SetForeColor(kSysButtonText);
    pnlTitleBar0_->SetBackColor(kSysMenu);
    pnlTitleBar1_->SetFont(ArialFont(true));
    pnlTitleBar1_->SetAlignment(VemocalLeftMiddle);  // the caption reads from the left, after its blank
    for (Panel* title : {pnlText_, pnlMonthYear_}) {
        title->SetBackColor(0xC0C0C0);
        title->SetForeColor(0);
    }
    cbxMonth_->SetFont(ArialFont(false));
    txtYear_->SetFont(ArialFont(false));
    static constexpr const char* kArrowCaptions[] = {"<<", "<", ">", ">>"};
    for (int i = 0; i < 4; ++i) cmdButton(i).SetCaption(kArrowCaptions[i]);
}

void QvCalendar::ApplyAppearance() {
    switch (calAppearance_) {
        case VemocalFlat: selectedBevel_ = 1, hoverBevel_ = 2; break;
        case VemocalSunken: selectedBevel_ = 2, hoverBevel_ = 0; break;
        case VemocalRaised: selectedBevel_ = 1, hoverBevel_ = 0; break;
        default: break;  // a damaged stored value keeps the bevels it had
    }
    pnlText_->SetBevelOuter(calAppearance_);
    for (int i = 1; i <= 7; ++i) pnlCalDay(i).SetBevelOuter(calAppearance_);
    for (int k = 1; k <= 42; ++k)
        pnlCalNum(k).SetBevelOuter(pnlCalNum(k).Tag() == kTagCurrSelected ? selectedBevel_ : NormalBevel());
    UserControl_Resize();
}

void QvCalendar::ApplyAlignmentNum() {
    for (int k = 1; k <= 42; ++k) pnlCalNum(k).SetAlignment(calAlignmentNum_);
    UserControl_Resize();
}

void QvCalendar::ApplyAlignmentDayTitle() {
    for (int i = 1; i <= 7; ++i) pnlCalDay(i).SetAlignment(calAlignmentDayTitle_);
    UserControl_Resize();
}

void QvCalendar::ApplyFont() {
    const FontObject& font = FontOrDefault(calFont_);
    for (int i = 1; i <= 7; ++i) pnlCalDay(i).SetFont(font);
    // Today stays bold, also when it is the selected day.
    const bool todayShown = YearOf(calValue_) == YearOf(site_.Today()) && MonthOf(calValue_) == MonthOf(site_.Today());
    for (int k = 1; k <= 42; ++k) {
        Panel& cell = pnlCalNum(k);
        cell.SetFont(font);
        const bool selectedToday = cell.Tag() == kTagCurrSelected && todayShown && DayOf(calValue_) == DayOf(site_.Today());
        if (cell.Tag() == kTagCurrToday || selectedToday) cell.SetFontBold(true);
    }
    PaintGridMarks();
    UserControl_Resize();
}

void QvCalendar::ApplyMonthYearTitleFont() {
    pnlText_->SetFont(FontOrDefault(calMonthYearTitleFont_));
    UserControl_Resize();
}

void QvCalendar::ApplyScrollArrowsFont() {
    for (int i = 0; i < 4; ++i) cmdButton(i).SetFont(FontOrDefault(calScrollArrowsFont_));
    UserControl_Resize();
}

void QvCalendar::ApplyColors() {
    for (int i = 1; i <= 7; ++i) {
        Panel& title = pnlCalDay(i);
        const bool weekend = title.Tag() == kTagCurrWeekend;
        title.SetBackColor(weekend ? calCurrentMonthWeekendsBackColor_ : calCurrentMonthBackColor_);
        title.SetForeColor(weekend ? calCurrentMonthWeekendsForeColor_ : calCurrentMonthForeColor_);
    }
    for (int k = 1; k <= 42; ++k) PaintClassColors(pnlCalNum(k), pnlCalNum(k).Tag());
    PaintGridMarks();
    UserControl_Resize();
}

void QvCalendar::ApplyOutline() { Picture1_->SetBorder(calOutline_); }

void QvCalendar::ApplyCaption() {
    pnlTitleBar1_->SetCaption(" " + calCaption_);
    UserControl_Resize();
}

void QvCalendar::BuildMonthTitles() {
    monthNames_ = MonthTitles(site_.Locale(), calMonthTitle_);
    cbxMonth_->Clear();
    for (const std::string& name : monthNames_) cbxMonth_->AddItem(name);
}

void QvCalendar::UserControl_AmbientChanged(std::string_view name) {
    if (name != "Locale") return;
    BuildMonthTitles();
    ShowMonthYear();
    BuildDayTitles();
    FillWeekdayTitles();
}

void QvCalendar::BuildDayTitles() { dayNames_ = DayTitles(site_.Locale(), calDayTitle_); }

void QvCalendar::RefreshAll() {
    // Every part asks for a layout pass; they all get one, before the refresh of the value, whose
    // change events see the widgets in place.
    layoutHeld_ = true;
    layoutWanted_ = false;
    try {
        RefreshParts();
    } catch (...) {
        layoutHeld_ = false;
        if (layoutWanted_) UserControl_Resize();  // what did change is laid out
        throw;
    }
    layoutHeld_ = false;
    if (layoutWanted_) UserControl_Resize();
    Refresh();
}

void QvCalendar::RefreshParts() {
    ApplyEnabledState();
    ApplyCaption();
    ApplyOutline();
    ApplyAppearance();
    ApplyAlignmentNum();
    ApplyAlignmentDayTitle();
    ApplyColors();
    ApplyFont();
    ApplyMonthYearTitleFont();
    ApplyScrollArrowsFont();
    BuildMonthTitles();
    ShowMonthYear();
    BuildDayTitles();
    FillWeekdayTitles();
}

}  // namespace VemoCalendar
