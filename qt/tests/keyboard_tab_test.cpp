// The controls used with the keyboard alone, as a Qt form delivers it: Tab, Shift+Tab (also as
// Backtab) and Ctrl+Tab between a form's text boxes and the controls, the day keys, Enter.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "QtCalButtonFixture.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
}

// A form with a text box, a calendar on 10 June 1997 (its selected day is cell 10) and a second
// text box, made in that order, so Qt's focus chain runs Before, the calendar, After.
class QtKeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        host_ = MakeTestHost();
        form_ = std::make_unique<QWidget>();
        form_->resize(500, 300);
        before_ = new QLineEdit(form_.get());
        before_->setObjectName("Before");
        before_->setGeometry(5, 5, 60, 22);
        calendar_ = new QvCalendarWidget(form_.get(), host_.get(), "QvCalendar1");
        SiteOf(*calendar_).Move(1200, 150, 4200, 3000);
        after_ = new QLineEdit(form_.get());
        after_->setObjectName("After");
        after_->setGeometry(400, 5, 60, 22);
        QObject::connect(calendar_, &QvCalendarWidget::EventRaised, calendar_,
                         [this](const QString& name, const QVariantList&) { events_.push_back(name.toStdString()); });
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        before_->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        form_.reset();
        host_.reset();
    }
    Widget* W(const std::string& name, int index = -1) const { return SiteOf(*calendar_).Factory().Find(name, index); }
    Widget* Active() const { return SiteOf(*calendar_).ActiveChild(); }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    std::unique_ptr<QtHost> host_;
    std::unique_ptr<QWidget> form_;
    QLineEdit* before_ = nullptr;
    QLineEdit* after_ = nullptr;
    QvCalendarWidget* calendar_ = nullptr;
    std::vector<std::string> events_;
};

TEST_F(QtKeyboardTest, TabInPickADayOfAnotherMonthAndLeaveBothWays) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("pnlCalNum", 10)) << "Tab from the text box lands on the selected day";
    Key(Qt::Key_PageDown);
    Key(Qt::Key_Right);
    events_.clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 11));
    EXPECT_EQ(events_, (std::vector<std::string>{"KeyDown", "Click", "KeyPress", "KeyUp"}));
    // 1 July 1997 is a Tuesday: 11 July stands in cell 13, which now holds the keyboard.
    EXPECT_EQ(Active(), W("pnlCalNum", 13));

    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before_) << "Shift+Tab goes back out of the calendar";
    EXPECT_EQ(host_->FocusedSite(), nullptr);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("pnlCalNum", 13)) << "the stop follows the selected day";
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), after_) << "Ctrl+Tab leaves the calendar forwards";
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 11));
}

// A program that focuses the calendar from code reaches its day grid, as with QCalendarWidget.
TEST_F(QtKeyboardTest, SetFocusFromCodeLeadsTheKeysToTheSelectedDay) {
    calendar_->setFocus();
    Settle();
    EXPECT_EQ(Active(), W("pnlCalNum", 10));
    Key(Qt::Key_Right);
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 6, 11));
    EXPECT_TRUE(calendar_->hasFocus() || calendar_->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(QtKeyboardTest, ArrowsKeepTheirTabButShiftAndCtrlTabMoveOn) {
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("cmdButton", 0)) << "the month row is hidden: the arrows come next";
    events_.clear();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("cmdButton", 1)) << "Tab on an arrow is the arrow's own key";
    EXPECT_EQ(events_, (std::vector<std::string>{"KeyDown", "KeyPress", "KeyUp"}));
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Active(), W("cmdButton", 0));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Active(), W("pnlCalNum", 10));
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before_) << "Ctrl+Shift+Tab leaves backwards";
    calendar_->setCalValue(QDate(1997, 6, 12));
    EXPECT_EQ(events_.back(), "ValueChanged") << "no key reached the calendar after the focus left";
}

