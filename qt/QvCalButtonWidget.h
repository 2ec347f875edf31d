#pragma once
#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QString>
#include <QVariantList>
#include <memory>
#include <string_view>

#include "calbutton/QvCalButton.h"
#include "host/PropertyBag.h"
#include "host/WidgetEvents.h"
#include "qt/QtControlSite.h"
#include "qt/QtConvert.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

// QvCalButton as a Qt widget: a small button that drops a calendar down over the form it sits on.
// Properties carry the control's own names (the face ones and every forwarded cal one); its
// seventeen events are Qt signals whose arguments are passed by non-const reference, so that a
// handler connected directly may change them and the control (and its calendar) sees the change.
//
// No exception leaves a property write: a value the control refuses keeps the old one, the setter
// returns false and the widget emits propertyRefused with the control's error.
class QvCalButtonWidget : public QtControlSurface {
    Q_OBJECT
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue NOTIFY ValueChanged)
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth)
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight)
    Q_PROPERTY(int AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Font3D READ Font3D WRITE setFont3D)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(bool Outline READ Outline WRITE setOutline)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool RoundedCorners READ RoundedCorners WRITE setRoundedCorners)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)
    Q_PROPERTY(QFont Font READ buttonFont WRITE setButtonFont)
    Q_PROPERTY(int calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle)
    Q_PROPERTY(int calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum)
    Q_PROPERTY(int calAppearance READ calAppearance WRITE setCalAppearance)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor)
    Q_PROPERTY(int calDayTitle READ calDayTitle WRITE setCalDayTitle)
    Q_PROPERTY(int calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue)
    Q_PROPERTY(bool calLeapYear READ calLeapYear)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear)
    Q_PROPERTY(int calMonthTitle READ calMonthTitle WRITE setCalMonthTitle)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont)
    Q_PROPERTY(int calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar)
    Q_PROPERTY(QString calVersion READ calVersion)
    Q_PROPERTY(bool popupOpen READ popupOpen)

public:
    // A new button as a developer places it (first placement: pop-up 3200 x 4000 twips, today's
    // date), 81 x 25 pixels.
    explicit QvCalButtonWidget(QWidget* parent = nullptr, QtHost* host = nullptr, const QString& name = "QvCalButton1");
    // A stored button: its 44 properties read from `bag` (a damaged bag throws ControlError).
    QvCalButtonWidget(PropertyBag& bag, QWidget* parent = nullptr, QtHost* host = nullptr,
                      const QString& name = "QvCalButton1");
    ~QvCalButtonWidget() override;

    QvCalButton& control() const { return *button_; }
    QtControlSite& site() const { return *site_; }
    void writeProperties(PropertyBag& bag) const { button_->UserControl_WriteProperties(bag); }
    QSize sizeHint() const override { return {81, 25}; }

    // The pop-up calendar's surface; it lies on the form's window once the pop-up has opened.
    QWidget* popup() const;
    // Whether the pop-up calendar is shown.
    bool popupOpen() const;

    QDate calValue() const { return ToQDate(Get("calValue").ToDate()); }
    bool setCalValue(QDate value) { return Set("calValue", Variant(FromQDate(value))); }
    int calJulianDateValue() const { return Get("calJulianDateValue").ToInt32(); }
    bool calLeapYear() const { return Get("calLeapYear").ToBool(); }
    QString calVersion() const { return ToQString(Get("calVersion").ToString()); }
    bool controlEnabled() const { return Get("Enabled").ToBool(); }
    bool setControlEnabled(bool value) { return Set("Enabled", Variant(value)); }
    QFont buttonFont() const { return FontOf("Font"); }
    bool setButtonFont(const QFont& font) { return SetFont("Font", font); }
    QImage MouseIcon() const { return ImageOf("MouseIcon"); }
    bool setMouseIcon(const QImage& image) { return SetImage("MouseIcon", image); }
    QImage Picture() const { return ImageOf("Picture"); }
    bool setPicture(const QImage& image) { return SetImage("Picture", image); }
    QString Caption() const { return ToQString(Get("Caption").ToString()); }
    bool setCaption(const QString& value) { return Set("Caption", Variant(FromQString(value))); }
    QString calCaption() const { return ToQString(Get("calCaption").ToString()); }
    bool setCalCaption(const QString& value) { return Set("calCaption", Variant(FromQString(value))); }
    QColor ForeColor() const { return ColorOf("ForeColor"); }
    bool setForeColor(const QColor& color) { return SetColor("ForeColor", color); }

