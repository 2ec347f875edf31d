#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "QtCalButtonFixture.h"
#include "qt/dialogs/QtPropertyPageSite.h"
#include "qt/dialogs/QtPropertyPagesDialog.h"

namespace VemoCalendar {
namespace {

// The Property Pages dialog open, off screen, for the fixture's drop-down button.
class QtButtonPagesTest : public QtCalButtonTest {
protected:
    void SetUp() override {
        QtCalButtonTest::SetUp();
        dialog_ = std::make_unique<QtPropertyPagesDialog>(*host_, std::vector<Control*>{&button_->control()});
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void TearDown() override {
        dialog_.reset();
        QtCalButtonTest::TearDown();
    }
    QLineEdit& Edit(const std::string& page, const std::string& name) const {
        return dialog_->Site(page)->Factory().Get<QtTextBox>(name).Edit();
    }
    QPushButton& Button(QDialogButtonBox::StandardButton which) const { return *dialog_->Buttons().button(which); }

    std::unique_ptr<QtPropertyPagesDialog> dialog_;
};

TEST_F(QtButtonPagesTest, TheButtonsPagesComeInItsOrder) {
    EXPECT_EQ(dialog_->PageNames(), (std::vector<std::string>{"pagQvCalButton", "pagQvCalendar", "StandardFont",
                                                              "StandardColor", "StandardPicture"}));
    EXPECT_EQ(dialog_->Tabs().tabText(0), "Button");
    EXPECT_EQ(dialog_->Tabs().tabText(1), "Calendar");
    EXPECT_FALSE(Button(QDialogButtonBox::Apply).isEnabled());
}

TEST_F(QtButtonPagesTest, BothPagesApplyThroughTheButton) {
    QLineEdit& caption = Edit("pagQvCalButton", "txtCaption");
    QTest::mouseClick(&caption, Qt::LeftButton);
    caption.selectAll();
    QTest::keyClicks(&caption, "Pick");
    ASSERT_TRUE(dialog_->ShowPage("pagQvCalendar"));
    dialog_->Site("pagQvCalendar")->Factory().Get<QtDropDownList>("cbxFirstDayofWeek").Combo().setCurrentIndex(1);
    EXPECT_TRUE(Button(QDialogButtonBox::Apply).isEnabled());
    EXPECT_EQ(button_->control().calFirstDayofWeek(), VemocalSunday);

    QTest::mouseClick(&Button(QDialogButtonBox::Apply), Qt::LeftButton);
    EXPECT_EQ(button_->control().Caption(), "Pick");
    EXPECT_EQ(button_->control().calFirstDayofWeek(), VemocalMonday);
    EXPECT_EQ(button_->control().PopupCalendar().calFirstDayofWeek(), VemocalMonday);
    EXPECT_FALSE(Button(QDialogButtonBox::Apply).isEnabled());
}

// Renders each tab to a PNG in the directory named by VEMO_PAGES_SHOTS, for looking at.
TEST_F(QtButtonPagesTest, RendersEachPage) {
    const QString dir = qEnvironmentVariable("VEMO_PAGES_SHOTS");
    for (const std::string& name : dialog_->PageNames()) {
        ASSERT_TRUE(dialog_->ShowPage(name));
        QApplication::processEvents();
        const QImage shot = dialog_->grab().toImage();
        EXPECT_GT(shot.width(), 300);
        if (!dir.isEmpty()) shot.save(dir + "/button_" + QString::fromStdString(name) + ".png");
    }
}

}  // namespace
}  // namespace VemoCalendar
