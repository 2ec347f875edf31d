#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/LayoutMath.h"
#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

void Place(Widget& widget, const LayoutRect& r) { widget.Move(r.left, r.top, r.width, r.height); }

// The host's size as a 32-bit property value; a size the type cannot hold is an overflow, not
// a wrapped number.
int32_t ToPropertyValue(double twips) {
    const double rounded = std::nearbyint(twips);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        ThrowOverflow();
    return static_cast<int32_t>(rounded);
}

}  // namespace

// ---- Properties ----

int32_t QvCalendar::calWidth() const { return ToPropertyValue(site_.Width()); }
void QvCalendar::calWidth(int32_t twips) { site_.SetWidth(twips); }
int32_t QvCalendar::calHeight() const { return ToPropertyValue(site_.Height()); }
void QvCalendar::calHeight(int32_t twips) { site_.SetHeight(twips); }

void QvCalendar::calShowTitleBar(bool value) {
    calShowTitleBar_ = value;
    site_.PropertyChanged("calShowTitleBar");
    Picture1_Resize();
}

void QvCalendar::calShowDropdownMonth(bool value) {
    calShowDropdownMonth_ = value;
    site_.PropertyChanged("calShowDropdownMonth");
    Picture1_Resize();
}

void QvCalendar::calScrollArrowsPos(enumCALScrollArrowsPos value) {
    if (value < VemocalNoArrows || value > VemocalBottom) ThrowInvalidPropertyValue();
    calScrollArrowsPos_ = value;
    site_.PropertyChanged("calScrollArrowsPos");
    Picture1_Resize();
}

// ---- Resize and the layout pass ----

void QvCalendar::UserControl_Resize() {
    if (layoutHeld_) {
        layoutWanted_ = true;
        return;
    }
    const uint32_t passesBefore = layoutPasses_;
    Picture1_->Move(0, 0, std::max(RoundToInt(site_.ScaleWidth()), 0), std::max(RoundToInt(site_.ScaleHeight()), 0));
    // The surface reports only a change of its inner size (and a toolkit may hold that report back
    // until it is shown); the widgets must be in place after every resize all the same.
    if (layoutPasses_ == passesBefore) Picture1_Resize();
}

void QvCalendar::Picture1_Resize() {
    ++layoutPasses_;
    LayoutInput input;
    input.width = Picture1_->ClientWidth();
    input.height = Picture1_->ClientHeight();
    input.showTitleBar = calShowTitleBar_;
    input.showDropdownMonth = calShowDropdownMonth_;
    input.arrows = calScrollArrowsPos_;
    input.twipsPerPixelX = site_.TwipsPerPixelX();
    input.twipsPerPixelY = site_.TwipsPerPixelY();
    input.monthListLeft = cbxMonth_->Left();
    input.showWeekNumbers = calShowWeekNumbers_;
    CalendarLayout layout = ComputeLayout(input);

    // Hidden while the widgets move, so that no half-done layout is ever drawn.
    Picture1_->SetVisible(false);
    pnlMonthYear_->SetVisible(calShowDropdownMonth_);
    pnlText_->SetVisible(!calShowDropdownMonth_);
    const bool arrowsShown = calScrollArrowsPos_ != VemocalNoArrows;
    for (int i = 0; i < 4; ++i) cmdButton(i).SetVisible(arrowsShown);

    Place(*pnlTitleBar0_, layout.titleBar);
    pnlTitleBar0_->SetVisible(calShowTitleBar_);
    // Keep the caption 3 pixels in from each edge of the bar ourselves; no widget layer resizes it.
    if (calShowTitleBar_) Place(*pnlTitleBar1_, layout.caption);

    Panel& title = calShowDropdownMonth_ ? *pnlMonthYear_ : *pnlText_;
    Place(title, layout.title);
    // What sits right of the title follows the width the widget took, not the one asked for.
    FitTitleRow(layout, input, title.Width());
    if (calShowDropdownMonth_) {
        cbxMonth_->SetWidth(layout.dropDown.monthListWidth);
        txtYear_->SetLeft(layout.dropDown.yearLeft);
        txtYear_->SetWidth(layout.dropDown.yearWidth);
    }
    if (arrowsShown)
        for (int i = 0; i < 4; ++i) Place(cmdButton(i), layout.arrows[static_cast<size_t>(i)]);

    for (int i = 1; i <= 7; ++i) Place(pnlCalDay(i), layout.weekdays[static_cast<size_t>(i - 1)]);
    for (int k = 1; k <= 42; ++k) Place(pnlCalNum(k), layout.cells[static_cast<size_t>(k - 1)]);
    if (pnlCalWeek_[0]) {
        for (size_t r = 0; r < 6; ++r) {
            pnlCalWeek_[r]->SetVisible(calShowWeekNumbers_);
            if (calShowWeekNumbers_) Place(*pnlCalWeek_[r], layout.weekNumbers[r]);
        }
        PaintWeekColumn();
    }

    Picture1_->SetVisible(true);
}

}  // namespace VemoCalendar
