// What the calendar passes on from its widgets, the About box from its titles, focus, the enabled
// state, its own surface and the hidden greeting.
#include "CalendarFixture.h"
#include "headless/HeadlessLocale.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class Interaction : public CalendarFixture {
protected:
    Widget& W(const std::string& name, int index = -1) {
        Widget* w = site->Factory().Find(name, index);
        if (!w) throw std::logic_error("no widget " + name);
        return *w;
    }
    Panel& TitleBar() { return site->Get<Panel>("pnlTitleBar1"); }
    CommandButton& Arrow(int i) { return site->Get<CommandButton>("cmdButton", i); }
};

// ---- Widget notifications passed on ----

enum class Gesture { Click, DoubleClick, MouseMove, RightPress };

struct WiringCase {
    const char* name;
    const char* widget;
    int index;
    Gesture gesture;
    Strings events;
    size_t aboutBoxes;
};

class Wiring : public Interaction, public ::testing::WithParamInterface<WiringCase> {};

TEST_P(Wiring, RaisesTheControlsOwnEvents) {
    const WiringCase& c = GetParam();
    cal->calShowDropdownMonth(std::string(c.widget) == "pnlMonthYear" || std::string(c.widget) == "txtYear");
    host.ClearRecord();
    Widget& w = W(c.widget, c.index);
    switch (c.gesture) {
        case Gesture::Click: form->Click(w); break;
        case Gesture::DoubleClick: form->DoubleClick(w); break;
        case Gesture::MouseMove: form->MouseMove(w); break;
        case Gesture::RightPress: form->MouseDown(w, {2, 0, 1, 1}); break;
    }
    EXPECT_EQ(Events(), c.events);
    EXPECT_EQ(host.dialogsShown.size(), c.aboutBoxes);
    for (const std::string& caption : host.dialogsShown) EXPECT_EQ(caption, "About VemoCalendar");
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 10).value);
}

const Strings kClick{"MouseDown", "MouseUp", "Click"};
const Strings kDoubleClick{"MouseDown", "MouseUp", "Click", "DblClick", "MouseUp"};

