// What a screen reader finds through QAccessible: the calendar's list of days, its arrows and
// titles, the events a key step sends; the drop-down button and its pop-up.
#include <QAccessible>

#include "QtCalButtonFixture.h"
#include "QtCalendarFixture.h"
#include "qt/accessibility/QtAccessible.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

struct Heard {
    QAccessible::Event type;
    QString name;
    bool focused;
};
std::vector<Heard>& HeardEvents() {
    static std::vector<Heard> heard;
    return heard;
}
void Listen(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface && event->child() >= 0) iface = iface->child(event->child());
    HeardEvents().push_back({event->type(), iface ? iface->text(QAccessible::Name) : QString(), iface && iface->state().focused});
}

std::vector<QAccessibleInterface*> ChildrenOf(QAccessibleInterface& parent, QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < parent.childCount(); ++i)
        if (QAccessibleInterface* child = parent.child(i); child && child->role() == role) found.push_back(child);
    return found;
}
QStringList Names(const std::vector<QAccessibleInterface*>& items) {
    QStringList names;
    for (auto* item : items) names << item->text(QAccessible::Name);
    return names;
}

class QtAccessibleCalendarTest : public QtCalendarTest {
protected:
    void SetUp() override {
        QtCalendarTest::SetUp();
        host_->SetLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        SetQtAccessibleEventSpy([](QAccessibleEvent& event) { Listen(&event); });
        HeardEvents().clear();
    }
    void TearDown() override {
        SetQtAccessibleEventSpy({});
        QtCalendarTest::TearDown();
    }
    QAccessibleInterface& Days() const {
        QAccessibleInterface* days = QAccessible::queryAccessibleInterface(&Surface());
        EXPECT_NE(days, nullptr);
        return *days;
    }
    // The day shown in a week of the grid (0..5) and a column (0..6).
    QAccessibleInterface* Day(int week, int column) const {
        return ChildrenOf(Days(), QAccessible::ListItem).at(static_cast<size_t>(week * 7 + column));
    }
};

// 10 June 1997, today: 1 June is a Sunday, so cell 1 shows it and cell 10 the selected day.
// Not a table: a reader reads a table's whole row, seven full dates, at each move to another week.
TEST_F(QtAccessibleCalendarTest, TheDaysAreAListOfItemsNamedWithTheirFullDate) {
    QAccessibleInterface& days = Days();
    EXPECT_EQ(days.role(), QAccessible::List);
    EXPECT_EQ(days.text(QAccessible::Name), "Calendar");
    EXPECT_EQ(days.tableInterface(), nullptr);
    EXPECT_EQ(ChildrenOf(days, QAccessible::ListItem).size(), 42u);

    struct Case {
        int week, column;
        const char* name;
        const char* description;
        bool selected;
    };
    const Case cases[] = {
        {1, 2, "Tuesday, 10 June 1997", "today", true},
        {0, 0, "Sunday, 1 June 1997", "weekend", false},
        {0, 1, "Monday, 2 June 1997", "", false},
        {4, 1, "Monday, 30 June 1997", "", false},
        {4, 2, "Tuesday, 1 July 1997", "next month", false},
        {5, 6, "Saturday, 12 July 1997", "next month", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* cell = Day(c.week, c.column);
        EXPECT_EQ(cell->text(QAccessible::Name), c.name);
        EXPECT_EQ(cell->text(QAccessible::Description), c.description);
        EXPECT_EQ(cell->state().selected, c.selected);
        EXPECT_TRUE(cell->state().focusable);
        EXPECT_FALSE(cell->state().focused) << "the grid does not have the keyboard yet";
        EXPECT_EQ(cell->parent(), &days);
    }
    const auto headers = ChildrenOf(days, QAccessible::ColumnHeader);
    EXPECT_EQ(Names(headers), (QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
}

TEST_F(QtAccessibleCalendarTest, FirstDayMondayMovesTheHeadersAndThePreviousMonthDays) {
    SiteOf(*calendar_).GetControl().SetProperty("calFirstDayofWeek", Variant(int16_t{2}));
    EXPECT_EQ(Names(ChildrenOf(Days(), QAccessible::ColumnHeader)).value(0), "Monday");
    EXPECT_EQ(Day(0, 0)->text(QAccessible::Name), "Monday, 26 May 1997");
    EXPECT_EQ(Day(0, 0)->text(QAccessible::Description), "previous month");
}

TEST_F(QtAccessibleCalendarTest, ArrowsAreButtonsThatPressAndTitlesAreStaticText) {
    QAccessibleInterface& days = Days();
    const auto arrows = ChildrenOf(days, QAccessible::Button);
    ASSERT_EQ(Names(arrows), (QStringList{"Previous year", "Previous month", "Next month", "Next year"}));
    for (QAccessibleInterface* arrow : arrows)
        EXPECT_EQ(arrow->text(QAccessible::Description), "Tab moves to the next arrow; Shift+Tab or Ctrl+Tab leaves them");
    QAccessibleActionInterface* press = arrows[2]->actionInterface();
    ASSERT_NE(press, nullptr);
    EXPECT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 10));
    EXPECT_EQ(events_.back(), "Click");
    const QStringList texts = Names(ChildrenOf(days, QAccessible::StaticText));
    EXPECT_TRUE(texts.contains("July 1997")) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains("Calendar")) << "the title bar";
    EXPECT_EQ(Day(1, 4)->text(QAccessible::Name), "Thursday, 10 July 1997");
}

