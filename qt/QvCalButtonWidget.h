#pragma once
#include <QColor>
#include <QDate>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QVariantList>
#include <memory>
#include <string_view>

#include "calbutton/QvCalButton.h"
#include "host/PropertyBag.h"
#include "host/Export.h"
#include "host/WidgetEvents.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvControlWidget.h"
#include "qt/QvEnums.h"

namespace VemoCalendar {

// QvCalButton as a Qt widget, used as QDateEdit's calendar pop-up is: a small button that drops a
// calendar down over the form it sits on. Properties carry the control's own names and types
// (the face ones and every forwarded cal one, enumerations by name), each read/write one with a
// NOTIFY signal named after it; the seventeen events are signals whose arguments are passed by
// non-const reference, so that a handler connected directly may change them and the control (and
// its calendar) sees the change. date/setDate/dateChanged are QDateEdit's names for calValue.
//
// No exception leaves a setter or QObject::setProperty: a value the control refuses keeps the old
// one, the setter returns false and propertyRefused is emitted once with the control's error.
class VEMOCALENDAR_EXPORT QvCalButtonWidget : public QvControlWidget {
    Q_OBJECT
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue NOTIFY calValueChanged)
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth NOTIFY calWidthChanged)
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight NOTIFY calHeightChanged)
    Q_PROPERTY(VemoCalendar::enumBTNAutoSize AutoSize READ AutoSize WRITE setAutoSize NOTIFY AutoSizeChanged)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth NOTIFY BevelWidthChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(VemoCalendar::QvFont3D Font3D READ Font3D WRITE setFont3D NOTIFY Font3DChanged)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIconPixmap WRITE setMouseIcon NOTIFY MouseIconChanged)
    Q_PROPERTY(VemoCalendar::QvMousePointer MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
    Q_PROPERTY(bool Outline READ Outline WRITE setOutline NOTIFY OutlineChanged)
    Q_PROPERTY(QPixmap Picture READ picturePixmap WRITE setPicture NOTIFY PictureChanged)
    Q_PROPERTY(bool RoundedCorners READ RoundedCorners WRITE setRoundedCorners NOTIFY RoundedCornersChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ buttonFont WRITE setButtonFont NOTIFY FontChanged)
    Q_PROPERTY(VemoCalendar::enumCALAlignment calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle NOTIFY calAlignmentDayTitleChanged)
    Q_PROPERTY(VemoCalendar::enumCALAlignment calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum NOTIFY calAlignmentNumChanged)
    Q_PROPERTY(VemoCalendar::enumCALAppearance calAppearance READ calAppearance WRITE setCalAppearance NOTIFY calAppearanceChanged)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption NOTIFY calCaptionChanged)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor NOTIFY calCurrentDateBackColorChanged)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor NOTIFY calCurrentDateForeColorChanged)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor NOTIFY calCurrentMonthBackColorChanged)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor NOTIFY calCurrentMonthForeColorChanged)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor NOTIFY calCurrentMonthWeekendsBackColorChanged)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor NOTIFY calCurrentMonthWeekendsForeColorChanged)
    Q_PROPERTY(VemoCalendar::enumCALDayTitle calDayTitle READ calDayTitle WRITE setCalDayTitle NOTIFY calDayTitleChanged)
    Q_PROPERTY(VemoCalendar::enumCALFirstDayofWeek calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek NOTIFY calFirstDayofWeekChanged)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont NOTIFY calFontChanged)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear NOTIFY calMaxYearChanged)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear NOTIFY calMinYearChanged)
    Q_PROPERTY(VemoCalendar::enumCALMonthTitle calMonthTitle READ calMonthTitle WRITE setCalMonthTitle NOTIFY calMonthTitleChanged)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont NOTIFY calMonthYearTitleFontChanged)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate NOTIFY calMouseSensitiveDateChanged)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor NOTIFY calNextMonthBackColorChanged)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor NOTIFY calNextMonthForeColorChanged)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline NOTIFY calOutlineChanged)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor NOTIFY calPreviousMonthBackColorChanged)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor NOTIFY calPreviousMonthForeColorChanged)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont NOTIFY calScrollArrowsFontChanged)
    Q_PROPERTY(VemoCalendar::enumCALScrollArrowsPos calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos NOTIFY calScrollArrowsPosChanged)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor NOTIFY calSelectedDayBackColorChanged)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor NOTIFY calSelectedDayForeColorChanged)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth NOTIFY calShowDropdownMonthChanged)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar NOTIFY calShowTitleBarChanged)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue STORED false)
    Q_PROPERTY(bool calLeapYear READ calLeapYear STORED false)
    Q_PROPERTY(QString calVersion READ calVersion STORED false)
    Q_PROPERTY(bool popupOpen READ popupOpen STORED false)
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged DESIGNABLE false STORED false)
    // The pop-up calendar's date range, kept in .ui and form files; QDateEdit's names beside it.
    Q_PROPERTY(QDate calMinDate READ minimumDate WRITE setMinimumDate NOTIFY calMinDateChanged)
    Q_PROPERTY(QDate calMaxDate READ maximumDate WRITE setMaximumDate NOTIFY calMaxDateChanged)
    Q_PROPERTY(QDate minimumDate READ minimumDate WRITE setMinimumDate NOTIFY calMinDateChanged DESIGNABLE false STORED false)
    Q_PROPERTY(QDate maximumDate READ maximumDate WRITE setMaximumDate NOTIFY calMaxDateChanged DESIGNABLE false STORED false)
    Q_PROPERTY(VemoCalendar::QvCalendarWidget::SelectionMode calSelectionMode READ calSelectionMode WRITE setCalSelectionMode NOTIFY calSelectionModeChanged)
    Q_PROPERTY(bool calQuietLimit READ calQuietLimit WRITE setCalQuietLimit NOTIFY calQuietLimitChanged)
    // The control's name is stored and shown in Designer; QDateEdit's beside it.
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly NOTIFY readOnlyChanged)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly NOTIFY readOnlyChanged DESIGNABLE false STORED false)
    Q_PROPERTY(VemoCalendar::QvCalendarWidget::VerticalHeaderFormat verticalHeaderFormat READ verticalHeaderFormat WRITE setVerticalHeaderFormat)