TEST_F(QtKeyboardTest, ShiftTabFromAfterArrivesAtTheLastStopWhateverQtPicks) {
    // With the month row shown Qt's own Backtab would stop at the year box first.
    for (bool monthRow : {false, true}) {
        SCOPED_TRACE(monthRow ? "month row shown" : "month row hidden");
        calendar_->setCalShowDropdownMonth(monthRow);
        Settle();
        after_->setFocus();
        QApplication::processEvents();
        Key(Qt::Key_Backtab);
        EXPECT_EQ(Active(), W("cmdButton", 3));
    }
}

TEST_F(QtKeyboardTest, TheMonthListAndYearBoxAreStopsWhenShownAndTheYearBoxKeepsItsTab) {
    calendar_->setCalShowDropdownMonth(true);
    Settle();
    Key(Qt::Key_Tab);
    ASSERT_EQ(Active(), W("pnlCalNum", 10));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("cbxMonth"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("txtYear"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active(), W("cbxMonth")) << "the year box's Tab goes to the month list";
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Active(), W("pnlCalNum", 10));
}

TEST_F(QtKeyboardTest, TheFocusedDayShowsAFocusRectangleOnlyWhileTheGridHasTheKeyboard) {
    QtNode& cell = QtWidgetFactory::Node(*W("pnlCalNum", 10));
    QWidget& picture = *QtWidgetFactory::Node(*W("Picture1")).Window();
    // The line just inside the bevel, where the dotted rectangle runs.
    auto lineInside = [&] {
        const QImage image = picture.grab().toImage();
        const QRect r = cell.PixelRect();
        std::vector<QRgb> line;
        for (int x = r.left() + 3; x < r.right() - 3; ++x) line.push_back(image.pixel(x, r.top() + 2));
        return line;
    };
    const auto unfocused = lineInside();
    Key(Qt::Key_Tab);
    ASSERT_EQ(Active(), W("pnlCalNum", 10));
    const auto focused = lineInside();
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    const auto left = lineInside();
    EXPECT_NE(focused, unfocused);
    EXPECT_EQ(left, unfocused);
    const auto distinct = std::count_if(focused.begin(), focused.end(), [&](QRgb p) { return p != focused.front(); });
    EXPECT_GT(distinct, 0) << "a dotted line alternates two colours";
}

// ---- The drop-down button ----

using QtButtonKeyboardTest = QtCalButtonTest;

TEST_F(QtButtonKeyboardTest, PressPickWithArrowsEnterClosesThenLeave) {
    text2_->setFocus();
    QApplication::processEvents();
    Key(Qt::Key_Tab);
    EXPECT_EQ(host_->FocusedWidget(), static_cast<Widget*>(&Site().Get<CommandButton>("SSCommand1")));
    Key(Qt::Key_Space);
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    EXPECT_EQ(host_->FocusedSite(), &CalendarSite());
    Key(Qt::Key_Down);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_Left);
    EXPECT_TRUE(button_->popupOpen()) << "day keys keep the pop-up open";
    Key(Qt::Key_Return);
    Settle();
    EXPECT_FALSE(button_->popupOpen()) << "Enter closes the pop-up";
    EXPECT_EQ(button_->calValue(), QDate(1997, 7, 16));
    EXPECT_EQ(host_->FocusedWidget(), static_cast<Widget*>(&Site().Get<CommandButton>("SSCommand1")));

    Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), text2_);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), text1_) << "Ctrl+Tab leaves the button, round to the first text box";
}

TEST_F(QtButtonKeyboardTest, SetFocusFromCodeLetsSpacePressTheButton) {
    button_->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(host_->FocusedWidget(), static_cast<Widget*>(&Site().Get<CommandButton>("SSCommand1")));
    Key(Qt::Key_Space);
    Settle();
    EXPECT_TRUE(button_->popupOpen());
}

TEST_F(QtButtonKeyboardTest, CtrlTabFromTheOpenPopUpLeavesTheWholeButtonAndClosesIt) {
    text2_->setFocus();
    QApplication::processEvents();
    Key(Qt::Key_Tab);
    Key(Qt::Key_Space);
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    Key(Qt::Key_Tab);
    EXPECT_EQ(host_->FocusedSite(), &CalendarSite()) << "a plain Tab stays inside the pop-up";
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), text1_);
    EXPECT_FALSE(button_->popupOpen());
}

}  // namespace
}  // namespace VemoCalendar
