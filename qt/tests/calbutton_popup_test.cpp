// The drop-down button on a real Qt form: where the pop-up lands, what it covers, how it closes
// and what stays behind when the button goes.
#include <QTimer>

#include "QtCalButtonFixture.h"
#include "qt/backend/QtControlSite.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

struct PlacementCase {
    const char* name;
    double buttonLeft, buttonTop;  // twips
    int32_t calWidth, calHeight;
    QRect popup;  // in the form's client area, pixels
};

// The form is 6000 x 4950 twips, the button 1215 x 375: its centre lies 607.5 and 187.5 twips in.
const PlacementCase kPlacements[] = {
    // 600 + 607.5 = 1207.5 -> 1208, 300 + 187.5 = 487.5 -> 488 (half to even): 80.5 and 32.5 pixels.
    {"opens right of and below the centre", 600, 300, 3200, 4000, QRect(81, 33, 213, 267)},
    // 5407.5 -> 5408, too far right: the right edge goes to the centre, 2208 twips.
    {"flips left near the right edge", 4800, 300, 3200, 4000, QRect(147, 33, 213, 267)},
    // 4387.5 -> 4388, too low: the bottom edge goes to the centre, 388 twips.
    {"flips up near the bottom edge", 600, 4200, 3200, 4000, QRect(81, 26, 213, 267)},
    // 2107.5 -> 2108, flipped to -2892: clamped to the form's left edge, reaching past its right.
    {"clamps to the left edge when it fits neither way", 1500, 300, 7000, 4000, QRect(0, 33, 467, 267)},
};

TEST_F(QtCalButtonTest, PopupLandsWhereThePlacementRulesPutItInTheFormsClientArea) {
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.name);
        if (button_->popupOpen()) Press();
        Site().Move(c.buttonLeft, c.buttonTop, 1215, 375);
        ASSERT_TRUE(button_->setCalWidth(c.calWidth));
        ASSERT_TRUE(button_->setCalHeight(c.calHeight));
        Press();
        ASSERT_TRUE(button_->popupOpen());
        EXPECT_EQ(PopupWindow().parentWidget(), form_.get());
        EXPECT_EQ(PopupWindow().geometry(), c.popup);
        EXPECT_EQ(button_->popup()->geometry(), QRect(QPoint(0, 0), c.popup.size()));
    }
}

