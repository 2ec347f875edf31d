#include <string>

#include "calendar/QvCalendar.h"

namespace VemoCalendar {

QvCalendar::QvCalendar(ControlSite& site) : site_(site) {
    CreateWidgets();
    ApplyFixedSettings();
    Picture1_->Events().Resize = [this] { Picture1_Resize(); };
    ConnectHandlers();
}

QvCalendar::~QvCalendar() = default;

// The widgets as the control's design has them; the layout pass places them for real.
void QvCalendar::CreateWidgets() {
    WidgetFactory& make = site_.Widgets();
    Picture1_ = &make.CreatePictureSurface(nullptr, "Picture1");
    pnlTitleBar0_ = &make.CreatePanel(Picture1_, "pnlTitleBar0");
    pnlTitleBar1_ = &make.CreatePanel(pnlTitleBar0_, "pnlTitleBar1");
    pnlText_ = &make.CreatePanel(Picture1_, "pnlText");
    // Made in the order of the focus chain: the day grid, the month list, the year box, the arrows.
    for (int i = 1; i <= 7; ++i) pnlCalDay_[static_cast<size_t>(i - 1)] = &make.CreatePanel(Picture1_, "pnlCalDay", i);
    for (int k = 1; k <= 42; ++k) pnlCalNum_[static_cast<size_t>(k - 1)] = &make.CreatePanel(Picture1_, "pnlCalNum", k);
    pnlMonthYear_ = &make.CreatePanel(Picture1_, "pnlMonthYear");
    cbxMonth_ = &make.CreateDropDownList(pnlMonthYear_, "cbxMonth");
    txtYear_ = &make.CreateTextBox(pnlMonthYear_, "txtYear");
    for (int i = 0; i < 4; ++i) cmdButton_[static_cast<size_t>(i)] = &make.CreateCommandButton(Picture1_, "cmdButton", i);

    // Interior of the month/year row, in twips: 45 twips (3 pixels) from the panel's edges.
    cbxMonth_->Move(45, 45, 1200, 315);
    txtYear_->Move(1245, 45, 510, 330);
    txtYear_->SetMaxLength(4);
    // The arrows and the year box take a plain Tab as a key of their own.
    txtYear_->SetTakesTab(true);
    for (CommandButton* arrow : cmdButton_) arrow->SetTakesTab(true);
    // A click on a day gives the grid the focus, so the keys that move the selection reach it.
    for (Panel* cell : pnlCalNum_) cell->SetTakesFocus(true);
    // A click on the month/year row gives it the focus, so keys typed there reach the control.
    pnlMonthYear_->SetTakesFocus(true);
}

}  // namespace VemoCalendar
