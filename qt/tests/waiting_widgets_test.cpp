// A calendar's month list and year box are real Qt widgets made only when the drop-down row is
// first shown: until then the nodes keep their state, and once made the widgets show that state,
// stand where Qt's focus chain would have had them, and behave as widgets made at once.
#include <QComboBox>
#include <QLineEdit>

#include "QtCalendarFixture.h"
#include "qt/backend/QtConvert.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

QtDropDownList& MonthList(QtControlSite& site) { return site.Factory().Get<QtDropDownList>("cbxMonth"); }
QtTextBox& YearBox(QtControlSite& site) { return site.Factory().Get<QtTextBox>("txtYear"); }

TEST_F(QtCalendarTest, TheDropDownRowMakesNoQtWidgetsUntilItIsShown) {
    EXPECT_TRUE(Surface().findChildren<QComboBox*>().isEmpty());
    EXPECT_TRUE(Surface().findChildren<QLineEdit*>().isEmpty());
    EXPECT_TRUE(Node("cbxMonth").WindowPending());
    EXPECT_TRUE(Node("txtYear").WindowPending());
    // What the calendar shows while the row is hidden is kept for the widgets made later.
    EXPECT_EQ(MonthList(Site()).ListIndex(), 5);
    EXPECT_EQ(MonthList(Site()).ListCount(), 12);
    EXPECT_EQ(YearBox(Site()).Text(), "1997");
}

TEST_F(QtCalendarTest, WidgetsMadeWhenTheRowIsShownShowWhatTheNodesKept) {
    ASSERT_TRUE(calendar_->setCalValue(QDate(2004, 3, 15)));
    ASSERT_TRUE(calendar_->setControlEnabled(false));
    calendar_->setCalShowDropdownMonth(true);
    const QList<QComboBox*> lists = Surface().findChildren<QComboBox*>();
    const QList<QLineEdit*> boxes = Surface().findChildren<QLineEdit*>();
    ASSERT_EQ(lists.size(), 1);
    ASSERT_EQ(boxes.size(), 1);
    QComboBox& list = *lists[0];
    QLineEdit& box = *boxes[0];
    EXPECT_EQ(&list, Node("cbxMonth").Window());
    EXPECT_EQ(&box, Node("txtYear").Window());
    EXPECT_EQ(list.count(), 12);
    EXPECT_EQ(list.currentText(), "March");
    EXPECT_EQ(box.text(), "2004");
    EXPECT_EQ(box.maxLength(), 4);
    EXPECT_EQ(list.geometry(), Node("cbxMonth").PixelRect());
    EXPECT_EQ(box.geometry(), Node("txtYear").PixelRect());
    EXPECT_EQ(list.font().family(), ToQFont(MonthList(Site()).Font()).family());
    EXPECT_EQ(box.font().pointSizeF(), ToQFont(YearBox(Site()).Font()).pointSizeF());
    EXPECT_TRUE(list.isVisible());
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(list.isEnabled()) << "the disabled calendar's list is made disabled";
    EXPECT_FALSE(box.isEnabled());

    // Hidden and shown again, the row keeps the widgets it made.
    calendar_->setCalShowDropdownMonth(false);
    calendar_->setCalShowDropdownMonth(true);
    EXPECT_EQ(Surface().findChildren<QComboBox*>(), lists);
    EXPECT_EQ(Surface().findChildren<QLineEdit*>(), boxes);
}

TEST_F(QtCalendarTest, WidgetsMadeLateStackAsIfMadeAtOnce) {
    // The calendar brings its month list to the front of the year box while both still wait.
    calendar_->setCalShowDropdownMonth(true);
    const QObjectList children = Surface().children();
    EXPECT_GT(children.indexOf(Node("cbxMonth").Window()), children.indexOf(Node("txtYear").Window()));
}

TEST_F(QtCalendarTest, WidgetsMadeLateStandInQtsFocusChainWhereTheyWereMade) {
    auto* after = new QLineEdit(form_.get());  // made after the calendar: later in Qt's chain
    after->show();
    calendar_->setCalShowDropdownMonth(true);
    QWidget* list = Node("cbxMonth").Window();
    QWidget* box = Node("txtYear").Window();
    ASSERT_TRUE(list && box);
    EXPECT_EQ(Surface().nextInFocusChain(), list);
    EXPECT_EQ(list->nextInFocusChain(), box);
    EXPECT_EQ(box->nextInFocusChain(), after);
}