TEST_F(QtAccessibleCalendarTest, TheMonthListAndYearBoxArePresentOnlyWhileShown) {
    auto countRealChildren = [this] {
        int real = 0;
        for (int i = 0; i < Days().childCount(); ++i) real += Days().child(i)->object() ? 1 : 0;
        return real;
    };
    EXPECT_EQ(countRealChildren(), 0);
    calendar_->setCalShowDropdownMonth(true);
    QApplication::processEvents();
    EXPECT_EQ(countRealChildren(), 2);
    EXPECT_EQ(ChildrenOf(Days(), QAccessible::ComboBox).size(), 1u);
    calendar_->setCalShowDropdownMonth(false);
    EXPECT_EQ(countRealChildren(), 0);
}

TEST_F(QtAccessibleCalendarTest, AKeyStepMovesFocusAndSelectionWithItsEvents) {
    Days();  // a screen reader has looked at the calendar
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Site().Get<Panel>("pnlCalNum", 10).SetFocus();
    QAccessibleInterface* selected = Day(1, 2);
    EXPECT_TRUE(selected->state().focused);
    EXPECT_EQ(Days().focusChild(), selected);
    HeardEvents().clear();
    QTest::keyClick(&Surface(), Qt::Key_Right);
    QApplication::processEvents();  // the focus is announced once the key's work is done
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 6, 11));
    bool focus = false, selection = false, unselected = false;
    for (const Heard& h : HeardEvents()) {
        if (h.type == QAccessible::Focus && h.name == "Wednesday, 11 June 1997") focus = h.focused;
        if (h.type == QAccessible::Selection && h.name == "Wednesday, 11 June 1997") selection = true;
        if (h.type == QAccessible::StateChanged && h.name == "Tuesday, 10 June 1997") unselected = true;
    }
    EXPECT_TRUE(focus) << "the focus event names the new day, which reports itself focused";
    EXPECT_TRUE(selection);
    EXPECT_TRUE(unselected) << "the day that lost the selection says so";
    EXPECT_FALSE(selected->state().selected);
    EXPECT_FALSE(selected->state().focused);
}

