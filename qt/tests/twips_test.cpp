// Twips per pixel as the screen's settings make it. The test runs once as is and again under a
// scale factor and a font DPI (see qt/CMakeLists.txt); VEMO_EXPECT_TWIPS says what that run wants.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "qt/QtHost.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {
namespace {

double ExpectedTwips() {
    bool ok = false;
    const double value = qEnvironmentVariable("VEMO_EXPECT_TWIPS").toDouble(&ok);
    return ok ? value : 15.0;
}

TEST(TwipsPerPixel, FollowTheScreensLogicalDpi) {
    QtHost host;
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelX(), ExpectedTwips());
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelY(), ExpectedTwips());
}

// A control keeps its size in twips: the same calendar is as many logical pixels as its twips
// make at the screen's twips per pixel, whatever the device-pixel ratio.
TEST(TwipsPerPixel, SizeAControlInLogicalPixels) {
    QtHost host;
    QWidget form;
    QvCalendarWidget calendar(&form, &host, "QvCalendar1");
    calendar.site().Move(0, 0, 4200, 3000);
    EXPECT_EQ(calendar.width(), qRound(4200 / ExpectedTwips()));
    EXPECT_EQ(calendar.height(), qRound(3000 / ExpectedTwips()));
}

}  // namespace
}  // namespace VemoCalendar
