#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Enumerations.h"
#include "calendar/QvCalendar.h"
#include "host/Control.h"
#include "host/ControlSite.h"
#include "host/Export.h"

namespace VemoCalendar {

// A three-dimensional push button that drops a QvCalendar down over the form. A press places
// the calendar at the button's centre in the form's co-ordinates, makes its window a child of
// the form's window, shows and focuses it; a second press, a double-click on a day, Enter or
// Escape in the calendar, or the focus leaving the control closes it again, keeping its date.
//
// Every calendar property whose name begins with "cal" is answered under its own name: the
// calendar's rules apply (error 380 reaches the caller, and the host is then not notified), and
// an accepted write is notified under the same name. The face properties live in the button
// widget. The button raises the events of both parts as its own, with their own arguments.
class VEMOCALENDAR_EXPORT QvCalButton : public Control, private ConstituentEvents {
public:
    explicit QvCalButton(ControlSite& site);
    QvCalButton(const QvCalButton&) = delete;
    QvCalButton& operator=(const QvCalButton&) = delete;
    ~QvCalButton() override;

    std::string_view TypeName() const override { return "QvCalButton"; }

    // ---- Pop-up size, answered by the button (twips) ----
    // The size the pop-up gets at its next opening. Writing stores it here first, then sets the
    // calendar's own size (whose refusal reaches the caller unnotified), then notifies.
    int32_t calWidth() const { return calWidth_; }
    void calWidth(int32_t twips);
    int32_t calHeight() const { return calHeight_; }
    void calHeight(int32_t twips);

    // ---- Face, held by the button widget; a value it refuses raises its error unnotified ----
    // 2 (VemobtnButtonToPicture) also sizes the control to the widget at once.
    enumBTNAutoSize AutoSize() const;
    void AutoSize(enumBTNAutoSize value);
    int16_t BevelWidth() const;
    void BevelWidth(int16_t value);
    std::string Caption() const;
    void Caption(const std::string& value);
    int32_t Font3D() const;
    void Font3D(int32_t value);
    PictureRef MouseIcon() const;
    // 380 for a picture a form file cannot hold (see IsStorablePicture).
    void MouseIcon(PictureRef picture);
    int32_t MousePointer() const;
    void MousePointer(int32_t value);
    bool Outline() const;
    void Outline(bool value);
    PictureRef Picture() const;
    // 380 for a picture a form file cannot hold (see IsStorablePicture).
    void Picture(PictureRef picture);
    bool RoundedCorners() const;
    void RoundedCorners(bool value);
    Color ForeColor() const;
    void ForeColor(Color value);
    // The button widget's only: an open pop-up stays open.
    bool Enabled() const;
    void Enabled(bool value);
    // A copy of the widget's font (the widget keeps its own copy of what it is given).
    FontRef Font() const;
    void Font(FontRef font);

    // A read-only button's press does not open the pop-up (BtnClick is still raised): its date
    // changes only from code. Setting it closes an open pop-up. Reached by name as "ReadOnly",
    // which is not among Properties(); kept in the bag after every other key, only when set.
    bool ReadOnly() const { return readOnly_; }
    void ReadOnly(bool value);

    // ---- The button control's own handles, not the calendar's ----
    int32_t hwnd() const;
    int32_t hDC() const;