TEST_F(QtCalButtonTest, PressDropsAPaintedCalendarOverTheSiblingControl) {
    const QPoint onText1 = text1_->geometry().center();
    EXPECT_EQ(form_->grab().toImage().pixelColor(onText1), QColor(Qt::red));
    Press();
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    ASSERT_TRUE(PopupWindow().geometry().contains(text1_->geometry()));
    const QImage formImage = form_->grab().toImage();
    const QImage popupImage = button_->popup()->grab().toImage();
    // What the form shows over the text box is the calendar's own painting.
    for (QPoint at : {onText1, text1_->geometry().topLeft() + QPoint(3, 3), text1_->geometry().bottomRight() - QPoint(3, 3)}) {
        SCOPED_TRACE(at.x());
        EXPECT_NE(formImage.pixelColor(at), QColor(Qt::red));
        EXPECT_EQ(formImage.pixelColor(at), popupImage.pixelColor(at - PopupWindow().pos()));
    }
    // The selected day (10 June 1997) is drawn in the selected-day colour, dark blue.
    const int selected = CellShowing("10", "Prev");
    ASSERT_GT(selected, 0);
    const QPoint cell = CalendarPicture().mapTo(form_.get(), CalendarNode("pnlCalNum", selected).PixelRect().center() + QPoint(0, 6));
    EXPECT_EQ(formImage.pixelColor(cell), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(events_, (std::vector<std::string>{"BtnMouseDown", "BtnMouseUp", "BtnClick"}));
}

TEST_F(QtCalButtonTest, DayClickRaisesValueChangedThenClickAndLeavesThePopupOpen) {
    Press();
    Settle();
    const int k = CellShowing("20", "Prev");
    ASSERT_GT(k, 0);
    events_.clear();
    QTest::mouseClick(&CalendarPicture(), Qt::LeftButton, {}, CalendarNode("pnlCalNum", k).PixelRect().center());
    EXPECT_EQ(button_->calValue(), QDate(1997, 6, 20));
    EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown", "MouseUp", "ValueChanged", "Click"}));
    EXPECT_TRUE(button_->popupOpen());
}

TEST_F(QtCalButtonTest, EscapeAndEnterCloseThePopupAndGiveTheFocusBackToTheButton) {
    for (auto [key, ascii] : {std::pair{Qt::Key_Escape, 27}, std::pair{Qt::Key_Return, 13}}) {
        SCOPED_TRACE(ascii);
        Press();
        Settle();
        ASSERT_TRUE(button_->popupOpen());
        ASSERT_EQ(host_->FocusedSite(), &CalendarSite());
        events_.clear();
        eventArgs_.clear();
        QTest::keyClick(QApplication::focusWidget(), key);
        Settle();
        EXPECT_FALSE(button_->popupOpen());
        EXPECT_FALSE(PopupWindow().isVisible());
        EXPECT_EQ(QApplication::focusWidget(), &ButtonSurface());
        EXPECT_EQ(host_->FocusedSite(), &Site());
        EXPECT_EQ(host_->FocusedWidget(), &Site().Get<CommandButton>("SSCommand1"));
        // The host hears KeyPress with the key, after the pop-up has closed.
        const auto press = std::find(events_.begin(), events_.end(), "KeyPress");
        ASSERT_NE(press, events_.end());
        EXPECT_EQ(eventArgs_[press - events_.begin()], QVariantList{ascii});
        EXPECT_EQ(button_->calValue(), QDate(1997, 6, 10));
    }
}

TEST_F(QtCalButtonTest, AHandlerThatChangesKeyAsciiIsSeenByTheCalendar) {
    // Escape changed into an ordinary key by the host: the pop-up has closed already (the button
    // closes before it raises KeyPress), and the change reaches the calendar's own reference.
    QObject::connect(button_, &QvCalButtonWidget::KeyPress, button_, [](KeyPressArgs& args) { args.keyAscii = 0; });
    Press();
    Settle();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_FALSE(eventArgs_.empty());
    const auto press = std::find(events_.begin(), events_.end(), "KeyPress");
    ASSERT_NE(press, events_.end());
    EXPECT_EQ(eventArgs_[press - events_.begin()], QVariantList{0});
}

TEST_F(QtCalButtonTest, FocusGoingToAnotherControlClosesThePopupButAClickOnTheEmptyFormDoesNot) {
    Press();
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    // Empty form area, right of the pop-up and above Text2: no focus moves.
    QTest::mouseClick(form_.get(), Qt::LeftButton, {}, QPoint(350, 100));
    Settle();
    EXPECT_TRUE(button_->popupOpen());
    QTest::mouseClick(text2_, Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    EXPECT_FALSE(button_->popupOpen());
    EXPECT_EQ(QApplication::focusWidget(), text2_);
    EXPECT_EQ(host_->FocusedSite(), nullptr);
}

TEST_F(QtCalButtonTest, AClickOnADayOfAnotherCalendarClosesThePopup) {
    auto* other = new QvCalendarWidget(form_.get(), host_.get(), "QvCalendar2");
    SiteOf(*other).Move(4425, 600, 1500, 2400);
    other->show();
    Press();
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    QtNode& picture = QtWidgetFactory::Node(SiteOf(*other).Get<PictureSurface>("Picture1"));
    QtNode& day = QtWidgetFactory::Node(SiteOf(*other).Get<Panel>("pnlCalNum", 20));
    QTest::mouseClick(picture.Window(), Qt::LeftButton, {}, day.PixelRect().center());
    Settle();
    EXPECT_FALSE(button_->popupOpen());
    EXPECT_EQ(host_->FocusedSite(), &SiteOf(*other));
}

TEST_F(QtCalButtonTest, ThePopupStaysOpenWhileTheAboutBoxIsUp) {
    Press();
    Settle();
    bool aboutShown = false, openDuringAbout = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        aboutShown = host_->About().IsVisible();
        openDuringAbout = button_->popupOpen();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    // A press on the calendar's title bar opens the About box, which takes the focus.
    QTest::mouseClick(&CalendarPicture(), Qt::LeftButton, {}, CalendarNode("pnlTitleBar1").PixelRect().center());
    EXPECT_TRUE(aboutShown);
    EXPECT_TRUE(openDuringAbout);
    Settle();
    EXPECT_TRUE(button_->popupOpen());
}

TEST_F(QtCalButtonTest, TwoPressesOpenThenCloseWithBtnClickAfterEach) {
    std::vector<bool> openAtBtnClick;
    QObject::connect(button_, &QvCalButtonWidget::BtnClick, button_, [&] { openAtBtnClick.push_back(button_->popupOpen()); });
    Press();
    Settle();
    // The second press lands on the button, which the pop-up does not cover.
    Press();
    Settle();
    EXPECT_EQ(openAtBtnClick, (std::vector<bool>{true, false}));
    EXPECT_EQ(QApplication::focusWidget(), &ButtonSurface());
}

TEST_F(QtCalButtonTest, DestroyingTheButtonTakesItsPopupOffTheForm) {
    Press();
    Settle();
    QPointer<QWidget> popup = button_->popup();
    QPointer<QWidget> window = &PopupWindow();
    ASSERT_EQ(window->parentWidget(), form_.get());
    delete button_;
    button_ = nullptr;
    EXPECT_TRUE(popup.isNull());
    EXPECT_TRUE(window.isNull());
    // What is left on the form is its two text boxes.
    for (QWidget* child : form_->findChildren<QWidget*>()) {
        EXPECT_EQ(QtControlSurface::Of(*child), nullptr) << child->objectName().toStdString();
        EXPECT_EQ(dynamic_cast<QtConstituentFrame*>(child), nullptr) << child->objectName().toStdString();
    }
}

TEST_F(QtCalButtonTest, AFormThatDeletesThePopupBeforeTheButtonCrashesNothing) {
    Press();
    Settle();
    // Raising the button puts it after the pop-up in the form's children, which the form deletes
    // in order: the pop-up's window goes first, the button (and its calendar) after it.
    button_->raise();
    QPointer<QWidget> popup = button_->popup();
    form_.reset();
    EXPECT_TRUE(popup.isNull());
}

TEST_F(QtCalButtonTest, ARefusedPropertyKeepsTheOldValueAndSaysWhy) {
    QString refused;
    int number = 0;
    QObject::connect(button_, &QvCalButtonWidget::propertyRefused, button_, [&](const QString& name, int n, const QString&) {
        refused = name;
        number = n;
    });
    const int maxYear = button_->calMaxYear();
    EXPECT_FALSE(button_->setCalMinYear(maxYear + 1));
    EXPECT_EQ(refused, "calMinYear");
    EXPECT_EQ(number, 380);
    EXPECT_EQ(button_->calMinYear(), 1600);
    const int bevel = button_->BevelWidth();
    EXPECT_FALSE(button_->setBevelWidth(70000));
    EXPECT_EQ(refused, "BevelWidth");
    EXPECT_EQ(number, 6);
    EXPECT_EQ(button_->BevelWidth(), bevel);
    // An accepted write reaches the calendar and is notified under its name.
    QStringList changed;
    QObject::connect(button_, &QvCalButtonWidget::PropertyChanged, button_, [&](const QString& name) { changed << name; });
    EXPECT_TRUE(button_->setCalCaption("Pick a day"));
    EXPECT_EQ(CalendarSite().Get<Panel>("pnlTitleBar1").Caption(), " Pick a day");
    EXPECT_EQ(changed, QStringList{"calCaption"});
}

}  // namespace
}  // namespace VemoCalendar