// The focus stays on a pressed arrow, so the date it selected is heard from a notice shown for a
// moment, at every press (February and March 1998 put the 10th in the same cell); a day key's date
// is heard through its focus event alone.
TEST_F(QtAccessibleCalendarTest, EachArrowPressIsAnnouncedOnceWhileTheFocusStaysOnTheArrow) {
    calendar_->setCalValue(QDate(1998, 1, 10));
    Days();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    const auto notices = [] {
        QStringList shown;
        for (const Heard& h : HeardEvents())
            if (h.type == QAccessible::ObjectShow) shown << h.name;
        return shown;
    };
    Site().Get<CommandButton>("cmdButton", 2).SetFocus();
    HeardEvents().clear();
    QTest::keyClick(&Surface(), Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_EQ(notices(), QStringList{"Tuesday, 10 February 1998"});
    const auto shown = ChildrenOf(Days(), QAccessible::Notification);
    ASSERT_EQ(shown.size(), 1u) << "the notice is in the tree while it is shown";
    EXPECT_FALSE(shown[0]->state().invisible);
    EXPECT_EQ(Days().focusChild()->text(QAccessible::Name), "Next month");
    HeardEvents().clear();
    QTest::keyClick(&Surface(), Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_EQ(notices(), QStringList{"Tuesday, 10 March 1998"});

    Site().Get<Panel>("pnlCalNum", 10).SetFocus();
    HeardEvents().clear();
    QTest::keyClick(&Surface(), Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_EQ(calendar_->calValue(), QDate(1998, 3, 11));
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(QtAccessibleCalendarTest, DisabledCalendarsDaysSayDisabled) {
    SiteOf(*calendar_).GetControl().SetProperty("Enabled", Variant(false));
    EXPECT_TRUE(Day(2, 2)->state().disabled);
}

// ---- The drop-down button ----

using QtAccessibleButtonTest = QtCalButtonTest;

TEST_F(QtAccessibleButtonTest, TheButtonIsADropDownThatOpensItsCalendar) {
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(&ButtonSurface());
    ASSERT_NE(surface, nullptr);
    const auto buttons = ChildrenOf(*surface, QAccessible::ButtonDropDown);
    ASSERT_EQ(buttons.size(), 1u);
    QAccessibleInterface* button = buttons[0];
    EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(button->state().collapsed);
    EXPECT_EQ(ChildrenOf(*surface, QAccessible::List).size(), 0u) << "the closed pop-up is not in the tree";
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    EXPECT_TRUE(button->state().expanded);
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(&CalendarPicture());
    ASSERT_NE(days, nullptr);
    EXPECT_EQ(days->role(), QAccessible::List);
    QAccessibleInterface* day = ChildrenOf(*days, QAccessible::ListItem).at(9);
    EXPECT_EQ(day->text(QAccessible::Name), "Tuesday, June 10, 1997") << "the user's locale, here US English";
    EXPECT_TRUE(day->state().selected);
}

// Qt announces a widget's focus right after delivering its FocusIn; a reader settles on the last
// focus it hears. The painted child's focus must come after the widget's, so it is sent once the
// event loop turns: the button's face at Tab and when the pop-up closes, the selected day once the
// pop-up opens, each with the date it holds.
TEST_F(QtAccessibleButtonTest, FocusIsAnnouncedAfterTheWidgetsOwnOnTheButtonAndOnTheSelectedDay) {
    SetQtAccessibleEventSpy([](QAccessibleEvent& event) { Listen(&event); });
    QAccessible::queryAccessibleInterface(&ButtonSurface());  // a reader has looked at the form
    std::vector<Heard> during;
    const auto key = [&during](Qt::Key k) {
        HeardEvents().clear();
        QTest::keyClick(QApplication::focusWidget(), k);
        during = HeardEvents();
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    };
    const auto lastFocus = [] {
        Heard last{QAccessible::Focus, QString(), false};
        for (const Heard& h : HeardEvents())
            if (h.type == QAccessible::Focus) last = h;
        return last;
    };
    const auto focusedWhileDelivering = [&during] {
        return std::any_of(during.begin(), during.end(), [](const Heard& h) { return h.type == QAccessible::Focus; });
    };
    text2_->setFocus();
    QApplication::processEvents();
    key(Qt::Key_Tab);
    EXPECT_FALSE(focusedWhileDelivering());
    EXPECT_EQ(lastFocus().name, "Date, Tuesday, June 10, 1997");
    EXPECT_TRUE(lastFocus().focused);
    key(Qt::Key_Space);
    ASSERT_TRUE(button_->popupOpen());
    QAccessible::queryAccessibleInterface(&CalendarPicture());
    key(Qt::Key_Right);
    EXPECT_EQ(lastFocus().name, "Wednesday, June 11, 1997");
    key(Qt::Key_Return);
    ASSERT_FALSE(button_->popupOpen());
    EXPECT_FALSE(focusedWhileDelivering());
    EXPECT_EQ(lastFocus().name, "Date, Wednesday, June 11, 1997") << "the date just picked";
    key(Qt::Key_Space);
    key(Qt::Key_Escape);
    EXPECT_EQ(lastFocus().name, "Date, Wednesday, June 11, 1997");
    SetQtAccessibleEventSpy({});
}

}  // namespace
}  // namespace VemoCalendar