#define VEMO_INT_PROPERTY(Name, Setter) \
    int Name() const { return Get(#Name).ToInt32(); } \
    bool Setter(int value) { return Set(#Name, Variant(static_cast<int32_t>(value))); }
#define VEMO_BOOL_PROPERTY(Name, Setter) \
    bool Name() const { return Get(#Name).ToBool(); } \
    bool Setter(bool value) { return Set(#Name, Variant(value)); }
#define VEMO_FONT_PROPERTY(Name, Setter) \
    QFont Name() const { return FontOf(#Name); } \
    bool Setter(const QFont& font) { return SetFont(#Name, font); }
#define VEMO_COLOR_PROPERTY(Name, Setter) \
    QColor Name() const { return ColorOf(#Name); } \
    bool Setter(const QColor& color) { return SetColor(#Name, color); }
    VEMO_INT_PROPERTY(calWidth, setCalWidth)
    VEMO_INT_PROPERTY(calHeight, setCalHeight)
    VEMO_INT_PROPERTY(AutoSize, setAutoSize)
    VEMO_INT_PROPERTY(Font3D, setFont3D)
    VEMO_INT_PROPERTY(MousePointer, setMousePointer)
    VEMO_INT_PROPERTY(calAlignmentDayTitle, setCalAlignmentDayTitle)
    VEMO_INT_PROPERTY(calAlignmentNum, setCalAlignmentNum)
    VEMO_INT_PROPERTY(calAppearance, setCalAppearance)
    VEMO_INT_PROPERTY(calDayTitle, setCalDayTitle)
    VEMO_INT_PROPERTY(calFirstDayofWeek, setCalFirstDayofWeek)
    VEMO_INT_PROPERTY(calMaxYear, setCalMaxYear)
    VEMO_INT_PROPERTY(calMinYear, setCalMinYear)
    VEMO_INT_PROPERTY(calMonthTitle, setCalMonthTitle)
    VEMO_INT_PROPERTY(calScrollArrowsPos, setCalScrollArrowsPos)
    VEMO_BOOL_PROPERTY(Outline, setOutline)
    VEMO_BOOL_PROPERTY(RoundedCorners, setRoundedCorners)
    VEMO_BOOL_PROPERTY(calMouseSensitiveDate, setCalMouseSensitiveDate)
    VEMO_BOOL_PROPERTY(calOutline, setCalOutline)
    VEMO_BOOL_PROPERTY(calShowDropdownMonth, setCalShowDropdownMonth)
    VEMO_BOOL_PROPERTY(calShowTitleBar, setCalShowTitleBar)
    VEMO_FONT_PROPERTY(calFont, setCalFont)
    VEMO_FONT_PROPERTY(calMonthYearTitleFont, setCalMonthYearTitleFont)
    VEMO_FONT_PROPERTY(calScrollArrowsFont, setCalScrollArrowsFont)
    VEMO_COLOR_PROPERTY(calCurrentDateBackColor, setCalCurrentDateBackColor)
    VEMO_COLOR_PROPERTY(calCurrentDateForeColor, setCalCurrentDateForeColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthBackColor, setCalCurrentMonthBackColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthForeColor, setCalCurrentMonthForeColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthWeekendsBackColor, setCalCurrentMonthWeekendsBackColor)
    VEMO_COLOR_PROPERTY(calCurrentMonthWeekendsForeColor, setCalCurrentMonthWeekendsForeColor)
    VEMO_COLOR_PROPERTY(calNextMonthBackColor, setCalNextMonthBackColor)
    VEMO_COLOR_PROPERTY(calNextMonthForeColor, setCalNextMonthForeColor)
    VEMO_COLOR_PROPERTY(calPreviousMonthBackColor, setCalPreviousMonthBackColor)
    VEMO_COLOR_PROPERTY(calPreviousMonthForeColor, setCalPreviousMonthForeColor)
    VEMO_COLOR_PROPERTY(calSelectedDayBackColor, setCalSelectedDayBackColor)
    VEMO_COLOR_PROPERTY(calSelectedDayForeColor, setCalSelectedDayForeColor)
#undef VEMO_INT_PROPERTY
#undef VEMO_BOOL_PROPERTY
#undef VEMO_FONT_PROPERTY
#undef VEMO_COLOR_PROPERTY
    // BevelWidth is the face's one 16-bit property.
    int BevelWidth() const { return Get("BevelWidth").ToInt16(); }
    bool setBevelWidth(int value);

signals:
    void MonthChanged();
    void ValueChanged();
    void YearChanged();
    void BtnClick();
    void BtnKeyDown(VemoCalendar::KeyArgs& args);
    void BtnKeyPress(VemoCalendar::KeyPressArgs& args);
    void BtnKeyUp(VemoCalendar::KeyArgs& args);
    void BtnMouseDown(VemoCalendar::MouseArgs& args);
    void BtnMouseMove(VemoCalendar::MouseArgs& args);
    void BtnMouseUp(VemoCalendar::MouseArgs& args);
    void Click();
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
    // A property write that the control refused, with its error; the old value stays.
    void propertyRefused(const QString& name, int number, const QString& description);

private:
    void Create(QtHost* host, const QString& name, PropertyBag* bag);
    void Dispatch(std::string_view name, std::span<Variant> args);
    Variant Get(std::string_view name) const;
    bool Set(std::string_view name, const Variant& value);
    QFont FontOf(std::string_view name) const;
    bool SetFont(std::string_view name, const QFont& font);
    QImage ImageOf(std::string_view name) const;
    bool SetImage(std::string_view name, const QImage& image);
    QColor ColorOf(std::string_view name) const;
    bool SetColor(std::string_view name, const QColor& color);

    std::unique_ptr<QtControlSite> site_;
    QvCalButton* button_ = nullptr;
};

}  // namespace VemoCalendar
