#include <gtest/gtest.h>

#include "headless/HeadlessForm.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

// A control with a text box, a list and a panel that writes down what it hears.
class Recorder : public Control {
public:
    explicit Recorder(ControlSite& site) : site_(site) {
        box = &site.Widgets().CreateTextBox(nullptr, "txtBox");
        list = &site.Widgets().CreateDropDownList(nullptr, "cbxList");
        panel = &site.Widgets().CreatePanel(nullptr, "pnlPanel", 1);
        box->SetMaxLength(4);
        box->Events().GotFocus = [this] { log.push_back("box got"); };
        box->Events().LostFocus = [this] { log.push_back("box lost"); };
        box->Events().KeyPress = [this](int16_t& key) {
            log.push_back("press " + std::to_string(key));
            if (key == 'x') key = 0;
        };
        list->Events().Click = [this] { log.push_back("list " + std::to_string(list->ListIndex())); };
        panel->Events().MouseDown = [this](MouseArgs&) { log.push_back("panel down"); };
        panel->Events().MouseUp = [this](MouseArgs&) { log.push_back("panel up"); };
        panel->Events().Click = [this] { log.push_back("panel click"); };
        panel->Events().DblClick = [this] { log.push_back("panel dblclick"); };
    }
    std::string_view TypeName() const override { return "Recorder"; }
    Variant GetProperty(std::string_view) const override { ThrowNotSupported(); }
    void SetProperty(std::string_view, const Variant&) override { ThrowNotSupported(); }
    void UserControl_InitProperties() override {}
    void UserControl_ReadProperties(PropertyBag&) override {}
    void UserControl_WriteProperties(PropertyBag&) override {}
    void UserControl_Resize() override { log.push_back("resize"); }
    void UserControl_EnterFocus() override { log.push_back("enter"); }
    void UserControl_ExitFocus() override { log.push_back("exit"); }
    void UserControl_KeyPress(int16_t& key) override { log.push_back("surface press " + std::to_string(key)); }

    ControlSite& site_;
    TextBox* box;
    DropDownList* list;
    Panel* panel;
    Strings log;
};

class HeadlessHostTest : public ::testing::Test {
protected:
    HeadlessHost host;
    HeadlessForm form{host};
    Recorder& a = form.Place<Recorder>("A", 0, 0, 1500, 1500);
    Recorder& b = form.Place<Recorder>("B", 2000, 0, 1500, 1500);
};

TEST_F(HeadlessHostTest, FocusMovesWithTheToolkitsNotifications) {
    a.log.clear();
    b.log.clear();
    form.Click(*a.box);
    form.Click(*b.box);
    EXPECT_EQ(a.log, Strings({"enter", "box got", "box lost", "exit"}));
    EXPECT_EQ(b.log, Strings({"enter", "box got"}));
    EXPECT_EQ(form.Site("B").ActiveChild(), b.box);
    EXPECT_EQ(form.Site("A").ActiveChild(), nullptr);
}

TEST_F(HeadlessHostTest, TypingRespectsSwallowedKeysAndMaximumLength) {
    form.Click(*a.box);
    form.Type("12x345");
    EXPECT_EQ(a.box->Text(), "1234");
    form.PressKey(8);
    EXPECT_EQ(a.box->Text(), "123");
    a.box->SetSelStart(0);
    a.box->SetSelLength(3);
    form.Type("9");
    EXPECT_EQ(a.box->Text(), "9");
}

TEST_F(HeadlessHostTest, KeysWithoutAFocusedWidgetGoToTheSurface) {
    form.ClickSurface(form.Site("A"));
    a.log.clear();
    form.PressKey('q');
    EXPECT_EQ(a.log, Strings{"surface press 113"});
}

TEST_F(HeadlessHostTest, ListReportsOnlyChangesOfItsIndex) {
    a.list->AddItem("one");
    a.list->AddItem("two");
    a.log.clear();
    a.list->SetListIndex(1);
    a.list->SetListIndex(1);
    a.list->SetListIndex(0);
    EXPECT_EQ(a.log, Strings({"list 1", "list 0"}));
    EXPECT_THROW(a.list->SetListIndex(2), ControlError);
    a.log.clear();
    form.Click(*a.list);  // opening the list chooses nothing
    form.Choose(*a.list, 1);
    EXPECT_EQ(a.log, Strings({"enter", "list 1"}));
    EXPECT_EQ(form.FocusedWidget(), a.list);
}

TEST_F(HeadlessHostTest, ClickAndDoubleClickSequences) {
    a.log.clear();
    form.DoubleClick(*a.panel);
    EXPECT_EQ(a.log, Strings({"panel down", "panel up", "panel click", "panel dblclick", "panel up"}));
}

TEST_F(HeadlessHostTest, HiddenOrDisabledWidgetsGetNoInput) {
    a.log.clear();
    a.panel->SetVisible(false);
    form.Click(*a.panel);
    a.panel->SetVisible(true);
    a.panel->SetEnabled(false);
    form.Click(*a.panel);
    EXPECT_TRUE(a.log.empty());
}

TEST_F(HeadlessHostTest, ResizingTheControlNotifiesIt) {
    a.log.clear();
    form.Site("A").SetWidth(3000);
    form.Site("A").SetWidth(3000);
    EXPECT_EQ(a.log, Strings{"resize"});
}

TEST_F(HeadlessHostTest, EventArgumentsComeBackChangedByTheHandler) {
    host.onEvent = [](const RaisedEvent& e, std::span<Variant> args) {
        if (e.name == "KeyPress") args[0] = Variant(int16_t{0});
    };
    std::array<Variant, 1> args{Variant(int16_t{65})};
    form.Site("A").RaiseEvent("KeyPress", args);
    EXPECT_EQ(args[0].ToInt16(), 0);
    ASSERT_EQ(host.events.size(), 1u);
    EXPECT_EQ(host.events[0].args[0].ToInt16(), 0);
}

TEST_F(HeadlessHostTest, MessageBoxesTakeScriptedAnswers) {
    host.messageBoxAnswers = {MessageResult::No};
    EXPECT_EQ(form.Site("A").MsgBox({"Sure?", "Title", MessageIcon::Question, MessageButtons::YesNo}), MessageResult::No);
    EXPECT_EQ(form.Site("A").MsgBox({"Again", "Title"}), MessageResult::OK);
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_EQ(host.messageBoxes[0].text, "Sure?");
}

TEST_F(HeadlessHostTest, ClientToScreenAddsTheWindowOrigin) {
    ScreenPoint p{0, 0};
    form.Site("B").ClientToScreen(form.hwnd(), p);
    EXPECT_EQ(p.x, 200);
    ScreenPoint q{5, 5};
    form.Site("B").ClientToScreen(form.Site("B").hwnd(), q);
    EXPECT_EQ(q.x, 200 + 2000 / 15 + 5);
    EXPECT_EQ(q.y, 100 + 5);
}

TEST(MemoryPropertyBagTest, KeepsEveryValueAndTheReadDefaults) {
    MemoryPropertyBag bag;
    bag.WriteProperty("calCaption", Variant("Calendar"), Variant("Calendar"));  // equal to its default: kept
    EXPECT_TRUE(bag.Has("calCaption"));
    EXPECT_EQ(bag.ReadProperty("calCaption", Variant("x")).ToString(), "Calendar");
    EXPECT_EQ(bag.ReadProperty("missing", Variant(int32_t{7})).ToInt32(), 7);
    ASSERT_EQ(bag.Reads().size(), 2u);
    EXPECT_EQ(bag.Reads()[1].first, "missing");
}

}  // namespace
}  // namespace VemoCalendar
