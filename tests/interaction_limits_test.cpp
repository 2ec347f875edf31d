// Navigation at the ends of the date range when stored year limits lie beyond them.
#include <gtest/gtest.h>

#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"
#include "headless/MemoryPropertyBag.h"
#include "ParamNames.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

// A calendar loaded from a damaged bag whose limits reach past 1 January 100 .. 31 December 9999.
class BeyondTheRange : public ::testing::Test {
protected:
    QvCalendar& Load(Date value, const std::string& name = "QvCalendar1") {
        MemoryPropertyBag bag;
        bag.Set("calValue", Variant(value));
        bag.Set("calMinYear", Variant(int32_t{0}));
        bag.Set("calMaxYear", Variant(int32_t{20000}));
        bag.Set("calShowDropdownMonth", Variant(true));
        QvCalendar& cal = form.Load<QvCalendar>(name, bag, 0, 0, 4200, 3000);
        site = &form.Site(name);
        host.ClearRecord();
        return cal;
    }
    Panel& Cell(int k) { return site->Get<Panel>("pnlCalNum", k); }

    HeadlessHost host;
    HeadlessForm form{host};
    HeadlessControlSite* site = nullptr;
};

struct EndCase {
    const char* name;
    Date value;
    int arrow;
    const char* message;
};

class ArrowsAtTheEnds : public BeyondTheRange, public ::testing::WithParamInterface<EndCase> {};

TEST_P(ArrowsAtTheEnds, StopWithTheLimitMessage) {
    QvCalendar& cal = Load(GetParam().value);
    form.Click(site->Get<CommandButton>("cmdButton", GetParam().arrow));
    EXPECT_EQ(cal.calValue().value, GetParam().value.value);
    EXPECT_EQ(host.EventNames(), Strings({"MouseDown", "MouseUp", "Click"}));
    ASSERT_EQ(host.messageBoxes.size(), 1U);
    EXPECT_EQ(host.messageBoxes[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArrowsAtTheEnds,
    ::testing::Values(EndCase{"PreviousYearIn100", MakeDate(100, 6, 10), 0, "Minimum Calendar Date Setting Reached."},
                      EndCase{"PreviousMonthInJanuary100", MakeDate(100, 1, 10), 1,
                              "Minimum Calendar Date Setting Reached."},
                      EndCase{"NextMonthInDecember9999", MakeDate(9999, 12, 10), 2,
                              "Maximum Calendar Date Setting Reached."},
                      EndCase{"NextYearIn9999", MakeDate(9999, 6, 10), 3, "Maximum Calendar Date Setting Reached."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BeyondTheRange, ArrowsStillStepInsideTheRange) {
    QvCalendar& cal = Load(MakeDate(100, 2, 10));
    form.Click(site->Get<CommandButton>("cmdButton", 1));
    EXPECT_EQ(cal.calValue().value, MakeDate(100, 1, 10).value);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(BeyondTheRange, NeighbouringDaysPastTheEndsAreIgnored) {
    for (const auto& [value, tag] : {std::pair{MakeDate(100, 1, 10), "Prev"}, std::pair{MakeDate(9999, 12, 10), "Next"}}) {
        QvCalendar& cal = Load(value, tag);
        int k = 1;
        while (k < 42 && Cell(k).Tag() != tag) ++k;
        ASSERT_EQ(Cell(k).Tag(), tag);
        form.Click(Cell(k));
        EXPECT_EQ(cal.calValue().value, value.value) << tag;
        EXPECT_EQ(host.EventNames(), Strings({"MouseDown", "MouseUp", "Click"})) << tag;
        EXPECT_TRUE(host.messageBoxes.empty());
    }
}

struct YearCase {
    const char* text;
    int year;
};

class YearsPastTheEnds : public BeyondTheRange, public ::testing::WithParamInterface<YearCase> {};

TEST_P(YearsPastTheEnds, AreClampedIntoTheRange) {
    QvCalendar& cal = Load(MakeDate(1997, 6, 10));
    auto& box = site->Get<TextBox>("txtYear");
    form.FocusWidget(box);
    box.SetText(GetParam().text);
    form.PressKey(13);
    EXPECT_EQ(cal.calValue().value, MakeDate(GetParam().year, 6, 10).value);
    EXPECT_EQ(box.Text(), std::to_string(GetParam().year));
}

INSTANTIATE_TEST_SUITE_P(Table, YearsPastTheEnds,
                         ::testing::Values(YearCase{"50", 100}, YearCase{"0", 100}, YearCase{"12000", 9999},
                                           YearCase{"250", 250}),
                         [](const ::testing::TestParamInfo<YearCase>& info) { return "Typed_" + VemoCalendar::param_names::Text(info.param.text); });

}  // namespace
}  // namespace VemoCalendar