    // ---- Forwarded to the calendar ----
#define VEMO_FORWARD(GetType, SetType, Name) \
    GetType Name() const { return QvCalendar1_->Name(); } \
    void Name(SetType value) { \
        QvCalendar1_->Name(value); \
        site_.PropertyChanged(#Name); \
    }
#define VEMO_FORWARD_READ_ONLY(Type, Name) \
    Type Name() const { return QvCalendar1_->Name(); }
    VEMO_FORWARD(enumCALAlignment, enumCALAlignment, calAlignmentDayTitle)
    VEMO_FORWARD(enumCALAlignment, enumCALAlignment, calAlignmentNum)
    VEMO_FORWARD(enumCALAppearance, enumCALAppearance, calAppearance)
    VEMO_FORWARD(std::string, const std::string&, calCaption)
    VEMO_FORWARD(Color, int32_t, calCurrentDateBackColor)
    VEMO_FORWARD(Color, int32_t, calCurrentDateForeColor)
    VEMO_FORWARD(Color, int32_t, calCurrentMonthBackColor)
    VEMO_FORWARD(Color, int32_t, calCurrentMonthForeColor)
    VEMO_FORWARD(Color, int32_t, calCurrentMonthWeekendsBackColor)
    VEMO_FORWARD(Color, int32_t, calCurrentMonthWeekendsForeColor)
    VEMO_FORWARD(enumCALDayTitle, enumCALDayTitle, calDayTitle)
    VEMO_FORWARD(enumCALFirstDayofWeek, enumCALFirstDayofWeek, calFirstDayofWeek)
    VEMO_FORWARD(FontRef, FontRef, calFont)
    VEMO_FORWARD_READ_ONLY(int32_t, calJulianDateValue)
    VEMO_FORWARD_READ_ONLY(bool, calLeapYear)
    VEMO_FORWARD(int32_t, int32_t, calMaxYear)
    VEMO_FORWARD(int32_t, int32_t, calMinYear)
    VEMO_FORWARD(enumCALMonthTitle, enumCALMonthTitle, calMonthTitle)
    VEMO_FORWARD(FontRef, FontRef, calMonthYearTitleFont)
    VEMO_FORWARD(bool, bool, calMouseSensitiveDate)
    VEMO_FORWARD(Color, int32_t, calNextMonthBackColor)
    VEMO_FORWARD(Color, int32_t, calNextMonthForeColor)
    VEMO_FORWARD(bool, bool, calOutline)
    VEMO_FORWARD(Color, int32_t, calPreviousMonthBackColor)
    VEMO_FORWARD(Color, int32_t, calPreviousMonthForeColor)
    VEMO_FORWARD(FontRef, FontRef, calScrollArrowsFont)
    VEMO_FORWARD(enumCALScrollArrowsPos, enumCALScrollArrowsPos, calScrollArrowsPos)
    VEMO_FORWARD(Color, int32_t, calSelectedDayBackColor)
    VEMO_FORWARD(Color, int32_t, calSelectedDayForeColor)
    VEMO_FORWARD(bool, bool, calShowDropdownMonth)
    VEMO_FORWARD(bool, bool, calShowTitleBar)
    // The date the user picked in the pop-up.
    VEMO_FORWARD(Date, Date, calValue)
    VEMO_FORWARD_READ_ONLY(std::string, calVersion)
    // The pop-up's marked days and week column (see QvCalendar), notified under the same names
    // and stored after the button's own keys.
    VEMO_FORWARD(bool, bool, calShowWeekNumbers)
    const DayMarks& calDayMarks() const { return QvCalendar1_->calDayMarks(); }
    void SetDateMark(Date date, std::optional<DayFormat> format) {
        QvCalendar1_->SetDateMark(date, std::move(format));
        site_.PropertyChanged("calDayMarks");
    }
    void ClearDateMarks() {
        QvCalendar1_->ClearDateMarks();
        site_.PropertyChanged("calDayMarks");
    }
    void SetWeekdayMark(int32_t weekday, std::optional<DayFormat> format) {
        QvCalendar1_->SetWeekdayMark(weekday, std::move(format));
        site_.PropertyChanged("calDayMarks");
    }
#undef VEMO_FORWARD
#undef VEMO_FORWARD_READ_ONLY

    // The pop-up calendar itself, for hosts that show or inspect it.
    QvCalendar& PopupCalendar() const { return *QvCalendar1_; }
    // Whether the pop-up is open: exactly when the calendar is visible.
    bool PopupOpen() const { return calendarSite_->Visible(); }

    // ---- By name: own members, then every "cal" member of the calendar (438 for others) ----
    Variant GetProperty(std::string_view name) const override;
    void SetProperty(std::string_view name, const Variant& value) override;
    std::span<const PropertyInfo> Properties() const override;

    // ---- Host notifications ----
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void UserControl_WriteProperties(PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_ExitFocus() override;
    void UserControl_AmbientChanged(std::string_view name) override { QvCalendar1_->UserControl_AmbientChanged(name); }

private:
    struct OwnProperty;
    static const std::vector<OwnProperty>& OwnProperties();
    static const OwnProperty* FindOwn(std::string_view name);
    // Stored "cal" properties of the calendar that the button forwards, in alphabetical order.
    const std::vector<PropertyInfo>& ForwardedStored() const;
    bool Forwards(std::string_view name) const;

    // ---- Construction ----
    void CreateButtonWidget();
    void CreateCalendar();
    FontRef& ButtonFont(size_t i);

    // ---- Pop-up cycle (Popup.cpp) ----
    void SSCommand1_Click();
    void PlaceCalendar();
    void ClosePopup();
    void QvCalendar1_DblClick();
    void QvCalendar1_KeyPress(std::span<Variant> args);
    void ConstituentEvent(std::string_view name, std::span<Variant> args) override;

    ControlSite& site_;
    CommandButton* SSCommand1_ = nullptr;
    int32_t calWidth_ = 3200;
    int32_t calHeight_ = 4000;
    bool readOnly_ = false;
    std::array<FontRef, 3> fonts_;  // for calFont, calMonthYearTitleFont, calScrollArrowsFont
    std::unique_ptr<ConstituentSite> calendarSite_;
    std::unique_ptr<QvCalendar> QvCalendar1_;  // declared after its site: destroyed before it
};

}  // namespace VemoCalendar
