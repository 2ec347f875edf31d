#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "QtTestHost.h"
#include "qt/backend/QtHost.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {

// A form window of 400 x 330 pixels (6000 x 4950 twips at 15 twips per pixel) holding one
// drop-down button at (600, 300) twips, 1215 x 375 (40, 20 pixels, 81 x 25), a red text box
// "Text1" where the pop-up drops down and a second one "Text2" clear of it. Today is fixed at
// 10 June 1997; every event the button raises is recorded by name with its arguments.
class QtCalButtonTest : public testing::Test {
protected:
    void SetUp() override {
        host_ = MakeTestHost();
        form_ = std::make_unique<QWidget>();
        form_->setObjectName("Form1");
        form_->resize(400, 330);
        text1_ = MakeTextBox("Text1", QRect(100, 60, 120, 24), Qt::red);
        text2_ = MakeTextBox("Text2", QRect(310, 290, 80, 24), Qt::green);
        button_ = new QvCalButtonWidget(form_.get(), host_.get(), "QvCalButton1");
        SiteOf(*button_).Move(600, 300, 1215, 375);
        QObject::connect(button_, &QvCalButtonWidget::EventRaised, button_,
                         [this](const QString& name, const QVariantList& args) {
                             events_.push_back(name.toStdString());
                             eventArgs_.push_back(args);
                         });
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    void TearDown() override {
        form_.reset();
        host_.reset();
    }

    QLineEdit* MakeTextBox(const char* name, QRect geometry, QColor colour) {
        auto* box = new QLineEdit(form_.get());
        box->setObjectName(name);
        box->setGeometry(geometry);
        box->setFrame(false);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, colour);
        box->setPalette(palette);
        return box;
    }

    QtControlSite& Site() const { return SiteOf(*button_); }
    QtControlSite& CalendarSite() const { return *host_->ConstituentOf(Site(), "QvCalendar1"); }
    QWidget& ButtonSurface() const { return *button_; }
    QtNode& CalendarNode(const std::string& name, int index = -1) const {
        return QtWidgetFactory::Node(*CalendarSite().Factory().Find(name, index));
    }
    // The calendar's drawing surface, which gets its mouse and keys.
    QWidget& CalendarPicture() const { return *CalendarNode("Picture1").Window(); }
    // The window SetParent moves: the pop-up's frame.
    QWidget& PopupWindow() const { return CalendarSite().Placement(); }

    // Presses SSCommand1 with the mouse, at its centre.
    void Press() const {
        const QRect face = QtWidgetFactory::Node(Site().Get<CommandButton>("SSCommand1")).PixelRect();
        QTest::mouseClick(&ButtonSurface(), Qt::LeftButton, {}, face.center());
    }
    // Lets queued hides and repaints happen.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    int CellShowing(const std::string& caption, const std::string& notTag) const {
        for (int k = 1; k <= 42; ++k) {
            const auto& cell = CalendarSite().Get<Panel>("pnlCalNum", k);
            if (cell.Caption() == caption && cell.Tag() != notTag) return k;
        }
        return 0;
    }

    std::unique_ptr<QtHost> host_;
    std::unique_ptr<QWidget> form_;
    QvCalButtonWidget* button_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    std::vector<std::string> events_;
    std::vector<QVariantList> eventArgs_;
};

}  // namespace VemoCalendar
