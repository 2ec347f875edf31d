#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "calendar/DayMarks.h"
#include "calendar/Enumerations.h"
#include "host/Color.h"
#include "host/Control.h"
#include "host/ControlSite.h"
#include "host/Date.h"
#include "host/FontObject.h"
#include "host/Export.h"

namespace VemoCalendar {

// A month calendar: six weeks of day cells under weekday titles, a month/year title, scroll
// arrows, an optional drop-down month list and year box and an optional title bar.
//
// The calendar has no displayed month of its own: everything shows the month of calValue, and
// every navigation changes calValue and calls Refresh. Setters validate (error 380, nothing
// changed), store, notify the host under the property's name, then apply.
class VEMOCALENDAR_EXPORT QvCalendar : public Control {
public:
    explicit QvCalendar(ControlSite& site);
    QvCalendar(const QvCalendar&) = delete;
    QvCalendar& operator=(const QvCalendar&) = delete;
    ~QvCalendar() override;

    std::string_view TypeName() const override { return "QvCalendar"; }

    // ---- Date model ----
    // The selected date. Set: not a valid date (NaN, infinite, outside 1 January 100 ..
    // 31 December 9999) raises 380; otherwise stored as given (no year-limit check), then Refresh.
    Date calValue() const { return calValue_; }
    void calValue(Date value);
    // Lowest year the user can navigate to; 380 below 1600 or above calMaxYear. Moves calValue
    // up into the new limit (with Refresh) when it lay below.
    int32_t calMinYear() const { return calMinYear_; }
    void calMinYear(int32_t value);
    // Highest year the user can navigate to; 380 below calMinYear or above 9999.
    int32_t calMaxYear() const { return calMaxYear_; }
    void calMaxYear(int32_t value);
    // Weekday of the first grid column; 380 outside 1..7. Rebuilds the titles, then Refresh.
    enumCALFirstDayofWeek calFirstDayofWeek() const { return calFirstDayofWeek_; }
    void calFirstDayofWeek(enumCALFirstDayofWeek value);
    bool calMouseSensitiveDate() const { return calMouseSensitiveDate_; }
    void calMouseSensitiveDate(bool value);
    bool Enabled() const { return enabled_; }
    void Enabled(bool value);
    bool calLeapYear() const;
    // Year x 1000 + day of the year of calValue (1 March 1997 gives 1997060).
    int32_t calJulianDateValue() const;
    // Refills the grid for calValue's month, then raises ValueChanged, MonthChanged, YearChanged
    // (in that order, each at most once) for what differs from the value of the last Refresh.
    void Refresh();

    // ---- Settings beyond the interface (DateRange.cpp) ----
    // Each leaves behaviour, layout, events and stored keys as they are while at its default; the
    // bag keeps one only when it differs from its default, after the stored keys. By name they
    // are reached as the other properties, but Properties() does not list them.
    //
    // The first and last day the user can select: the year limits narrowed to whole days. Unset,
    // they read 1 January of calMinYear and 31 December of calMaxYear and change nothing. Set:
    // 380 for a date outside the year limits; the time of day is dropped; a minimum after the
    // maximum moves the maximum to it (and the other way round); calValue outside the new range
    // moves to its nearer end (with Refresh); days outside it are disabled cells.
    Date calMinDate() const;
    void calMinDate(Date value);
    Date calMaxDate() const;
    void calMaxDate(Date value);
    // VemocalNoSelection: day clicks and day keys select nothing; the arrows, PgUp/PgDn, the
    // month list and the year box still browse (the shown month is calValue's, so they move it).
    // 380 outside 0..1.
    enumCALSelectionMode calSelectionMode() const { return calSelectionMode_; }
    void calSelectionMode(enumCALSelectionMode value);
    // True: an arrow that cannot move raises limitReached(Maximum) instead of the modal limit
    // message ("Minimum Calendar Date Setting Reached.").
    bool calQuietLimit() const { return calQuietLimit_; }
    void calQuietLimit(bool value);
    // Whether day cell k (1..42) shows a day outside a set date range (such a cell is disabled).
    bool CellOutOfRange(int k) const;
    // The settings' names, in the order the bag keeps them.
    static std::span<const std::string_view> SettingNames();
    // Writes the settings that differ from their defaults (the control's own save does so after
    // the stored keys; the drop-down button after its own).
    void WriteSettings(PropertyBag& bag) const;