TEST(QtWaitingWidgets, ARowShownBeforeTheFormIsMadeWithTheForm) {
    const std::unique_ptr<QtHost> host = MakeTestHost();
    QWidget form;
    form.resize(400, 300);
    auto* calendar = new QvCalendarWidget(&form, host.get(), "QvCalendar1");
    SiteOf(*calendar).Move(150, 150, 4200, 3000);
    calendar->setCalShowDropdownMonth(true);
    EXPECT_TRUE(QtWidgetFactory::Node(MonthList(SiteOf(*calendar))).WindowPending()) << "nothing is on screen yet";
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget* list = QtWidgetFactory::Node(MonthList(SiteOf(*calendar))).Window();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(static_cast<QComboBox*>(list)->currentText(), "June");
}

TEST_F(QtCalendarTest, FocusGivenToAWaitingYearBoxMakesItsWidget) {
    QtTextBox& year = YearBox(Site());
    ASSERT_TRUE(Node("txtYear").WindowPending());
    year.SetFocus();
    EXPECT_FALSE(Node("txtYear").WindowPending());
    EXPECT_NE(Node("txtYear").Window(), nullptr);
}

// ---- A waiting widget answers as the made one does ----

TEST_F(QtCalendarTest, ATextBoxInsideAPlainQtWidgetIsMadeAtOnce) {
    CheckBox& box = Site().Factory().CreateCheckBox(nullptr, "chkOuter", -1);
    TextBox& inner = Site().Factory().CreateTextBox(&box, "txtInner");
    QWidget* made = QtWidgetFactory::Node(inner).Window();
    ASSERT_NE(made, nullptr) << "there is no layer to wait on";
    EXPECT_EQ(made->parentWidget(), QtWidgetFactory::Node(box).Window());
}

// One list or text box made at once (its widget asked for) and one left waiting, in a control
// whose form is not on screen, so that the second keeps waiting.
class QtWaitingWidgetsTest : public testing::Test {
protected:
    QtWaitingWidgetsTest() : calendar_(&form_, &host_) {}
    QtWidgetFactory& Factory() { return SiteOf(calendar_).Factory(); }

    QtHost host_;
    QWidget form_;
    QvCalendarWidget calendar_;
};

struct ListStep {
    const char* name;
    std::function<void(DropDownList&)> act;
};

TEST_F(QtWaitingWidgetsTest, AListAnswersAndClicksTheSameMadeOrWaiting) {
    const std::vector<ListStep> steps = {
        {"add two", [](DropDownList& l) { l.AddItem("a"), l.AddItem("b"); }},
        {"choose 1", [](DropDownList& l) { l.SetListIndex(1); }},
        {"choose 1 again", [](DropDownList& l) { l.SetListIndex(1); }},
        {"add one more", [](DropDownList& l) { l.AddItem("c"); }},
        {"choose none", [](DropDownList& l) { l.SetListIndex(-1); }},
        {"choose 2", [](DropDownList& l) { l.SetListIndex(2); }},
        {"clear", [](DropDownList& l) { l.Clear(); }},
        {"add after clear", [](DropDownList& l) { l.AddItem("d"); }},
        {"choose 0", [](DropDownList& l) { l.SetListIndex(0); }},
    };
    QtDropDownList& made = static_cast<QtDropDownList&>(Factory().CreateDropDownList(nullptr, "lstMade"));
    QtDropDownList& waiting = static_cast<QtDropDownList&>(Factory().CreateDropDownList(nullptr, "lstWaiting"));
    made.Combo();
    ASSERT_TRUE(waiting.WindowPending());
    int madeClicks = 0, waitingClicks = 0;
    made.Events().Click = [&] { ++madeClicks; };
    waiting.Events().Click = [&] { ++waitingClicks; };
    for (const ListStep& step : steps) {
        step.act(made);
        step.act(waiting);
        EXPECT_EQ(waiting.ListIndex(), made.ListIndex()) << step.name;
        EXPECT_EQ(waiting.ListCount(), made.ListCount()) << step.name;
        EXPECT_EQ(waitingClicks, madeClicks) << step.name;
        EXPECT_EQ(made.Combo().currentIndex(), made.ListIndex()) << step.name;
    }
    EXPECT_THROW(waiting.SetListIndex(1), ControlError);
    EXPECT_THROW(waiting.List(1), ControlError);
    EXPECT_EQ(waiting.Combo().currentText(), "d") << "the widget made last shows the kept choice";
    EXPECT_EQ(waiting.Combo().count(), 1);
    EXPECT_EQ(waitingClicks, madeClicks) << "making the widget is no choice";
}

struct TextStep {
    const char* name;
    std::function<void(TextBox&)> act;
};

