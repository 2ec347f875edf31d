// The calendar driven through real Qt input: mouse clicks, keys, modal boxes.
#include <QMessageBox>
#include <QTimer>

#include "QtCalendarFixture.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

// Runs `action` on the next modal window to appear (a message box or dialog), then closes it.
template <class Action>
void OnNextModal(Action action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(*modal);
        }
    });
    timer->start();
}

QPoint Centre(const QRect& r) { return r.center(); }

TEST_F(QtCalendarTest, MouseClickOnADayRaisesValueChangedThenClick) {
    // 10 June 1997: the cell showing 20 is a plain day of the shown month.
    int k = 0;
    for (int i = 1; i <= 42; ++i)
        if (Site().Get<Panel>("pnlCalNum", i).Caption() == "20" && Site().Get<Panel>("pnlCalNum", i).Tag() != "Prev") k = i;
    ASSERT_GT(k, 0);
    events_.clear();
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(CellRect(k)));
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 6, 20));
    EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown", "MouseUp", "ValueChanged", "Click"}));
    EXPECT_EQ(Site().Get<Panel>("pnlCalNum", k).Tag(), "CurrSelected");
}

TEST_F(QtCalendarTest, ClickOnANeighbouringMonthsDayMovesThereWithItsChangeEvents) {
    const int k = CellOf("Next");
    ASSERT_GT(k, 0);
    const std::string day = Site().Get<Panel>("pnlCalNum", k).Caption();
    events_.clear();
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(CellRect(k)));
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, std::stoi(day)));
    EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown", "MouseUp", "ValueChanged", "MonthChanged", "Click"}));
}

TEST_F(QtCalendarTest, MouseArgumentsArriveInTwipsAndHandlersMayChangeThem) {
    const int k = CellOf("CurrSelected");
    MouseArgs seen;
    QObject::connect(calendar_, &QvCalendarWidget::MouseDown, calendar_, [&seen](MouseArgs& args) {
        seen = args;
        args.button = 4;  // the control sees what the handler leaves
    });
    QVariantList logged;
    QObject::connect(calendar_, &QvCalendarWidget::EventRaised, calendar_, [&logged](const QString& name, const QVariantList& args) {
        if (name == "MouseDown") logged = args;
    });
    QTest::mouseClick(&Surface(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, CellRect(k).topLeft() + QPoint(4, 3));
    EXPECT_EQ(seen.button, 2);
    EXPECT_EQ(seen.shift, 3);
    EXPECT_FLOAT_EQ(seen.x, 60);  // 4 pixels into the cell, 15 twips each
    EXPECT_FLOAT_EQ(seen.y, 45);
    ASSERT_EQ(logged.size(), 4);
    EXPECT_EQ(logged[0].toInt(), 4);
}

TEST_F(QtCalendarTest, NextMonthArrowAtTheYearLimitShowsTheLimitMessage) {
    calendar_->setCalValue(QDate(1997, 12, 5));
    calendar_->setCalMaxYear(1997);
    QString text, title;
    OnNextModal([&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        box->accept();
    });
    events_.clear();
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(Node("cmdButton", 2).PixelRect()));
    EXPECT_EQ(text, "Maximum Calendar Date Setting Reached.");
    EXPECT_EQ(title, "Calendar");
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 12, 5));
    ASSERT_FALSE(events_.empty());
    EXPECT_EQ(events_.back(), "Click");
}

TEST_F(QtCalendarTest, TypingAWordOnTheClickedMonthRowShowsItsGreeting) {
    calendar_->setCalShowDropdownMonth(true);
    calendar_->setCalValue(QDate(1969, 7, 20));
    // The row's own margin, left of the month list.
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Node("pnlMonthYear").PixelRect().topLeft() + QPoint(1, 1));
    EXPECT_EQ(Site().ActiveChild(), Site().Factory().Find("pnlMonthYear"));
    QString title, text;
    OnNextModal([&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    QTest::keyClicks(&Surface(), "MOON");
    EXPECT_EQ(title, "QvCalendar Easter Egg");
    EXPECT_TRUE(text.contains("Today is Sunday, July 20, 1969.")) << text.toStdString();
}

TEST_F(QtCalendarTest, ArrowsStepByMonthAndYearAndSpacePressesTheFocusedOne) {
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(Node("cmdButton", 2).PixelRect()));
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 10));
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(Node("cmdButton", 0).PixelRect()));
    EXPECT_EQ(calendar_->calValue(), QDate(1996, 7, 10));
    EXPECT_EQ(Site().Get<Panel>("pnlText").Caption(), "July 1996");
    // The arrow clicked last has the keyboard: Space presses it again.
    QTest::keyClick(&Surface(), Qt::Key_Space);
    EXPECT_EQ(calendar_->calValue(), QDate(1995, 7, 10));
}

TEST_F(QtCalendarTest, PressReleasedOutsideTheArrowDoesNotStep) {
    const QRect arrow = Node("cmdButton", 3).PixelRect();
    QTest::mousePress(&Surface(), Qt::LeftButton, {}, arrow.center());
    EXPECT_TRUE(static_cast<QtCommandButton&>(Node("cmdButton", 3)).Pressed());
    QMouseEvent move(QEvent::MouseMove, QPointF(arrow.center().x(), arrow.top() - 30), Surface().mapToGlobal(QPointF(arrow.center().x(), arrow.top() - 30)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Surface(), &move);
    EXPECT_FALSE(static_cast<QtCommandButton&>(Node("cmdButton", 3)).Pressed());
    QTest::mouseRelease(&Surface(), Qt::LeftButton, {}, QPoint(arrow.center().x(), arrow.top() - 30));
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 6, 10));
}

