#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "QtCalendarFixture.h"
#include "qt/dialogs/QtPropertyPageSite.h"
#include "qt/dialogs/QtPropertyPagesDialog.h"
#include "qt/dialogs/QtStockPages.h"

namespace VemoCalendar {
namespace {

// The Property Pages dialog open, off screen, for the fixture's calendar.
class QtPagesTest : public QtCalendarTest {
protected:
    void SetUp() override {
        QtCalendarTest::SetUp();
        dialog_ = std::make_unique<QtPropertyPagesDialog>(*host_, std::vector<Control*>{&calendar_->control()});
        Open();
    }
    void Open() {
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void TearDown() override {
        dialog_.reset();
        QtCalendarTest::TearDown();
    }
    QtPropertyPageSite& Page() const { return *dialog_->Site("pagQvCalendar"); }
    QLineEdit& Edit(const std::string& name) const { return Page().Factory().Get<QtTextBox>(name).Edit(); }
    QComboBox& Combo(const std::string& name) const { return Page().Factory().Get<QtDropDownList>(name).Combo(); }
    QPushButton& Button(QDialogButtonBox::StandardButton which) const { return *dialog_->Buttons().button(which); }
    // Types into a field as the developer does: click into it, replace its text.
    void TypeInto(const std::string& name, const QString& text) {
        QLineEdit& edit = Edit(name);
        QTest::mouseClick(&edit, Qt::LeftButton);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, text);
    }
    // Answers the next message box with OK and keeps its text.
    void AnswerNextMessageBox() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return AnswerNextMessageBox();
            messages_.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
            box->accept();
        });
    }

    std::unique_ptr<QtPropertyPagesDialog> dialog_;
    std::vector<std::string> messages_;
};

TEST_F(QtPagesTest, OneTabPerPageInTheCalendarsOrder) {
    EXPECT_EQ(dialog_->windowTitle(), "Property Pages");
    EXPECT_EQ(dialog_->PageNames(),
              (std::vector<std::string>{"pagQvCalendar", "StandardColor", "StandardFont", "StandardPicture"}));
    EXPECT_EQ(dialog_->Tabs().tabText(0), "Calendar");
    EXPECT_EQ(Edit("txtCaption").text(), "Calendar");
    EXPECT_FALSE(Button(QDialogButtonBox::Apply).isEnabled());  // a freshly loaded page holds no change
    // The colour page lists the calendar's twelve colours.
    EXPECT_EQ(dialog_->StockPage("StandardColor")->Properties().size(), 12u);
    EXPECT_EQ(dialog_->StockPage("StandardFont")->Properties(),
              (std::vector<std::string>{"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"}));
}