    // ---- Layout ----
    // The control's outer size in twips, as the host reports it; writing resizes the control.
    int32_t calWidth() const;
    void calWidth(int32_t twips);
    int32_t calHeight() const;
    void calHeight(int32_t twips);
    bool calShowTitleBar() const { return calShowTitleBar_; }
    void calShowTitleBar(bool value);
    bool calShowDropdownMonth() const { return calShowDropdownMonth_; }
    void calShowDropdownMonth(bool value);
    // 380 outside 0..3.
    enumCALScrollArrowsPos calScrollArrowsPos() const { return calScrollArrowsPos_; }
    void calScrollArrowsPos(enumCALScrollArrowsPos value);

    // ---- Appearance ----
    // 380 outside 0..2.
    enumCALAppearance calAppearance() const { return calAppearance_; }
    void calAppearance(enumCALAppearance value);
    // 380 outside 0..8.
    enumCALAlignment calAlignmentNum() const { return calAlignmentNum_; }
    void calAlignmentNum(enumCALAlignment value);
    enumCALAlignment calAlignmentDayTitle() const { return calAlignmentDayTitle_; }
    void calAlignmentDayTitle(enumCALAlignment value);
    // Fonts are held by reference: the caller's object itself is stored and returned.
    FontRef calFont() const { return calFont_; }
    void calFont(FontRef font);
    FontRef calMonthYearTitleFont() const { return calMonthYearTitleFont_; }
    void calMonthYearTitleFont(FontRef font);
    FontRef calScrollArrowsFont() const { return calScrollArrowsFont_; }
    void calScrollArrowsFont(FontRef font);
    bool calOutline() const { return calOutline_; }
    void calOutline(bool value);
    const std::string& calCaption() const { return calCaption_; }
    void calCaption(const std::string& value);
    // 380 outside 0..1.
    enumCALMonthTitle calMonthTitle() const { return calMonthTitle_; }
    void calMonthTitle(enumCALMonthTitle value);
    // 380 outside 0..2.
    enumCALDayTitle calDayTitle() const { return calDayTitle_; }
    void calDayTitle(enumCALDayTitle value);

    // Colour setters clamp: negative values (so system colours, whose top bit is set) store 0,
    // values above 0xFFFFFF store 0xFFFFFF.
    Color calSelectedDayBackColor() const { return calSelectedDayBackColor_; }
    void calSelectedDayBackColor(int32_t value);
    Color calSelectedDayForeColor() const { return calSelectedDayForeColor_; }
    void calSelectedDayForeColor(int32_t value);
    Color calCurrentDateBackColor() const { return calCurrentDateBackColor_; }
    void calCurrentDateBackColor(int32_t value);
    Color calCurrentDateForeColor() const { return calCurrentDateForeColor_; }
    void calCurrentDateForeColor(int32_t value);
    Color calCurrentMonthBackColor() const { return calCurrentMonthBackColor_; }
    void calCurrentMonthBackColor(int32_t value);
    Color calCurrentMonthForeColor() const { return calCurrentMonthForeColor_; }
    void calCurrentMonthForeColor(int32_t value);
    Color calCurrentMonthWeekendsBackColor() const { return calCurrentMonthWeekendsBackColor_; }
    void calCurrentMonthWeekendsBackColor(int32_t value);
    Color calCurrentMonthWeekendsForeColor() const { return calCurrentMonthWeekendsForeColor_; }
    void calCurrentMonthWeekendsForeColor(int32_t value);
    Color calPreviousMonthBackColor() const { return calPreviousMonthBackColor_; }
    void calPreviousMonthBackColor(int32_t value);
    Color calPreviousMonthForeColor() const { return calPreviousMonthForeColor_; }
    void calPreviousMonthForeColor(int32_t value);
    Color calNextMonthBackColor() const { return calNextMonthBackColor_; }
    void calNextMonthBackColor(int32_t value);
    Color calNextMonthForeColor() const { return calNextMonthForeColor_; }
    void calNextMonthForeColor(int32_t value);

