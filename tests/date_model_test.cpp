#include <cmath>
#include <limits>

#include "CalendarFixture.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class DateModel : public CalendarFixture {
protected:
    // Total widget writes that changed something, to prove a rejected set redrew nothing.
    int WidgetChanges() {
        int total = 0;
        for (Widget* w : site->Factory().All()) total += HeadlessWidgetFactory::State(*w).changeCount;
        return total;
    }
    template <class F>
    void ExpectRejected(F set) {
        const Date before = cal->calValue();
        const int changes = WidgetChanges();
        host.ClearRecord();
        try {
            set();
            ADD_FAILURE() << "value accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, 380);
            EXPECT_EQ(e.description, "Invalid property value");
        }
        EXPECT_EQ(cal->calValue().value, before.value);
        EXPECT_TRUE(host.propertyChanges.empty());
        EXPECT_TRUE(host.events.empty());
        EXPECT_EQ(WidgetChanges(), changes);
    }
};

TEST_F(DateModel, FirstPlacementShowsTodayWithoutChangeEvents) {
    HeadlessForm other(host);
    host.ClearRecord();
    auto& fresh = other.Place<QvCalendar>("Fresh", 0, 0, 4200, 3000);
    EXPECT_EQ(fresh.calValue().value, MakeDate(1997, 6, 10).value);
    EXPECT_TRUE(host.EventNames("Fresh").empty());
    EXPECT_TRUE(host.propertyChanges.empty());
}

struct StepCase {
    const char* name;
    Ymd from, to;
    Strings events;
};

class ValueSteps : public DateModel, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ValueSteps, RaiseOnlyWhatChanged) {
    const StepCase& c = GetParam();
    cal->calValue(MakeDate(c.from.y, c.from.m, c.from.d));
    host.ClearRecord();
    cal->calValue(MakeDate(c.to.y, c.to.m, c.to.d));
    EXPECT_EQ(Events(), c.events);
    EXPECT_EQ(host.ChangedProperties(), Strings{"calValue"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueSteps,
    ::testing::Values(StepCase{"NextMonth", {1997, 1, 31}, {1997, 2, 28}, {"ValueChanged", "MonthChanged"}},
                      StepCase{"NextYear", {1997, 3, 15}, {1998, 3, 15}, {"ValueChanged", "YearChanged"}},
                      StepCase{"DecemberToJanuary", {1997, 12, 15}, {1998, 1, 15},
                               {"ValueChanged", "MonthChanged", "YearChanged"}},
                      StepCase{"SameDay", {1997, 3, 15}, {1997, 3, 15}, {}},
                      StepCase{"DayInMonth", {1997, 3, 15}, {1997, 3, 16}, {"ValueChanged"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateModel, FractionOfADayCountsAsAChangeOfValueOnly) {
    cal->calValue(Date(MakeDate(1997, 3, 15).value + 0.5));
    EXPECT_EQ(Events(), Strings({"ValueChanged", "MonthChanged"}));
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 3, 15).value + 0.5);
}

TEST_F(DateModel, SecondRefreshRaisesNothing) {
    cal->calValue(MakeDate(1998, 1, 1));
    host.ClearRecord();
    cal->Refresh();
    cal->Refresh();
    EXPECT_TRUE(Events().empty());
}

TEST_F(DateModel, RaisingMinYearPullsTheValueUp) {
    cal->calValue(MakeDate(1995, 3, 15));
    host.ClearRecord();
    cal->calMinYear(1997);
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 3, 15).value);
    EXPECT_EQ(Events(), Strings({"ValueChanged", "YearChanged"}));
    EXPECT_EQ(host.ChangedProperties(), Strings{"calMinYear"});
}

TEST_F(DateModel, LoweringMaxYearCarriesALeapDay) {
    cal->calValue(MakeDate(2000, 2, 29));
    host.ClearRecord();
    cal->calMaxYear(1999);
    EXPECT_EQ(cal->calValue().value, MakeDate(1999, 3, 1).value);
    EXPECT_EQ(Events(), Strings({"ValueChanged", "MonthChanged", "YearChanged"}));
}

TEST_F(DateModel, LimitsThatLeaveTheValueInsideDoNotRefresh) {
    cal->calValue(MakeDate(1997, 3, 15));
    host.ClearRecord();
    cal->calMinYear(1997);
    cal->calMaxYear(1997);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(host.ChangedProperties(), Strings({"calMinYear", "calMaxYear"}));
    EXPECT_EQ(cal->calMinYear(), 1997);
    EXPECT_EQ(cal->calMaxYear(), 1997);
}

TEST_F(DateModel, HostMaySetADateOutsideTheLimits) {
    cal->calValue(MakeDate(1500, 5, 20));
    EXPECT_EQ(YearOf(cal->calValue()), 1500);
    EXPECT_EQ(Caption().Caption(), "May 1500");
    EXPECT_EQ(site->Get<TextBox>("txtYear").Text(), "1500");
}

TEST_F(DateModel, RejectsValuesThatAreNoDates) {
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       kMinDayNumber - 1, kMaxDayNumber + 1, 1e300})
        ExpectRejected([&] { cal->calValue(Date(bad)); });
}

