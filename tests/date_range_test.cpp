// The settings beyond the interface: a date range of whole days, no selection, a quiet limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarFixture.h"
#include "calendar/DayKeys.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;
constexpr int16_t kKeyEnter = 13;

// 15 January .. 10 March 2025, with the drop-down row so that the month list and year box exist.
class DateRangeTest : public CalendarFixture {
public:
    // The table's rows act through these.
    using CalendarFixture::Cell;
    using CalendarFixture::form;

protected:
    DateRangeTest() {
        cal->calShowDropdownMonth(true);
        cal->calMinDate(MakeDate(2025, 1, 15));
        cal->calMaxDate(MakeDate(2025, 3, 10));
    }
    void Show(Ymd d) {
        cal->calValue(MakeDate(d.y, d.m, d.d));
        host.ClearRecord();
    }

public:
    int SelectedCell() {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == "CurrSelected") return k;
        return 0;
    }
    int CellShowing(const std::string& tag, int day) {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag().starts_with(tag) && Cell(k).Caption() == std::to_string(day)) return k;
        return 0;
    }
    void Key(int16_t keyCode, int16_t shift = 0) {
        form->Click(Cell(SelectedCell()));
        form->KeyDown(keyCode, shift);
        form->KeyUp(keyCode, shift);
    }
    void Arrow(int i) { form->Click(site->Get<CommandButton>("cmdButton", i)); }
    void ChooseMonth(int index) {
        auto& list = site->Get<DropDownList>("cbxMonth");
        form->FocusWidget(list);
        list.SetListIndex(index);
    }
    void TypeYear(const std::string& year) {
        form->FocusWidget(site->Get<TextBox>("txtYear"));
        form->Type(year);
        form->PressKey(kKeyEnter);
    }
};

struct RangeCase {
    const char* name;
    Ymd from;
    void (*act)(DateRangeTest&);
    Ymd to;
    const char* message;  // the limit message, or null
};

class RangeEnds : public DateRangeTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeEnds, NoWayOfMovingLeavesTheRange) {
    const RangeCase& c = GetParam();
    Show(c.from);
    c.act(*this);
    EXPECT_EQ(cal->calValue(), MakeDate(c.to.y, c.to.m, c.to.d));
    if (c.message) {
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, c.message);
    } else {
        EXPECT_TRUE(host.messageBoxes.empty());
    }
}

constexpr const char* kMin = "Minimum Calendar Date Setting Reached.";
constexpr const char* kMax = "Maximum Calendar Date Setting Reached.";