    // ---- Marked days and week numbers (MarkedDays.cpp); none of them is a stored property of the
    // table: a form keeps them as keys of their own after the stored keys, and only when set ----
    // A mark's colours and font attributes are drawn over the day's class colours (see MarkedLook)
    // and its tool tip shows on hover. Each change notifies "calDayMarks" and repaints the cells it
    // touches.
    const DayMarks& calDayMarks() const { return dayMarks_; }
    // Marks the day of `date` (its time of day is ignored), replacing its mark; null clears it.
    // 380 for a date that is no date.
    void SetDateMark(Date date, std::optional<DayFormat> format);
    // Clears the marks of every date; the weekday marks stay.
    void ClearDateMarks();
    // Marks every day of `weekday` (Sunday = 1 .. Saturday = 7); a date's own mark is merged over
    // it. Null clears it; 380 outside 1..7.
    void SetWeekdayMark(int32_t weekday, std::optional<DayFormat> format);
    // ISO 8601 week numbers in a first column (panels "pnlCalWeek" 1..6, made when first shown);
    // notifies "calShowWeekNumbers" and lays the control out again.
    bool calShowWeekNumbers() const { return calShowWeekNumbers_; }
    void calShowWeekNumbers(bool value);
    // The marks and the week column as keys of their own, "calShowWeekNumbers" (boolean) and
    // "calDayMarks" (text, see DayMarksText.h), each written only when set, so a form without
    // them stores exactly the keys it did before. Reading replaces both and repaints; a text that
    // does not read raises 13 and changes nothing. The drop-down button keeps its pop-up's so.
    void WriteMarkedDaysKeys(PropertyBag& bag) const;
    void ReadMarkedDaysKeys(PropertyBag& bag);

    // "2.1.0" from the host's library identity.
    std::string calVersion() const;
    int32_t hwnd() const;
    int32_t hDC() const;

    // ---- By name, for property pages and the drop-down button (438 for unknown names) ----
    Variant GetProperty(std::string_view name) const override;
    void SetProperty(std::string_view name, const Variant& value) override;
    // Every property with its kind, access and enumeration, in the order of the interface.
    std::span<const PropertyInfo> Properties() const override;
    // The default of a stored property's key in the bag; empty for a date and a font, whose
    // defaults come from the site (today, a fresh or the container's font). 438 for other names.
    static Variant StoredDefault(std::string_view name);

