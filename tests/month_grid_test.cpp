#include "CalendarFixture.h"
#include "calendar/MonthGridPlan.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class MonthGrid : public CalendarFixture {
protected:
    void Show(int y, int m, int d, enumCALFirstDayofWeek first = VemocalSunday) {
        cal->calFirstDayofWeek(first);
        cal->calValue(MakeDate(y, m, d));
    }
    Strings Tags(int first, int last) {
        Strings out;
        for (int k = first; k <= last; ++k) out.push_back(Cell(k).Tag());
        return out;
    }
};

Strings Repeat(const std::string& s, int n) { return Strings(static_cast<size_t>(n), s); }

TEST_F(MonthGrid, June1997FromSundayHasNoLeadingDays) {
    Show(1997, 6, 15);
    EXPECT_EQ(Captions(1, 30), Numbers(1, 30));
    EXPECT_EQ(Captions(31, 42), Numbers(1, 12));
    EXPECT_EQ(Tags(31, 42), Repeat("Next", 12));
    EXPECT_EQ(Cell(1).Tag(), "CurrWeekend");  // 1 June is a Sunday
    EXPECT_EQ(Cell(10).Tag(), "CurrToday");   // today, 10 June
    EXPECT_EQ(Cell(15).Tag(), "CurrSelected");
    EXPECT_EQ(Cell(16).Tag(), "Curr");
}

TEST_F(MonthGrid, June1997FromMondayStartsWithLastDaysOfMay) {
    Show(1997, 6, 15, VemocalMonday);
    EXPECT_EQ(Captions(1, 6), Numbers(26, 31));
    EXPECT_EQ(Tags(1, 6), Repeat("Prev", 6));
    EXPECT_EQ(Captions(7, 36), Numbers(1, 30));
    EXPECT_EQ(Captions(37, 42), Numbers(1, 6));
    // Weekends are columns 6 and 7; day 7 (cell 13) is a Saturday, day 8 a Sunday.
    EXPECT_EQ(Cell(13).Tag(), "CurrWeekend");
    EXPECT_EQ(Cell(14).Tag(), "CurrWeekend");
    EXPECT_EQ(Cell(12).Tag(), "Curr");
    const Strings titles = {"M", "T", "W", "T", "F", "S", "S"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Title(i).Caption(), titles[static_cast<size_t>(i - 1)]);
    EXPECT_EQ(Title(6).Tag(), "CurrWeekend");
    EXPECT_EQ(Title(7).Tag(), "CurrWeekend");
    EXPECT_EQ(Title(5).Tag(), "Curr");
}

TEST_F(MonthGrid, February1998FillsFourWeeksThenMarch) {
    Show(1998, 2, 10);
    EXPECT_EQ(Captions(1, 28), Numbers(1, 28));
    EXPECT_EQ(Captions(29, 42), Numbers(1, 14));
    EXPECT_EQ(Tags(29, 42), Repeat("Next", 14));
}

TEST_F(MonthGrid, March2000LeadsWithTheLeapDay) {
    Show(2000, 3, 10);  // 1 March 2000 is a Wednesday
    EXPECT_EQ(Captions(1, 3), Numbers(27, 29));
    EXPECT_EQ(Cell(4).Caption(), "1");
}

TEST_F(MonthGrid, JanuaryLeadsWithDecemberOfTheYearBefore) {
    Show(1997, 1, 10);  // 1 January 1997 is a Wednesday
    EXPECT_EQ(Captions(1, 3), Numbers(29, 31));
    EXPECT_EQ(Tags(1, 3), Repeat("Prev", 3));
}

TEST_F(MonthGrid, LongMonthStartingInTheLastColumn) {
    Show(1997, 3, 10);  // 1 March 1997 is a Saturday
    EXPECT_EQ(Captions(1, 6), Numbers(23, 28));
    EXPECT_EQ(Cell(7).Caption(), "1");
    EXPECT_EQ(Captions(38, 42), Numbers(1, 5));
}

TEST_F(MonthGrid, EveryFillHasOneSelectedCellShowingTheDay) {
    for (int first = 1; first <= 7; ++first)
        for (int month = 1; month <= 12; ++month) {
            Show(2024, month, 1 + (month * 5) % 28, static_cast<enumCALFirstDayofWeek>(first));
            ASSERT_EQ(CountTagged("CurrSelected"), 1);
            for (int k = 1; k <= 42; ++k)
                if (Cell(k).Tag() == "CurrSelected") {
                    EXPECT_EQ(Cell(k).Caption(), std::to_string(DayOf(cal->calValue())));
                }
            // Six full rows: leading days, the month, trailing days counting from 1.
            EXPECT_EQ(CountTagged("Prev") + DaysInMonth(cal->calValue()) + CountTagged("Next"), 42);
        }
}

TEST_F(MonthGrid, TodayAmongNeighbouringDaysKeepsTheirClass) {
    host.SetToday(MakeDate(1997, 5, 31));
    Show(1997, 6, 15, VemocalMonday);  // 31 May shows in cell 6
    EXPECT_EQ(Cell(6).Tag(), "Prev");
    EXPECT_EQ(CountTagged("CurrToday"), 0);
    host.SetToday(MakeDate(1997, 7, 1));
    cal->Refresh();
    EXPECT_EQ(Cell(37).Tag(), "Next");
}

