#pragma once
#include <QColor>
#include <QDate>
#include <QFont>
#include <QIcon>
#include <QMap>
#include <QString>
#include <QTextCharFormat>
#include <QVariantList>
#include <memory>

#include "calendar/QvCalendar.h"
#include "host/Export.h"
#include "host/PropertyBag.h"
#include "host/WidgetEvents.h"
#include "qt/QvControlWidget.h"
#include "qt/QvEnums.h"

namespace VemoCalendar {

struct QvCalendarWidgetPrivate;

// The by-reference argument of KeyPress: a handler may change or clear (0) the key.
struct KeyPressArgs {
    int16_t keyAscii = 0;
};

// QvCalendar as a Qt widget, used as QCalendarWidget is. Properties carry the control's own names
// and types (enumerations by name, calValue a QDate), each read/write one with a NOTIFY signal
// named after it; the control's events are signals of the same names, and the usual Qt names
// (selectedDate, setDateRange, clicked, activated, selectionChanged, currentPageChanged) stand
// beside them. Event signals with arguments pass them by non-const reference: a handler connected
// directly may change them, and the control sees the change.
//
// No exception leaves a setter or QObject::setProperty: a refused value keeps the old one, the
// setter returns false and propertyRefused(name, 380, "Invalid property value") is emitted once.
//
// The month list and year box of the drop-down row are the QComboBox "cbxMonth" and the
// QLineEdit "txtYear", made when the row is first shown (findChild finds them from then on).
class VEMOCALENDAR_EXPORT QvCalendarWidget : public QvControlWidget {
    Q_OBJECT
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue NOTIFY calValueChanged)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption NOTIFY calCaptionChanged)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline NOTIFY calOutlineChanged)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar NOTIFY calShowTitleBarChanged)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth NOTIFY calShowDropdownMonthChanged)
    Q_PROPERTY(VemoCalendar::enumCALScrollArrowsPos calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos NOTIFY calScrollArrowsPosChanged)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate NOTIFY calMouseSensitiveDateChanged)
    Q_PROPERTY(VemoCalendar::enumCALAppearance calAppearance READ calAppearance WRITE setCalAppearance NOTIFY calAppearanceChanged)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear NOTIFY calMinYearChanged)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear NOTIFY calMaxYearChanged)
    Q_PROPERTY(VemoCalendar::enumCALFirstDayofWeek calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek NOTIFY calFirstDayofWeekChanged)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor NOTIFY calSelectedDayBackColorChanged)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor NOTIFY calSelectedDayForeColorChanged)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor NOTIFY calCurrentDateBackColorChanged)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor NOTIFY calCurrentDateForeColorChanged)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor NOTIFY calCurrentMonthBackColorChanged)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor NOTIFY calCurrentMonthForeColorChanged)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor NOTIFY calCurrentMonthWeekendsBackColorChanged)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor NOTIFY calCurrentMonthWeekendsForeColorChanged)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor NOTIFY calPreviousMonthBackColorChanged)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor NOTIFY calPreviousMonthForeColorChanged)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor NOTIFY calNextMonthBackColorChanged)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor NOTIFY calNextMonthForeColorChanged)
    Q_PROPERTY(VemoCalendar::enumCALMonthTitle calMonthTitle READ calMonthTitle WRITE setCalMonthTitle NOTIFY calMonthTitleChanged)
    Q_PROPERTY(VemoCalendar::enumCALDayTitle calDayTitle READ calDayTitle WRITE setCalDayTitle NOTIFY calDayTitleChanged)
    Q_PROPERTY(VemoCalendar::enumCALAlignment calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum NOTIFY calAlignmentNumChanged)
    Q_PROPERTY(VemoCalendar::enumCALAlignment calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle NOTIFY calAlignmentDayTitleChanged)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont NOTIFY calFontChanged)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont NOTIFY calMonthYearTitleFontChanged)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont NOTIFY calScrollArrowsFontChanged)
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth NOTIFY calWidthChanged DESIGNABLE false STORED false)
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight NOTIFY calHeightChanged DESIGNABLE false STORED false)
    Q_PROPERTY(QString calVersion READ calVersion STORED false)
    Q_PROPERTY(bool calLeapYear READ calLeapYear STORED false)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue STORED false)
    Q_PROPERTY(QDate selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectionChanged DESIGNABLE false STORED false)
    // Settings beyond the control's interface; .ui files and form files carry them.
    Q_PROPERTY(QDate calMinDate READ minimumDate WRITE setMinimumDate NOTIFY calMinDateChanged)
    Q_PROPERTY(QDate calMaxDate READ maximumDate WRITE setMaximumDate NOTIFY calMaxDateChanged)
    Q_PROPERTY(VemoCalendar::QvCalendarWidget::SelectionMode calSelectionMode READ selectionMode WRITE setSelectionMode NOTIFY calSelectionModeChanged)
    Q_PROPERTY(bool calQuietLimit READ calQuietLimit WRITE setCalQuietLimit NOTIFY calQuietLimitChanged)
    // QCalendarWidget's names for them (and for calFirstDayofWeek), not stored twice.
    Q_PROPERTY(QDate minimumDate READ minimumDate WRITE setMinimumDate NOTIFY calMinDateChanged DESIGNABLE false STORED false)
    Q_PROPERTY(QDate maximumDate READ maximumDate WRITE setMaximumDate NOTIFY calMaxDateChanged DESIGNABLE false STORED false)
    Q_PROPERTY(VemoCalendar::QvCalendarWidget::SelectionMode selectionMode READ selectionMode WRITE setSelectionMode NOTIFY calSelectionModeChanged DESIGNABLE false STORED false)
    Q_PROPERTY(Qt::DayOfWeek firstDayOfWeek READ firstDayOfWeek WRITE setFirstDayOfWeek NOTIFY calFirstDayofWeekChanged DESIGNABLE false STORED false)
    Q_PROPERTY(VerticalHeaderFormat verticalHeaderFormat READ verticalHeaderFormat WRITE setVerticalHeaderFormat)

