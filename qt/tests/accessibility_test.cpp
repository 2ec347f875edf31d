// What a screen reader finds through QAccessible: the calendar's table of days, its arrows and
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
    QAccessibleInterface& Table() const {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&Surface());
        EXPECT_NE(table, nullptr);
        return *table;
    }
};

// 10 June 1997, today: 1 June is a Sunday, so cell 1 shows it and cell 10 the selected day.
TEST_F(QtAccessibleCalendarTest, TheDaysAreATableOfCellsNamedWithTheirFullDate) {
    QAccessibleInterface& table = Table();
    EXPECT_EQ(table.role(), QAccessible::Table);
    EXPECT_EQ(table.text(QAccessible::Name), "Calendar");
    QAccessibleTableInterface* grid = table.tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->columnCount(), 7);

    struct Case {
        int row, column;
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
        QAccessibleInterface* cell = grid->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name), c.name);
        EXPECT_EQ(cell->text(QAccessible::Description), c.description);
        EXPECT_EQ(cell->state().selected, c.selected);
        EXPECT_TRUE(cell->state().focusable);
        EXPECT_FALSE(cell->state().focused) << "the grid does not have the keyboard yet";
        EXPECT_EQ(cell->parent(), &table);
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.column);
    }
    const auto headers = ChildrenOf(table, QAccessible::ColumnHeader);
    EXPECT_EQ(Names(headers), (QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
    EXPECT_EQ(grid->cellAt(2, 3)->tableCellInterface()->columnHeaderCells().value(0), headers[3]);
    EXPECT_EQ(grid->selectedCells(), QList<QAccessibleInterface*>{grid->cellAt(1, 2)});
}

TEST_F(QtAccessibleCalendarTest, FirstDayMondayMovesTheHeadersAndThePreviousMonthDays) {
    SiteOf(*calendar_).GetControl().SetProperty("calFirstDayofWeek", Variant(int16_t{2}));
    QAccessibleTableInterface* grid = Table().tableInterface();
    EXPECT_EQ(Names(ChildrenOf(Table(), QAccessible::ColumnHeader)).value(0), "Monday");
    EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Name), "Monday, 26 May 1997");
    EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Description), "previous month");
}

TEST_F(QtAccessibleCalendarTest, ArrowsAreButtonsThatPressAndTitlesAreStaticText) {
    QAccessibleInterface& table = Table();
    const auto arrows = ChildrenOf(table, QAccessible::Button);
    ASSERT_EQ(Names(arrows), (QStringList{"Previous year", "Previous month", "Next month", "Next year"}));
    for (QAccessibleInterface* arrow : arrows)
        EXPECT_EQ(arrow->text(QAccessible::Description), "Tab moves to the next arrow; Shift+Tab or Ctrl+Tab leaves them");
    QAccessibleActionInterface* press = arrows[2]->actionInterface();
    ASSERT_NE(press, nullptr);
    EXPECT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 10));
    EXPECT_EQ(events_.back(), "Click");
    const QStringList texts = Names(ChildrenOf(table, QAccessible::StaticText));
    EXPECT_TRUE(texts.contains("July 1997")) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains("Calendar")) << "the title bar";
    EXPECT_EQ(table.tableInterface()->cellAt(1, 4)->text(QAccessible::Name), "Thursday, 10 July 1997");
}

TEST_F(QtAccessibleCalendarTest, TheMonthListAndYearBoxArePresentOnlyWhileShown) {
    auto countRealChildren = [this] {
        int real = 0;
        for (int i = 0; i < Table().childCount(); ++i) real += Table().child(i)->object() ? 1 : 0;
        return real;
    };
    EXPECT_EQ(countRealChildren(), 0);
    calendar_->setCalShowDropdownMonth(true);
    QApplication::processEvents();
    EXPECT_EQ(countRealChildren(), 2);
    EXPECT_EQ(ChildrenOf(Table(), QAccessible::ComboBox).size(), 1u);
    calendar_->setCalShowDropdownMonth(false);
    EXPECT_EQ(countRealChildren(), 0);
}

TEST_F(QtAccessibleCalendarTest, AKeyStepMovesFocusAndSelectionWithItsEvents) {
    Table();  // a screen reader has looked at the calendar
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Site().Get<Panel>("pnlCalNum", 10).SetFocus();
    QAccessibleInterface* selected = Table().tableInterface()->cellAt(1, 2);
    EXPECT_TRUE(selected->state().focused);
    EXPECT_EQ(Table().focusChild(), selected);
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

TEST_F(QtAccessibleCalendarTest, DisabledCalendarsDaysSayDisabled) {
    SiteOf(*calendar_).GetControl().SetProperty("Enabled", Variant(false));
    EXPECT_TRUE(Table().tableInterface()->cellAt(2, 2)->state().disabled);
}

// ---- The drop-down button ----

using QtAccessibleButtonTest = QtCalButtonTest;

TEST_F(QtAccessibleButtonTest, TheButtonIsADropDownThatOpensItsCalendarTable) {
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(&ButtonSurface());
    ASSERT_NE(surface, nullptr);
    const auto buttons = ChildrenOf(*surface, QAccessible::ButtonDropDown);
    ASSERT_EQ(buttons.size(), 1u);
    QAccessibleInterface* button = buttons[0];
    EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(button->state().collapsed);
    EXPECT_EQ(ChildrenOf(*surface, QAccessible::Table).size(), 0u) << "the closed pop-up is not in the tree";
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    EXPECT_TRUE(button->state().expanded);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&CalendarPicture());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleInterface* day = table->tableInterface()->cellAt(1, 2);
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
