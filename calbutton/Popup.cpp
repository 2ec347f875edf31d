#include <algorithm>
#include <cmath>

#include "calbutton/PopupPlacement.h"
#include "calbutton/QvCalButton.h"
#include "host/EventArgs.h"

namespace VemoCalendar {
namespace {

constexpr int16_t kKeyEnter = 13, kKeyEscape = 27;

int ToWhole(double twips) { return static_cast<int>(std::nearbyint(twips)); }

}  // namespace

// A press opens a closed pop-up and closes an open one. An error in any step ends the press
// there and reaches the host; BtnClick is raised only after a press that went through.
void QvCalButton::SSCommand1_Click() {
    if (!readOnly_) {
        if (!calendarSite_->Visible()) PlaceCalendar();
        calendarSite_->SetVisible(!calendarSite_->Visible());
        if (calendarSite_->Visible()) calendarSite_->SetFocus();
        else SSCommand1_->SetFocus();
    }
    site_.RaiseEvent("BtnClick", {});
}

void QvCalButton::ReadOnly(bool value) {
    readOnly_ = value;
    site_.PropertyChanged("ReadOnly");
    if (value && PopupOpen()) ClosePopup();
}

// The calendar's window becomes a child of the form's at every opening, and stays one.
void QvCalButton::PlaceCalendar() {
    ParentForm& parent = site_.Parent();
    PopupPlacementInput in;
    site_.ClientToScreen(parent.hwnd(), in.parentOrigin);
    site_.ClientToScreen(SSCommand1_->WindowHandle(), in.buttonOrigin);
    in.twipsPerPixelX = site_.TwipsPerPixelX();
    in.twipsPerPixelY = site_.TwipsPerPixelY();
    in.scaleLeft = parent.ScaleLeft();
    in.scaleTop = parent.ScaleTop();
    in.scaleWidth = parent.ScaleWidth();
    in.scaleHeight = parent.ScaleHeight();
    in.buttonWidth = SSCommand1_->Width();
    in.buttonHeight = SSCommand1_->Height();
    in.calWidth = calWidth_;
    in.calHeight = calHeight_;
    const PopupPosition at = PlacePopup(in);
    calendarSite_->Move(at.left, at.top, calWidth_, calHeight_);
    site_.SetParent(QvCalendar1_->hwnd(), parent.hwnd());
}

void QvCalButton::ClosePopup() {
    calendarSite_->SetVisible(false);
    SSCommand1_->SetFocus();
}

void QvCalButton::QvCalendar1_DblClick() { ClosePopup(); }

// Enter and Escape both close the pop-up and keep the date the calendar then holds.
void QvCalButton::QvCalendar1_KeyPress(std::span<Variant> args) {
    const int16_t keyAscii = args.empty() ? 0 : args[0].ToInt16();
    if (keyAscii == kKeyEnter || keyAscii == kKeyEscape) ClosePopup();
    site_.RaiseEvent("KeyPress", args);
}

// The calendar's events are the button's, with the calendar's own argument references; its
// double-click closes the pop-up instead.
void QvCalButton::ConstituentEvent(std::string_view name, std::span<Variant> args) {
    if (name == "DblClick") QvCalendar1_DblClick();
    else if (name == "KeyPress") QvCalendar1_KeyPress(args);
    else site_.RaiseEvent(name, args);
}

// Focus moving to another control closes the pop-up, unless it went to the About box that the
// calendar opened.
void QvCalButton::UserControl_ExitFocus() {
    if (!site_.About().IsVisible()) calendarSite_->SetVisible(false);
}

// An open pop-up follows the control's inner area; otherwise the widget fills the control, or
// in mode 2 the control takes the widget's size (a pass that changes nothing stops there).
void QvCalButton::UserControl_Resize() {
    const double m = std::nearbyint(site_.ScaleLeft() + 120);
    if (calendarSite_->Visible()) {
        calendarSite_->Move(m, m, std::max(0.0, site_.ScaleWidth() - 2 * m), std::max(0.0, site_.ScaleHeight() - 2 * m));
        return;
    }
    if (SSCommand1_->AutoSize() == VemobtnButtonToPicture) {
        if (site_.Width() != SSCommand1_->Width()) site_.SetWidth(SSCommand1_->Width());
        if (site_.Height() != SSCommand1_->Height()) site_.SetHeight(SSCommand1_->Height());
        return;
    }
    SSCommand1_->Move(0, 0, ToWhole(site_.Width()), ToWhole(site_.Height()));
}

}  // namespace VemoCalendar
