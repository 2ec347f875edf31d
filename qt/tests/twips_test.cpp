// Twips per pixel as the screen's settings make it. The test runs once as is and again under a
// scale factor and a font DPI (see qt/CMakeLists.txt): Qt keeps a logical pixel at 1/96 inch in
// each, so a control keeps its real size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "qt/backend/QtHost.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

constexpr double kTwipsPerLogicalPixel = 15;

TEST(TwipsPerPixel, FollowTheScreensLogicalDpi) {
    QtHost host;
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelX(), kTwipsPerLogicalPixel);
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelY(), kTwipsPerLogicalPixel);
}

// A control keeps its size in twips: the same calendar is as many logical pixels as its twips
// make at the screen's twips per pixel, whatever the device-pixel ratio.
TEST(TwipsPerPixel, SizeAControlInLogicalPixels) {
    QtHost host;
    QWidget form;
    QvCalendarWidget calendar(&form, &host, "QvCalendar1");
    SiteOf(calendar).Move(0, 0, 4200, 3000);
    EXPECT_EQ(calendar.width(), qRound(4200 / kTwipsPerLogicalPixel));
    EXPECT_EQ(calendar.height(), qRound(3000 / kTwipsPerLogicalPixel));
}

}  // namespace
}  // namespace VemoCalendar
