#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CalendarFixture.h"
#include "calendar/DayKeys.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;

struct KeyCase {
    std::string name;
    int16_t keyCode, shift;
    Ymd from, to;
};

class DayKeyTargetTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DayKeyTargetTest, MovesTheDayAsTheKeySays) {
    const KeyCase& c = GetParam();
    const std::optional<Date> target = DayKeyTarget(MakeDate(c.from.y, c.from.m, c.from.d), c.keyCode, c.shift);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(*target, MakeDate(c.to.y, c.to.m, c.to.d));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DayKeyTargetTest,
    ::testing::Values(KeyCase{"left_into_the_previous_month", kKeyLeft, 0, {1997, 6, 1}, {1997, 5, 31}},
                      KeyCase{"right_into_the_next_year", kKeyRight, 0, {1997, 12, 31}, {1998, 1, 1}},
                      KeyCase{"up_one_week", kKeyUp, 0, {1997, 6, 3}, {1997, 5, 27}},
                      KeyCase{"down_one_week", kKeyDown, 0, {1997, 2, 25}, {1997, 3, 4}},
                      KeyCase{"page_down_to_a_shorter_month", kKeyPageDown, 0, {1997, 1, 31}, {1997, 2, 28}},
                      KeyCase{"page_up_one_month", kKeyPageUp, 0, {1997, 3, 15}, {1997, 2, 15}},
                      KeyCase{"ctrl_page_up_from_a_leap_day", kKeyPageUp, kShiftCtrl, {2000, 2, 29}, {1999, 2, 28}},
                      KeyCase{"ctrl_page_down_one_year", kKeyPageDown, kShiftCtrl, {1997, 6, 10}, {1998, 6, 10}},
                      KeyCase{"home_first_of_month", kKeyHome, 0, {1997, 6, 10}, {1997, 6, 1}},
                      KeyCase{"end_of_a_leap_february", kKeyEnd, 0, {2000, 2, 10}, {2000, 2, 29}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(DayKeyTarget, OtherKeysMoveNothing) {
    EXPECT_FALSE(DayKeyTarget(MakeDate(1997, 6, 10), 'A', 0).has_value());
    EXPECT_FALSE(DayKeyTarget(MakeDate(1997, 6, 10), 0, 0).has_value());
}

class DayGridKeysTest : public CalendarFixture {
protected:
    // A click on the selected day gives the grid the focus.
    void FocusGrid() {
        form->Click(Cell(SelectedCell()));
        host.ClearRecord();
    }
    int SelectedCell() {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == "CurrSelected") return k;
        return 0;
    }
    void Key(int16_t keyCode, int16_t shift = 0) {
        form->KeyDown(keyCode, shift);
        form->KeyUp(keyCode, shift);
    }
};

TEST_F(DayGridKeysTest, AClickOnADayGivesTheGridTheFocus) {
    form->Click(Cell(SelectedCell()));
    EXPECT_EQ(form->FocusedWidget(), &Cell(SelectedCell()));
}

TEST_F(DayGridKeysTest, StepsRaiseTheChangeEventsAfterKeyDownAndTheFocusFollows) {
    FocusGrid();
    Key(kKeyRight);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 6, 11));
    EXPECT_EQ(Events(), (Names{"KeyDown", "ValueChanged", "KeyUp"}));
    EXPECT_EQ(form->FocusedWidget(), &Cell(SelectedCell()));
    host.ClearRecord();
    Key(kKeyPageDown, kShiftCtrl);
    EXPECT_EQ(cal->calValue(), MakeDate(1998, 6, 11));
    EXPECT_EQ(Events(), (Names{"KeyDown", "ValueChanged", "YearChanged", "KeyUp"}));
    host.ClearRecord();
    Key(kKeyHome);
    Key(kKeyLeft);
    EXPECT_EQ(cal->calValue(), MakeDate(1998, 5, 31));
    EXPECT_EQ(Events(), (Names{"KeyDown", "ValueChanged", "KeyUp", "KeyDown", "ValueChanged", "MonthChanged", "KeyUp"}));
}

TEST_F(DayGridKeysTest, AHostThatClearsKeyCodeCancelsTheStep) {
    FocusGrid();
    host.onEvent = [](const RaisedEvent& e, std::span<Variant> args) {
        if (e.name == "KeyDown") args[0] = Variant(int16_t{0});
    };
    Key(kKeyDown);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 6, 10));
}

TEST_F(DayGridKeysTest, StepsHoldTheYearLimitsSilently) {
    cal->calMaxYear(1997);
    cal->calValue(MakeDate(1997, 12, 30));
    FocusGrid();
    Key(kKeyRight);
    Key(kKeyRight);
    Key(kKeyPageDown);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 12, 31));
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(DayGridKeysTest, StepsHoldTheEndOfTheDateRange) {
    cal->calValue(MakeDate(9999, 12, 31));
    FocusGrid();
    Key(kKeyDown);
    EXPECT_EQ(cal->calValue(), MakeDate(9999, 12, 31));
}

TEST_F(DayGridKeysTest, EnterAndSpaceActAsAClickOnTheSelectedDay) {
    FocusGrid();
    for (int16_t key : {int16_t{13}, int16_t{32}}) {
        host.ClearRecord();
        form->PressKey(key);
        EXPECT_EQ(Events(), (Names{"KeyDown", "Click", "KeyPress", "KeyUp"})) << key;
        EXPECT_EQ(cal->calValue(), MakeDate(1997, 6, 10));
    }
}

}  // namespace
}  // namespace VemoCalendar