    // ---- Host notifications ----
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void UserControl_WriteProperties(PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_MouseDown(MouseArgs& args) override;
    void UserControl_MouseMove(MouseArgs& args) override;
    void UserControl_MouseUp(MouseArgs& args) override;
    void UserControl_KeyDown(KeyArgs& args) override;
    void UserControl_KeyPress(int16_t& keyAscii) override;
    void UserControl_KeyUp(KeyArgs& args) override;
    // "Locale": the month list, the month/year title and the weekday titles are named anew.
    void UserControl_AmbientChanged(std::string_view name) override;

private:
    enum class Limit { Minimum, Maximum };

    // ---- Property table (PropertyTable.cpp) ----
    struct PropertyEntry;
    struct Setting;
    static const std::vector<Setting>& Settings();
    static const Setting* FindSetting(std::string_view name);
    // The settings a bag holds, read before any is stored; then stored unchecked.
    std::vector<std::pair<const Setting*, Variant>> ReadSettings(PropertyBag& bag) const;
    void StoreSettings(const std::vector<std::pair<const Setting*, Variant>>& values);
    static const std::vector<PropertyEntry>& Table();
    static const PropertyEntry& Find(std::string_view name);
    static const std::vector<const PropertyEntry*>& StoredInReadOrder();

    // ---- Construction (Widgets.cpp) ----
    void CreateWidgets();
    Panel& pnlCalNum(int k) { return *pnlCalNum_[static_cast<size_t>(k - 1)]; }  // k = 1..42
    Panel& pnlCalDay(int i) { return *pnlCalDay_[static_cast<size_t>(i - 1)]; }  // i = 1..7
    CommandButton& cmdButton(int i) { return *cmdButton_[static_cast<size_t>(i)]; }  // i = 0..3

    // ---- Events to the host (Events.cpp) ----
    void RaiseEvent(std::string_view name);
    void RaiseMouseEvent(std::string_view name, MouseArgs& args);
    void RaiseKeyEvent(std::string_view name, KeyArgs& args);
    void RaiseKeyPress(int16_t& keyAscii);

    // ---- Date model (DateModel.cpp) ----
    void ShowLimitMessage(Limit which);
    // The two ways calValue changes (the value is already known valid). Quietly: the value is
    // stored and notifiedValue kept, so the next Refresh reports the change; the caller repaints
    // what shows it (two day cells, or the grid). With Refresh: stored, the grid refilled and the
    // change events raised at once; the path of every navigation step.
    void StoreValueQuietly(Date value) { calValue_ = value; }
    void StoreValueAndRefresh(Date value);
    // Where a navigation step to `target` lands inside a set date range: the target, or the
    // range's nearer end; nothing when that is the day already selected. Unset range: `target`.
    std::optional<Date> HeldInRange(Date target) const;
    bool RangeSet() const { return minDate_.has_value() || maxDate_.has_value(); }
    bool Selecting() const { return calSelectionMode_ != VemocalNoSelection; }
    // Disables the cells outside a set range (enabled ones as Enabled says); only flags that differ
    // are written, so an unset range touches no cell.
    void ApplyRangeToCells();
    // After a range change: calValue into the range (with Refresh) or a grid fill for the cells.
    void KeepValueInRange();

    // ---- Month grid (MonthGrid.cpp) ----
    void FillMonthGrid(Date date);
    void ShowMonthYear();
    void FillWeekdayTitles();
    // Paints cell k as a day of the shown month: plain, then weekend, then today.
    void PaintShownMonthDay(int k, int day);
    void PaintSelected(int k);
    void PaintClassColors(Panel& cell, std::string_view tag);
    // The colour setters' shared path: clamp, store, notify, recolour.
    void SetClassColor(Color& field, int32_t value, std::string_view name);
    int NormalBevel() const { return static_cast<int>(calAppearance_); }

    // ---- Layout (Layout.cpp) ----
    void Picture1_Resize();

    // ---- Marked days and week numbers (MarkedDays.cpp) ----
    // The class look of cell k repainted with its mark, or without one it had.
    void PaintDayMark(int k, const std::optional<DayFormat>& mark);
    void PaintCellMark(int k);
    void PaintGridMarks();
    void CreateWeekCells();
    void PaintWeekColumn();
    // Marks and the week column as a bag holds them, read before anything is stored.
    struct MarkedDaysSettings {
        bool showWeekNumbers = false;
        DayMarks marks;
    };
    static MarkedDaysSettings ReadMarkedDays(PropertyBag& bag);
    void StoreMarkedDays(MarkedDaysSettings settings);

    // ---- Appearance (Appearance.cpp) ----
    void ApplyFixedSettings();
    void ApplyAppearance();
    void ApplyAlignmentNum();
    void ApplyAlignmentDayTitle();
    void ApplyFont();
    void ApplyMonthYearTitleFont();
    void ApplyScrollArrowsFont();
    void ApplyColors();
    void ApplyOutline();
    void ApplyCaption();
    void BuildMonthTitles();
    void BuildDayTitles();
    void RefreshAll();
    void RefreshParts();

    // ---- Interaction (Interaction.cpp) ----
    void ConnectHandlers();
    void pnlCalNum_Click(int k);
    void pnlCalNum_DblClick(int k);
    void pnlCalNum_MouseMove(int k, MouseArgs& args);
    // ---- Keys of the day grid (InteractionKeys.cpp) ----
    void pnlCalNum_KeyDown(KeyArgs& args);
    void pnlCalDay_MouseDown(MouseArgs& args);
    void cmdButton_Click(int i);
    void cmdButton_KeyPress(int i, int16_t& keyAscii);
    void cbxMonth_Click();
    void txtYear_GotFocus();
    void txtYear_KeyPress(int16_t& keyAscii);
    void txtYear_LostFocus();
    void pnlText_MouseDown(MouseArgs& args);
    void ClearHover(int k);
    // ClearHover(hoverCell) while calMouseSensitiveDate is on: the mouse left the day cells.
    void ClearMouseHover();
    void ApplyEnabledState();
    void ShowFocusTitleBar();
    void ShowNoFocusTitleBar();
    void CheckGreeting(int16_t keyAscii);
    void ShowAboutBox();

    ControlSite& site_;

    // Widgets, made by the host and alive as long as the control.
    PictureSurface* Picture1_ = nullptr;
    Panel* pnlTitleBar0_ = nullptr;
    Panel* pnlTitleBar1_ = nullptr;
    Panel* pnlText_ = nullptr;
    Panel* pnlMonthYear_ = nullptr;
    DropDownList* cbxMonth_ = nullptr;
    TextBox* txtYear_ = nullptr;
    std::array<CommandButton*, 4> cmdButton_{};
    std::array<Panel*, 7> pnlCalDay_{};
    std::array<Panel*, 42> pnlCalNum_{};
    std::array<Panel*, 6> pnlCalWeek_{};  // made when the week column is first shown

    // Date model.
    Date calValue_;
    Date notifiedValue_;  // the value as of the end of the last Refresh
    int32_t calMinYear_ = 1600;
    int32_t calMaxYear_ = 9999;
    enumCALFirstDayofWeek calFirstDayofWeek_ = VemocalSunday;
    bool calMouseSensitiveDate_ = false;
    bool enabled_ = true;
    int32_t selectedCell_ = 0;
    int32_t hoverCell_ = 0;
    std::string typedLetters_;
    std::optional<Date> minDate_;  // whole days; unset: the year limits alone
    std::optional<Date> maxDate_;
    enumCALSelectionMode calSelectionMode_ = VemocalSingleSelection;
    bool calQuietLimit_ = false;

    // Layout.
    bool calShowTitleBar_ = true;
    bool calShowDropdownMonth_ = false;
    enumCALScrollArrowsPos calScrollArrowsPos_ = VemocalBottom;
    uint32_t layoutPasses_ = 0;  // runs of Picture1_Resize, so a resize can tell whether one ran
    // While a refresh of everything runs, the layout passes its parts ask for are held, and one
    // runs at its end.
    bool layoutHeld_ = false;
    bool layoutWanted_ = false;

    // Appearance.
    enumCALAppearance calAppearance_ = VemocalRaised;
    enumCALAlignment calAlignmentNum_ = VemocalCenterMiddle;
    enumCALAlignment calAlignmentDayTitle_ = VemocalCenterMiddle;
    FontRef calFont_;
    FontRef calMonthYearTitleFont_;
    FontRef calScrollArrowsFont_;
    bool calOutline_ = false;
    std::string calCaption_ = "Calendar";
    enumCALMonthTitle calMonthTitle_ = VemocalMonthLong;
    enumCALDayTitle calDayTitle_ = VemocalDayShort;
    Color calSelectedDayBackColor_ = 0x800000;
    Color calSelectedDayForeColor_ = 0xFFFFFF;
    Color calCurrentDateBackColor_ = 0xC0C0C0;
    Color calCurrentDateForeColor_ = 0;
    Color calCurrentMonthBackColor_ = 0xC0C0C0;
    Color calCurrentMonthForeColor_ = 0;
    Color calCurrentMonthWeekendsBackColor_ = 0xC0C0C0;
    Color calCurrentMonthWeekendsForeColor_ = 0x80;
    Color calPreviousMonthBackColor_ = 0xC0C0C0;
    Color calPreviousMonthForeColor_ = 0x808080;
    Color calNextMonthBackColor_ = 0xC0C0C0;
    Color calNextMonthForeColor_ = 0x808080;
    int32_t selectedBevel_ = 1;
    int32_t hoverBevel_ = 0;
    std::array<std::string, 12> monthNames_;  // month m at [m - 1]
    std::array<std::string, 7> dayNames_;     // weekday w (Sunday = 1) at [w - 1]
    mutable std::string versionText_;  // the last version text handed out

    // Marked days and week numbers.
    DayMarks dayMarks_;
    bool calShowWeekNumbers_ = false;
    std::optional<int64_t> gridFirstDay_;  // day number of cell 1 since the first grid fill
    std::array<bool, 42> cellMarked_{};    // cells drawn with a mark
};

}  // namespace VemoCalendar
