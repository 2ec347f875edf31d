// Conversions between stored numbers and Qt's integers: defined for every double.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "qt/backend/QtConvert.h"

namespace VemoCalendar {
namespace {

TEST(QtConvertTwips, EveryDoubleGivesAPixelCountInsideTheWidgetBound) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double twips, twipsPerPixel;
        int pixels;
    };
    const Case cases[] = {
        {4200, 15, 280},
        {22.5, 15, 2},  // 1.5 rounds to the even 2
        {37.5, 15, 2},  // 2.5 rounds to the even 2
        {-22.5, 15, -2},
        {1e308, 15, kMaxWidgetPixels},
        {-1e308, 15, -kMaxWidgetPixels},
        {kInf, 15, kMaxWidgetPixels},
        {-kInf, 15, -kMaxWidgetPixels},
        {kNaN, 15, 0},
        {100, 0, kMaxWidgetPixels},   // no pixel size: as far as a widget goes
        {0, 0, 0},                    // 0/0
        {100, kNaN, 0},
        {100, kInf, 0},
        {3e9, 1, kMaxWidgetPixels},   // past int, not only past the widget bound
        {std::numeric_limits<double>::denorm_min(), 15, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TwipsToPixels(c.twips, c.twipsPerPixel), c.pixels) << c.twips << " twips at " << c.twipsPerPixel;
}

// Two clamped values added or subtracted, as rectangle arithmetic does, stay inside int.
TEST(QtConvertTwips, SumsOfTwoConversionsStayInsideInt) {
    const int far = TwipsToPixels(1e308, 15), near = TwipsToPixels(-1e308, 15);
    EXPECT_LT(static_cast<long long>(far) + far, std::numeric_limits<int>::max());
    EXPECT_GT(static_cast<long long>(near) - far, std::numeric_limits<int>::min());
}

TEST(QtConvertFont, PointSizesAreFiniteAndPositive) {
    const double cases[][2] = {
        {9, 9},
        {0, kDefaultFontPoints},
        {-3, kDefaultFontPoints},
        {std::numeric_limits<double>::quiet_NaN(), kDefaultFontPoints},
        {std::numeric_limits<double>::infinity(), kDefaultFontPoints},
        {1e300, kMaxFontPoints},
    };
    for (const auto& c : cases) EXPECT_EQ(FontPointSize(c[0]), c[1]) << c[0];
    FontObject font;
    font.name = "Arial";
    font.size = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ToQFont(font).pointSizeF(), kDefaultFontPoints);
}

TEST(QtConvertDate, WhatIsNoDateGivesANullQDate) {
    EXPECT_EQ(ToQDate(MakeDate(1997, 3, 14)), QDate(1997, 3, 14));
    for (double day : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e9, 1e9})
        EXPECT_TRUE(ToQDate(Date(day)).isNull()) << day;
}

}  // namespace
}  // namespace VemoCalendar