INSTANTIATE_TEST_SUITE_P(
    Table, RangeEnds,
    ::testing::Values(
        // A day of the neighbouring month outside the range is a disabled cell.
        RangeCase{"DecemberDayBeforeTheMinimum", {2025, 1, 20}, [](DateRangeTest& t) { t.form->Click(t.Cell(1)); }, {2025, 1, 20}, nullptr},
        RangeCase{"AprilDayAfterTheMaximum", {2025, 3, 5}, [](DateRangeTest& t) { t.form->Click(t.Cell(42)); }, {2025, 3, 5}, nullptr},
        RangeCase{"JanuaryDayFromFebruary", {2025, 2, 20}, [](DateRangeTest& t) { t.form->Click(t.Cell(t.CellShowing("Prev", 28))); }, {2025, 1, 28}, nullptr},
        RangeCase{"DayOfTheMonthBeforeTheMinimum", {2025, 1, 20}, [](DateRangeTest& t) { t.form->Click(t.Cell(t.CellShowing("Curr", 14))); }, {2025, 1, 20}, nullptr},
        // Keys stop at the end date and do nothing on it.
        RangeCase{"LeftOnTheMinimum", {2025, 1, 15}, [](DateRangeTest& t) { t.Key(kKeyLeft); }, {2025, 1, 15}, nullptr},
        RangeCase{"UpStopsAtTheMinimum", {2025, 1, 20}, [](DateRangeTest& t) { t.Key(kKeyUp); }, {2025, 1, 15}, nullptr},
        RangeCase{"HomeStopsAtTheMinimum", {2025, 1, 20}, [](DateRangeTest& t) { t.Key(kKeyHome); }, {2025, 1, 15}, nullptr},
        RangeCase{"PageUpStopsAtTheMinimum", {2025, 2, 10}, [](DateRangeTest& t) { t.Key(kKeyPageUp); }, {2025, 1, 15}, nullptr},
        RangeCase{"CtrlPageUpStopsAtTheMinimum", {2025, 2, 20}, [](DateRangeTest& t) { t.Key(kKeyPageUp, kShiftCtrl); }, {2025, 1, 15}, nullptr},
        RangeCase{"RightOnTheMaximum", {2025, 3, 10}, [](DateRangeTest& t) { t.Key(kKeyRight); }, {2025, 3, 10}, nullptr},
        RangeCase{"DownStopsAtTheMaximum", {2025, 3, 5}, [](DateRangeTest& t) { t.Key(kKeyDown); }, {2025, 3, 10}, nullptr},
        RangeCase{"EndStopsAtTheMaximum", {2025, 3, 5}, [](DateRangeTest& t) { t.Key(kKeyEnd); }, {2025, 3, 10}, nullptr},
        RangeCase{"PageDownStopsAtTheMaximum", {2025, 2, 20}, [](DateRangeTest& t) { t.Key(kKeyPageDown); }, {2025, 3, 10}, nullptr},
        RangeCase{"CtrlPageDownStopsAtTheMaximum", {2025, 2, 20}, [](DateRangeTest& t) { t.Key(kKeyPageDown, kShiftCtrl); }, {2025, 3, 10}, nullptr},
        // Arrows stop at the end date, and show the limit message on it.
        RangeCase{"PreviousYearStopsAtTheMinimum", {2025, 2, 20}, [](DateRangeTest& t) { t.Arrow(0); }, {2025, 1, 15}, nullptr},
        RangeCase{"PreviousMonthStopsAtTheMinimum", {2025, 2, 10}, [](DateRangeTest& t) { t.Arrow(1); }, {2025, 1, 15}, nullptr},
        RangeCase{"PreviousMonthInsideTheRange", {2025, 2, 20}, [](DateRangeTest& t) { t.Arrow(1); }, {2025, 1, 20}, nullptr},
        RangeCase{"PreviousMonthOnTheMinimum", {2025, 1, 15}, [](DateRangeTest& t) { t.Arrow(1); }, {2025, 1, 15}, kMin},
        RangeCase{"NextMonthStopsAtTheMaximum", {2025, 2, 20}, [](DateRangeTest& t) { t.Arrow(2); }, {2025, 3, 10}, nullptr},
        RangeCase{"NextYearStopsAtTheMaximum", {2025, 1, 20}, [](DateRangeTest& t) { t.Arrow(3); }, {2025, 3, 10}, nullptr},
        RangeCase{"NextYearOnTheMaximum", {2025, 3, 10}, [](DateRangeTest& t) { t.Arrow(3); }, {2025, 3, 10}, kMax},
        // The month list and the year box land on the nearer end.
        RangeCase{"MonthListBeforeTheMinimum", {2025, 2, 5}, [](DateRangeTest& t) { t.ChooseMonth(0); }, {2025, 1, 15}, nullptr},
        RangeCase{"MonthListAfterTheMaximum", {2025, 2, 20}, [](DateRangeTest& t) { t.ChooseMonth(11); }, {2025, 3, 10}, nullptr},
        RangeCase{"YearBoxBeforeTheMinimum", {2025, 2, 20}, [](DateRangeTest& t) { t.TypeYear("2024"); }, {2025, 1, 15}, nullptr},
        RangeCase{"YearBoxAfterTheMaximum", {2025, 2, 20}, [](DateRangeTest& t) { t.TypeYear("2026"); }, {2025, 3, 10}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateRangeTest, CellsOutsideTheRangeAreDisabledAndStaySoThroughEnabled) {
    Show({2025, 1, 20});  // 1 January 2025 is a Wednesday: cells 1..3 show 29..31 December
    const int first = CellShowing("Curr", 15);
    for (int k = 1; k <= 42; ++k) {
        EXPECT_EQ(cal->CellOutOfRange(k), k < first) << k;
        EXPECT_EQ(Cell(k).Enabled(), k >= first) << k;
    }
    cal->Enabled(false);
    cal->Enabled(true);
    EXPECT_FALSE(Cell(first - 1).Enabled());
    EXPECT_TRUE(Cell(first).Enabled());
}

TEST_F(DateRangeTest, AMinimumAfterTheMaximumMovesItAndTheValueFollows) {
    Show({2025, 2, 20});
    cal->calMinDate(MakeDate(2025, 4, 2));
    EXPECT_EQ(cal->calMaxDate(), MakeDate(2025, 4, 2));
    EXPECT_EQ(cal->calValue(), MakeDate(2025, 4, 2));
    EXPECT_EQ(Events(), (Names{"ValueChanged", "MonthChanged"}));
    EXPECT_EQ(host.ChangedProperties(), (Names{"calMinDate", "calMaxDate"}));
    // Outside the year limits: refused, nothing changed.
    EXPECT_THROW(cal->calMaxDate(MakeDate(1599, 12, 31)), ControlError);
    EXPECT_EQ(cal->calMinDate(), MakeDate(2025, 4, 2));
}

TEST_F(CalendarFixture, UnsetTheRangeIsTheYearLimitsAndDisablesNothing) {
    EXPECT_EQ(cal->calMinDate(), MakeDate(1600, 1, 1));
    EXPECT_EQ(cal->calMaxDate(), MakeDate(9999, 12, 31));
    cal->calValue(MakeDate(1600, 1, 10));  // leading cells show December 1599
    for (int k = 1; k <= 42; ++k) EXPECT_TRUE(Cell(k).Enabled()) << k;
    cal->calMinYear(1700);
    EXPECT_EQ(cal->calMinDate(), MakeDate(1700, 1, 1));
}

TEST_F(CalendarFixture, WithoutSelectionDaysAreNotChosenButMonthsAreBrowsed) {
    cal->calSelectionMode(VemocalNoSelection);
    host.ClearRecord();
    form->Click(Cell(20));
    form->Click(Cell(40));  // a day of July
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 6, 10));
    EXPECT_EQ(Events(), (Names{"MouseDown", "MouseUp", "Click", "MouseDown", "MouseUp", "Click"}));
    form->KeyDown(kKeyRight);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 6, 10));
    form->KeyDown(kKeyPageDown);
    EXPECT_EQ(cal->calValue(), MakeDate(1997, 7, 10));
    form->Click(site->Get<CommandButton>("cmdButton", 3));
    EXPECT_EQ(cal->calValue(), MakeDate(1998, 7, 10));
    EXPECT_THROW(cal->calSelectionMode(static_cast<enumCALSelectionMode>(2)), ControlError);
}

