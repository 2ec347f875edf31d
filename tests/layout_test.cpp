#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/LayoutMath.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"
#include "ParamNames.h"

namespace VemoCalendar {

void PrintTo(const LayoutRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

constexpr std::array<enumCALScrollArrowsPos, 4> kAllArrowPositions = {VemocalNoArrows, VemocalTop, VemocalMonthYear,
                                                                      VemocalBottom};

LayoutInput Input(int w, int h, bool titleBar, bool dropdown, enumCALScrollArrowsPos arrows) {
    LayoutInput in;
    in.width = w;
    in.height = h;
    in.showTitleBar = titleBar;
    in.showDropdownMonth = dropdown;
    in.arrows = arrows;
    return in;
}

LayoutRect Geometry(const Widget& w) { return {w.Left(), w.Top(), w.Width(), w.Height()}; }

// A row whose last widget ends at `edge`, or lies wholly past it when rounding left it no room.
void ExpectEndsAt(const LayoutRect& last, int edge, bool vertical, const std::string& where) {
    const int start = vertical ? last.top : last.left;
    const int size = vertical ? last.height : last.width;
    if (size > 0) {
        EXPECT_EQ(start + size, edge) << where;
    } else {
        EXPECT_GE(start, edge) << where;
    }
}

// ---- Vertical stacks of the worked examples ----

struct StackCase {
    const char* name;
    LayoutInput input;
    int rowHeight, monthYearHeight, lastRowHeight;
    int titleTop, weekdayTop, lastWeekTop, lastWeekHeight;
    int arrowTop, arrowHeight;  // -1: no arrow row checked
};

void PrintTo(const StackCase& c, std::ostream* os) { *os << c.name; }

class LayoutStacks : public ::testing::TestWithParam<StackCase> {};

TEST_P(LayoutStacks, RowsStackFromTheTitleBarToTheBottomEdge) {
    const StackCase& c = GetParam();
    const CalendarLayout l = ComputeLayout(c.input);
    EXPECT_EQ(l.rowHeight, c.rowHeight);
    EXPECT_EQ(l.monthYearHeight, c.monthYearHeight);
    EXPECT_EQ(l.lastRowHeight, c.lastRowHeight);
    EXPECT_EQ(l.titleBar, (LayoutRect{0, 0, c.input.width, c.input.showTitleBar ? 22 : 0}));
    EXPECT_EQ(l.title.top, c.titleTop);
    EXPECT_EQ(l.title.height, c.monthYearHeight);
    for (const LayoutRect& day : l.weekdays) {
        EXPECT_EQ(day.top, c.weekdayTop);
        EXPECT_EQ(day.height, c.rowHeight);
    }
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            const LayoutRect& cell = l.cells[static_cast<size_t>(row * 7 + col)];
            EXPECT_EQ(cell.top, c.weekdayTop + (row + 1) * c.rowHeight) << "row " << row;
            EXPECT_EQ(cell.height, row == 5 ? c.lastWeekHeight : c.rowHeight) << "row " << row;
        }
    }
    EXPECT_EQ(l.cells[35].top, c.lastWeekTop);
    if (c.arrowTop >= 0) {
        for (const LayoutRect& arrow : l.arrows) {
            EXPECT_EQ(arrow.top, c.arrowTop);
            EXPECT_EQ(arrow.height, c.arrowHeight);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LayoutStacks,
    ::testing::Values(
        StackCase{"text_title_arrows_at_bottom", Input(280, 200, true, false, VemocalBottom), 20, 18, 20, 22, 40, 160,
                  20, 181, 19},
        StackCase{"dropdown_arrows_at_bottom", Input(280, 200, true, true, VemocalBottom), 19, 28, 17, 22, 50, 164, 19,
                  184, 16},
        StackCase{"no_arrows_give_their_row_back", Input(280, 200, true, false, VemocalNoArrows), 22, 24, 22, 22, 46,
                  178, 22, -1, 0},
        StackCase{"arrows_on_top", Input(280, 200, true, false, VemocalTop), 20, 18, 20, 42, 60, 180, 20, 22, 19},
        StackCase{"arrows_on_top_dropdown_no_title_bar_tie_21_5", Input(280, 200, false, true, VemocalTop), 22, 28, 18,
                  22, 50, 182, 18, 0, 21},
        StackCase{"eight_rows_of_164_round_20_5_to_20", Input(280, 164, false, false, VemocalMonthYear), 20, 24, 20, 0,
                  24, 144, 20, 0, 23},
        StackCase{"dropdown_with_arrows_in_its_row", Input(280, 200, true, true, VemocalMonthYear), 21, 28, 24, 22, 50,
                  176, 24, 22, 27}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Horizontal splits ----

struct SplitCase {
    const char* name;
    int width;
    enumCALScrollArrowsPos arrows;
    std::array<std::pair<int, int>, 4> arrowSpans;  // left, width of cmdButton 0..3
    std::pair<int, int> titleSpan;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class LayoutSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LayoutSplits, ArrowsAndTitleShareTheWidth) {
    const SplitCase& c = GetParam();
    const CalendarLayout l = ComputeLayout(Input(c.width, 200, true, false, c.arrows));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(l.arrows[i].left, c.arrowSpans[i].first) << "cmdButton " << i;
        EXPECT_EQ(l.arrows[i].width, c.arrowSpans[i].second) << "cmdButton " << i;
    }
    EXPECT_EQ(l.title.left, c.titleSpan.first);
    EXPECT_EQ(l.title.width, c.titleSpan.second);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LayoutSplits,
    ::testing::Values(
        SplitCase{"bottom_row_of_280", 280, VemocalBottom, {{{0, 70}, {70, 70}, {140, 70}, {210, 70}}}, {0, 280}},
        SplitCase{"month_year_row_of_280", 280, VemocalMonthYear, {{{0, 40}, {40, 39}, {201, 39}, {240, 40}}}, {80, 120}},
        SplitCase{"month_year_row_of_283", 283, VemocalMonthYear, {{{0, 40}, {40, 39}, {201, 39}, {240, 43}}}, {80, 120}},
        SplitCase{"top_row_of_10_rounds_2_5_to_2", 10, VemocalTop, {{{0, 2}, {2, 2}, {4, 2}, {6, 4}}}, {0, 10}},
        SplitCase{"top_row_of_14_rounds_3_5_to_4", 14, VemocalTop, {{{0, 4}, {4, 4}, {8, 4}, {12, 2}}}, {0, 14}},
        SplitCase{"month_year_row_of_4_has_no_room", 4, VemocalMonthYear, {{{0, 1}, {1, 0}, {6, 0}, {6, 0}}}, {2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    int width;
    int cellWidth;
    int lastColumnLeft, lastColumnWidth;
};

class LayoutColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(LayoutColumns, LastColumnTakesTheRemainder) {
    const ColumnCase& c = GetParam();
    const CalendarLayout l = ComputeLayout(Input(c.width, 200, true, false, VemocalBottom));
    for (size_t row = 0; row < 6; ++row) {
        for (size_t col = 0; col < 6; ++col) {
            const LayoutRect& cell = l.cells[row * 7 + col];
            EXPECT_EQ(cell.left, static_cast<int>(col) * c.cellWidth);
            EXPECT_EQ(cell.width, c.cellWidth);
        }
        EXPECT_EQ(l.cells[row * 7 + 6].left, c.lastColumnLeft);
        EXPECT_EQ(l.cells[row * 7 + 6].width, c.lastColumnWidth);
    }
    EXPECT_EQ(l.weekdays[6].left, c.lastColumnLeft);
    EXPECT_EQ(l.weekdays[6].width, c.lastColumnWidth);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, LayoutColumns,
                         ::testing::Values(ColumnCase{280, 40, 240, 40}, ColumnCase{283, 40, 240, 43},
                                           ColumnCase{25, 4, 24, 1}, ColumnCase{18, 3, 18, 0},
                                           ColumnCase{4, 1, 6, 0}),
                         [](const ::testing::TestParamInfo<ColumnCase>& info) { return "Width" + std::to_string(info.param.width); });  // 6 columns of 1 overrun 4 pixels

// ---- Drop-down interior ----

struct InteriorCase {
    int panelWidth;
    double twipsPerPixel;
    int listLeft;
    DropDownInterior expected;
};

class DropDownInteriors : public ::testing::TestWithParam<InteriorCase> {};

TEST_P(DropDownInteriors, ListTakesTwoThirdsAndYearBoxTheRest) {
    const InteriorCase& c = GetParam();
    const DropDownInterior got = FitDropDownInterior(c.panelWidth, c.twipsPerPixel, c.listLeft);
    EXPECT_EQ(got.monthListWidth, c.expected.monthListWidth);
    EXPECT_EQ(got.yearLeft, c.expected.yearLeft);
    EXPECT_EQ(got.yearWidth, c.expected.yearWidth);
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownInteriors,
                         ::testing::Values(InteriorCase{120, 15, 45, {1200, 1245, 510}},
                                           InteriorCase{280, 15, 45, {2800, 2845, 1310}},
                                           InteriorCase{100, 15, 45, {1000, 1045, 410}},
                                           InteriorCase{120, 12, 36, {960, 996, 408}},
                                           InteriorCase{3, 1.25, 0, {2, 2, 2}},  // 2.5 and 1.75 rounded
                                           InteriorCase{4, 15, 45, {40, 85, 0}},  // margins exceed the panel
                                           InteriorCase{0, 15, 45, {0, 45, 0}}),
                         [](const ::testing::TestParamInfo<InteriorCase>& info) {
                             using namespace VemoCalendar::param_names;
                             const auto& c = info.param;
                             return "Panel" + Signed(c.panelWidth) + "_Twips" + Decimal(c.twipsPerPixel) + "_List" +
                                    Signed(c.listLeft);
                         });

TEST(LayoutTitleRow, FollowsTheWidthTheTitleWidgetTook) {
    const LayoutInput in = Input(280, 200, true, true, VemocalMonthYear);
    CalendarLayout l = ComputeLayout(in);
    EXPECT_EQ(l.dropDown.monthListWidth, 1200);
    FitTitleRow(l, in, 100);
    EXPECT_EQ(l.arrows[2], (LayoutRect{181, 22, 39, 27}));
    EXPECT_EQ(l.arrows[3], (LayoutRect{220, 22, 60, 27}));
    EXPECT_EQ(l.dropDown.monthListWidth, 1000);
    EXPECT_EQ(l.dropDown.yearLeft, 1045);
    EXPECT_EQ(l.dropDown.yearWidth, 410);
}

TEST(LayoutRounding, RoundToIntIsHalfToEvenAndSaturates) {
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(3.5), 4);
    EXPECT_EQ(RoundToInt(-2.5), -2);
    EXPECT_EQ(RoundToInt(4200.5), 4200);
    EXPECT_EQ(RoundToInt(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

// ---- Invariants over sizes and every setting combination ----

std::vector<int> SweepSizes() {
    std::vector<int> sizes;
    for (int s = 0; s <= 60; ++s) sizes.push_back(s);
    for (int s : {61, 77, 99, 164, 200, 283, 487, 1001}) sizes.push_back(s);
    return sizes;
}

TEST(LayoutInvariants, RowsFillTheSurfaceForEverySizeAndSetting) {
    for (const int w : SweepSizes()) {
        for (const int h : SweepSizes()) {
            for (const bool titleBar : {false, true}) {
                for (const bool dropdown : {false, true}) {
                    for (const auto arrows : kAllArrowPositions) {
                        const LayoutInput in = Input(w, h, titleBar, dropdown, arrows);
                        const CalendarLayout l = ComputeLayout(in);
                        const std::string where = std::to_string(w) + "x" + std::to_string(h) + " bar " +
                                                  std::to_string(titleBar) + " dropdown " + std::to_string(dropdown) +
                                                  " arrows " + std::to_string(arrows);
                        std::vector<LayoutRect> placed{l.titleBar, l.title};
                        placed.insert(placed.end(), l.weekdays.begin(), l.weekdays.end());
                        placed.insert(placed.end(), l.cells.begin(), l.cells.end());
                        if (arrows != VemocalNoArrows) placed.insert(placed.end(), l.arrows.begin(), l.arrows.end());
                        for (const LayoutRect& r : placed) {
                            ASSERT_GE(r.width, 0) << where;
                            ASSERT_GE(r.height, 0) << where;
                        }
                        EXPECT_GE(l.dropDown.monthListWidth, 0) << where;
                        EXPECT_GE(l.dropDown.yearWidth, 0) << where;

                        // The bottom row ends at the bottom edge, the right column at the right edge.
                        if (arrows == VemocalBottom) {
                            for (const LayoutRect& arrow : l.arrows) ExpectEndsAt(arrow, h, true, where);
                        } else {
                            for (size_t k = 35; k < 42; ++k) ExpectEndsAt(l.cells[k], h, true, where);
                        }
                        for (size_t k = 6; k < 42; k += 7) ExpectEndsAt(l.cells[k], w, false, where);
                        ExpectEndsAt(l.weekdays[6], w, false, where);
                        if (arrows != VemocalNoArrows) ExpectEndsAt(l.arrows[3], w, false, where);
                        if (arrows != VemocalMonthYear) ExpectEndsAt(l.title, w, false, where);

                        // Rows follow each other with no gap beyond the arrows' one pixel.
                        const int arrowRow = arrows == VemocalTop ? l.rowHeight : 0;
                        EXPECT_EQ(l.title.top, l.titleBarHeight + arrowRow) << where;
                        EXPECT_EQ(l.weekdays[0].top, l.title.top + l.monthYearHeight) << where;
                        if (arrows == VemocalMonthYear) {
                            EXPECT_EQ(l.arrows[0].top, l.title.top) << where;
                        }
                        if (arrows == VemocalTop) {
                            EXPECT_EQ(l.arrows[0].top, l.titleBarHeight) << where;
                        }
                    }
                }
            }
        }
    }
}

// ---- Through the widgets of a placed calendar ----

class LayoutOnForm : public ::testing::Test {
protected:
    QvCalendar& Place(int widthPx, int heightPx) {
        form = std::make_unique<HeadlessForm>(host);
        QvCalendar& cal = form->Place<QvCalendar>("QvCalendar1", 0, 0, widthPx * host.TwipsPerPixelX(),
                                                  heightPx * host.TwipsPerPixelY());
        site = &form->Site("QvCalendar1");
        host.ClearRecord();
        return cal;
    }
    Panel& Cell(int k) { return site->Get<Panel>("pnlCalNum", k); }
    Panel& Day(int i) { return site->Get<Panel>("pnlCalDay", i); }
    CommandButton& Arrow(int i) { return site->Get<CommandButton>("cmdButton", i); }
    Panel& Named(const std::string& name) { return site->Get<Panel>(name); }
    PictureSurface& Surface() { return site->Get<PictureSurface>("Picture1"); }

    // What a user sees of the settings: the visible title, the arrows, the bottom edge.
    void ExpectConsistent(const QvCalendar& cal, const std::string& where) {
        const int w = Surface().ClientWidth(), h = Surface().ClientHeight();
        EXPECT_TRUE(Surface().Visible()) << where;
        EXPECT_NE(Named("pnlText").Visible(), Named("pnlMonthYear").Visible()) << where;
        EXPECT_EQ(Named("pnlMonthYear").Visible(), cal.calShowDropdownMonth()) << where;
        EXPECT_EQ(Named("pnlTitleBar0").Visible(), cal.calShowTitleBar()) << where;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Arrow(i).Visible(), cal.calScrollArrowsPos() != VemocalNoArrows) << where;
        for (Widget* widget : site->Factory().All()) {
            EXPECT_GE(widget->Width(), 0) << where << " " << widget->Name();
            EXPECT_GE(widget->Height(), 0) << where << " " << widget->Name();
        }
        if (cal.calScrollArrowsPos() == VemocalBottom) {
            ExpectEndsAt(Geometry(Arrow(3)), h, true, where);
        } else {
            ExpectEndsAt(Geometry(Cell(42)), h, true, where);
        }
        ExpectEndsAt(Geometry(Cell(42)), w, false, where);
    }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    HeadlessControlSite* site = nullptr;
};

TEST_F(LayoutOnForm, NewCalendarIsLaidOutForItsSize) {
    Place(280, 200);
    EXPECT_EQ(Surface().ClientWidth(), 280);
    EXPECT_EQ(Surface().ClientHeight(), 200);
    EXPECT_EQ(Geometry(Named("pnlTitleBar0")), (LayoutRect{0, 0, 280, 22}));
    EXPECT_EQ(Geometry(Named("pnlText")), (LayoutRect{0, 22, 280, 18}));
    EXPECT_EQ(Geometry(Day(1)), (LayoutRect{0, 40, 40, 20}));
    EXPECT_EQ(Geometry(Cell(1)), (LayoutRect{0, 60, 40, 20}));
    EXPECT_EQ(Geometry(Cell(42)), (LayoutRect{240, 160, 40, 20}));
    EXPECT_EQ(Geometry(Arrow(3)), (LayoutRect{210, 181, 70, 19}));
    // The caption panel sits 3 pixels (45 twips) in from each edge of the bar.
    EXPECT_EQ(Geometry(Named("pnlTitleBar1")), (LayoutRect{45, 45, 4110, 240}));
}

TEST_F(LayoutOnForm, DropdownRowReplacesTheTextTitle) {
    QvCalendar& cal = Place(280, 200);
    cal.calShowDropdownMonth(true);
    EXPECT_TRUE(Named("pnlMonthYear").Visible());
    EXPECT_FALSE(Named("pnlText").Visible());
    EXPECT_EQ(Geometry(Named("pnlMonthYear")), (LayoutRect{0, 22, 280, 28}));
    EXPECT_EQ(Geometry(Day(7)), (LayoutRect{240, 50, 40, 19}));
    EXPECT_EQ(Geometry(Arrow(0)), (LayoutRect{0, 184, 70, 16}));
    auto& list = site->Get<DropDownList>("cbxMonth");
    auto& year = site->Get<TextBox>("txtYear");
    EXPECT_EQ(Geometry(list), (LayoutRect{45, 45, 2800, 315}));
    EXPECT_EQ(Geometry(year), (LayoutRect{2845, 45, 1310, 330}));

    cal.calScrollArrowsPos(VemocalMonthYear);
    EXPECT_EQ(Geometry(Named("pnlMonthYear")), (LayoutRect{80, 22, 120, 28}));
    EXPECT_EQ(Geometry(Arrow(2)), (LayoutRect{201, 22, 39, 27}));
    EXPECT_EQ(list.Width(), 1200);
    EXPECT_EQ(year.Left(), 1245);
    EXPECT_EQ(year.Width(), 510);
    EXPECT_EQ(host.ChangedProperties("QvCalendar1"),
              (std::vector<std::string>{"calShowDropdownMonth", "calScrollArrowsPos"}));
}

TEST_F(LayoutOnForm, DropdownInteriorUsesTheScreensTwipsPerPixel) {
    host.SetTwipsPerPixel(12, 12);
    QvCalendar& cal = Place(280, 200);
    cal.calShowDropdownMonth(true);
    cal.calScrollArrowsPos(VemocalMonthYear);
    EXPECT_EQ(site->Get<DropDownList>("cbxMonth").Width(), 960);
    EXPECT_EQ(site->Get<TextBox>("txtYear").Left(), 1005);
    EXPECT_EQ(site->Get<TextBox>("txtYear").Width(), 390);
    EXPECT_EQ(Geometry(Named("pnlTitleBar1")), (LayoutRect{36, 36, 280 * 12 - 72, 22 * 12 - 72}));
}

TEST_F(LayoutOnForm, NoArrowsHidesThemInPlaceAndGivesTheRowsTheirHeight) {
    QvCalendar& cal = Place(280, 200);
    const LayoutRect arrowBefore = Geometry(Arrow(1));
    cal.calScrollArrowsPos(VemocalNoArrows);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(Arrow(i).Visible());
    EXPECT_EQ(Geometry(Cell(36)), (LayoutRect{0, 178, 40, 22}));
    form->Site("QvCalendar1").Move(0, 0, 300 * 15, 210 * 15);
    EXPECT_EQ(Geometry(Arrow(1)), arrowBefore);  // hidden buttons are not moved
    cal.calScrollArrowsPos(VemocalTop);
    EXPECT_TRUE(Arrow(1).Visible());
    EXPECT_EQ(Geometry(Arrow(1)), (LayoutRect{75, 22, 75, 20}));
}

TEST_F(LayoutOnForm, HiddenTitleBarLeavesItsHeightToTheRows) {
    QvCalendar& cal = Place(280, 200);
    const LayoutRect captionBefore = Geometry(Named("pnlTitleBar1"));
    cal.calShowTitleBar(false);
    EXPECT_FALSE(Named("pnlTitleBar0").Visible());
    EXPECT_EQ(Named("pnlTitleBar0").Height(), 0);
    EXPECT_EQ(Named("pnlText").Top(), 0);
    // Nine rows of round(200 / 9) = 22; the month/year row takes the remaining 24.
    EXPECT_EQ(Named("pnlText").Height(), 24);
    EXPECT_EQ(Geometry(Arrow(0)), (LayoutRect{0, 179, 70, 21}));
    EXPECT_EQ(Geometry(Named("pnlTitleBar1")), captionBefore);
    cal.calShowTitleBar(true);
    EXPECT_EQ(Named("pnlText").Top(), 22);
}

TEST_F(LayoutOnForm, OutOfRangeArrowPositionIsRefusedAndChangesNothing) {
    QvCalendar& cal = Place(280, 200);
    const LayoutRect cellBefore = Geometry(Cell(36));
    for (const int bad : {-1, 4, 99}) {
        try {
            cal.calScrollArrowsPos(static_cast<enumCALScrollArrowsPos>(bad));
            ADD_FAILURE() << bad << " accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, 380);
            EXPECT_EQ(e.description, "Invalid property value");
        }
    }
    EXPECT_EQ(cal.calScrollArrowsPos(), VemocalBottom);
    EXPECT_TRUE(host.ChangedProperties("QvCalendar1").empty());
    EXPECT_EQ(Geometry(Cell(36)), cellBefore);
}

TEST_F(LayoutOnForm, OutlineNarrowsTheSurfaceAndTheLayoutFollows) {
    QvCalendar& cal = Place(280, 200);
    cal.calOutline(true);
    EXPECT_EQ(Surface().ClientWidth(), 278);
    EXPECT_EQ(Surface().ClientHeight(), 198);
    EXPECT_EQ(Geometry(Named("pnlTitleBar0")), (LayoutRect{0, 0, 278, 22}));
    EXPECT_EQ(Cell(42).Left() + Cell(42).Width(), 278);
    EXPECT_EQ(Arrow(3).Top() + Arrow(3).Height(), 198);
    cal.calOutline(false);
    EXPECT_EQ(Arrow(3).Top() + Arrow(3).Height(), 200);
    EXPECT_EQ(Cell(42).Left() + Cell(42).Width(), 280);
}

TEST_F(LayoutOnForm, ResizeWithoutSizeChangeStillPlacesTheWidgets) {
    QvCalendar& cal = Place(280, 200);
    const LayoutRect expected = Geometry(Cell(9));
    Cell(9).Move(1, 2, 3, 4);
    Named("pnlText").SetVisible(false);
    cal.UserControl_Resize();
    EXPECT_EQ(Geometry(Cell(9)), expected);
    EXPECT_TRUE(Named("pnlText").Visible());
}

TEST_F(LayoutOnForm, WidthAndHeightReadAndSetTheHostsOuterSize) {
    QvCalendar& cal = Place(280, 200);
    EXPECT_EQ(cal.calWidth(), 4200);
    EXPECT_EQ(cal.calHeight(), 3000);
    cal.calWidth(5000);
    cal.calHeight(4500);
    EXPECT_EQ(site->Width(), 5000);
    EXPECT_EQ(site->Height(), 4500);
    EXPECT_EQ(Surface().ClientWidth(), 333);  // 5000 / 15 = 333.3
    ExpectConsistent(cal, "after calWidth/calHeight");
    EXPECT_TRUE(host.ChangedProperties("QvCalendar1").empty());  // the host keeps the size itself

    site->Move(0, 0, 4200.5, 3001.5);
    EXPECT_EQ(cal.calWidth(), 4200);
    EXPECT_EQ(cal.calHeight(), 3002);
}

TEST_F(LayoutOnForm, SizesOutsideTheUsualRangeCollapseOrOverflowCleanly) {
    QvCalendar& cal = Place(280, 200);
    cal.calWidth(-600);  // not range checked: the surface collapses to nothing
    EXPECT_EQ(cal.calWidth(), -600);
    EXPECT_EQ(Surface().Width(), 0);
    ExpectConsistent(cal, "negative width");
    EXPECT_EQ(Cell(1).Width(), 0);

    site->Move(0, 0, 1e12, 3000);
    try {
        (void)cal.calWidth();
        ADD_FAILURE() << "a width past 32 bits was reported";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number, 6);
    }
    EXPECT_EQ(cal.calHeight(), 3000);
    for (Widget* widget : site->Factory().All()) EXPECT_GE(widget->Width(), 0) << widget->Name();
}

TEST_F(LayoutOnForm, EverySettingCombinationHoldsAtEverySize) {
    QvCalendar& cal = Place(280, 200);
    for (const int w : {0, 3, 11, 27, 49, 60, 280, 283}) {
        for (const int h : {0, 5, 21, 40, 49, 50, 60, 200}) {
            site->Move(0, 0, w * 15, h * 15);
            for (const bool titleBar : {false, true}) {
                for (const bool dropdown : {false, true}) {
                    for (const auto arrows : kAllArrowPositions) {
                        cal.calShowTitleBar(titleBar);
                        cal.calShowDropdownMonth(dropdown);
                        cal.calScrollArrowsPos(arrows);
                        ExpectConsistent(cal, std::to_string(w) + "x" + std::to_string(h) + " bar " +
                                                  std::to_string(titleBar) + " dropdown " + std::to_string(dropdown) +
                                                  " arrows " + std::to_string(arrows));
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace VemoCalendar
