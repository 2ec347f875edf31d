// QCalendarWidget's names on the calendar widget, with Qt's semantics.
#include <QAccessible>
#include <QSignalSpy>

#include "QtCalendarFixture.h"

namespace VemoCalendar {
namespace {

TEST_F(QtCalendarTest, DateRangeClampsAsQtDoesAndAnnouncesEachMoveOnce) {
    QSignalSpy selection(calendar_, &QvCalendarWidget::selectionChanged);
    QSignalSpy page(calendar_, &QvCalendarWidget::currentPageChanged);
    QSignalSpy refused(calendar_, &QvCalendarWidget::propertyRefused);
    // Swapped ends are put in order; 10 June 1997 moves to the nearer end, once.
    EXPECT_TRUE(calendar_->setDateRange(QDate(2025, 3, 10), QDate(2025, 1, 15)));
    EXPECT_EQ(calendar_->minimumDate(), QDate(2025, 1, 15));
    EXPECT_EQ(calendar_->maximumDate(), QDate(2025, 3, 10));
    EXPECT_EQ(calendar_->selectedDate(), QDate(2025, 1, 15));
    EXPECT_EQ(selection.count(), 1);
    EXPECT_EQ(page.count(), 1);
    // setSelectedDate outside the range selects its end.
    EXPECT_TRUE(calendar_->setSelectedDate(QDate(2025, 3, 31)));
    EXPECT_EQ(calendar_->selectedDate(), QDate(2025, 3, 10));
    // A minimum after the maximum moves the maximum; a maximum before the minimum the minimum.
    EXPECT_TRUE(calendar_->setMinimumDate(QDate(2025, 4, 2)));
    EXPECT_EQ(calendar_->maximumDate(), QDate(2025, 4, 2));
    EXPECT_EQ(calendar_->selectedDate(), QDate(2025, 4, 2));
    EXPECT_TRUE(calendar_->setMaximumDate(QDate(2025, 2, 1)));
    EXPECT_EQ(calendar_->minimumDate(), QDate(2025, 2, 1));
    EXPECT_EQ(calendar_->selectedDate(), QDate(2025, 2, 1));
    // Null dates are ignored: nothing changes, nothing is emitted.
    selection.clear();
    EXPECT_FALSE(calendar_->setMinimumDate(QDate()));
    EXPECT_FALSE(calendar_->setMaximumDate(QDate()));
    EXPECT_FALSE(calendar_->setDateRange(QDate(), QDate(2030, 1, 1)));
    EXPECT_FALSE(calendar_->setSelectedDate(QDate()));
    EXPECT_EQ(calendar_->minimumDate(), QDate(2025, 2, 1));
    EXPECT_EQ(selection.count(), 0);
    // Beyond the year limits a date is taken at the limit.
    EXPECT_TRUE(calendar_->setMinimumDate(QDate(1200, 5, 5)));
    EXPECT_EQ(calendar_->minimumDate(), QDate(1600, 1, 1));
    EXPECT_EQ(refused.count(), 0);
    // The range is a property of its own, for Designer and .ui files.
    EXPECT_TRUE(calendar_->setProperty("calMaxDate", QDate(2025, 2, 20)));
    EXPECT_EQ(calendar_->property("maximumDate").toDate(), QDate(2025, 2, 20));
}

TEST_F(QtCalendarTest, PageSlotsMoveTheSelectedDateWithThePage) {
    QSignalSpy page(calendar_, &QvCalendarWidget::currentPageChanged);
    QSignalSpy selection(calendar_, &QvCalendarWidget::selectionChanged);
    calendar_->setSelectedDate(QDate(1997, 1, 31));
    page.clear();
    selection.clear();
    calendar_->showNextMonth();
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 2, 28));
    EXPECT_EQ(calendar_->yearShown(), 1997);
    EXPECT_EQ(calendar_->monthShown(), 2);
    ASSERT_EQ(page.count(), 1);
    EXPECT_EQ(page[0][0].toInt(), 1997);
    EXPECT_EQ(page[0][1].toInt(), 2);
    EXPECT_EQ(selection.count(), 1);
    calendar_->showPreviousYear();
    EXPECT_EQ(calendar_->selectedDate(), QDate(1996, 2, 28));
    calendar_->showNextYear();
    calendar_->showPreviousMonth();
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 1, 28));
    calendar_->setCurrentPage(2000, 2);
    EXPECT_EQ(calendar_->selectedDate(), QDate(2000, 2, 28));
    calendar_->setCurrentPage(2000, 13);  // no month: ignored
    calendar_->showToday();               // today is 10 June 1997
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 6, 28));
    // Pages stop at the range's end.
    calendar_->setDateRange(QDate(1997, 6, 1), QDate(1997, 7, 15));
    calendar_->showNextYear();
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 7, 15));
}

