#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/Date.h"
#include "ParamNames.h"

namespace VemoCalendar {
namespace {

struct Ymd {
    int y, m, d;
};

Ymd Civil(Date date) {
    const CivilDate c = CivilOf(date);
    return {c.year, c.month, c.day};
}

void ExpectDate(Date date, Ymd expected) {
    const Ymd got = Civil(date);
    EXPECT_EQ(got.y, expected.y);
    EXPECT_EQ(got.m, expected.m);
    EXPECT_EQ(got.d, expected.d);
}

TEST(DayNumbers, KnownDatesHaveTheirDayNumbers) {
    EXPECT_EQ(MakeDate(1899, 12, 30).value, 0);
    EXPECT_EQ(MakeDate(1900, 1, 1).value, 2);
    EXPECT_EQ(MakeDate(1997, 3, 10).value, 35499);
    EXPECT_EQ(MakeDate(100, 1, 1).value, kMinDayNumber);
    EXPECT_EQ(MakeDate(9999, 12, 31).value, kMaxDayNumber);
    EXPECT_EQ(MakeDate(9999, 12, 1).value, kFirstOfDecember9999);
}

TEST(DayNumbers, WeekdaysFollowTheCalendar) {
    EXPECT_EQ(WeekdayOf(MakeDate(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(WeekdayOf(MakeDate(1997, 6, 1)), 1);    // Sunday
    EXPECT_EQ(WeekdayOf(MakeDate(1998, 2, 1)), 1);
    EXPECT_EQ(WeekdayOf(MakeDate(100, 1, 1)), 6);     // Friday, proleptic Gregorian
    EXPECT_EQ(WeekdayOf(MakeDate(9999, 12, 31)), 6);
}

struct MakeDateCase {
    int y, m, d;
    Ymd expected;
};

class MakeDateCarries : public ::testing::TestWithParam<MakeDateCase> {};

TEST_P(MakeDateCarries, IntoNeighbouringMonthsAndYears) {
    const auto& c = GetParam();
    ExpectDate(MakeDate(c.y, c.m, c.d), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MakeDateCarries,
                         ::testing::Values(MakeDateCase{1997, 2, 31, {1997, 3, 3}},   // day past the month's end
                                           MakeDateCase{1997, 0, 15, {1996, 12, 15}},  // month 0 is December before
                                           MakeDateCase{1997, 13, 1, {1998, 1, 1}},    // month 13 is next January
                                           MakeDateCase{1997, -11, 1, {1996, 1, 1}},
                                           MakeDateCase{2000, 2, 30, {2000, 3, 1}},
                                           MakeDateCase{1997, 3, 0, {1997, 2, 28}}),
                         [](const ::testing::TestParamInfo<MakeDateCase>& info) {
                             using namespace VemoCalendar::param_names;
                             const auto& c = info.param;
                             return "Year" + Signed(c.y) + "_Month" + Signed(c.m) + "_Day" + Signed(c.d);
                         });

struct AddMonthsCase {
    Ymd from;
    int n;
    Ymd expected;
};

class AddMonthsClamps : public ::testing::TestWithParam<AddMonthsCase> {};

TEST_P(AddMonthsClamps, ToTheEndOfAShorterMonth) {
    const auto& c = GetParam();
    ExpectDate(AddMonths(MakeDate(c.from.y, c.from.m, c.from.d), c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, AddMonthsClamps,
                         ::testing::Values(AddMonthsCase{{1997, 1, 31}, 1, {1997, 2, 28}},
                                           AddMonthsCase{{2000, 1, 31}, 1, {2000, 2, 29}},
                                           AddMonthsCase{{1997, 12, 15}, 1, {1998, 1, 15}},
                                           AddMonthsCase{{1997, 1, 15}, -1, {1996, 12, 15}},
                                           AddMonthsCase{{1997, 3, 31}, -1, {1997, 2, 28}},
                                           AddMonthsCase{{2000, 2, 29}, 12, {2001, 2, 28}},
                                           AddMonthsCase{{1997, 5, 31}, -25, {1995, 4, 30}}),
                         [](const ::testing::TestParamInfo<AddMonthsCase>& info) {
                             const auto& c = info.param;
                             return std::to_string(c.from.y) + "_" + std::to_string(c.from.m) + "_" +
                                    std::to_string(c.from.d) + (c.n < 0 ? "_back" : "_on") + std::to_string(c.n < 0 ? -c.n : c.n);
                         });

TEST(AddYears, IsTwelveMonths) {
    ExpectDate(AddYears(MakeDate(2000, 2, 29), 1), {2001, 2, 28});
    ExpectDate(AddYears(MakeDate(2000, 2, 29), 4), {2004, 2, 29});
    ExpectDate(AddYears(MakeDate(1997, 3, 15), -1), {1996, 3, 15});
}

TEST(TimeOfDay, MonthStepsCarryItAlong) {
    EXPECT_DOUBLE_EQ(AddMonths(Date(35499.75), 1).value, 35530.75);
    // Before 30 December 1899 the fraction still adds time to the (negative) day.
    const Date before(-10.25);  // 20 December 1899, 06:00
    const Date next = AddMonths(before, 1);
    ExpectDate(next, {1900, 1, 20});
    EXPECT_DOUBLE_EQ(next.value, 21.25);
    EXPECT_DOUBLE_EQ(AddMonths(Date(21.25), -1).value, -10.25);
}

TEST(FirstOfMonth, KeepsTheTimeOfDay) {
    ExpectDate(FirstOfMonth(MakeDate(1997, 3, 31)), {1997, 3, 1});
    EXPECT_DOUBLE_EQ(FirstOfMonth(Date(35499.5)).value, 35490.5);
}

struct DaysInMonthCase {
    Ymd date;
    int days;
};

class DaysInMonthTable : public ::testing::TestWithParam<DaysInMonthCase> {};

TEST_P(DaysInMonthTable, CountsTheMonthsDays) {
    const auto& c = GetParam();
    EXPECT_EQ(DaysInMonth(MakeDate(c.date.y, c.date.m, c.date.d)), c.days);
}

INSTANTIATE_TEST_SUITE_P(Table, DaysInMonthTable,
                         ::testing::Values(DaysInMonthCase{{9999, 12, 10}, 31},  // never looks past 9999
                                           DaysInMonthCase{{1900, 2, 10}, 28},
                                           DaysInMonthCase{{2000, 2, 1}, 29},
                                           DaysInMonthCase{{1996, 2, 29}, 29},
                                           DaysInMonthCase{{1997, 4, 30}, 30},
                                           DaysInMonthCase{{100, 1, 1}, 31},
                                           DaysInMonthCase{{9999, 11, 30}, 30}),
                         [](const ::testing::TestParamInfo<DaysInMonthCase>& info) {
                             const auto& d = info.param.date;
                             return std::to_string(d.y) + "_" + std::to_string(d.m) + "_" + std::to_string(d.d);
                         });

TEST(WeekdayIndex, CountsFromTheFirstDayOfTheWeek) {
    const Date sunday = MakeDate(1997, 6, 1);
    EXPECT_EQ(WeekdayIndex(sunday, 1), 1);
    EXPECT_EQ(WeekdayIndex(sunday, 2), 7);  // weeks from Monday: Sunday is last
    EXPECT_EQ(WeekdayIndex(sunday, 7), 2);  // weeks from Saturday
    EXPECT_EQ(WeekdayIndex(MakeDate(1997, 6, 7), 7), 1);
}

TEST(LeapYears, FollowTheGregorianRules) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(1996));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(1997));
}

TEST(ValidDates, RunFromYear100ToYear9999) {
    EXPECT_TRUE(IsValidDate(Date(kMinDayNumber)));
    EXPECT_TRUE(IsValidDate(Date(kMinDayNumber - 0.5)));  // 1 January 100 at noon
    EXPECT_FALSE(IsValidDate(Date(kMinDayNumber - 1)));
    EXPECT_TRUE(IsValidDate(Date(kMaxDayNumber + 0.99)));
    EXPECT_FALSE(IsValidDate(Date(kMaxDayNumber + 1)));
    EXPECT_FALSE(IsValidDate(Date(std::nan(""))));
    EXPECT_FALSE(IsValidDate(Date(std::numeric_limits<double>::infinity())));
    EXPECT_FALSE(IsValidDate(Date(-std::numeric_limits<double>::infinity())));
}

TEST(CivilDates, RoundTripEveryDayOfTheRange) {
    for (double d = kMinDayNumber; d <= kMaxDayNumber; d += 1) {
        const CivilDate c = CivilOf(Date(d));
        ASSERT_EQ(MakeDate(c.year, c.month, c.day).value, d);
    }
}

}  // namespace
}  // namespace VemoCalendar
