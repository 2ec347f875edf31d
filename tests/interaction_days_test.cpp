// Day cells under the mouse: clicks by class, double-clicks and the hover highlight.
#include "CalendarFixture.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class DayCells : public CalendarFixture {
protected:
    // The cell of a class that shows a day number; fails the test when there is none.
    int CellShowing(const std::string& tag, int day) {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == tag && Cell(k).Caption() == std::to_string(day)) return k;
        ADD_FAILURE() << "no " << tag << " cell showing " << day;
        return 1;
    }
    void Show(Ymd d) {
        cal->calValue(MakeDate(d.y, d.m, d.d));
        host.ClearRecord();
    }
};

struct NeighbourClick {
    const char* name;
    Ymd from;
    int minYear, maxYear;
    const char* tag;
    int day;
    Ymd to;
    Strings events;
};

class NeighbourClicks : public DayCells, public ::testing::WithParamInterface<NeighbourClick> {};

TEST_P(NeighbourClicks, MoveToThatMonthUnlessAtTheLimit) {
    const NeighbourClick& c = GetParam();
    cal->calMaxYear(c.maxYear);
    cal->calMinYear(c.minYear);
    Show(c.from);
    form->Click(Cell(CellShowing(c.tag, c.day)));
    EXPECT_EQ(cal->calValue().value, MakeDate(c.to.y, c.to.m, c.to.d).value);
    EXPECT_EQ(Events(), c.events);
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(Caption().Caption(), host.Locale().MonthName(c.to.m, false).append(" ").append(std::to_string(c.to.y)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NeighbourClicks,
    ::testing::Values(
        NeighbourClick{"LeadingDayOfFebruary", {1997, 3, 10}, 1600, 9999, "Prev", 24, {1997, 2, 24},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click"}},
        NeighbourClick{"LeadingDayOfLastYear", {1997, 1, 10}, 1600, 9999, "Prev", 30, {1996, 12, 30},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "YearChanged", "Click"}},
        NeighbourClick{"TrailingDayOfApril", {1997, 3, 10}, 1600, 9999, "Next", 5, {1997, 4, 5},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click"}},
        NeighbourClick{"TrailingDayOfNextYear", {1997, 12, 10}, 1600, 9999, "Next", 2, {1998, 1, 2},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "YearChanged", "Click"}},
        NeighbourClick{"JanuaryOfMinYearStays", {1997, 1, 10}, 1997, 9999, "Prev", 30, {1997, 1, 10},
                       {"MouseDown", "MouseUp", "Click"}},
        NeighbourClick{"DecemberOfMaxYearStays", {1997, 12, 10}, 1600, 1997, "Next", 2, {1997, 12, 10},
                       {"MouseDown", "MouseUp", "Click"}},
        NeighbourClick{"OtherMonthsOfMinYearMove", {1997, 2, 10}, 1997, 9999, "Prev", 31, {1997, 1, 31},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click"}},
        NeighbourClick{"ValueBelowMinYearStillMoves", {1500, 1, 10}, 1600, 9999, "Prev", 31, {1499, 12, 31},
                       {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "YearChanged", "Click"}},
        NeighbourClick{"NoDayBeforeTheYear100", {100, 1, 10}, 1600, 9999, "Prev", 31, {100, 1, 10},
                       {"MouseDown", "MouseUp", "Click"}},
        NeighbourClick{"LastDecemberAtMaxYear9999", {9999, 12, 10}, 1600, 9999, "Next", 1, {9999, 12, 10},
                       {"MouseDown", "MouseUp", "Click"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DayCells, AnotherDayOfTheMonthMovesTheSelectionWithoutRefill) {
    // 10 June 1997 is today and selected in cell 10; cell 3 is Tuesday 3 June.
    cal->calMouseSensitiveDate(true);
    form->Click(Cell(3));
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 3).value);
    EXPECT_EQ(Events(), Strings({"MouseDown", "MouseUp", "ValueChanged", "Click"}));

    EXPECT_EQ(Cell(3).Tag(), "CurrSelected");
    EXPECT_EQ(Cell(3).BevelOuter(), 1);  // raised appearance: the selected day is inset
    EXPECT_EQ(Cell(3).BackColor(), cal->calSelectedDayBackColor());
    EXPECT_EQ(Cell(3).ForeColor(), cal->calSelectedDayForeColor());
    EXPECT_FALSE(Cell(3).Font().bold);

    // The old selection is today again: today's colours, normal bevel, still bold.
    EXPECT_EQ(Cell(10).Tag(), "CurrToday");
    EXPECT_EQ(Cell(10).BevelOuter(), 2);
    EXPECT_EQ(Cell(10).BackColor(), cal->calCurrentDateBackColor());
    EXPECT_TRUE(Cell(10).Font().bold);
    EXPECT_EQ(CountTagged("CurrSelected"), 1);

    // The new selection is also where the hover starts from.
    form->MouseMove(Cell(3));
    EXPECT_EQ(Cell(3).BevelOuter(), 1);
}

TEST_F(DayCells, SelectingAWeekendDayAndBackRestoresTheWeekendClass) {
    form->Click(Cell(7));  // Saturday 7 June
    EXPECT_EQ(Cell(7).Tag(), "CurrSelected");
    form->Click(Cell(4));
    EXPECT_EQ(Cell(7).Tag(), "CurrWeekend");
    EXPECT_EQ(Cell(7).ForeColor(), cal->calCurrentMonthWeekendsForeColor());
    EXPECT_EQ(Cell(7).BevelOuter(), 2);
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 4).value);
}

TEST_F(DayCells, SelectedDayClickRaisesOnlyClick) {
    form->Click(Cell(10));
    EXPECT_EQ(Events(), Strings({"MouseDown", "MouseUp", "Click"}));
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 10).value);
}