public:
    // A new button as a developer places it (first placement: pop-up 3200 x 4000 twips, today's
    // date), 81 x 25 pixels.
    explicit QvCalButtonWidget(QWidget* parent = nullptr, QtHost* host = nullptr, const QString& name = "QvCalButton1");
    // A stored button: its 44 properties read from `bag` (a damaged bag throws ControlError, as
    // the control's load does; the widget is not made).
    QvCalButtonWidget(PropertyBag& bag, QWidget* parent = nullptr, QtHost* host = nullptr,
                      const QString& name = "QvCalButton1");
    ~QvCalButtonWidget() override;

    // The control itself, for its full C++ interface (which raises ControlError).
    QvCalButton& control() const;
    // Saves every stored property into `bag`.
    void writeProperties(PropertyBag& bag) const;
    // The control's 16 x 16 icon (its face picture), as a widget box shows it.
    static QIcon widgetIcon();
    // The size of a newly placed button, 81 x 25 pixels, grown to minimumSizeHint where its font
    // needs more.
    QSize sizeHint() const override { return QSize(81, 25).expandedTo(minimumSizeHint()); }
    // Room for the face's picture and a line of Font, inside the bevel.
    QSize minimumSizeHint() const override;

    // The pop-up calendar's surface; it lies on the form's window once the pop-up has opened.
    QWidget* popup() const;
    // Whether the pop-up calendar is shown.
    bool popupOpen() const;
    // QDateEdit's calendarWidget(): the pop-up calendar as a widget, the surface it draws on (the
    // same as popup()). The pop-up is the button's own calendar control, not a QvCalendarWidget,
    // so its settings are set through the button (calMinDate, calFirstDayofWeek, ...).
    QWidget* calendarWidget() const { return popup(); }
    // The pop-up calendar's date range, as QDateEdit's: null dates ignored, a date beyond the
    // year limits taken at the limit, the date moved to the nearer end when outside it.
    QDate minimumDate() const { return DateOf("calMinDate"); }
    bool setMinimumDate(QDate date) { return SetRangeEnd("calMinDate", date); }
    QDate maximumDate() const { return DateOf("calMaxDate"); }
    bool setMaximumDate(QDate date) { return SetRangeEnd("calMaxDate", date); }
    bool setDateRange(QDate min, QDate max) { return SetRange(min, max); }
    // The pop-up calendar's selection mode and quiet limit (limitReached instead of the modal
    // message), as QvCalendarWidget's.
    QvCalendarWidget::SelectionMode calSelectionMode() const {
        return static_cast<QvCalendarWidget::SelectionMode>(Get("calSelectionMode").ToInt32());
    }
    bool setCalSelectionMode(QvCalendarWidget::SelectionMode mode) { return SetInt32("calSelectionMode", mode); }
    bool calQuietLimit() const { return Get("calQuietLimit").ToBool(); }
    bool setCalQuietLimit(bool value) { return Set("calQuietLimit", Variant(value)); }
    // QDateEdit's readOnly: a press does not open the pop-up (BtnClick still comes), the date
    // changes only from code; the button still takes the focus and says its date.
    bool isReadOnly() const { return Get("ReadOnly").ToBool(); }
    bool setReadOnly(bool value) { return Set("ReadOnly", Variant(value)); }

    // The pop-up calendar's selected date; false for a null or out-of-range date.
    QDate calValue() const { return DateOf("calValue"); }
    bool setCalValue(QDate value) { return SetDate("calValue", value); }
    // QDateEdit's names for calValue; dateChanged follows calValueChanged.
    QDate date() const { return calValue(); }
    bool setDate(QDate value) { return setCalValue(value); }
    // Read-only facts of the pop-up calendar's value and the library.
    int calJulianDateValue() const { return Get("calJulianDateValue").ToInt32(); }
    bool calLeapYear() const { return Get("calLeapYear").ToBool(); }
    QString calVersion() const { return TextOf("calVersion"); }
    // The button widget's own Enabled (the calendar is not touched); Qt's setEnabled(false) sets
    // it too and setEnabled(true) undoes that.
    bool controlEnabled() const { return Get("Enabled").ToBool(); }
    bool setControlEnabled(bool value) { return Set("Enabled", Variant(value)); }
    // The face's font, pictures, caption and text colour.
    QFont buttonFont() const { return FontOf("Font"); }
    bool setButtonFont(const QFont& font) { return SetFont("Font", font); }
    // A null image is no picture.
    QImage MouseIcon() const { return ImageOf("MouseIcon"); }
    bool setMouseIcon(const QImage& image) { return SetImage("MouseIcon", image); }
    QImage Picture() const { return ImageOf("Picture"); }
    bool setPicture(const QImage& image) { return SetImage("Picture", image); }
    // The same two pictures as pixmaps, the type Designer's property editor and .ui files know.
    QPixmap mouseIconPixmap() const { return QPixmap::fromImage(MouseIcon()); }
    bool setMouseIcon(const QPixmap& pixmap) { return setMouseIcon(pixmap.toImage()); }
    QPixmap picturePixmap() const { return QPixmap::fromImage(Picture()); }
    bool setPicture(const QPixmap& pixmap) { return setPicture(pixmap.toImage()); }
    QString Caption() const { return TextOf("Caption"); }
    bool setCaption(const QString& value) { return SetText("Caption", value); }
    QString calCaption() const { return TextOf("calCaption"); }
    bool setCalCaption(const QString& value) { return SetText("calCaption", value); }
    QColor ForeColor() const { return ColorOf("ForeColor"); }
    bool setForeColor(const QColor& color) { return SetColor("ForeColor", color); }
    // How picture and button size follow each other; a value outside the enumeration is refused.
    enumBTNAutoSize AutoSize() const { return Enum<enumBTNAutoSize>("AutoSize"); }
    bool setAutoSize(enumBTNAutoSize value) { return SetInt32("AutoSize", value); }

    // The remaining properties, each refused (false, propertyRefused) as the control refuses it:
    // pop-up size in twips, the widget's Font3D and MousePointer, year limits, enumerations
    // outside their constants.