public:
    // As QCalendarWidget's: NoSelection browses months (which moves the selected date, see the
    // page slots) but never picks a day.
    enum SelectionMode { NoSelection = 0, SingleSelection = 1 };
    Q_ENUM(SelectionMode)

    // A new calendar as a developer places it: the control's defaults, 280 x 200 pixels. `host`
    // is for the library's own tests; programs leave it null (the application's host).
    explicit QvCalendarWidget(QWidget* parent = nullptr, QtHost* host = nullptr, const QString& name = "QvCalendar1");
    // A stored calendar: its properties read from `bag` (a damaged bag throws ControlError, as
    // the control's load does; the widget is not made).
    QvCalendarWidget(PropertyBag& bag, QWidget* parent = nullptr, QtHost* host = nullptr,
                     const QString& name = "QvCalendar1");
    ~QvCalendarWidget() override;

    // The control itself, for its full C++ interface (which raises ControlError).
    QvCalendar& control() const;
    // Saves every stored property into `bag`.
    void writeProperties(PropertyBag& bag) const;
    // The control's 16 x 16 icon, as a widget box shows it.
    static QIcon widgetIcon();
    // The size of a newly placed calendar, 280 x 200 pixels, grown to minimumSizeHint where the
    // fonts need more.
    QSize sizeHint() const override;
    // The smallest size at which the day numbers and the titles in calFont stay readable; both
    // hints grow by the contents margins, inside which the calendar draws.
    QSize minimumSizeHint() const override;

    // The selected date; its month is the one shown.
    QDate calValue() const { return DateOf("calValue"); }
    // Selects `value` (any date of 100..9999, also outside the year limits); false for a null or
    // out-of-range date. Emits calValueChanged and selectionChanged when the date changed, then
    // the control's ValueChanged, MonthChanged, YearChanged as due.
    bool setCalValue(QDate value) { return SetDate("calValue", value); }
    // Lowest year that navigation reaches (1600 ≤ calMinYear ≤ calMaxYear).
    int calMinYear() const { return Get("calMinYear").ToInt32(); }
    // False outside 1600..calMaxYear; a value above the selected date's year moves it into that year.
    bool setCalMinYear(int value) { return SetInt32("calMinYear", value); }
    // Highest year that navigation reaches (calMinYear ≤ calMaxYear ≤ 9999).
    int calMaxYear() const { return Get("calMaxYear").ToInt32(); }
    // False outside calMinYear..9999; a value below the selected date's year moves it into that year.
    bool setCalMaxYear(int value) { return SetInt32("calMaxYear", value); }
    // The weekday of the grid's first column.
    enumCALFirstDayofWeek calFirstDayofWeek() const { return Enum<enumCALFirstDayofWeek>("calFirstDayofWeek"); }
    // False for a value that is no weekday (outside 1..7).
    bool setCalFirstDayofWeek(enumCALFirstDayofWeek value) { return SetInt32("calFirstDayofWeek", value); }
    // Whether day cells light up under the mouse.
    bool calMouseSensitiveDate() const { return Get("calMouseSensitiveDate").ToBool(); }
    bool setCalMouseSensitiveDate(bool value) { return Set("calMouseSensitiveDate", Variant(value)); }
    // The control's own Enabled (its title bar and About box stay reachable when false); Qt's
    // setEnabled(false) sets it too and setEnabled(true) undoes that.
    bool controlEnabled() const { return Get("Enabled").ToBool(); }
    bool setControlEnabled(bool value) { return Set("Enabled", Variant(value)); }
    // Whether the year of calValue is a leap year.
    bool calLeapYear() const { return Get("calLeapYear").ToBool(); }
    // Year × 1000 + day of the year of calValue.
    int calJulianDateValue() const { return Get("calJulianDateValue").ToInt32(); }
    // The control's width and height in twips (the widget's size).
    int calWidth() const { return Get("calWidth").ToInt32(); }
    bool setCalWidth(int twips) { return SetInt32("calWidth", twips); }
    int calHeight() const { return Get("calHeight").ToInt32(); }
    bool setCalHeight(int twips) { return SetInt32("calHeight", twips); }
    // Whether the title bar with calCaption is shown.
    bool calShowTitleBar() const { return Get("calShowTitleBar").ToBool(); }
    bool setCalShowTitleBar(bool value) { return Set("calShowTitleBar", Variant(value)); }
    // Whether the month drop-down list and the year box replace the month/year title.
    bool calShowDropdownMonth() const { return Get("calShowDropdownMonth").ToBool(); }
    bool setCalShowDropdownMonth(bool value) { return Set("calShowDropdownMonth", Variant(value)); }
    // Where the four scroll arrows sit; a value outside the enumeration is refused.
    enumCALScrollArrowsPos calScrollArrowsPos() const { return Enum<enumCALScrollArrowsPos>("calScrollArrowsPos"); }
    bool setCalScrollArrowsPos(enumCALScrollArrowsPos value) { return SetInt32("calScrollArrowsPos", value); }
    // The bevel of the control; a value outside the enumeration is refused.
    enumCALAppearance calAppearance() const { return Enum<enumCALAppearance>("calAppearance"); }
    bool setCalAppearance(enumCALAppearance value) { return SetInt32("calAppearance", value); }
    // Alignment of the day numbers in their cells; a value outside the enumeration is refused.
    enumCALAlignment calAlignmentNum() const { return Enum<enumCALAlignment>("calAlignmentNum"); }
    bool setCalAlignmentNum(enumCALAlignment value) { return SetInt32("calAlignmentNum", value); }
    // Alignment of the weekday titles; a value outside the enumeration is refused.
    enumCALAlignment calAlignmentDayTitle() const { return Enum<enumCALAlignment>("calAlignmentDayTitle"); }
    bool setCalAlignmentDayTitle(enumCALAlignment value) { return SetInt32("calAlignmentDayTitle", value); }
    // The fonts of the day numbers, of the month/year title and of the scroll arrows.
    QFont calFont() const { return FontOf("calFont"); }
    bool setCalFont(const QFont& font) { return SetFont("calFont", font); }
    QFont calMonthYearTitleFont() const { return FontOf("calMonthYearTitleFont"); }
    bool setCalMonthYearTitleFont(const QFont& font) { return SetFont("calMonthYearTitleFont", font); }
    QFont calScrollArrowsFont() const { return FontOf("calScrollArrowsFont"); }
    bool setCalScrollArrowsFont(const QFont& font) { return SetFont("calScrollArrowsFont", font); }
    // Whether the control draws an outline around itself.
    bool calOutline() const { return Get("calOutline").ToBool(); }
    bool setCalOutline(bool value) { return Set("calOutline", Variant(value)); }
    // The title bar's text.
    QString calCaption() const { return TextOf("calCaption"); }
    bool setCalCaption(const QString& value) { return SetText("calCaption", value); }
    // Short or long month names; a value outside the enumeration is refused.
    enumCALMonthTitle calMonthTitle() const { return Enum<enumCALMonthTitle>("calMonthTitle"); }
    bool setCalMonthTitle(enumCALMonthTitle value) { return SetInt32("calMonthTitle", value); }
    // Length of the weekday titles; a value outside the enumeration is refused.
    enumCALDayTitle calDayTitle() const { return Enum<enumCALDayTitle>("calDayTitle"); }
    bool setCalDayTitle(enumCALDayTitle value) { return SetInt32("calDayTitle", value); }
    // "VemoCalendar" with the library's version.
    QString calVersion() const { return TextOf("calVersion"); }

    // The twelve class colours (system colours are resolved through the widget's palette).
