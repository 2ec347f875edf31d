#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CalendarFixture.h"
#include "calendar/LayoutMath.h"

namespace VemoCalendar {

void PrintTo(const LayoutRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

LayoutRect Geometry(const Widget& w) { return {w.Left(), w.Top(), w.Width(), w.Height()}; }

class WeekNumbersTest : public CalendarFixture {
protected:
    Panel& Week(int r) { return site->Get<Panel>("pnlCalWeek", r); }
    // The week number the column shows beside `date` when its month is shown.
    std::string WeekBeside(Ymd d) {
        cal->calValue(MakeDate(d.y, d.m, d.d));
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == "CurrSelected") return Week((k - 1) / 7 + 1).Caption();
        return "no selected day";
    }
    std::vector<LayoutRect> AllGeometry() {
        std::vector<LayoutRect> all;
        for (const char* name : {"pnlTitleBar0", "pnlText"}) all.push_back(Geometry(site->Get<Panel>(name)));
        for (int i = 0; i < 4; ++i) all.push_back(Geometry(site->Get<CommandButton>("cmdButton", i)));
        for (int i = 1; i <= 7; ++i) all.push_back(Geometry(Title(i)));
        for (int k = 1; k <= 42; ++k) all.push_back(Geometry(Cell(k)));
        return all;
    }
};

TEST_F(WeekNumbersTest, YearEndsShowIsoWeeksWhateverTheFirstWeekday) {
    cal->calShowWeekNumbers(true);
    struct Case {
        enumCALFirstDayofWeek first;
        Ymd date;
        const char* week;
    } cases[] = {
        {VemocalMonday, {2020, 12, 28}, "53"}, {VemocalSunday, {2020, 12, 28}, "53"},
        {VemocalMonday, {2021, 1, 4}, "1"},    {VemocalSunday, {2021, 1, 4}, "1"},
        {VemocalMonday, {2026, 12, 31}, "53"}, {VemocalSunday, {2026, 12, 31}, "53"},
        // The row's Thursday decides: Sunday 3 January 2021 is in ISO week 53, its row in week 1.
        {VemocalSunday, {2021, 1, 3}, "1"},
        // A row from Wednesday 30 December 2020 to Tuesday 5 January 2021 holds four days of week 53.
        {VemocalWednesday, {2021, 1, 4}, "53"},
        {VemocalMonday, {2027, 1, 1}, "53"},   {VemocalMonday, {2015, 12, 31}, "53"},
        {VemocalMonday, {2019, 12, 30}, "1"},
    };
    for (const Case& c : cases) {
        cal->calFirstDayofWeek(c.first);
        EXPECT_EQ(WeekBeside(c.date), c.week) << c.date.y << "-" << c.date.m << "-" << c.date.d << " first " << c.first;
    }
}

TEST_F(WeekNumbersTest, TheColumnTakesAShareOfTheWidthAndGivesItBack) {
    EXPECT_EQ(site->Factory().Find("pnlCalWeek", 1), nullptr) << "no week cells until they are shown";
    const std::vector<LayoutRect> before = AllGeometry();
    cal->calShowWeekNumbers(true);
    // 280 pixels in eight shares of 35: the week column, then the seven days.
    for (int r = 1; r <= 6; ++r) {
        const LayoutRect first = Geometry(Cell(7 * r - 6));
        EXPECT_EQ(Geometry(Week(r)), (LayoutRect{0, first.top, 35, first.height})) << "row " << r;
        EXPECT_EQ(first.left, 35);
        EXPECT_EQ(Geometry(Cell(7 * r)), (LayoutRect{245, first.top, 35, first.height}));
        EXPECT_TRUE(Week(r).Visible());
    }
    EXPECT_EQ(Geometry(Title(1)).left, 35);
    EXPECT_EQ(Geometry(Caption()), before[1]) << "the rows above keep the whole width";
    cal->calShowWeekNumbers(false);
    EXPECT_EQ(AllGeometry(), before);
    for (int r = 1; r <= 6; ++r) EXPECT_FALSE(Week(r).Visible());
}

}  // namespace
}  // namespace VemoCalendar