TEST_F(DateModel, AcceptsTheEndsOfTheDateRange) {
    cal->calValue(MakeDate(100, 1, 1));
    EXPECT_EQ(Caption().Caption(), "January 100");
    cal->calValue(MakeDate(9999, 12, 31));
    EXPECT_EQ(Caption().Caption(), "December 9999");
    EXPECT_EQ(Cell(42).Tag(), "Next");  // January 10000 is shown as plain trailing numbers
}

TEST_F(DateModel, RejectsYearLimitsOutOfOrderOrRange) {
    ExpectRejected([&] { cal->calMinYear(1599); });
    ExpectRejected([&] { cal->calMaxYear(10000); });
    cal->calMaxYear(2000);
    ExpectRejected([&] { cal->calMinYear(2001); });
    cal->calMinYear(1700);
    ExpectRejected([&] { cal->calMaxYear(1699); });
    cal->calMinYear(2000);  // equal limits are fine
    EXPECT_EQ(cal->calMinYear(), 2000);
}

TEST_F(DateModel, RejectsFirstDaysOutsideTheWeek) {
    ExpectRejected([&] { cal->calFirstDayofWeek(static_cast<enumCALFirstDayofWeek>(0)); });
    ExpectRejected([&] { cal->calFirstDayofWeek(static_cast<enumCALFirstDayofWeek>(8)); });
}

TEST_F(DateModel, FirstDayOfWeekNotifiesThenRefills) {
    cal->calFirstDayofWeek(VemocalMonday);
    EXPECT_EQ(host.ChangedProperties(), Strings{"calFirstDayofWeek"});
    EXPECT_EQ(Title(1).Caption(), "M");
    EXPECT_EQ(Cell(1).Caption(), "26");  // June 1997 from Monday starts with 26 May
}

TEST_F(DateModel, JulianDateValue) {
    const struct {
        Ymd date;
        int32_t julian;
    } cases[] = {{{1997, 3, 1}, 1997060}, {{2000, 12, 31}, 2000366}, {{1900, 12, 31}, 1900365},
                 {{2000, 2, 29}, 2000060}, {{100, 1, 1}, 100001},     {{9999, 12, 31}, 9999365}};
    for (const auto& c : cases) {
        cal->calValue(MakeDate(c.date.y, c.date.m, c.date.d));
        EXPECT_EQ(cal->calJulianDateValue(), c.julian) << c.date.y;
    }
}

TEST_F(DateModel, LeapYearOfTheValue) {
    const struct {
        int year;
        bool leap;
    } cases[] = {{1900, false}, {1996, true}, {2000, true}, {2100, false}};
    for (const auto& c : cases) {
        cal->calValue(MakeDate(c.year, 6, 1));
        EXPECT_EQ(cal->calLeapYear(), c.leap) << c.year;
    }
}

}  // namespace
}  // namespace VemoCalendar
