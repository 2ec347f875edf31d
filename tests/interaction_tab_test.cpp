#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calendar/DayKeys.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;
constexpr int16_t kShift = 1;

// Three calendars side by side; the middle one is the one under test, on 10 June 1997 (its
// selected day is cell 10).
class TabTest : public ::testing::Test {
protected:
    TabTest() {
        host.SetToday(MakeDate(1997, 6, 10));
        form = std::make_unique<HeadlessForm>(host, 20000, 4000);
        form->Place<QvCalendar>("Before", 0, 0, 4200, 3000);
        cal = &form->Place<QvCalendar>("Cal", 4500, 0, 4200, 3000);
        form->Place<QvCalendar>("After", 9000, 0, 4200, 3000);
        host.ClearRecord();
    }
    Widget& W(const std::string& control, const std::string& name, int index = -1) {
        return form->Site(control).Get<Widget>(name, index);
    }
    Widget* Focused() { return form->FocusedWidget(); }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    QvCalendar* cal = nullptr;
};

TEST_F(TabTest, TheDayGridIsTheFirstStopOfTheControl) {
    form->FocusWidget(W("Before", "cmdButton", 3));
    form->Tab(2);
    EXPECT_EQ(Focused(), &W("Cal", "pnlCalNum", 10));
    form->Tab();
    EXPECT_EQ(Focused(), &W("Cal", "cmdButton", 0)) << "the month row is hidden";
}

TEST_F(TabTest, ArrowsKeepTheirOwnTabButShiftTabGoesBack) {
    form->FocusWidget(W("Cal", "cmdButton", 3));
    form->Tab();
    EXPECT_EQ(Focused(), &W("Cal", "cmdButton", 0)) << "Tab on arrow 3 goes round to arrow 0";
    ASSERT_FALSE(host.events.empty());
    EXPECT_EQ(host.events.back().name, "KeyUp");
    EXPECT_EQ(host.events[1].name, "KeyPress");
    EXPECT_EQ(host.events[1].args[0].ToInt16(), 0) << "the host sees the Tab replaced by 0";
    form->Tab(kShift);
    EXPECT_EQ(Focused(), &W("Cal", "pnlCalNum", 10));
    form->Tab(kShift);
    EXPECT_EQ(Focused(), &W("Before", "cmdButton", 3)) << "out of the control, backwards";
}

TEST_F(TabTest, CtrlTabLeavesTheControlBothWays) {
    form->FocusWidget(W("Cal", "cmdButton", 1));
    form->Tab(2);
    EXPECT_EQ(Focused(), &W("After", "pnlCalNum", 10));
    form->FocusWidget(W("Cal", "cmdButton", 1));
    form->Tab(2 | kShift);
    EXPECT_EQ(Focused(), &W("Before", "cmdButton", 3));
}

TEST_F(TabTest, TheMonthListAndYearBoxAreStopsWhenShown) {
    cal->calShowDropdownMonth(true);
    form->FocusWidget(W("Cal", "pnlCalNum", 10));
    form->Tab();
    EXPECT_EQ(Focused(), &W("Cal", "cbxMonth"));
    form->Tab();
    EXPECT_EQ(Focused(), &W("Cal", "txtYear"));
    form->Tab(kShift);
    EXPECT_EQ(Focused(), &W("Cal", "cbxMonth"));
}

TEST_F(TabTest, TheStopFollowsTheSelectedDay) {
    form->Click(W("Cal", "pnlCalNum", 12));
    form->FocusWidget(W("Before", "cmdButton", 3));
    form->Tab(2);
    EXPECT_EQ(Focused(), &W("Cal", "pnlCalNum", 12));
}

TEST_F(TabTest, ADateInAnotherMonthIsPickedWithTheKeyboardAlone) {
    form->FocusWidget(W("Before", "cmdButton", 3));
    form->Tab(2);
    form->PressKeyCode(kKeyPageDown);
    form->PressKeyCode(kKeyRight);
    host.ClearRecord();
    form->PressKey(13);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 7, 11));
    EXPECT_EQ(host.EventNames("Cal"), (Names{"KeyDown", "Click", "KeyPress", "KeyUp"}));
    form->Tab(kShift);
    EXPECT_EQ(Focused(), &W("Before", "cmdButton", 3));
}

}  // namespace
}  // namespace VemoCalendar
