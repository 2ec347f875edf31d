#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "ButtonFixture.h"
#include "headless/MemoryPropertyBag.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;

class PopupTest : public ButtonFixture {};

TEST_F(PopupTest, PressDropsTheCalendarAtTheButtonsCentreOnTheForm) {
    EXPECT_FALSE(button->PopupOpen());
    Press();
    ASSERT_TRUE(button->PopupOpen());
    // The button's client origin is 40 x 20 pixels into the form: 600 + 607.5 and 300 + 187.5.
    EXPECT_EQ(PopupSite().Left(), 1208);
    EXPECT_EQ(PopupSite().Top(), 488);
    EXPECT_EQ(PopupSite().Width(), 3200);
    EXPECT_EQ(PopupSite().Height(), 4000);
    EXPECT_EQ(PopupSite().ParentWindow(), form->hwnd());
    EXPECT_EQ(form->FocusedControl(), &PopupSite());
    EXPECT_EQ(Events(), (Names{"BtnMouseDown", "BtnMouseUp", "BtnClick"}));
}

TEST_F(PopupTest, SecondPressClosesAndGivesTheFocusBack) {
    Press();
    Press();
    EXPECT_FALSE(button->PopupOpen());
    EXPECT_EQ(form->FocusedWidget(), &Face());
    EXPECT_EQ(host.EventNames("QvCalButton1"),
              (Names{"BtnMouseDown", "BtnMouseUp", "BtnClick", "BtnMouseDown", "BtnMouseUp", "BtnClick"}));
}

TEST_F(PopupTest, EachOpeningTakesTheSizeAndPlaceOfThatMoment) {
    Press();
    Press();
    button->calWidth(2000);
    form->Site("QvCalButton1").Move(300, 150, 1215, 375);
    Press();
    EXPECT_EQ(PopupSite().Left(), 300 + 608);
    EXPECT_EQ(PopupSite().Top(), 150 + 188);
    EXPECT_EQ(PopupSite().Width(), 2000);
}

TEST_F(PopupTest, ClickOnANextMonthDayRaisesTheCalendarsEventsAndStaysOpen) {
    Press();
    host.ClearRecord();
    form->Click(Cell(FirstCellTagged("Next")));
    EXPECT_TRUE(button->PopupOpen());
    EXPECT_EQ(Events(), (Names{"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click"}));
    EXPECT_EQ(MonthOf(button->calValue()), 7);
}

TEST_F(PopupTest, DoubleClickOnADayClosesWithoutAnEventOfItsOwn) {
    Press();
    const int k = FirstCellTagged("Curr");
    form->DoubleClick(Cell(k));
    EXPECT_FALSE(button->PopupOpen());
    EXPECT_EQ(form->FocusedWidget(), &Face());
    const Names events = Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "DblClick"), 0);
    EXPECT_EQ(button->calValue(), MakeDate(1997, 6, std::stoi(Cell(k).Caption())));
}

TEST_F(PopupTest, EnterAndEscapeCloseThenReachTheHostAsKeyPress) {
    for (int16_t key : {int16_t{13}, int16_t{27}}) {
        Press();
        form->Click(Cell(FirstCellTagged("Curr")));
        const Date picked = button->calValue();
        host.ClearRecord();
        form->KeyPress(key);
        EXPECT_FALSE(button->PopupOpen()) << key;
        EXPECT_EQ(form->FocusedWidget(), &Face()) << key;
        ASSERT_EQ(host.events.size(), 1u) << key;
        EXPECT_EQ(host.events[0].name, "KeyPress");
        EXPECT_EQ(host.events[0].args[0].ToInt16(), key);
        EXPECT_EQ(button->calValue(), picked) << "no earlier date is restored";
    }
}

TEST_F(PopupTest, OtherKeysOnlyReachTheHost) {
    Press();
    host.ClearRecord();
    form->KeyPress('a');
    EXPECT_TRUE(button->PopupOpen());
    EXPECT_EQ(Events(), Names{"KeyPress"});
}

TEST_F(PopupTest, FocusMovingToAnotherControlClosesIt) {
    Press();
    form->Click(form->Site("Other").Get<CommandButton>("cmdButton", 0));
    EXPECT_FALSE(button->PopupOpen());
}