TEST_F(QtCalendarTest, YearBoxTakesDigitsOnlyButTheHostHearsEveryKey) {
    calendar_->setCalShowDropdownMonth(true);
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    auto& year = static_cast<QtTextBox&>(Node("txtYear"));
    std::vector<int> keys;
    QObject::connect(calendar_, &QvCalendarWidget::KeyPress, calendar_, [&keys](KeyPressArgs& args) { keys.push_back(args.keyAscii); });
    year.SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(year.SelLength(), 4) << "getting the focus selects the whole year";
    QTest::keyClicks(&year.Edit(), "ab");
    EXPECT_EQ(year.Text(), "1997");
    QTest::keyClicks(&year.Edit(), "2003");
    EXPECT_EQ(year.Text(), "2003");
    QTest::keyClick(&year.Edit(), Qt::Key_Return);
    EXPECT_EQ(calendar_->calValue(), QDate(2003, 6, 10));
    EXPECT_EQ(keys, (std::vector<int>{'a', 'b', '2', '0', '0', '3', 13}));
}

TEST_F(QtCalendarTest, ChoosingAMonthInTheListMovesTheCalendar) {
    calendar_->setCalShowDropdownMonth(true);
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    auto& list = static_cast<QtDropDownList&>(Node("cbxMonth"));
    EXPECT_EQ(list.Combo().currentText(), "June");
    list.Combo().setFocus();
    QApplication::processEvents();
    events_.clear();
    QTest::keyClick(&list.Combo(), Qt::Key_Down);  // the user picks the next month
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 10));
    EXPECT_EQ(events_, (std::vector<std::string>{"ValueChanged", "MonthChanged", "Click"}));
}

TEST_F(QtCalendarTest, PressOnTheTitleBarShowsTheAboutBox) {
    QString caption, version;
    OnNextModal([&](QWidget& modal) {
        caption = modal.windowTitle();
        auto* about = host_->About().LoadedDialog();
        ASSERT_NE(about, nullptr);
        version = QString::fromStdString(static_cast<QtDialog*>(about)->Factory().Get<Label>("lblVersion").Caption());
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    events_.clear();
    QTest::mousePress(&Surface(), Qt::LeftButton, {}, Centre(Node("pnlTitleBar1").PixelRect()));
    QTest::mouseRelease(&Surface(), Qt::LeftButton, {}, Centre(Node("pnlTitleBar1").PixelRect()));
    EXPECT_EQ(caption, "About VemoCalendar");
    EXPECT_EQ(version, "version 2.1.0");
    EXPECT_FALSE(host_->About().IsVisible());
    EXPECT_EQ(std::count(events_.begin(), events_.end(), "MouseDown"), 0) << "the title bar raises no MouseDown";
}

TEST_F(QtCalendarTest, PopUpCallsReparentOntoTheFormAndConvertToScreenPixels) {
    auto* panel = new QWidget(form_.get());
    panel->setGeometry(50, 40, 200, 150);
    panel->show();
    calendar_->setParent(panel);
    calendar_->show();
    ASSERT_EQ(calendar_->parentWidget(), panel);
    auto* sibling = new QWidget(form_.get());
    sibling->show();

    const intptr_t formHandle = Site().Parent().hwnd();
    Site().SetParent(Site().hwnd(), formHandle);
    EXPECT_EQ(calendar_->parentWidget(), form_.get());
    EXPECT_TRUE(calendar_->isVisible());
    EXPECT_EQ(form_->children().last(), calendar_) << "raised over the form's other widgets";

    ScreenPoint origin{0, 0};
    Site().ClientToScreen(formHandle, origin);
    const QPoint expected = form_->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(origin.x, expected.x());
    EXPECT_EQ(origin.y, expected.y());
    ScreenPoint arrow{2, 3};
    Site().ClientToScreen(Site().Get<CommandButton>("cmdButton", 1).WindowHandle(), arrow);
    const QPoint arrowOrigin = Surface().mapToGlobal(Node("cmdButton", 1).PixelRect().topLeft());
    EXPECT_EQ(arrow.x, arrowOrigin.x() + 2);
    EXPECT_EQ(arrow.y, arrowOrigin.y() + 3);
}

}  // namespace
}  // namespace VemoCalendar

namespace VemoCalendar {
namespace {

// An application's handler that sets a refused value while the user clicks: the error reaches
// the application's error handler and the program goes on.
TEST_F(QtCalendarTest, ErrorRaisedInAnEventHandlerDuringAClickIsReportedNotFatal) {
    std::vector<int32_t> reported;
    SetQtEventErrorHandler([&](const ControlError& e) { reported.push_back(e.number); });
    QObject::connect(calendar_, &QvCalendarWidget::ValueChanged, calendar_,
                     [this] { SiteOf(*calendar_).GetControl().SetProperty("calMinYear", Variant(int32_t{1})); });
    const int k = CellOf("Next");
    ASSERT_GT(k, 0);
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, CellRect(k).center());
    SetQtEventErrorHandler({});
    EXPECT_EQ(reported, std::vector<int32_t>{380});
    EXPECT_EQ(calendar_->calValue().month(), 7);  // the click itself was taken
    // Set from code, the same refusal reaches the caller.
    EXPECT_THROW(SiteOf(*calendar_).GetControl().SetProperty("calMinYear", Variant(int32_t{1})), ControlError);
}

}  // namespace
}  // namespace VemoCalendar
