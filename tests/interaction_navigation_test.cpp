// Moving between months and years: the scroll arrows, the month list and the year box.
#include "CalendarFixture.h"
#include "ParamNames.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class Navigation : public CalendarFixture {
protected:
    CommandButton& Arrow(int i) { return site->Get<CommandButton>("cmdButton", i); }
    DropDownList& MonthList() { return site->Get<DropDownList>("cbxMonth"); }
    TextBox& YearBox() { return site->Get<TextBox>("txtYear"); }
    void Show(Ymd d) {
        cal->calValue(MakeDate(d.y, d.m, d.d));
        host.ClearRecord();
    }
    double Value() { return cal->calValue().value; }
    // The key events one typed character raises on a widget that passes keys on.
    static Strings KeyEvents(size_t count) {
        Strings out;
        for (size_t i = 0; i < count; ++i) out.insert(out.end(), {"KeyDown", "KeyPress", "KeyUp"});
        return out;
    }
    static Strings Join(Strings a, const Strings& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

// ---- Scroll arrows ----

struct ArrowCase {
    const char* name;
    Ymd from;
    int minYear, maxYear;
    int arrow;
    Ymd to;
    Strings changes;      // raised between MouseUp and Click
    const char* message;  // limit message text, or null
};

class Arrows : public Navigation, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(Arrows, StepOrShowTheLimitThenClick) {
    const ArrowCase& c = GetParam();
    cal->calMaxYear(c.maxYear);
    cal->calMinYear(c.minYear);
    Show(c.from);
    Strings atMessage;
    host.onMessageBox = [&](const MessageBoxRequest&) { atMessage = Events(); };

    form->Click(Arrow(c.arrow));

    EXPECT_EQ(Value(), MakeDate(c.to.y, c.to.m, c.to.d).value);
    EXPECT_EQ(Events(), Join(Join({"MouseDown", "MouseUp"}, c.changes), {"Click"}));
    if (c.message) {
        ASSERT_EQ(host.messageBoxes.size(), 1U);
        const MessageBoxRequest& box = host.messageBoxes[0];
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.title, "Calendar");
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, MessageButtons::OK);
        EXPECT_EQ(atMessage, Strings({"MouseDown", "MouseUp"}));  // the message comes before Click
    } else {
        EXPECT_TRUE(host.messageBoxes.empty());
    }
}

constexpr const char* kMax = "Maximum Calendar Date Setting Reached.";
constexpr const char* kMin = "Minimum Calendar Date Setting Reached.";