TEST_F(CalendarFixture, AQuietLimitRaisesLimitReachedInsteadOfTheMessage) {
    cal->calQuietLimit(true);
    cal->calValue(MakeDate(9999, 12, 10));
    host.ClearRecord();
    form->Click(site->Get<CommandButton>("cmdButton", 2));
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(Events(), (Names{"MouseDown", "MouseUp", "limitReached", "Click"}));
    EXPECT_EQ(host.events[2].args, std::vector<Variant>{Variant(true)});
    cal->calValue(MakeDate(1600, 3, 1));
    host.ClearRecord();
    form->Click(site->Get<CommandButton>("cmdButton", 0));
    EXPECT_EQ(host.events[2].args, std::vector<Variant>{Variant(false)});
}

// ---- The bag ----

TEST_F(DateRangeTest, SettingsAreKeptAfterTheStoredKeysOnlyWhenSetAndReadBack) {
    MemoryPropertyBag plain;
    form->Place<QvCalendar>("Plain", 0, 0, 4200, 3000).UserControl_WriteProperties(plain);
    EXPECT_EQ(plain.Entries().size(), 31u);  // a default calendar keeps exactly the stored keys

    cal->calSelectionMode(VemocalNoSelection);
    cal->calQuietLimit(true);
    MemoryPropertyBag bag;
    cal->UserControl_WriteProperties(bag);
    ASSERT_EQ(bag.Entries().size(), 35u);
    Names tail;
    for (size_t i = 31; i < 35; ++i) tail.push_back(bag.Entries()[i].first);
    EXPECT_EQ(tail, (Names{"calMinDate", "calMaxDate", "calSelectionMode", "calQuietLimit"}));

    QvCalendar& loaded = form->Load<QvCalendar>("Loaded", bag, 0, 0, 4200, 3000);
    EXPECT_EQ(loaded.calMinDate(), MakeDate(2025, 1, 15));
    EXPECT_EQ(loaded.calMaxDate(), MakeDate(2025, 3, 10));
    EXPECT_EQ(loaded.calSelectionMode(), VemocalNoSelection);
    EXPECT_TRUE(loaded.calQuietLimit());
    // An older bag: none of the new keys is asked for, each setting keeps its default.
    QvCalendar& older = form->Load<QvCalendar>("Older", plain, 0, 0, 4200, 3000);
    EXPECT_EQ(plain.Reads().size(), 31u);
    EXPECT_EQ(older.calMinDate(), MakeDate(1600, 1, 1));
    EXPECT_EQ(older.calSelectionMode(), VemocalSingleSelection);
    EXPECT_FALSE(older.calQuietLimit());
}

}  // namespace
}  // namespace VemoCalendar