TEST_F(QtWaitingWidgetsTest, ATextBoxAnswersAndReportsChangesTheSameMadeOrWaiting) {
    const std::vector<TextStep> steps = {
        {"text", [](TextBox& t) { t.SetText("1997"); }},
        {"same text", [](TextBox& t) { t.SetText("1997"); }},
        {"cursor inside", [](TextBox& t) { t.SetSelStart(2); }},
        {"select to the end", [](TextBox& t) { t.SetSelLength(9); }},
        {"shorter text keeps the cursor", [](TextBox& t) { t.SetText("12"); }},
        {"cursor past the end", [](TextBox& t) { t.SetSelStart(40); }},
        {"cursor before the start", [](TextBox& t) { t.SetSelStart(-3); }},
        {"select two", [](TextBox& t) { t.SetSelLength(2); }},
        {"select none", [](TextBox& t) { t.SetSelLength(0); }},
        {"limit below the text", [](TextBox& t) { t.SetMaxLength(1); }},
        {"longer text than the limit", [](TextBox& t) { t.SetText("2468"); }},
        {"text that differs past the limit", [](TextBox& t) { t.SetText("2999"); }},
        {"no limit", [](TextBox& t) { t.SetMaxLength(0); }},
        {"negative limit", [](TextBox& t) { t.SetMaxLength(-5); }},
        {"select all", [](TextBox& t) { t.SetSelStart(0), t.SetSelLength(4); }},
        {"a shorter text over a selection", [](TextBox& t) { t.SetText("5"); }},
        {"empty", [](TextBox& t) { t.SetText(""); }},
    };
    QtTextBox& made = static_cast<QtTextBox&>(Factory().CreateTextBox(nullptr, "txtMade"));
    QtTextBox& waiting = static_cast<QtTextBox&>(Factory().CreateTextBox(nullptr, "txtWaiting"));
    made.Edit();
    ASSERT_TRUE(waiting.WindowPending());
    // What a Change handler sees: the text, the cursor and the selection.
    auto seen = [](TextBox& box) {
        return box.Text() + " at " + std::to_string(box.SelStart()) + "+" + std::to_string(box.SelLength());
    };
    std::vector<std::string> madeChanges, waitingChanges;
    made.Events().Change = [&] { madeChanges.push_back(seen(made)); };
    waiting.Events().Change = [&] { waitingChanges.push_back(seen(waiting)); };
    for (const TextStep& step : steps) {
        step.act(made);
        step.act(waiting);
        EXPECT_EQ(waiting.Text(), made.Text()) << step.name;
        EXPECT_EQ(waiting.MaxLength(), made.MaxLength()) << step.name;
        EXPECT_EQ(waiting.SelStart(), made.SelStart()) << step.name;
        EXPECT_EQ(waiting.SelLength(), made.SelLength()) << step.name;
        EXPECT_EQ(waitingChanges, madeChanges) << step.name;
    }
    waiting.SetText("2026");
    waiting.SetSelStart(1);
    waiting.SetSelLength(2);
    waiting.SetMaxLength(3);
    waiting.SetText("20");
    waiting.SetSelStart(1);
    waiting.SetSelLength(1);
    const std::vector<std::string> before = waitingChanges;
    QLineEdit& edit = waiting.Edit();
    EXPECT_EQ(edit.text(), "20");
    EXPECT_EQ(edit.maxLength(), 3);
    EXPECT_EQ(edit.selectionStart(), 1);
    EXPECT_EQ(edit.selectedText(), "0");
    EXPECT_EQ(waiting.SelStart(), 1);
    EXPECT_EQ(waiting.SelLength(), 1);
    EXPECT_EQ(waitingChanges, before) << "making the widget changes no text";
}

TEST_F(QtWaitingWidgetsTest, AFontSetBackToTheDefaultIsTheDefaultFontMadeOrWaiting) {
    FontObject bold;
    bold.name = "Arial";
    bold.bold = true;
    QtTextBox& madeBox = static_cast<QtTextBox&>(Factory().CreateTextBox(nullptr, "txtMade"));
    QtTextBox& waitingBox = static_cast<QtTextBox&>(Factory().CreateTextBox(nullptr, "txtWaiting"));
    QtDropDownList& madeList = static_cast<QtDropDownList&>(Factory().CreateDropDownList(nullptr, "lstMade"));
    QtDropDownList& waitingList = static_cast<QtDropDownList&>(Factory().CreateDropDownList(nullptr, "lstWaiting"));
    madeBox.Edit();
    madeList.Combo();
    auto setAndTakeBack = [&bold](auto& widget) {
        widget.SetFont(bold);
        widget.SetFont(FontObject());
    };
    setAndTakeBack(madeBox);
    setAndTakeBack(waitingBox);
    setAndTakeBack(madeList);
    setAndTakeBack(waitingList);
    EXPECT_EQ(waitingBox.Edit().font(), madeBox.Edit().font());
    EXPECT_EQ(waitingList.Combo().font(), madeList.Combo().font());
    EXPECT_FALSE(madeBox.Edit().font().bold());
}

}  // namespace
}  // namespace VemoCalendar