#define VEMO_INT_PROPERTY(Name, Setter) \
    int Name() const { return Get(#Name).ToInt32(); } \
    bool Setter(int value) { return SetInt32(#Name, value); }
#define VEMO_ENUM_PROPERTY(Type, Name, Setter) \
    Type Name() const { return Enum<Type>(#Name); } \
    bool Setter(Type value) { return SetInt32(#Name, value); }
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
    VEMO_ENUM_PROPERTY(QvFont3D, Font3D, setFont3D)
    VEMO_ENUM_PROPERTY(QvMousePointer, MousePointer, setMousePointer)
    VEMO_INT_PROPERTY(calMaxYear, setCalMaxYear)
    VEMO_INT_PROPERTY(calMinYear, setCalMinYear)
    VEMO_ENUM_PROPERTY(enumCALAlignment, calAlignmentDayTitle, setCalAlignmentDayTitle)
    VEMO_ENUM_PROPERTY(enumCALAlignment, calAlignmentNum, setCalAlignmentNum)
    VEMO_ENUM_PROPERTY(enumCALAppearance, calAppearance, setCalAppearance)
    VEMO_ENUM_PROPERTY(enumCALDayTitle, calDayTitle, setCalDayTitle)
    VEMO_ENUM_PROPERTY(enumCALFirstDayofWeek, calFirstDayofWeek, setCalFirstDayofWeek)
    VEMO_ENUM_PROPERTY(enumCALMonthTitle, calMonthTitle, setCalMonthTitle)
    VEMO_ENUM_PROPERTY(enumCALScrollArrowsPos, calScrollArrowsPos, setCalScrollArrowsPos)
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
#undef VEMO_ENUM_PROPERTY
#undef VEMO_BOOL_PROPERTY
#undef VEMO_FONT_PROPERTY
#undef VEMO_COLOR_PROPERTY
    // BevelWidth is the face's one 16-bit property: a width past 16 bits is refused with 6.
    int BevelWidth() const { return Get("BevelWidth").ToInt16(); }
    bool setBevelWidth(int value);

    // The pop-up calendar's marked days and week numbers, as QvCalendarWidget (and
    // QCalendarWidget) has them.
    QvCalendarWidget::VerticalHeaderFormat verticalHeaderFormat() const;
    void setVerticalHeaderFormat(QvCalendarWidget::VerticalHeaderFormat format);
    QMap<QDate, QTextCharFormat> dateTextFormat() const;
    QTextCharFormat dateTextFormat(QDate date) const;
    void setDateTextFormat(QDate date, const QTextCharFormat& format);
    QTextCharFormat weekdayTextFormat(Qt::DayOfWeek dayOfWeek) const;
    void setWeekdayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format);

signals:
    // NOTIFY signals, after the control's change notification for the property (calValue's also
    // after the user picked a date in the pop-up).
    void calValueChanged();
    void calWidthChanged();
    void calMinDateChanged();
    void calMaxDateChanged();
    void calSelectionModeChanged();
    void calQuietLimitChanged();
    void readOnlyChanged();
    // An arrow of the pop-up could not move (calQuietLimit true): at the maximum end, or the minimum.
    void limitReached(bool maximum);
    void calHeightChanged();
    void AutoSizeChanged();
    void BevelWidthChanged();
    void CaptionChanged();
    void Font3DChanged();
    void MouseIconChanged();
    void MousePointerChanged();
    void OutlineChanged();
    void PictureChanged();
    void RoundedCornersChanged();
    void ForeColorChanged();
    void EnabledChanged();
    void FontChanged();
    void calAlignmentDayTitleChanged();
    void calAlignmentNumChanged();
    void calAppearanceChanged();
    void calCaptionChanged();
    void calCurrentDateBackColorChanged();
    void calCurrentDateForeColorChanged();
    void calCurrentMonthBackColorChanged();
    void calCurrentMonthForeColorChanged();
    void calCurrentMonthWeekendsBackColorChanged();
    void calCurrentMonthWeekendsForeColorChanged();
    void calDayTitleChanged();
    void calFirstDayofWeekChanged();
    void calFontChanged();
    void calMaxYearChanged();
    void calMinYearChanged();
    void calMonthTitleChanged();
    void calMonthYearTitleFontChanged();
    void calMouseSensitiveDateChanged();
    void calNextMonthBackColorChanged();
    void calNextMonthForeColorChanged();
    void calOutlineChanged();
    void calPreviousMonthBackColorChanged();
    void calPreviousMonthForeColorChanged();
    void calScrollArrowsFontChanged();
    void calScrollArrowsPosChanged();
    void calSelectedDayBackColorChanged();
    void calSelectedDayForeColorChanged();
    void calShowDropdownMonthChanged();
    void calShowTitleBarChanged();
    // QDateEdit's signal: the date changed, after calValueChanged.
    void dateChanged(QDate date);
    // The control's events.
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

private:
    template <typename E> E Enum(std::string_view name) const { return static_cast<E>(Get(name).ToInt32()); }
    void Create(QtHost* host, const QString& name, PropertyBag* bag);
    void Dispatch(std::string_view name, std::span<Variant> args);
    void ValueAnnounced(QDate value) override { emit dateChanged(value); }
};

}  // namespace VemoCalendar