TEST_F(DayCells, InMonthClickDropsTheTimeOfDay) {
    cal->calValue(Date(MakeDate(1997, 6, 10).value + 0.75));
    form->Click(Cell(12));
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 12).value);
}

TEST_F(DayCells, NextRefreshReportsTheInMonthChangeAgain) {
    form->Click(Cell(3));
    host.ClearRecord();
    cal->Refresh();
    EXPECT_EQ(Events(), Strings{"ValueChanged"});
    host.ClearRecord();
    cal->Refresh();
    EXPECT_TRUE(Events().empty());
}

struct DoubleClickCase {
    const char* name;
    Ymd from;
    int cell;
    Strings events;
};

class DoubleClicks : public DayCells, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClicks, RaiseDblClickOnlyOnAPickedDay) {
    const DoubleClickCase& c = GetParam();
    Show(c.from);
    form->DoubleClick(Cell(c.cell));
    EXPECT_EQ(Events(), c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleClicks,
    ::testing::Values(
        // Tuesday 3 June: the first click selects it.
        DoubleClickCase{"PlainDay", {1997, 6, 10}, 3,
                        {"MouseDown", "MouseUp", "ValueChanged", "Click", "DblClick", "MouseUp"}},
        DoubleClickCase{"SelectedDay", {1997, 6, 10}, 10, {"MouseDown", "MouseUp", "Click", "DblClick", "MouseUp"}},
        DoubleClickCase{"WeekendDay", {1997, 6, 10}, 14,
                        {"MouseDown", "MouseUp", "ValueChanged", "Click", "DblClick", "MouseUp"}},
        // 30 June from July 1997: cell 2 then shows Monday 2 June, a plain day.
        DoubleClickCase{"MonthChangedUnderAPlainDay", {1997, 7, 10}, 2,
                        {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click", "MouseUp"}},
        // 1 July from June 1997: cell 31 then shows Tuesday 29 July, a plain day.
        DoubleClickCase{"MonthChangedUnderAPlainLaterDay", {1997, 6, 10}, 31,
                        {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click", "MouseUp"}},
        // 29 June from July 1997: cell 1 then shows Sunday 1 June, a weekend day.
        DoubleClickCase{"MonthChangedUnderAWeekendDay", {1997, 7, 10}, 1,
                        {"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click", "DblClick", "MouseUp"}},
        // At the upper limit the trailing day stays a trailing day.
        DoubleClickCase{"NeighbourDayAtTheLimit", {9999, 12, 10}, 42, {"MouseDown", "MouseUp", "Click", "MouseUp"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Hover ----

struct HoverCase {
    const char* name;
    enumCALAppearance appearance;
    int normal, hover, selected;
};

class Hover : public DayCells, public ::testing::WithParamInterface<HoverCase> {
protected:
    void SetUp() override {
        cal->calAppearance(GetParam().appearance);
        cal->calMouseSensitiveDate(true);
        host.ClearRecord();
    }
    std::vector<int> Bevels(int first, int last) {
        std::vector<int> out;
        for (int k = first; k <= last; ++k) out.push_back(Cell(k).BevelOuter());
        return out;
    }
};

TEST_P(Hover, OnlyTheLastCellIsLitAndATitleClearsIt) {
    const HoverCase& c = GetParam();
    for (int k : {5, 6, 7}) form->MouseMove(Cell(k));
    EXPECT_EQ(Bevels(5, 7), std::vector<int>({c.normal, c.normal, c.hover}));
    EXPECT_EQ(Events(), Strings({"MouseMove", "MouseMove", "MouseMove"}));

    form->MouseMove(Title(3));
    EXPECT_EQ(Cell(7).BevelOuter(), c.normal);

    // Straight back onto the same cell: it stays dark until the mouse has been over another.
    form->MouseMove(Cell(7));
    EXPECT_EQ(Cell(7).BevelOuter(), c.normal);
    form->MouseMove(Cell(8));
    form->MouseMove(Cell(7));
    EXPECT_EQ(Bevels(7, 8), std::vector<int>({c.hover, c.normal}));
}

TEST_P(Hover, TheSelectedCellGetsItsOwnBevelBack) {
    const HoverCase& c = GetParam();
    form->MouseMove(Cell(9));
    form->MouseMove(Cell(10));
    EXPECT_EQ(Cell(10).BevelOuter(), c.hover);
    form->MouseMove(Cell(11));
    EXPECT_EQ(Bevels(9, 11), std::vector<int>({c.normal, c.selected, c.hover}));
}

TEST_P(Hover, NeighbouringMonthCellsLightUpToo) {
    form->MouseMove(Cell(40));  // 10 July
    EXPECT_EQ(Cell(40).Tag(), "Next");
    EXPECT_EQ(Cell(40).BevelOuter(), GetParam().hover);
}

TEST_P(Hover, MovingOffOverArrowsAndTheCaptionClearsButTheMonthRowDoesNot) {
    const HoverCase& c = GetParam();
    form->MouseMove(Cell(5));
    form->MouseMove(site->Get<CommandButton>("cmdButton", 2));
    EXPECT_EQ(Cell(5).BevelOuter(), c.normal);

    form->MouseMove(Cell(6));
    form->MouseMove(Caption());
    EXPECT_EQ(Cell(6).BevelOuter(), c.normal);

    form->MouseMove(Cell(7));
    form->MouseMove(site->Get<Panel>("pnlTitleBar1"));
    EXPECT_EQ(Cell(7).BevelOuter(), c.normal);

    cal->calShowDropdownMonth(true);
    form->MouseMove(Cell(8));
    form->MouseMove(site->Get<Panel>("pnlMonthYear"));
    EXPECT_EQ(Cell(8).BevelOuter(), c.hover);
}

TEST_P(Hover, AGridFillRemovesTheHighlight) {
    form->MouseMove(Cell(5));
    form->Click(site->Get<CommandButton>("cmdButton", 3));
    for (int k = 1; k <= 42; ++k) EXPECT_NE(Cell(k).BevelOuter(), GetParam().hover) << k;
}

INSTANTIATE_TEST_SUITE_P(Appearances, Hover,
                         ::testing::Values(HoverCase{"Flat", VemocalFlat, 0, 2, 1},
                                           HoverCase{"Sunken", VemocalSunken, 1, 0, 2},
                                           HoverCase{"Raised", VemocalRaised, 2, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DayCells, NoHoverWhileTheMouseIsNotSensitive) {
    form->MouseMove(Cell(5));
    EXPECT_EQ(Cell(5).BevelOuter(), 2);
    EXPECT_EQ(Events(), Strings{"MouseMove"});
}

TEST_F(DayCells, SwitchingSensitivityOffKeepsTheHighlightUntilTheNextFill) {
    cal->calMouseSensitiveDate(true);
    form->MouseMove(Cell(5));
    host.ClearRecord();
    cal->calMouseSensitiveDate(false);
    EXPECT_EQ(host.ChangedProperties(), Strings{"calMouseSensitiveDate"});
    EXPECT_FALSE(cal->calMouseSensitiveDate());
    form->MouseMove(Title(1));
    form->MouseMove(Cell(6));
    EXPECT_EQ(Cell(5).BevelOuter(), 0);
    EXPECT_EQ(Cell(6).BevelOuter(), 2);
    cal->Refresh();
    EXPECT_EQ(Cell(5).BevelOuter(), 2);
}

TEST_F(DayCells, MouseArgumentsReachTheHostAsDelivered) {
    form->MouseDown(Cell(12), {2, 1, 7.5F, 3.25F});
    ASSERT_EQ(host.events.size(), 1U);
    const RaisedEvent& e = host.events[0];
    EXPECT_EQ(e.name, "MouseDown");
    ASSERT_EQ(e.args.size(), 4U);  // the cell's index is not passed on
    EXPECT_EQ(e.args[0], Variant(int16_t{2}));
    EXPECT_EQ(e.args[1], Variant(int16_t{1}));
    EXPECT_EQ(e.args[2], Variant(7.5F));
    EXPECT_EQ(e.args[3], Variant(3.25F));
    EXPECT_TRUE(host.dialogsShown.empty());  // a press on a day never opens the About box
}

}  // namespace
}  // namespace VemoCalendar
