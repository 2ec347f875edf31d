#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarFixture.h"
#include "ErrorNumber.h"
#include "headless/MemoryPropertyBag.h"

namespace VemoCalendar {
namespace {

constexpr Color kRed = Rgb(0xC0, 0, 0);
constexpr Color kPink = Rgb(0xFF, 0xE0, 0xE0);

DayFormat Holiday() {
    DayFormat f;
    f.foreColor = kRed;
    f.backColor = kPink;
    f.italic = true;
    f.underline = true;
    f.toolTip = "Holiday";
    return f;
}

struct Drawn {
    std::string tag;
    Color back, fore;
    bool bold, italic, underline;
    std::string toolTip;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << d.tag << std::hex << " back " << d.back << " fore " << d.fore << " bold " << d.bold << " italic " << d.italic
        << " underline " << d.underline << " tip '" << d.toolTip << "'";
}

// June 1997 with Monday first: 26..31 May in cells 1..6, June from cell 7, 1..6 July in 37..42;
// today is Tuesday 10 June (cell 16), the selected day Thursday 12 June (cell 18).
class MarkedDaysTest : public CalendarFixture {
protected:
    MarkedDaysTest() {
        cal->calFirstDayofWeek(VemocalMonday);
        cal->calValue(MakeDate(1997, 6, 12));
    }
    Drawn At(int k) {
        const Panel& c = Cell(k);
        return {c.Tag(), c.BackColor(), c.ForeColor(), c.Font().bold, c.Font().italic, c.Font().underline, c.ToolTip()};
    }
};

TEST_F(MarkedDaysTest, AMarkIsDrawnOverEachClassAsItsRuleSays) {
    struct Case {
        int k;
        Ymd date;
        Drawn drawn;
    } cases[] = {
        // Plain and weekend days take the mark whole.
        {11, {1997, 6, 5}, {"Curr", kPink, kRed, false, true, true, "Holiday"}},
        {20, {1997, 6, 14}, {"CurrWeekend", kPink, kRed, false, true, true, "Holiday"}},
        // Today stays bold.
        {16, {1997, 6, 10}, {"CurrToday", kPink, kRed, true, true, true, "Holiday"}},
        // The selected day keeps its dark blue; the mark's red is too dark on it, its pink is not.
        {18, {1997, 6, 12}, {"CurrSelected", 0x800000, kPink, false, true, true, "Holiday"}},
        // Neighbouring months keep their grey text.
        {6, {1997, 5, 31}, {"Prev", kPink, 0x808080, false, true, true, "Holiday"}},
        {37, {1997, 7, 1}, {"Next", kPink, 0x808080, false, true, true, "Holiday"}},
    };
    for (const Case& c : cases) cal->SetDateMark(MakeDate(c.date.y, c.date.m, c.date.d), Holiday());
    for (const Case& c : cases) EXPECT_EQ(At(c.k), c.drawn) << "cell " << c.k;
    EXPECT_EQ(At(12).toolTip, "") << "an unmarked day";
}

TEST_F(MarkedDaysTest, ClearingAndMovingTheSelectionLeaveNoTraceOfAMark) {
    std::vector<Drawn> plain;
    for (int k = 1; k <= 42; ++k) plain.push_back(At(k));
    DayFormat bold;
    bold.bold = true;
    cal->SetWeekdayMark(2, bold);  // every Monday
    for (int day : {5, 10, 12, 14}) cal->SetDateMark(MakeDate(1997, 6, day), Holiday());
    // The selection walks over marked days and back; fonts and colours are set afresh meanwhile.
    form->Click(Cell(16));
    form->Click(Cell(18));
    cal->calCurrentMonthBackColor(0xC0C0C0);
    cal->calFont(cal->calFont());
    EXPECT_EQ(At(16).back, kPink);
    EXPECT_TRUE(At(15).bold) << "a Monday";
    cal->ClearDateMarks();
    cal->SetWeekdayMark(2, std::nullopt);
    for (int k = 1; k <= 42; ++k) EXPECT_EQ(At(k), plain[static_cast<size_t>(k - 1)]) << "cell " << k;
}

TEST_F(MarkedDaysTest, ADatesFormatMergesOverItsWeekdaysAndFollowsItsDate) {
    DayFormat saturday;
    saturday.backColor = Rgb(0xFF, 0xFF, 0);
    saturday.toolTip = "Market day";
    cal->SetWeekdayMark(7, saturday);
    DayFormat fair;
    fair.foreColor = Rgb(0, 0x80, 0);
    cal->SetDateMark(MakeDate(1997, 6, 14), fair);
    EXPECT_EQ(At(20), (Drawn{"CurrWeekend", Rgb(0xFF, 0xFF, 0), Rgb(0, 0x80, 0), false, false, false, "Market day"}));
    // A month on, the same cell shows 12 July, a Saturday without a date mark.
    form->Click(site->Get<CommandButton>("cmdButton", 2));
    EXPECT_EQ(At(20).fore, cal->calCurrentMonthWeekendsForeColor());
    EXPECT_EQ(At(20).back, Rgb(0xFF, 0xFF, 0));
}

TEST_F(MarkedDaysTest, HoverShowsTheMarksToolTip) {
    cal->SetDateMark(Date(MakeDate(1997, 6, 5).value + 0.75), Holiday());  // the time of day names the same day
    form->MouseMove(Cell(11));
    EXPECT_EQ(form->ShownToolTip(), "Holiday");
    form->MouseMove(Cell(12));
    EXPECT_EQ(form->ShownToolTip(), "");
    cal->SetDateMark(MakeDate(1997, 6, 5), std::nullopt);
    form->MouseMove(Cell(11));
    EXPECT_EQ(form->ShownToolTip(), "");
}

TEST_F(MarkedDaysTest, BadDatesAndWeekdaysAreRefused) {
    EXPECT_EQ(ErrorNumber([&] { cal->SetDateMark(Date(kMaxDayNumber + 1), Holiday()); }), 380);
    EXPECT_EQ(ErrorNumber([&] { cal->SetWeekdayMark(0, Holiday()); }), 380);
    EXPECT_EQ(ErrorNumber([&] { cal->SetWeekdayMark(8, Holiday()); }), 380);
    EXPECT_TRUE(cal->calDayMarks().Empty());
}

TEST_F(MarkedDaysTest, AFormKeepsMarksAndWeekNumbersAfterItsKeysAndOnlyWhenSet) {
    MemoryPropertyBag plain;
    cal->UserControl_WriteProperties(plain);
    EXPECT_FALSE(plain.Has("calDayMarks"));
    EXPECT_FALSE(plain.Has("calShowWeekNumbers"));

    DayFormat tricky = Holiday();
    tricky.toolTip = "Line one\nback\\slash tip=x";
    tricky.bold = false;
    cal->SetDateMark(MakeDate(100, 1, 1), tricky);
    cal->SetDateMark(MakeDate(2026, 12, 25), Holiday());
    cal->SetWeekdayMark(1, Holiday());
    cal->calShowWeekNumbers(true);
    MemoryPropertyBag bag;
    cal->UserControl_WriteProperties(bag);
    const auto& entries = bag.Entries();
    ASSERT_EQ(entries.size(), plain.Entries().size() + 2);
    EXPECT_EQ(entries[entries.size() - 2].first, "calShowWeekNumbers");
    EXPECT_EQ(entries.back().first, "calDayMarks");

    auto& copy = form->Load<QvCalendar>("Copy", bag, 0, 0, 280 * 15, 200 * 15);
    EXPECT_EQ(copy.calDayMarks().Dates(), cal->calDayMarks().Dates());
    EXPECT_EQ(copy.calDayMarks().Weekday(1), cal->calDayMarks().Weekday(1));
    EXPECT_TRUE(copy.calShowWeekNumbers());
}

TEST_F(MarkedDaysTest, AMarkTextThatDoesNotReadFailsTheLoadAndChangesNothing) {
    cal->SetDateMark(MakeDate(1997, 6, 5), Holiday());
    for (const char* text : {"1997-02-30 bold=1", "1997-06-05 bold=yes", "Funday back=#FFFFFF", "1997-06-05 fore=#12345",
                             "1997-06-05 tip=trailing\\", "1997-06-05  bold=1"}) {
        MemoryPropertyBag bag;
        bag.WriteProperty("calDayMarks", Variant(text), Variant(""));
        EXPECT_EQ(ErrorNumber([&] { cal->UserControl_ReadProperties(bag); }), 13) << text;
        EXPECT_EQ(cal->calDayMarks().Dates().size(), 1u) << text;
    }
}

}  // namespace
}  // namespace VemoCalendar
