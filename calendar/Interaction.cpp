#include "calendar/QvCalendar.h"

namespace VemoCalendar {

// Every widget notification the control uses, as the widget raises it. Widgets reached by arrays
// pass their index to the handler; the control's own events never carry it.
void QvCalendar::ConnectHandlers() {
    // The names are kept as plain pointers: a handler of two pointers is held in place, where a
    // string_view would take a heap block for each of some 130 handlers.
    auto mouseEvent = [this](const char* name) {
        return [this, name](MouseArgs& args) { RaiseMouseEvent(name, args); };
    };
    auto keyEvent = [this](const char* name) {
        return [this, name](KeyArgs& args) { RaiseKeyEvent(name, args); };
    };
    auto plainEvent = [this](const char* name) { return [this, name] { RaiseEvent(name); }; };
    auto hoverThenEvent = [this](MouseArgs& args) {
        ClearMouseHover();
        RaiseMouseEvent("MouseMove", args);
    };

    for (int k = 1; k <= 42; ++k) {
        WidgetHandlers& on = pnlCalNum(k).Events();
        on.Click = [this, k] { pnlCalNum_Click(k); };
        on.DblClick = [this, k] { pnlCalNum_DblClick(k); };
        on.MouseDown = mouseEvent("MouseDown");
        on.MouseMove = [this, k](MouseArgs& args) { pnlCalNum_MouseMove(k, args); };
        on.MouseUp = mouseEvent("MouseUp");
        on.KeyDown = [this](KeyArgs& args) { pnlCalNum_KeyDown(args); };
        on.KeyPress = [this](int16_t& keyAscii) { UserControl_KeyPress(keyAscii); };
        on.KeyUp = [this](KeyArgs& args) { UserControl_KeyUp(args); };
    }

    for (int i = 1; i <= 7; ++i) {
        WidgetHandlers& on = pnlCalDay(i).Events();
        on.Click = plainEvent("Click");
        on.DblClick = plainEvent("DblClick");
        on.MouseDown = [this](MouseArgs& args) { pnlCalDay_MouseDown(args); };
        on.MouseMove = hoverThenEvent;
        on.MouseUp = mouseEvent("MouseUp");
    }

    for (int i = 0; i < 4; ++i) {
        WidgetHandlers& on = cmdButton(i).Events();
        on.Click = [this, i] { cmdButton_Click(i); };
        on.MouseDown = mouseEvent("MouseDown");
        on.MouseMove = hoverThenEvent;
        on.MouseUp = mouseEvent("MouseUp");
        on.KeyDown = keyEvent("KeyDown");
        on.KeyPress = [this, i](int16_t& keyAscii) { cmdButton_KeyPress(i, keyAscii); };
        on.KeyUp = keyEvent("KeyUp");
    }

    WidgetHandlers& month = cbxMonth_->Events();
    month.Click = [this] { cbxMonth_Click(); };
    month.DblClick = plainEvent("DblClick");

    WidgetHandlers& year = txtYear_->Events();
    year.Click = plainEvent("Click");
    year.DblClick = plainEvent("DblClick");
    year.GotFocus = [this] { txtYear_GotFocus(); };
    year.LostFocus = [this] { txtYear_LostFocus(); };
    year.MouseDown = mouseEvent("MouseDown");
    year.MouseMove = mouseEvent("MouseMove");
    year.MouseUp = mouseEvent("MouseUp");
    year.KeyDown = keyEvent("KeyDown");
    year.KeyPress = [this](int16_t& keyAscii) { txtYear_KeyPress(keyAscii); };
    year.KeyUp = keyEvent("KeyUp");

    WidgetHandlers& text = pnlText_->Events();
    text.Click = plainEvent("Click");
    text.DblClick = plainEvent("DblClick");
    text.MouseDown = [this](MouseArgs& args) { pnlText_MouseDown(args); };
    text.MouseMove = hoverThenEvent;
    text.MouseUp = mouseEvent("MouseUp");

    // A backend whose panel takes the focus delivers keys to it; they are the control's own keys
    // then, which is also where the greeting listens.
    WidgetHandlers& row = pnlMonthYear_->Events();
    row.Click = plainEvent("Click");
    row.DblClick = plainEvent("DblClick");
    row.MouseDown = mouseEvent("MouseDown");
    row.MouseMove = mouseEvent("MouseMove");
    row.MouseUp = mouseEvent("MouseUp");
    row.KeyDown = [this](KeyArgs& args) { UserControl_KeyDown(args); };
    row.KeyPress = [this](int16_t& keyAscii) { UserControl_KeyPress(keyAscii); };
    row.KeyUp = [this](KeyArgs& args) { UserControl_KeyUp(args); };

    // The title bar opens the About box without telling the host of the press.
    for (Panel* bar : {pnlTitleBar0_, pnlTitleBar1_}) {
        WidgetHandlers& on = bar->Events();
        on.Click = plainEvent("Click");
        on.DblClick = plainEvent("DblClick");
        on.MouseDown = [this](MouseArgs&) { ShowAboutBox(); };
        on.MouseMove = [this](MouseArgs&) { ClearMouseHover(); };
    }
    // Picture1 only lays the grid out (its Resize is wired with the widgets).
}

// ---- Titles ----

void QvCalendar::ShowAboutBox() { site_.About().ShowModal(); }

void QvCalendar::pnlCalDay_MouseDown(MouseArgs& args) {
    ShowAboutBox();
    RaiseMouseEvent("MouseDown", args);
}

void QvCalendar::pnlText_MouseDown(MouseArgs& args) {
    ShowAboutBox();
    RaiseMouseEvent("MouseDown", args);
}

// ---- Focus and the enabled state ----

void QvCalendar::ShowFocusTitleBar() {
    pnlTitleBar1_->SetBackColor(kSysActiveCaption);
    pnlTitleBar1_->SetForeColor(kSysCaptionText);
}

void QvCalendar::ShowNoFocusTitleBar() {
    pnlTitleBar1_->SetBackColor(kSysInactiveCaption);
    pnlTitleBar1_->SetForeColor(kSysInactiveCaptionText);
}

void QvCalendar::ApplyEnabledState() {
    if (enabled_) ShowFocusTitleBar();
    else ShowNoFocusTitleBar();
    pnlMonthYear_->SetEnabled(enabled_);
    cbxMonth_->SetEnabled(enabled_);
    txtYear_->SetEnabled(enabled_);
    pnlText_->SetEnabled(enabled_);
    for (int i = 1; i <= 7; ++i) pnlCalDay(i).SetEnabled(enabled_);
    for (int k = 1; k <= 42; ++k) pnlCalNum(k).SetEnabled(enabled_);
    for (int i = 0; i < 4; ++i) cmdButton(i).SetEnabled(enabled_);
    ApplyRangeToCells();
    PaintWeekColumn();
    cbxMonth_->BringToFront();
}

void QvCalendar::Enabled(bool value) {
    enabled_ = value;
    site_.PropertyChanged("Enabled");
    ApplyEnabledState();
}

void QvCalendar::calMouseSensitiveDate(bool value) {
    calMouseSensitiveDate_ = value;
    site_.PropertyChanged("calMouseSensitiveDate");
}

void QvCalendar::UserControl_EnterFocus() {
    if (enabled_) ShowFocusTitleBar();
}

void QvCalendar::UserControl_ExitFocus() {
    ClearMouseHover();
    ShowNoFocusTitleBar();
}

void QvCalendar::UserControl_LostFocus() {
    if (calMouseSensitiveDate_) ClearHover(selectedCell_);
}

// ---- The control's own surface ----

void QvCalendar::UserControl_Click() { RaiseEvent("Click"); }
void QvCalendar::UserControl_DblClick() { RaiseEvent("DblClick"); }
void QvCalendar::UserControl_MouseDown(MouseArgs& args) { RaiseMouseEvent("MouseDown", args); }
void QvCalendar::UserControl_MouseMove(MouseArgs& args) { RaiseMouseEvent("MouseMove", args); }
void QvCalendar::UserControl_MouseUp(MouseArgs& args) { RaiseMouseEvent("MouseUp", args); }
void QvCalendar::UserControl_KeyDown(KeyArgs& args) { RaiseKeyEvent("KeyDown", args); }
void QvCalendar::UserControl_KeyUp(KeyArgs& args) { RaiseKeyEvent("KeyUp", args); }

// Also the key handling of the arrows and the year box, after their own.
void QvCalendar::UserControl_KeyPress(int16_t& keyAscii) {
    Widget* active = site_.ActiveChild();
    if (active && active == pnlMonthYear_) CheckGreeting(keyAscii);
    RaiseKeyPress(keyAscii);
}

}  // namespace VemoCalendar