TEST_F(MonthGrid, TodayIsJudgedAtFillTime) {
    Show(1997, 6, 15);
    host.SetToday(MakeDate(1997, 6, 11));  // midnight passes with the grid open
    EXPECT_EQ(Cell(10).Tag(), "CurrToday");
    cal->Refresh();
    EXPECT_EQ(Cell(10).Tag(), "Curr");
    EXPECT_EQ(Cell(11).Tag(), "CurrToday");
}

TEST_F(MonthGrid, SelectedTodayIsBoldInSelectedColours) {
    Show(1997, 6, 10);
    EXPECT_EQ(Cell(10).Tag(), "CurrSelected");
    EXPECT_EQ(Cell(10).BackColor(), 0x800000u);
    EXPECT_EQ(Cell(10).ForeColor(), 0xFFFFFFu);
    EXPECT_TRUE(Cell(10).Font().bold);
    EXPECT_EQ(Cell(10).BevelOuter(), 1);  // raised cells, inset selection
    EXPECT_EQ(CountTagged("CurrToday"), 0);
}

TEST_F(MonthGrid, ClassesCarryTheirColoursAndBold) {
    Show(1997, 6, 15, VemocalMonday);
    struct Expect {
        int cell;
        const char* tag;
        Color back, fore;
        bool bold;
        int bevel;
    } cases[] = {{1, "Prev", 0xC0C0C0, 0x808080, false, 2},       {12, "Curr", 0xC0C0C0, 0, false, 2},
                 {13, "CurrWeekend", 0xC0C0C0, 0x80, false, 2},   {16, "CurrToday", 0xC0C0C0, 0, true, 2},
                 {21, "CurrSelected", 0x800000, 0xFFFFFF, false, 1}, {42, "Next", 0xC0C0C0, 0x808080, false, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(Cell(c.cell).Tag(), c.tag);
        EXPECT_EQ(Cell(c.cell).BackColor(), c.back);
        EXPECT_EQ(Cell(c.cell).ForeColor(), c.fore);
        EXPECT_EQ(Cell(c.cell).Font().bold, c.bold);
        EXPECT_EQ(Cell(c.cell).BevelOuter(), c.bevel);
    }
}

TEST_F(MonthGrid, WeekendTodayThatIsNotSelectedShowsAsToday) {
    host.SetToday(MakeDate(1997, 6, 14));  // a Saturday
    Show(1997, 6, 15);
    EXPECT_EQ(Cell(14).Tag(), "CurrToday");
    EXPECT_EQ(Cell(14).ForeColor(), 0u);
    EXPECT_EQ(Cell(21).Tag(), "CurrWeekend");
}

TEST_F(MonthGrid, SaturdayFirstPutsTheWeekendInFront) {
    cal->calDayTitle(VemocalDayLong);
    Show(1997, 6, 15, VemocalSaturday);
    const Strings titles = {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(Title(i).Caption(), titles[static_cast<size_t>(i - 1)]);
        EXPECT_EQ(Title(i).Tag(), i <= 2 ? "CurrWeekend" : "Curr");
    }
    // 1 June 1997, a Sunday, stands in column 2.
    EXPECT_EQ(Cell(2).Caption(), "1");
    EXPECT_EQ(Cell(2).Tag(), "CurrWeekend");
    EXPECT_EQ(Cell(8).Tag(), "CurrWeekend");  // 7 June, Saturday
}

TEST_F(MonthGrid, MonthYearCaptionListAndYearBox) {
    Show(1997, 3, 10);
    EXPECT_EQ(Caption().Caption(), "March 1997");
    EXPECT_EQ(site->Get<DropDownList>("cbxMonth").ListIndex(), 2);
    EXPECT_EQ(site->Get<TextBox>("txtYear").Text(), "1997");
    cal->calMonthTitle(VemocalMonthShort);
    EXPECT_EQ(Caption().Caption(), "Mar 1997");
    cal->calValue(MakeDate(100, 6, 1));
    EXPECT_EQ(Caption().Caption(), "Jun 100");
}

TEST_F(MonthGrid, JanuaryOfYear100ShowsDecember99AsPlainNumbers) {
    Show(100, 1, 15);  // 1 January 100 is a Friday
    EXPECT_EQ(Captions(1, 5), Numbers(27, 31));
    EXPECT_EQ(Tags(1, 5), Repeat("Prev", 5));
    EXPECT_EQ(Cell(6).Caption(), "1");
}

TEST(MonthGridPlanTable, WeekdayOfColumnWrapsRoundTheWeek) {
    EXPECT_EQ(WeekdayOfColumn(1, 0), 1);
    EXPECT_EQ(WeekdayOfColumn(1, 6), 7);
    EXPECT_EQ(WeekdayOfColumn(2, 6), 1);
    EXPECT_EQ(WeekdayOfColumn(7, 1), 1);
    // Damaged stored values fold into the week instead of overflowing.
    EXPECT_EQ(WeekdayOfColumn(8, 0), 1);
    EXPECT_EQ(WeekdayOfColumn(0, 0), 7);
    EXPECT_EQ(WeekdayOfColumn(std::numeric_limits<int>::min(), 0), NormalizedFirstDay(std::numeric_limits<int>::min()));
}

}  // namespace
}  // namespace VemoCalendar