TEST_F(QtPagesTest, ApplyRepaintsTheCalendarWithTheNewCaptionAndAppearance) {
    const QRect r = CellRect(12);  // 12 June: a day of the month, not the selected one
    const QImage before = Render();
    ASSERT_NE(Pixel(before, {r.center().x(), r.top()}), Pixel(before, {r.center().x(), r.bottom()}));  // raised

    TypeInto("txtCaption", "Holidays");
    Combo("cbxAppearance").setCurrentIndex(0);  // VemocalFlat
    EXPECT_TRUE(Button(QDialogButtonBox::Apply).isEnabled());
    EXPECT_EQ(calendar_->control().calCaption(), "Calendar");  // nothing reaches the control before Apply

    QTest::mouseClick(&Button(QDialogButtonBox::Apply), Qt::LeftButton);
    EXPECT_EQ(calendar_->control().calCaption(), "Holidays");
    EXPECT_EQ(calendar_->control().calAppearance(), VemocalFlat);
    EXPECT_FALSE(Button(QDialogButtonBox::Apply).isEnabled());

    QApplication::processEvents();
    const QImage after = Render();
    // A flat cell has no bevel: its edges are its back colour.
    EXPECT_EQ(Pixel(after, {r.center().x(), r.top()}), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(Pixel(after, {r.center().x(), r.bottom()}), QColor(0xC0, 0xC0, 0xC0));
    // The title bar shows the new caption: its pixels changed.
    const QRect title = Node("pnlTitleBar1").PixelRect();
    EXPECT_NE(before.copy(title), after.copy(title));
}

TEST_F(QtPagesTest, CancelAfterAnEditLeavesTheCalendarUnchanged) {
    const QImage before = Render();
    TypeInto("txtCaption", "Never");
    Combo("cbxAppearance").setCurrentIndex(1);
    QTest::mouseClick(&Button(QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(calendar_->control().calCaption(), "Calendar");
    EXPECT_EQ(calendar_->control().calAppearance(), VemocalRaised);
    QApplication::processEvents();
    EXPECT_EQ(Render(), before);
}

TEST_F(QtPagesTest, OKAppliesAndCloses) {
    TypeInto("txtWidth", "4500");
    QTest::mouseClick(&Button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(calendar_->control().calWidth(), 4500);
}

TEST_F(QtPagesTest, AnEmptyFieldIsRefusedWhenTabbingOutAndKeepsTheFocus) {
    TypeInto("txtWidth", "");
    AnswerNextMessageBox();
    QTest::keyClick(&Edit("txtWidth"), Qt::Key_Tab);
    EXPECT_EQ(messages_, (std::vector<std::string>{"Field Error: Invalid property value"}));
    EXPECT_EQ(Edit("txtWidth").text(), "4200");
    dialog_->activateWindow();  // the off-screen platform does not give it back by itself
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtWidth"));
    EXPECT_FALSE(Button(QDialogButtonBox::Apply).isEnabled());
    // Letters never reach a numeric field.
    QTest::keyClicks(&Edit("txtWidth"), "x-5");
    EXPECT_EQ(Edit("txtWidth").text(), "5");
}

TEST_F(QtPagesTest, AnApplyErrorNamesThePropertyAndKeepsTheDialogOpen) {
    calendar_->control().calMaxYear(2100);
    dialog_ = std::make_unique<QtPropertyPagesDialog>(*host_, std::vector<Control*>{&calendar_->control()});
    Open();
    TypeInto("txtMaxYear", "2300");
    TypeInto("txtMinYear", "2200");
    AnswerNextMessageBox();
    QTest::mouseClick(&Button(QDialogButtonBox::Ok), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("calMinYear"), std::string::npos) << messages_[0];
    EXPECT_NE(messages_[0].find("Invalid property value"), std::string::npos) << messages_[0];
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(calendar_->control().calMinYear(), 1600);
    EXPECT_TRUE(Button(QDialogButtonBox::Apply).isEnabled());
}

TEST_F(QtPagesTest, TheColourPageWritesTheChosenColourOnApply) {
    QtStockPage& colours = *dialog_->StockPage("StandardColor");
    dialog_->ShowPage("StandardColor");
    colours.chooseColor = [](Color, QWidget*) -> std::optional<Color> { return Rgb(0, 128, 0); };
    colours.List().setCurrentRow(0);  // calSelectedDayBackColor
    QTest::mouseClick(&colours.ChooseButton(), Qt::LeftButton);
    EXPECT_EQ(calendar_->control().calSelectedDayBackColor(), 0x800000u);
    QTest::mouseClick(&Button(QDialogButtonBox::Apply), Qt::LeftButton);
    EXPECT_EQ(calendar_->control().calSelectedDayBackColor(), Rgb(0, 128, 0));
    QApplication::processEvents();
    const QImage image = Render();
    const QRect r = CellRect(CellOf("CurrSelected"));
    EXPECT_EQ(Pixel(image, r.topLeft() + QPoint(2, 2)), QColor(0, 128, 0));
}

// Renders each tab to a PNG in the directory named by VEMO_PAGES_SHOTS, for looking at.
TEST_F(QtPagesTest, RendersEachPage) {
    const QString dir = qEnvironmentVariable("VEMO_PAGES_SHOTS");
    for (const std::string& name : dialog_->PageNames()) {
        ASSERT_TRUE(dialog_->ShowPage(name));
        QApplication::processEvents();
        const QImage shot = dialog_->grab().toImage();
        EXPECT_GT(shot.width(), 300);
        if (!dir.isEmpty()) shot.save(dir + "/" + QString::fromStdString(name) + ".png");
    }
}

}  // namespace
}  // namespace VemoCalendar