#define VEMO_COLOR_PROPERTY(Name, Setter)                   \
    QColor Name() const { return ColorOf(#Name); }          \
    bool Setter(const QColor& color) { return SetColor(#Name, color); }
    VEMO_COLOR_PROPERTY(calSelectedDayBackColor, setCalSelectedDayBackColor)
    VEMO_COLOR_PROPERTY(calSelectedDayForeColor, setCalSelectedDayForeColor)
    VEMO_COLOR_PROPERTY(calCurrentDateBackColor, setCalCurrentDateBackColor)
    VEMO_COLOR_PROPERTY(calCurrentDateForeColor, setCalCurrentDateForeColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthBackColor, setCalCurrentMonthBackColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthForeColor, setCalCurrentMonthForeColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthWeekendsBackColor, setCalCurrentMonthWeekendsBackColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthWeekendsForeColor, setCalCurrentMonthWeekendsForeColor)
    VEMO_COLOR_PROPERTY(calPreviousMonthBackColor, setCalPreviousMonthBackColor)
    VEMO_COLOR_PROPERTY(calPreviousMonthForeColor, setCalPreviousMonthForeColor)
    VEMO_COLOR_PROPERTY(calNextMonthBackColor, setCalNextMonthBackColor)
    VEMO_COLOR_PROPERTY(calNextMonthForeColor, setCalNextMonthForeColor)
#undef VEMO_COLOR_PROPERTY

    // ---- QCalendarWidget's names, with its semantics ----
    //
    // The calendar has no page of its own: it always shows the month of its selected date. So
    // the page slots move the selected date (same day, or the month's last day, held inside the
    // date range), where QCalendarWidget keeps it. Each emits selectionChanged and
    // currentPageChanged once when the date or month changed.

    QDate selectedDate() const { return calValue(); }
    // A date outside the date range selects the range's nearer end; a null date is ignored
    // (false, nothing changes).
    bool setSelectedDate(QDate date);
    // The first and last day the user can select, inside the year limits (by default 1 January
    // of calMinYear and 31 December of calMaxYear). A null date is ignored; a date beyond the
    // year limits is taken at the limit. A minimum after the maximum moves the maximum (and the
    // other way round); a selected date outside the new range moves to its nearer end.
    QDate minimumDate() const { return DateOf("calMinDate"); }
    bool setMinimumDate(QDate date) { return SetRangeEnd("calMinDate", date); }
    QDate maximumDate() const { return DateOf("calMaxDate"); }
    bool setMaximumDate(QDate date) { return SetRangeEnd("calMaxDate", date); }
    // Both ends at once (swapped when max is before min); ignored when either is null.
    bool setDateRange(QDate min, QDate max) { return SetRange(min, max); }
    // The weekday of the first column (calFirstDayofWeek, Sunday by default).
    Qt::DayOfWeek firstDayOfWeek() const;
    bool setFirstDayOfWeek(Qt::DayOfWeek day);
    SelectionMode selectionMode() const { return static_cast<SelectionMode>(Get("calSelectionMode").ToInt32()); }
    bool setSelectionMode(SelectionMode mode) { return SetInt32("calSelectionMode", mode); }
    // The year and month shown: those of the selected date.
    int yearShown() const { return calValue().year(); }
    int monthShown() const { return calValue().month(); }
    // True: an arrow that cannot move emits limitReached instead of the modal message box
    // "Minimum Calendar Date Setting Reached." (or "Maximum ..."), which is the default.
    bool calQuietLimit() const { return Get("calQuietLimit").ToBool(); }
    bool setCalQuietLimit(bool value) { return Set("calQuietLimit", Variant(value)); }

    // ---- Marked days and week numbers, with QCalendarWidget's names and meaning ----
    // A day's look merges its weekday's format with its date's over it, drawn over its class
    // colours: a neighbouring month's day keeps its grey text, the selected day its selected
    // back colour (its text takes the format's colour where that stays readable on it), today
    // stays bold. A format keeps the foreground and background colours, bold (a weight of
    // DemiBold or more), italic, underline and the tool tip, which shows on hover and follows the
    // date for a screen reader; no weekday has a format of its own at first (the weekends'
    // colours are calCurrentMonthWeekendsBackColor and -ForeColor). A date outside 1 January 100
    // .. 31 December 9999 is refused: nothing changes, propertyRefused("dateTextFormat", 380, ...).
    enum VerticalHeaderFormat { NoVerticalHeader, ISOWeekNumbers };
    Q_ENUM(VerticalHeaderFormat)
    // ISOWeekNumbers shows a first column with the ISO 8601 week of each row (the week of the
    // row's Thursday, whatever the first day of the week).
    VerticalHeaderFormat verticalHeaderFormat() const;
    void setVerticalHeaderFormat(VerticalHeaderFormat format);
    // Every date with a format of its own.
    QMap<QDate, QTextCharFormat> dateTextFormat() const;
    // The date's own format (without its weekday's); an empty one when it has none.
    QTextCharFormat dateTextFormat(QDate date) const;
    // A null date clears the formats of all dates; otherwise the date keeps `format`, also an
    // empty one, in place of what it had.
    void setDateTextFormat(QDate date, const QTextCharFormat& format);
    QTextCharFormat weekdayTextFormat(Qt::DayOfWeek dayOfWeek) const;
    void setWeekdayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format);

public slots:
    // Refills the grid and raises the change events that are due.
    void Refresh();
    // Shows the month of the given year: selects the same day there (see above).
    void setCurrentPage(int year, int month);
    void showNextMonth();
    void showPreviousMonth();
    void showNextYear();
    void showPreviousYear();
    // Shows today's month (the selected day kept, as every page move does).
    void showToday();
    // Nothing to do: the selected date's month is always the one shown.
    void showSelectedDate() {}

signals:
    // NOTIFY signals, after the control's change notification for the property (calValue's also
    // after the user moved the selection; calWidth's and calHeight's on a resize).
    void calValueChanged();
    void EnabledChanged();
    void calCaptionChanged();
    void calOutlineChanged();
    void calShowTitleBarChanged();
    void calShowDropdownMonthChanged();
    void calScrollArrowsPosChanged();
    void calMouseSensitiveDateChanged();
    void calAppearanceChanged();
    void calMinYearChanged();
    void calMaxYearChanged();
    void calFirstDayofWeekChanged();
    void calSelectedDayBackColorChanged();
    void calSelectedDayForeColorChanged();
    void calCurrentDateBackColorChanged();
    void calCurrentDateForeColorChanged();
    void calCurrentMonthBackColorChanged();
    void calCurrentMonthForeColorChanged();
    void calCurrentMonthWeekendsBackColorChanged();
    void calCurrentMonthWeekendsForeColorChanged();
    void calPreviousMonthBackColorChanged();
    void calPreviousMonthForeColorChanged();
    void calNextMonthBackColorChanged();
    void calNextMonthForeColorChanged();
    void calMonthTitleChanged();
    void calDayTitleChanged();
    void calAlignmentNumChanged();
    void calAlignmentDayTitleChanged();
    void calFontChanged();
    void calMonthYearTitleFontChanged();
    void calScrollArrowsFontChanged();
    void calWidthChanged();
    void calHeightChanged();
    void calMinDateChanged();
    void calMaxDateChanged();
    void calSelectionModeChanged();
    void calQuietLimitChanged();
    // An arrow could not move (calQuietLimit true): at the maximum end, or at the minimum.
    void limitReached(bool maximum);
    // The control's events.
    void ValueChanged();
    void MonthChanged();
    void YearChanged();
    void Click();
    void DblClick();
    void KeyDown(VemoCalendar::KeyArgs& args);
    void KeyPress(VemoCalendar::KeyPressArgs& args);
    void KeyUp(VemoCalendar::KeyArgs& args);
    void MouseDown(VemoCalendar::MouseArgs& args);
    void MouseMove(VemoCalendar::MouseArgs& args);
    void MouseUp(VemoCalendar::MouseArgs& args);
    // QCalendarWidget's signals: a day clicked (after Click), a day double-clicked or chosen with
    // Enter (after DblClick or Click), the selected date changed, the shown month changed.
    void clicked(QDate date);
    void activated(QDate date);
    void selectionChanged();
    void currentPageChanged(int year, int month);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename E> E Enum(std::string_view name) const { return static_cast<E>(Get(name).ToInt32()); }
    void Create(QtHost* host, const QString& name, PropertyBag* bag);
    void Dispatch(std::string_view name, std::span<Variant> args);
    void ValueAnnounced(QDate value) override;
    bool PressedOnADay() const;

    std::unique_ptr<QvCalendarWidgetPrivate> d_;
};

}  // namespace VemoCalendar
