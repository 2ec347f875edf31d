// The calendar drawn at fractional and whole device-pixel ratios: bevel lines stay pure colours
// on whole device pixels, and neighbouring cells meet without a seam of background between them.
#include <QPainter>

#include "QtCalendarFixture.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

class QtHighDpiTest : public QtCalendarTest, public testing::WithParamInterface<double> {
protected:
    QImage RenderAt(double ratio) const {
        QImage image(Surface().size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        Surface().render(&image);
        return image;
    }
};

TEST_P(QtHighDpiTest, BevelsArePureWholePixelLinesAndCellsMeetWithoutSeams) {
    const double ratio = GetParam();
    SiteOf(*calendar_).GetControl().SetProperty("calAppearance", Variant(int16_t{2}));  // raised days
    const QImage image = RenderAt(ratio);
    const QColor light(255, 255, 255), shadow(128, 128, 128);
    for (int k : {9, 17, 25}) {
        SCOPED_TRACE("cell " + std::to_string(k));
        const QRect r = CellRect(k);
        const int top = static_cast<int>(std::ceil(r.top() * ratio));
        const int bottom = static_cast<int>(std::floor((r.bottom() + 1) * ratio)) - 1;
        // A column clear of the centred day number.
        const int midX = static_cast<int>((r.left() + 2.5) * ratio);
        // The first device row of the cell is the light edge, the last the shadow edge.
        EXPECT_EQ(image.pixelColor(midX, top), light);
        EXPECT_EQ(image.pixelColor(midX, bottom), shadow);
        // Every device pixel down the middle column is one of the cell's own colours: no blend.
        const QColor face = image.pixelColor(midX, (top + bottom) / 2 + 1);
        for (int y = top; y <= bottom; ++y) {
            const QColor c = image.pixelColor(midX, y);
            EXPECT_TRUE(c == light || c == shadow || c == face) << "y " << y << " " << c.name().toStdString();
        }
        EXPECT_NE(image.pixelColor(midX, bottom + 1), QColor(Qt::magenta));
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, QtHighDpiTest, testing::Values(1.0, 1.25, 1.5, 2.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return "Percent" + std::to_string(static_cast<int>(info.param * 100 + 0.5));
                         });

}  // namespace
}  // namespace VemoCalendar
