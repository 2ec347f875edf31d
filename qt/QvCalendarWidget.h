#pragma once
#include <QColor>
#include <QDate>
#include <QFont>
#include <QString>
#include <QVariantList>
#include <memory>

#include "calendar/QvCalendar.h"
#include "host/PropertyBag.h"
#include "host/WidgetEvents.h"
#include "qt/QtControlSite.h"
#include "qt/QtConvert.h"

namespace VemoCalendar {

// The by-reference argument of KeyPress: a handler may change or clear (0) the key.
struct KeyPressArgs {
    int16_t keyAscii = 0;
};

// QvCalendar as a Qt widget. Properties carry the control's own names; the control's events are
// Qt signals. Signals with arguments pass them by non-const reference: a handler connected
// directly (the default within one thread) may change them, and the control sees the change.
// Setters refuse invalid values as the control does, with ControlError 380.
class QvCalendarWidget : public QtControlSurface {
    Q_OBJECT
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue NOTIFY ValueChanged)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear)
    Q_PROPERTY(int calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)
    Q_PROPERTY(bool calLeapYear READ calLeapYear)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue)
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth)
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth)
    Q_PROPERTY(int calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos)
    Q_PROPERTY(int calAppearance READ calAppearance WRITE setCalAppearance)
    Q_PROPERTY(int calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum)
    Q_PROPERTY(int calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption)
    Q_PROPERTY(int calMonthTitle READ calMonthTitle WRITE setCalMonthTitle)
    Q_PROPERTY(int calDayTitle READ calDayTitle WRITE setCalDayTitle)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor)
    Q_PROPERTY(QString calVersion READ calVersion)

public:
    // A new calendar as a developer places it: the control's defaults, 280 x 200 pixels.
    explicit QvCalendarWidget(QWidget* parent = nullptr, QtHost* host = nullptr, const QString& name = "QvCalendar1");
    // A stored calendar: its properties read from `bag` (a damaged bag throws ControlError).
    QvCalendarWidget(PropertyBag& bag, QWidget* parent = nullptr, QtHost* host = nullptr,
                     const QString& name = "QvCalendar1");
    ~QvCalendarWidget() override;

    QvCalendar& control() const { return *calendar_; }
    QtControlSite& site() const { return *site_; }
    void writeProperties(PropertyBag& bag) const { calendar_->UserControl_WriteProperties(bag); }
    QSize sizeHint() const override { return {280, 200}; }

    QDate calValue() const { return ToQDate(calendar_->calValue()); }
    void setCalValue(QDate value) { calendar_->calValue(FromQDate(value)); }
    int calMinYear() const { return calendar_->calMinYear(); }
    void setCalMinYear(int value) { calendar_->calMinYear(value); }
    int calMaxYear() const { return calendar_->calMaxYear(); }
    void setCalMaxYear(int value) { calendar_->calMaxYear(value); }
    int calFirstDayofWeek() const { return calendar_->calFirstDayofWeek(); }
    void setCalFirstDayofWeek(int value) { calendar_->calFirstDayofWeek(static_cast<enumCALFirstDayofWeek>(value)); }
    bool calMouseSensitiveDate() const { return calendar_->calMouseSensitiveDate(); }
    void setCalMouseSensitiveDate(bool value) { calendar_->calMouseSensitiveDate(value); }
    bool controlEnabled() const { return calendar_->Enabled(); }
    void setControlEnabled(bool value) { calendar_->Enabled(value); }
    bool calLeapYear() const { return calendar_->calLeapYear(); }
    int calJulianDateValue() const { return calendar_->calJulianDateValue(); }
    int calWidth() const { return calendar_->calWidth(); }
    void setCalWidth(int twips) { calendar_->calWidth(twips); }
    int calHeight() const { return calendar_->calHeight(); }
    void setCalHeight(int twips) { calendar_->calHeight(twips); }
    bool calShowTitleBar() const { return calendar_->calShowTitleBar(); }
    void setCalShowTitleBar(bool value) { calendar_->calShowTitleBar(value); }
    bool calShowDropdownMonth() const { return calendar_->calShowDropdownMonth(); }
    void setCalShowDropdownMonth(bool value) { calendar_->calShowDropdownMonth(value); }
    int calScrollArrowsPos() const { return calendar_->calScrollArrowsPos(); }
    void setCalScrollArrowsPos(int value) { calendar_->calScrollArrowsPos(static_cast<enumCALScrollArrowsPos>(value)); }
    int calAppearance() const { return calendar_->calAppearance(); }
    void setCalAppearance(int value) { calendar_->calAppearance(static_cast<enumCALAppearance>(value)); }
    int calAlignmentNum() const { return calendar_->calAlignmentNum(); }
    void setCalAlignmentNum(int value) { calendar_->calAlignmentNum(static_cast<enumCALAlignment>(value)); }
    int calAlignmentDayTitle() const { return calendar_->calAlignmentDayTitle(); }
    void setCalAlignmentDayTitle(int value) { calendar_->calAlignmentDayTitle(static_cast<enumCALAlignment>(value)); }
    QFont calFont() const { return ToQFont(*calendar_->calFont()); }
    void setCalFont(const QFont& font) { calendar_->calFont(std::make_shared<FontObject>(FromQFont(font))); }
    QFont calMonthYearTitleFont() const { return ToQFont(*calendar_->calMonthYearTitleFont()); }
    void setCalMonthYearTitleFont(const QFont& font) {
        calendar_->calMonthYearTitleFont(std::make_shared<FontObject>(FromQFont(font)));
    }
    QFont calScrollArrowsFont() const { return ToQFont(*calendar_->calScrollArrowsFont()); }
    void setCalScrollArrowsFont(const QFont& font) {
        calendar_->calScrollArrowsFont(std::make_shared<FontObject>(FromQFont(font)));
    }
    bool calOutline() const { return calendar_->calOutline(); }
    void setCalOutline(bool value) { calendar_->calOutline(value); }
    QString calCaption() const { return ToQString(calendar_->calCaption()); }
    void setCalCaption(const QString& value) { calendar_->calCaption(FromQString(value)); }
    int calMonthTitle() const { return calendar_->calMonthTitle(); }
    void setCalMonthTitle(int value) { calendar_->calMonthTitle(static_cast<enumCALMonthTitle>(value)); }
    int calDayTitle() const { return calendar_->calDayTitle(); }
    void setCalDayTitle(int value) { calendar_->calDayTitle(static_cast<enumCALDayTitle>(value)); }
    QString calVersion() const { return ToQString(calendar_->calVersion()); }

#define VEMO_COLOR_PROPERTY(Name, Setter)                                                  \
    QColor Name() const { return ToQColor(calendar_->Name(), palette()); }                 \
    void Setter(const QColor& color) { calendar_->Name(static_cast<int32_t>(FromQColor(color))); }
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

public slots:
    // Refills the grid and raises the change events that are due.
    void Refresh() { calendar_->Refresh(); }

signals:
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
    // Every event once its handlers have run, with its arguments as they left them (for logs).
    void EventRaised(const QString& name, const QVariantList& args);
    // A property changed (by code or by the user), under its name.
    void PropertyChanged(const QString& name);

private:
    void Create(QtHost* host, const QString& name, PropertyBag* bag);
    void Dispatch(std::string_view name, std::span<Variant> args);
    std::unique_ptr<QtControlSite> site_;
    QvCalendar* calendar_ = nullptr;
};

}  // namespace VemoCalendar
