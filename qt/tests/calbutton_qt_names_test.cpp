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
    QSignalSpy maxima(button_, &QvCalButtonWidget::calMaxDateChanged);
    EXPECT_TRUE(button_->setMinimumDate(QDate(1997, 6, 12)));
    EXPECT_EQ(button_->maximumDate(), QDate(1997, 6, 12));
    EXPECT_EQ(maxima.count(), 1) << "the end pulled along is announced";
}

TEST_F(QtCalButtonTest, AReadOnlyButtonKeepsItsPopUpShutAndItsDate) {
    QSignalSpy readOnly(button_, &QvCalButtonWidget::readOnlyChanged);
    QSignalSpy clicks(button_, &QvCalButtonWidget::BtnClick);
    Press();
    ASSERT_TRUE(button_->popupOpen());
    EXPECT_TRUE(button_->setReadOnly(true));
    EXPECT_FALSE(button_->popupOpen()) << "setting it closes an open pop-up";
    Press();
    EXPECT_FALSE(button_->popupOpen());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(readOnly.count(), 1);
    EXPECT_TRUE(button_->setDate(QDate(2001, 2, 3))) << "code still sets the date";
    EXPECT_TRUE(button_->property("ReadOnly").toBool());
}

// A locale set on the button (or reaching it from its form) names the pop-up's months and days.
TEST_F(QtCalButtonTest, TheButtonsLocaleReachesItsPopUp) {
    form_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    Press();
    EXPECT_EQ(CalendarSite().Get<Panel>("pnlText").Caption(), "Juni 1997");
    EXPECT_EQ(CalendarSite().Get<Panel>("pnlCalDay", 3).Caption(), "D") << "Dienstag";
    button_->setLocale(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(CalendarSite().Get<Panel>("pnlText").Caption(), "juin 1997");
}

}  // namespace
}  // namespace VemoCalendar