TEST_F(QtCalendarTest, FirstDayOfWeekInQtsNumbering) {
    EXPECT_EQ(calendar_->firstDayOfWeek(), Qt::Sunday);
    const struct {
        Qt::DayOfWeek qt;
        enumCALFirstDayofWeek control;
        const char* firstTitle;
    } cases[] = {{Qt::Monday, VemocalMonday, "M"}, {Qt::Saturday, VemocalSaturday, "S"}, {Qt::Sunday, VemocalSunday, "S"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(calendar_->setFirstDayOfWeek(c.qt));
        EXPECT_EQ(calendar_->calFirstDayofWeek(), c.control);
        EXPECT_EQ(calendar_->firstDayOfWeek(), c.qt);
    }
    EXPECT_FALSE(calendar_->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(0)));
}

TEST_F(QtCalendarTest, NoSelectionKeepsTheDateOnAClickAndAQuietLimitEmitsLimitReached) {
    EXPECT_TRUE(calendar_->setProperty("selectionMode", "NoSelection"));
    EXPECT_EQ(calendar_->selectionMode(), QvCalendarWidget::NoSelection);
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, CellRect(CellOf("Curr")).center());
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 6, 10));

    QSignalSpy limit(calendar_, &QvCalendarWidget::limitReached);
    EXPECT_TRUE(calendar_->setCalQuietLimit(true));
    calendar_->setDateRange(QDate(1997, 1, 1), QDate(1997, 6, 10));
    // No modal box: the click returns, and the signal tells which end.
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Node("cmdButton", 2).PixelRect().center());
    ASSERT_EQ(limit.count(), 1);
    EXPECT_TRUE(limit[0][0].toBool());
    EXPECT_EQ(calendar_->selectedDate(), QDate(1997, 6, 10));
}

TEST_F(QtCalendarTest, CellsOutsideTheRangeLookAndReadDisabled) {
    calendar_->setDateRange(QDate(1997, 6, 5), QDate(1997, 6, 20));
    const int before = 4, inside = 5, after = 21;  // 1 June 1997 is a Sunday, in cell 1
    EXPECT_TRUE(calendar_->control().CellOutOfRange(before));
    EXPECT_FALSE(calendar_->control().CellOutOfRange(inside));
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(&Surface());
    ASSERT_NE(days, nullptr);
    const auto day = [days](int k) {
        for (int i = 0, seen = 0; i < days->childCount(); ++i)
            if (days->child(i)->role() == QAccessible::ListItem && ++seen == k) return days->child(i);
        return static_cast<QAccessibleInterface*>(nullptr);
    };
    EXPECT_TRUE(day(before)->state().disabled);
    EXPECT_FALSE(day(inside)->state().disabled);
    EXPECT_TRUE(day(after)->state().disabled);
    // Drawn disabled: the day number is embossed grey, no longer in its black fore colour.
    const QImage image = Render();
    auto darkest = [&](QRect r) {
        int gray = 255;
        for (int y = r.top() + 3; y <= r.bottom() - 3; ++y)
            for (int x = r.left() + 3; x <= r.right() - 3; ++x) gray = std::min(gray, qGray(image.pixel(x, y)));
        return gray;
    };
    EXPECT_GT(darkest(CellRect(before)), 100);
    EXPECT_LT(darkest(CellRect(inside + 1)), 60);
}

TEST_F(QtCalendarTest, ContentsMarginsMoveTheDrawingAndGrowTheHints) {
    const QSize hint = calendar_->sizeHint(), minimum = calendar_->minimumSizeHint();
    const QRect before = Node("Picture1").PixelRect();
    calendar_->setContentsMargins(10, 20, 30, 40);
    EXPECT_EQ(calendar_->sizeHint(), hint + QSize(40, 60));
    EXPECT_EQ(calendar_->minimumSizeHint(), minimum + QSize(40, 60));
    EXPECT_EQ(Node("Picture1").PixelRect(), QRect(before.left() + 10, before.top() + 20, before.width() - 40, before.height() - 60));
    // The drawing surface, and so every cell and its hit test, sits in the contents rectangle.
    EXPECT_EQ(Surface().geometry(), calendar_->contentsRect());
}

}  // namespace
}  // namespace VemoCalendar
