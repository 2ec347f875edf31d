// QDateEdit's names on the drop-down button.
#include <QSignalSpy>

#include "QtCalButtonFixture.h"

namespace VemoCalendar {
namespace {

TEST_F(QtCalButtonTest, CalendarWidgetIsThePopUpAndTheRangeHoldsItsDays) {
    ASSERT_NE(button_->calendarWidget(), nullptr);
    EXPECT_EQ(button_->calendarWidget(), &CalendarSite().Surface());
    Press();
    EXPECT_TRUE(button_->calendarWidget()->isVisible());

    QSignalSpy dates(button_, &QvCalButtonWidget::dateChanged);
    button_->setDate(QDate(1997, 6, 10));
    dates.clear();
    EXPECT_TRUE(button_->setDateRange(QDate(1997, 6, 20), QDate(1997, 6, 5)));
    EXPECT_EQ(button_->minimumDate(), QDate(1997, 6, 5));
    EXPECT_EQ(button_->maximumDate(), QDate(1997, 6, 20));
    EXPECT_EQ(dates.count(), 0);  // 10 June lies inside
    EXPECT_TRUE(button_->setMaximumDate(QDate(1997, 6, 8)));
    EXPECT_EQ(button_->date(), QDate(1997, 6, 8));
    EXPECT_EQ(dates.count(), 1);
    EXPECT_FALSE(button_->setMinimumDate(QDate()));
    EXPECT_EQ(button_->minimumDate(), QDate(1997, 6, 5));
    // The pop-up's days beyond the range are disabled: a click on 9 June picks nothing.
    const int k = CellShowing("9", "Prev");
    QTest::mouseClick(&CalendarPicture(), Qt::LeftButton, {}, CalendarNode("pnlCalNum", k).PixelRect().center());
    EXPECT_EQ(button_->date(), QDate(1997, 6, 8));
    EXPECT_EQ(button_->property("calMaxDate").toDate(), QDate(1997, 6, 8));
}

}  // namespace
}  // namespace VemoCalendar