TEST_F(PopupTest, FocusMovingBetweenTheButtonAndItsCalendarKeepsItOpen) {
    Press();
    form->Click(Cell(FirstCellTagged("Curr")));
    form->FocusWidget(Face());
    EXPECT_TRUE(button->PopupOpen());
}

TEST_F(PopupTest, TheAboutBoxKeepsItOpen) {
    Press();
    bool openWhileAboutShown = false;
    host.onModalDialog = [&](HeadlessDialog& dialog) {
        // The About box takes the focus away from every control of the form while it is up.
        form->MoveFocus(nullptr, nullptr);
        openWhileAboutShown = button->PopupOpen();
        dialog.PressKey(13);
    };
    form->MouseDown(PopupSite().Get<Panel>("pnlTitleBar1"));
    EXPECT_EQ(host.dialogsShown.size(), 1u);
    EXPECT_TRUE(openWhileAboutShown);
}

TEST_F(PopupTest, HostChangesToTheCalendarsArgumentsAreSeenByTheCalendar) {
    Press();
    host.onEvent = [](const RaisedEvent& e, std::span<Variant> args) {
        if (e.name == "MouseMove") args[2] = Variant(42.0f);
    };
    // The calendar's MouseMove arrives with the references the calendar handed in.
    form->MouseMove(Cell(5), {0, 0, 3, 4});
    ASSERT_FALSE(host.events.empty());
    EXPECT_EQ(host.events.back().name, "MouseMove");
    EXPECT_EQ(host.events.back().args[2].ToSingle(), 42.0f);
}

TEST_F(PopupTest, ResizeWhileOpenMovesThePopupIntoTheControl) {
    Press();
    ButtonSite().Move(600, 300, 4000, 3000);
    EXPECT_EQ(PopupSite().Left(), 120);
    EXPECT_EQ(PopupSite().Top(), 120);
    EXPECT_EQ(PopupSite().Width(), 4000 - 240);
    EXPECT_EQ(PopupSite().Height(), 3000 - 240);
    EXPECT_EQ(Face().Width(), 1215) << "the button widget keeps its size";
}

TEST_F(PopupTest, ResizeSmallerThanTheMarginsClampsThePopupAtZero) {
    Press();
    ButtonSite().Move(600, 300, 200, 100);
    EXPECT_EQ(PopupSite().Width(), 0);
    EXPECT_EQ(PopupSite().Height(), 0);
}

TEST_F(PopupTest, DisabledButtonCannotOpenButAnOpenPopupStaysOpen) {
    button->Enabled(false);
    Press();
    EXPECT_FALSE(button->PopupOpen());
    button->Enabled(true);
    Press();
    button->Enabled(false);
    EXPECT_TRUE(button->PopupOpen());
}

TEST_F(PopupTest, DestroyingTheButtonTakesItsCalendarAlong) {
    Press();
    const intptr_t calendarWindow = button->PopupCalendar().hwnd();
    form->RemoveSite(ButtonSite());
    EXPECT_THROW(form->Site("QvCalButton1.QvCalendar1"), std::logic_error);
    EXPECT_EQ(form->FocusedControl(), nullptr);
    EXPECT_EQ(form->ScreenOriginOf(calendarWindow).x, 0) << "no window of that handle is left";
}

// A read-only button still raises BtnClick, but its press leaves the pop-up shut; the setting is
// kept after every other key, only when on, and read back.
TEST_F(PopupTest, AReadOnlyPressOpensNothingAndTheSettingIsKeptLast) {
    MemoryPropertyBag plain;
    button->UserControl_WriteProperties(plain);
    button->SetProperty("ReadOnly", Variant(true));
    Press();
    EXPECT_FALSE(button->PopupOpen());
    EXPECT_EQ(Events(), (Names{"BtnMouseDown", "BtnMouseUp", "BtnClick"}));
    MemoryPropertyBag bag;
    button->UserControl_WriteProperties(bag);
    ASSERT_EQ(bag.Entries().size(), plain.Entries().size() + 1);
    EXPECT_EQ(bag.Entries().back().first, "ReadOnly");
    QvCalButton& loaded = form->Load<QvCalButton>("Loaded", bag, 600, 900, 1215, 375);
    EXPECT_TRUE(loaded.ReadOnly());
}

}  // namespace
}  // namespace VemoCalendar
