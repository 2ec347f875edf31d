// The checked-in form compiled by uic: the generated code builds against the library's headers and
// gives both widgets the values the form holds.
#include <gtest/gtest.h>

#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"
#include "ui_calendarform.h"

namespace VemoCalendar {
namespace {

class UicForm : public ::testing::Test {
protected:
    void SetUp() override { ui_.setupUi(&form_); }
    QWidget form_;
    Ui::VemoForm ui_;
};

TEST_F(UicForm, CalendarHasTheFormsValues) {
    ASSERT_NE(ui_.calendar1, nullptr);
    EXPECT_EQ(ui_.calendar1->parentWidget(), &form_);
    EXPECT_EQ(ui_.calendar1->calValue(), QDate(1997, 6, 10));
    EXPECT_EQ(ui_.calendar1->calMinYear(), 1990);
    EXPECT_EQ(ui_.calendar1->calScrollArrowsPos(), VemocalTop);
    EXPECT_EQ(ui_.calendar1->calCaption(), QStringLiteral("Delivery day"));
    EXPECT_EQ(ui_.calendar1->calSelectedDayBackColor(), QColor(200, 16, 32));
    EXPECT_EQ(ui_.calendar1->geometry(), QRect(10, 10, 280, 200));
}

TEST_F(UicForm, ButtonHasTheFormsValues) {
    ASSERT_NE(ui_.button1, nullptr);
    EXPECT_EQ(ui_.button1->Caption(), QStringLiteral("Pick"));
    EXPECT_EQ(ui_.button1->AutoSize(), VemobtnPictureToButton);
    EXPECT_EQ(ui_.button1->calDayTitle(), VemocalDayLong);
}

}  // namespace
}  // namespace VemoCalendar