INSTANTIATE_TEST_SUITE_P(
    Table, Wiring,
    ::testing::Values(
        WiringCase{"WeekdayTitleClick", "pnlCalDay", 3, Gesture::Click, kClick, 1},
        WiringCase{"WeekdayTitleDoubleClick", "pnlCalDay", 7, Gesture::DoubleClick, kDoubleClick, 1},
        WiringCase{"WeekdayTitleRightPress", "pnlCalDay", 1, Gesture::RightPress, {"MouseDown"}, 1},
        WiringCase{"WeekdayTitleMove", "pnlCalDay", 1, Gesture::MouseMove, {"MouseMove"}, 0},
        WiringCase{"CaptionClick", "pnlText", -1, Gesture::Click, kClick, 1},
        WiringCase{"CaptionDoubleClick", "pnlText", -1, Gesture::DoubleClick, kDoubleClick, 1},
        WiringCase{"CaptionMove", "pnlText", -1, Gesture::MouseMove, {"MouseMove"}, 0},
        WiringCase{"MonthRowClick", "pnlMonthYear", -1, Gesture::Click, kClick, 0},
        WiringCase{"MonthRowDoubleClick", "pnlMonthYear", -1, Gesture::DoubleClick, kDoubleClick, 0},
        WiringCase{"MonthRowMove", "pnlMonthYear", -1, Gesture::MouseMove, {"MouseMove"}, 0},
        WiringCase{"TitleBarClick", "pnlTitleBar0", -1, Gesture::Click, {"Click"}, 1},
        WiringCase{"TitleBarDoubleClick", "pnlTitleBar0", -1, Gesture::DoubleClick, {"Click", "DblClick"}, 1},
        WiringCase{"TitleCaptionClick", "pnlTitleBar1", -1, Gesture::Click, {"Click"}, 1},
        WiringCase{"TitleCaptionRightPress", "pnlTitleBar1", -1, Gesture::RightPress, {}, 1},
        WiringCase{"TitleCaptionMove", "pnlTitleBar1", -1, Gesture::MouseMove, {}, 0},
        WiringCase{"YearBoxClick", "txtYear", -1, Gesture::Click, kClick, 0},
        WiringCase{"YearBoxDoubleClick", "txtYear", -1, Gesture::DoubleClick, kDoubleClick, 0},
        WiringCase{"YearBoxMove", "txtYear", -1, Gesture::MouseMove, {"MouseMove"}, 0},
        WiringCase{"ArrowMove", "cmdButton", 0, Gesture::MouseMove, {"MouseMove"}, 0},
        WiringCase{"ArrowRightPress", "cmdButton", 0, Gesture::RightPress, {"MouseDown"}, 0},
        WiringCase{"DayCellRightPress", "pnlCalNum", 20, Gesture::RightPress, {"MouseDown"}, 0},
        WiringCase{"SurfaceOfTheGridClick", "Picture1", -1, Gesture::Click, {}, 0},
        WiringCase{"SurfaceOfTheGridDoubleClick", "Picture1", -1, Gesture::DoubleClick, {}, 0},
        WiringCase{"SurfaceOfTheGridMove", "Picture1", -1, Gesture::MouseMove, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- About box ----

TEST_F(Interaction, TitlesRaiseMouseDownOnlyAfterTheAboutBoxCloses) {
    for (const char* name : {"pnlText", "pnlCalDay"}) {
        host.ClearRecord();
        Strings whileShown;
        bool visibleWhileShown = false;
        host.onModalDialog = [&](HeadlessDialog& dialog) {
            whileShown = Events();
            visibleWhileShown = host.About().IsVisible();
            dialog.Click("cmdOK");
        };
        form->MouseDown(W(name, std::string(name) == "pnlCalDay" ? 4 : -1), {1, 2, 30, 40});
        EXPECT_TRUE(whileShown.empty()) << name;
        EXPECT_TRUE(visibleWhileShown) << name;
        EXPECT_FALSE(host.About().IsVisible()) << name;
        ASSERT_EQ(Events(), Strings{"MouseDown"}) << name;
        EXPECT_EQ(host.events[0].args[1], Variant(int16_t{2}));
        EXPECT_EQ(host.events[0].args[2], Variant(30.0F));
    }
}

TEST_F(Interaction, AboutBoxOpensOnEachPressOnTheTitleBar) {
    form->Click(TitleBar());
    form->Click(site->Get<Panel>("pnlTitleBar0"));
    EXPECT_EQ(host.dialogsShown, Strings({"About VemoCalendar", "About VemoCalendar"}));
    EXPECT_EQ(Events(), Strings({"Click", "Click"}));
}

// ---- Focus and the enabled state ----

TEST_F(Interaction, TitleBarShowsWhetherTheControlHasTheFocus) {
    form->FocusWidget(Arrow(1));
    EXPECT_EQ(TitleBar().BackColor(), 0x80000002u);
    EXPECT_EQ(TitleBar().ForeColor(), 0x80000009u);
    form->MoveFocus(nullptr, nullptr);
    EXPECT_EQ(TitleBar().BackColor(), 0x80000003u);
    EXPECT_EQ(TitleBar().ForeColor(), 0x80000013u);
    form->MoveFocus(site, nullptr);
    EXPECT_EQ(TitleBar().BackColor(), 0x80000002u);
    EXPECT_EQ(TitleBar().ForeColor(), 0x80000009u);
}

TEST_F(Interaction, DisabledCalendarIgnoresTheUserAndShowsNoFocus) {
    cal->calShowDropdownMonth(true);
    host.ClearRecord();
    cal->Enabled(false);
    EXPECT_FALSE(cal->Enabled());
    EXPECT_EQ(host.ChangedProperties(), Strings{"Enabled"});
    EXPECT_EQ(TitleBar().BackColor(), kSysInactiveCaption);
    EXPECT_EQ(TitleBar().ForeColor(), kSysInactiveCaptionText);

    std::vector<Widget*> listed{&W("pnlMonthYear"), &W("cbxMonth"), &W("txtYear"), &W("pnlText")};
    for (int i = 1; i <= 7; ++i) listed.push_back(&Title(i));
    for (int k = 1; k <= 42; ++k) listed.push_back(&Cell(k));
    for (int i = 0; i < 4; ++i) listed.push_back(&Arrow(i));
    for (Widget* w : listed) EXPECT_FALSE(w->Enabled()) << w->Name() << w->Index();
    for (const char* kept : {"pnlTitleBar0", "pnlTitleBar1", "Picture1"}) EXPECT_TRUE(W(kept).Enabled()) << kept;
    EXPECT_GT(HeadlessWidgetFactory::State(W("cbxMonth")).FrontOrder(), 0);

    host.ClearRecord();
    form->Click(Cell(3));
    form->Click(Arrow(2));
    form->MoveFocus(site, nullptr);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 10).value);
    EXPECT_EQ(TitleBar().BackColor(), kSysInactiveCaption);  // focus on a disabled control shows none

    cal->Enabled(true);
    for (Widget* w : listed) EXPECT_TRUE(w->Enabled()) << w->Name() << w->Index();
    EXPECT_EQ(TitleBar().BackColor(), kSysActiveCaption);
    form->Click(Cell(3));
    EXPECT_EQ(cal->calValue().value, MakeDate(1997, 6, 3).value);
}

TEST_F(Interaction, FocusLeavingTheControlClearsTheHover) {
    cal->calMouseSensitiveDate(true);
    form->FocusWidget(Arrow(0));
    form->MouseMove(Cell(5));
    ASSERT_EQ(Cell(5).BevelOuter(), 0);
    form->MoveFocus(nullptr, nullptr);
    EXPECT_EQ(Cell(5).BevelOuter(), 2);
}

TEST_F(Interaction, SurfaceLosingTheFocusClearsOnlyTheSelectedCell) {
    cal->calMouseSensitiveDate(true);
    form->MoveFocus(site, nullptr);
    form->MouseMove(Cell(5));
    form->FocusWidget(Arrow(0));  // focus stays inside the control
    EXPECT_EQ(Cell(5).BevelOuter(), 0);

    form->MoveFocus(site, nullptr);
    form->MouseMove(Cell(10));  // the selected day
    form->FocusWidget(Arrow(0));
    EXPECT_EQ(Cell(10).BevelOuter(), 1);
}

// ---- The control's own surface ----

TEST_F(Interaction, OwnSurfaceRaisesItsMouseAndKeyEvents) {
    form->ClickSurface(*site, {1, 4, 12, 34});
    EXPECT_EQ(Events(), kClick);
    EXPECT_EQ(host.events[0].args, (std::vector<Variant>{Variant(int16_t{1}), Variant(int16_t{4}), Variant(12.0F),
                                                         Variant(34.0F)}));
    host.ClearRecord();
    form->DoubleClickSurface(*site);
    EXPECT_EQ(Events(), kDoubleClick);
    host.ClearRecord();
    form->MouseMoveSurface(*site);
    EXPECT_EQ(Events(), Strings{"MouseMove"});

    form->MoveFocus(site, nullptr);
    host.ClearRecord();
    form->KeyDown(40, 1);
    form->KeyPress('q');
    form->KeyUp(40, 1);
    ASSERT_EQ(Events(), Strings({"KeyDown", "KeyPress", "KeyUp"}));
    EXPECT_EQ(host.events[0].args, (std::vector<Variant>{Variant(int16_t{40}), Variant(int16_t{1})}));
    EXPECT_EQ(host.events[1].args, std::vector<Variant>{Variant(int16_t{'q'})});
    EXPECT_EQ(host.events[2].args, (std::vector<Variant>{Variant(int16_t{40}), Variant(int16_t{1})}));
}

// ---- Hidden greeting ----

constexpr const char* kMoonText =
    "Houston, Tranquility Base here.\r\nToday is Sunday, July 20, 1969.\r\nThe Eagle has landed.\r\n"
    "One small step for a calendar, too.";
constexpr const char* kEpochText =
    "Happy new year, Unix time!\r\nToday is Thursday, January 01, 1970.\r\n"
    "Every second since has been counted from here.\r\nGreetings from the VemoCalendar team.";

class Greeting : public Interaction {
protected:
    Greeting() { cal->calShowDropdownMonth(true); }
    // The user clicks the month/year row, which takes the focus; what the click raised is
    // cleared so that the tests see the keys alone.
    void FocusRow() {
        form->Click(W("pnlMonthYear"));
        ASSERT_EQ(form->FocusedWidget(), &W("pnlMonthYear"));
        host.ClearRecord();
    }
    void Show(Date value) {
        cal->calValue(value);
        host.ClearRecord();
    }
};

struct GreetingCase {
    const char* name;
    Ymd date;
    std::string typed;
    const char* text;  // expected message, or null for none
};

class GreetingWords : public Greeting, public ::testing::WithParamInterface<GreetingCase> {};

TEST_P(GreetingWords, ShowTheMessageOnlyForTheWholeWordOnItsDate) {
    const GreetingCase& c = GetParam();
    Show(MakeDate(c.date.y, c.date.m, c.date.d));
    FocusRow();
    form->Type(c.typed);
    if (c.text) {
        ASSERT_EQ(host.messageBoxes.size(), 1U);
        const MessageBoxRequest& box = host.messageBoxes[0];
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.title, "QvCalendar Easter Egg");
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_EQ(box.buttons, MessageButtons::OK);
        EXPECT_EQ(box.modality, MessageModality::System);
    } else {
        EXPECT_TRUE(host.messageBoxes.empty());
    }
    // Every key still reaches the host.
    Strings keys;
    for (size_t i = 0; i < c.typed.size(); ++i) keys.insert(keys.end(), {"KeyDown", "KeyPress", "KeyUp"});
    EXPECT_EQ(Events(), keys);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GreetingWords,
    ::testing::Values(GreetingCase{"MoonLanding", {1969, 7, 20}, "MOON", kMoonText},
                      GreetingCase{"UnixEpoch", {1970, 1, 1}, "EPOCH", kEpochText},
                      GreetingCase{"WrongDate", {1969, 7, 21}, "MOON", nullptr},
                      GreetingCase{"OtherWordsDate", {1970, 1, 1}, "MOON", nullptr},
                      GreetingCase{"LowerCase", {1969, 7, 20}, "moon", nullptr},
                      GreetingCase{"Unfinished", {1969, 7, 20}, "MOO", nullptr},
                      // The letter that breaks a match is dropped with the rest: "MOM" then "OON".
                      GreetingCase{"BrokenLetterIsDropped", {1969, 7, 20}, "MOMOON", nullptr},
                      GreetingCase{"FreshStartAfterABreak", {1969, 7, 20}, "XMOON", kMoonText},
                      GreetingCase{"WordAfterAnotherWord", {1969, 7, 20}, "EPOCHMOON", kMoonText},
                      GreetingCase{"WrongWordInBetween", {1970, 1, 1}, "EPOMOONCH", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Greeting, TimeOfDayIsNotTheDate) {
    Show(Date(MakeDate(1969, 7, 20).value + 0.5));
    FocusRow();
    form->Type("MOON");
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Greeting, TheRowTakesTheFocusOnlyByAClick) {
    site->SetFocus();  // the control's first widget is the selected day, not the row
    EXPECT_EQ(form->FocusedWidget(), &site->Get<Panel>("pnlCalNum", 10));
    EXPECT_EQ(site->Get<Panel>("pnlCalNum", 10).Tag(), "CurrSelected");
}

TEST_F(Greeting, OnlyTheMonthRowListens) {
    Show(MakeDate(1969, 7, 20));
    form->FocusWidget(Arrow(2));
    form->Type("MOON");
    form->MoveFocus(site, nullptr);
    form->Type("MOON");
    form->FocusWidget(site->Get<TextBox>("txtYear"));
    form->Type("MOON");
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Greeting, LettersWaitWhileTheFocusIsElsewhere) {
    Show(MakeDate(1969, 7, 20));
    FocusRow();
    form->Type("MO");
    form->FocusWidget(Arrow(2));
    form->Type("X");
    FocusRow();
    form->Type("ON");
    EXPECT_EQ(host.messageBoxes.size(), 1U);
}

TEST_F(Greeting, MessageComesBeforeTheLastKeyReachesTheHost) {
    Show(MakeDate(1970, 1, 1));
    Strings atMessage;
    host.onMessageBox = [&](const MessageBoxRequest&) { atMessage = Events(); };
    FocusRow();
    form->Type("EPOCH");
    ASSERT_EQ(atMessage.size(), 13U);  // four whole keys, then the last KeyDown
    EXPECT_EQ(atMessage.back(), "KeyDown");
}

TEST_F(Greeting, DateIsWrittenInTheUsersLanguage) {
    HeadlessLocale::Names german = HeadlessLocale::English();
    german.months[0] = "Januar";
    german.weekdays[4] = "Donnerstag";
    host.Locale().SetNames(german);
    Show(MakeDate(1970, 1, 1));
    FocusRow();
    form->Type("EPOCH");
    ASSERT_EQ(host.messageBoxes.size(), 1U);
    EXPECT_NE(host.messageBoxes[0].text.find("\r\nToday is Donnerstag, Januar 01, 1970.\r\n"), std::string::npos);
}

}  // namespace
}  // namespace VemoCalendar