INSTANTIATE_TEST_SUITE_P(
    Table, Arrows,
    ::testing::Values(
        ArrowCase{"NextMonthFrom31January", {1997, 1, 31}, 1600, 9999, 2, {1997, 2, 28},
                  {"ValueChanged", "MonthChanged"}, nullptr},
        ArrowCase{"NextYearKeepsTheMonth", {1997, 3, 15}, 1600, 9999, 3, {1998, 3, 15},
                  {"ValueChanged", "YearChanged"}, nullptr},
        ArrowCase{"PreviousYearFromALeapDay", {2000, 2, 29}, 1600, 9999, 0, {1999, 2, 28},
                  {"ValueChanged", "YearChanged"}, nullptr},
        ArrowCase{"PreviousMonthIntoLastYear", {1997, 1, 15}, 1600, 9999, 1, {1996, 12, 15},
                  {"ValueChanged", "MonthChanged", "YearChanged"}, nullptr},
        ArrowCase{"NextMonthInDecemberOfMaxYear", {1997, 12, 10}, 1600, 1997, 2, {1997, 12, 10}, {}, kMax},
        ArrowCase{"NextMonthBeforeDecemberOfMaxYear", {1997, 11, 10}, 1600, 1997, 2, {1997, 12, 10},
                  {"ValueChanged", "MonthChanged"}, nullptr},
        ArrowCase{"NextYearInMaxYear", {1997, 6, 10}, 1600, 1997, 3, {1997, 6, 10}, {}, kMax},
        ArrowCase{"PreviousMonthInJanuaryOfMinYear", {1997, 1, 10}, 1997, 9999, 1, {1997, 1, 10}, {}, kMin},
        ArrowCase{"PreviousYearInMinYear", {1997, 5, 10}, 1997, 9999, 0, {1997, 5, 10}, {}, kMin},
        ArrowCase{"PreviousYearBelowMinYear", {1500, 5, 10}, 1600, 9999, 0, {1500, 5, 10}, {}, kMin},
        ArrowCase{"NextYearBelowMinYear", {1500, 5, 10}, 1600, 9999, 3, {1501, 5, 10},
                  {"ValueChanged", "YearChanged"}, nullptr},
        ArrowCase{"NextMonthAtTheEndOfTime", {9999, 12, 31}, 1600, 9999, 2, {9999, 12, 31}, {}, kMax}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Navigation, PreviousMonthWalksDownToJanuaryOfMinYear) {
    cal->calMinYear(1997);
    Show({1997, 5, 10});
    for (int step = 0; step < 4; ++step) form->Click(Arrow(1));
    EXPECT_EQ(Value(), MakeDate(1997, 1, 10).value);
    EXPECT_TRUE(host.messageBoxes.empty());
    form->Click(Arrow(1));
    EXPECT_EQ(Value(), MakeDate(1997, 1, 10).value);
    ASSERT_EQ(host.messageBoxes.size(), 1U);
    EXPECT_EQ(host.messageBoxes[0].text, kMin);
}

TEST_F(Navigation, ArrowStepsCarryTheTimeOfDay) {
    cal->calValue(Date(MakeDate(1997, 3, 15).value + 0.25));
    form->Click(Arrow(2));
    EXPECT_EQ(Value(), MakeDate(1997, 4, 15).value + 0.25);
    form->Click(Arrow(3));
    EXPECT_EQ(Value(), MakeDate(1998, 4, 15).value + 0.25);
    EXPECT_EQ(Caption().Caption(), "April 1998");
}

struct TabCase {
    int from, to;
};

class ArrowTabs : public Navigation, public ::testing::WithParamInterface<TabCase> {};

TEST_P(ArrowTabs, MoveTheFocusRoundTheArrows) {
    form->FocusWidget(Arrow(GetParam().from));
    host.ClearRecord();
    form->PressKey(9);
    EXPECT_EQ(form->FocusedWidget(), &Arrow(GetParam().to));
    EXPECT_EQ(Events(), Strings({"KeyDown", "KeyPress", "KeyUp"}));
    EXPECT_EQ(host.events[1].args.at(0), Variant(int16_t{0}));  // the Tab is replaced by 0
}

INSTANTIATE_TEST_SUITE_P(Table, ArrowTabs,
                         ::testing::Values(TabCase{0, 1}, TabCase{1, 2}, TabCase{2, 3}, TabCase{3, 0}),
                         [](const ::testing::TestParamInfo<TabCase>& info) {
                             return "Arrow" + std::to_string(info.param.from) + "ToArrow" + std::to_string(info.param.to);
                         });

TEST_F(Navigation, TabStaysOnAnArrowWhenTheNextIsHidden) {
    form->FocusWidget(Arrow(3));
    cal->calScrollArrowsPos(VemocalNoArrows);
    host.ClearRecord();
    form->PressKey(9);
    EXPECT_EQ(form->FocusedWidget(), &Arrow(3));
    EXPECT_EQ(host.events.at(1).args.at(0), Variant(int16_t{0}));
}

TEST_F(Navigation, OtherKeysOnAnArrowPassUnchanged) {
    form->FocusWidget(Arrow(1));
    host.ClearRecord();
    form->PressKey('a');
    ASSERT_EQ(Events(), Strings({"KeyDown", "KeyPress", "KeyUp"}));
    EXPECT_EQ(host.events[0].args, (std::vector<Variant>{Variant(int16_t{'A'}), Variant(int16_t{0})}));
    EXPECT_EQ(host.events[1].args.at(0), Variant(int16_t{'a'}));
    EXPECT_EQ(form->FocusedWidget(), &Arrow(1));
}

// ---- Month list ----

class MonthListChoice : public Navigation {
protected:
    MonthListChoice() { cal->calShowDropdownMonth(true); }
};

TEST_F(MonthListChoice, ChoosingAMonthKeepsTheDay) {
    form->FocusWidget(MonthList());
    host.ClearRecord();
    MonthList().SetListIndex(8);
    EXPECT_EQ(Value(), MakeDate(1997, 9, 10).value);
    EXPECT_EQ(Events(), Strings({"ValueChanged", "MonthChanged", "Click"}));
    EXPECT_EQ(Caption().Caption(), "September 1997");
    EXPECT_EQ(Cell(1).Caption(), "31");  // 1 September 1997 is a Monday
}

TEST_F(MonthListChoice, FebruaryFrom31JanuaryCarriesIntoMarch) {
    Show({1997, 1, 31});
    form->FocusWidget(MonthList());
    host.ClearRecord();
    MonthList().SetListIndex(1);
    EXPECT_EQ(Value(), MakeDate(1997, 3, 3).value);
    EXPECT_EQ(MonthList().ListIndex(), 2);
    EXPECT_EQ(Caption().Caption(), "March 1997");
    EXPECT_EQ(Cell(9).Tag(), "CurrSelected");  // 1 March 1997 is a Saturday, in cell 7
    // The list's own move back to March happens while it has the focus, so it counts as a
    // choice of its own: the nested Refresh reports the change, each choice clicks.
    EXPECT_EQ(Events(), Strings({"ValueChanged", "MonthChanged", "Click", "Click"}));
}

TEST_F(MonthListChoice, EmptiedListChoosesNothing) {
    form->FocusWidget(MonthList());
    host.ClearRecord();
    MonthList().SetListIndex(-1);
    EXPECT_EQ(Value(), MakeDate(1997, 6, 10).value);
    EXPECT_TRUE(Events().empty());
}

struct HostSetCase {
    const char* name;
    const char* focus;  // widget holding the focus, or null for none
    Strings events;
};

class HostSetsTheMonth : public MonthListChoice, public ::testing::WithParamInterface<HostSetCase> {};

TEST_P(HostSetsTheMonth, ClickOnlyWhileTheListHasTheFocus) {
    const HostSetCase& c = GetParam();
    if (c.focus) form->FocusWidget(*site->Factory().Find(c.focus, std::string(c.focus) == "cmdButton" ? 2 : -1));
    host.ClearRecord();
    const Date value(MakeDate(1997, 8, 20).value + 0.5);
    cal->calValue(value);
    EXPECT_EQ(Value(), value.value);  // the list's report keeps the time of day
    EXPECT_EQ(Events(), c.events);
    EXPECT_EQ(MonthList().ListIndex(), 7);
    EXPECT_EQ(Caption().Caption(), "August 1997");
    EXPECT_EQ(Cell(25).Tag(), "CurrSelected");  // 1 August 1997 is a Friday, in cell 6
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostSetsTheMonth,
    ::testing::Values(HostSetCase{"NoFocus", nullptr, {"ValueChanged", "MonthChanged"}},
                      HostSetCase{"ListFocused", "cbxMonth", {"ValueChanged", "MonthChanged", "Click"}},
                      HostSetCase{"YearBoxFocused", "txtYear", {"ValueChanged", "MonthChanged"}},
                      HostSetCase{"ArrowFocused", "cmdButton", {"ValueChanged", "MonthChanged"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthListChoice, DoubleClickOnTheListIsPassedOn) {
    form->DoubleClick(MonthList());
    // Clicking the list only opens it; the double-click itself is passed on.
    EXPECT_EQ(Events(), Strings{"DblClick"});
    EXPECT_EQ(Value(), MakeDate(1997, 6, 10).value);
}

// ---- Year box ----

class YearBox_ : public MonthListChoice {
protected:
    void FocusYear() {
        form->FocusWidget(YearBox());
        host.ClearRecord();
    }
};

TEST_F(YearBox_, FocusSelectsTheWholeYear) {
    form->Click(YearBox());
    EXPECT_EQ(YearBox().SelStart(), 0);
    EXPECT_EQ(YearBox().SelLength(), 4);
    EXPECT_EQ(Events(), Strings({"MouseDown", "MouseUp", "Click"}));
}

struct TypedYear {
    const char* name;
    Ymd from;
    int minYear, maxYear;
    std::string keys;
    bool enter;  // else the focus leaves the control
    Ymd to;
    Strings changes;
};

class TypedYears : public YearBox_, public ::testing::WithParamInterface<TypedYear> {};

TEST_P(TypedYears, CommitClampedIntoTheLimits) {
    const TypedYear& c = GetParam();
    cal->calMaxYear(c.maxYear);
    cal->calMinYear(c.minYear);
    Show(c.from);
    FocusYear();
    form->Type(c.keys);
    Strings expected = KeyEvents(c.keys.size());
    if (c.enter) {
        form->PressKey(13);
        expected = Join(Join(Join(expected, {"KeyDown"}), c.changes), {"KeyPress", "KeyUp"});
        EXPECT_EQ(form->FocusedWidget(), &YearBox());
    } else {
        form->MoveFocus(nullptr, nullptr);
        expected = Join(expected, c.changes);
    }
    EXPECT_EQ(Value(), MakeDate(c.to.y, c.to.m, c.to.d).value);
    EXPECT_EQ(YearBox().Text(), std::to_string(c.to.y));
    EXPECT_EQ(Events(), expected);
    EXPECT_TRUE(host.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedYears,
    ::testing::Values(
        TypedYear{"EnterBelowMinYear", {1997, 6, 10}, 1600, 9999, "1234", true, {1600, 6, 10},
                  {"ValueChanged", "YearChanged"}},
        TypedYear{"EnterAboveMaxYear", {1997, 6, 10}, 1600, 2000, "2500", true, {2000, 6, 10},
                  {"ValueChanged", "YearChanged"}},
        TypedYear{"LeavingCommits", {1997, 6, 10}, 1600, 9999, "2001", false, {2001, 6, 10},
                  {"ValueChanged", "YearChanged"}},
        TypedYear{"SameYearChangesNothing", {1997, 6, 10}, 1600, 9999, "1997", true, {1997, 6, 10}, {}},
        TypedYear{"LettersNeverReachTheBox", {1997, 6, 10}, 1600, 9999, "ab-+ .", true, {1997, 6, 10}, {}},
        TypedYear{"LettersAmongDigitsAreDropped", {1997, 6, 10}, 1600, 9999, "1x9y9z8", true, {1998, 6, 10},
                  {"ValueChanged", "YearChanged"}},
        TypedYear{"EmptiedBoxShowsTheYearAgain", {1997, 6, 10}, 1600, 9999, "\b", false, {1997, 6, 10}, {}},
        TypedYear{"BackspaceThenDigits", {1997, 6, 10}, 1600, 9999, "\b19\b985", true, {1985, 6, 10},
                  {"ValueChanged", "YearChanged"}},
        TypedYear{"LeapDayCarriesIntoMarch", {2000, 2, 29}, 1600, 9999, "1999", true, {1999, 3, 1},
                  {"ValueChanged", "MonthChanged", "YearChanged"}},
        TypedYear{"ClampedToTheCurrentYear", {2000, 6, 10}, 1600, 2000, "3000", true, {2000, 6, 10}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(YearBox_, HostSeesEveryKeyAsTypedButCannotChangeTheBox) {
    FocusYear();
    std::vector<int16_t> seen;
    host.onEvent = [&](const RaisedEvent& e, std::span<Variant> args) {
        if (e.name != "KeyPress") return;
        seen.push_back(args[0].ToInt16());
        args[0] = Variant(static_cast<int16_t>(args[0].ToInt16() == '2' ? 0 : '5'));
    };
    form->Type("2a");
    EXPECT_EQ(seen, (std::vector<int16_t>{'2', 'a'}));
    EXPECT_EQ(YearBox().Text(), "2");
}

TEST_F(YearBox_, TabCommitsAndMovesToTheMonthList) {
    FocusYear();
    form->Type("1998");
    form->PressKey(9);
    EXPECT_EQ(form->FocusedWidget(), &MonthList());
    EXPECT_EQ(Value(), MakeDate(1998, 6, 10).value);
    // The list takes the focus (and the box commits) before the host hears of the Tab; the Tab's
    // KeyUp then goes to the list, which passes no keys on.
    EXPECT_EQ(Events(), Join(KeyEvents(4), {"KeyDown", "ValueChanged", "YearChanged", "KeyPress"}));
    EXPECT_EQ(host.events.back().args.at(0), Variant(int16_t{9}));
}

struct PastedYear {
    const char* text;
    int year;  // 1997 when the text is discarded
};

class PastedYears : public YearBox_, public ::testing::WithParamInterface<PastedYear> {};

TEST_P(PastedYears, ReadAsAWholeYearOrDiscarded) {
    FocusYear();
    YearBox().SetText(GetParam().text);
    form->MoveFocus(nullptr, nullptr);
    EXPECT_EQ(Value(), MakeDate(GetParam().year, 6, 10).value);
    EXPECT_EQ(YearBox().Text(), std::to_string(GetParam().year));
    if (GetParam().year == 1997) {
        EXPECT_TRUE(Events().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PastedYears,
    ::testing::Values(PastedYear{" 2001 ", 2001}, PastedYear{"+1999", 1999}, PastedYear{"2001.5", 2002},
                      PastedYear{"2002.5", 2002}, PastedYear{"1998.4", 1998}, PastedYear{"2.0005e3", 2000},
                      PastedYear{"-5", 1600}, PastedYear{"99999", 9999}, PastedYear{"1e9", 9999},
                      PastedYear{"1e3", 1600}, PastedYear{"1e30", 1997}, PastedYear{"-1e10", 1997},
                      PastedYear{"1e400", 1997}, PastedYear{"2147483648", 1997}, PastedYear{"nan", 1997},
                      PastedYear{"inf", 1997}, PastedYear{"abc", 1997}, PastedYear{"", 1997},
                      PastedYear{"   ", 1997}, PastedYear{"19 97", 1997}, PastedYear{"0x7D0", 1997}),
                         [](const ::testing::TestParamInfo<PastedYear>& info) { return "Pasted_" + VemoCalendar::param_names::Text(info.param.text); });

}  // namespace
}  // namespace VemoCalendar
