#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "QtTestHost.h"
#include "qt/backend/QtHost.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {

// A form window holding one calendar of 280 x 200 pixels at 15 twips per pixel, today fixed at
// 10 June 1997, with every event the calendar raises recorded by name.
class QtCalendarTest : public testing::Test {
protected:
    void SetUp() override {
        host_ = MakeTestHost();
        form_ = std::make_unique<QWidget>();
        form_->resize(400, 300);
        calendar_ = new QvCalendarWidget(form_.get(), host_.get(), "QvCalendar1");
        SiteOf(*calendar_).Move(150, 150, 4200, 3000);
        QObject::connect(calendar_, &QvCalendarWidget::EventRaised, calendar_,
                         [this](const QString& name, const QVariantList&) { events_.push_back(name.toStdString()); });
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    void TearDown() override {
        form_.reset();
        host_.reset();
    }

    QtControlSite& Site() const { return SiteOf(*calendar_); }
    QtNode& Node(const std::string& name, int index = -1) const {
        return QtWidgetFactory::Node(*Site().Factory().Find(name, index));
    }
    QWidget& Surface() const { return *Node("Picture1").Window(); }
    // The widget's rectangle in the drawing surface's pixels.
    QRect CellRect(int k) const { return Node("pnlCalNum", k).PixelRect(); }
    QImage Render() const { return Surface().grab().toImage(); }
    int CellOf(const std::string& tag) const {
        for (int k = 1; k <= 42; ++k)
            if (Site().Get<Panel>("pnlCalNum", k).Tag() == tag) return k;
        return 0;
    }

    std::unique_ptr<QtHost> host_;
    std::unique_ptr<QWidget> form_;
    QvCalendarWidget* calendar_ = nullptr;
    std::vector<std::string> events_;
};

inline QColor Pixel(const QImage& image, QPoint at) { return image.pixelColor(at); }

}  // namespace VemoCalendar
