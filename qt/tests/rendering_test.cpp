// What the painted panels look like on screen: bevels, the selected day, the title bar.
#include <QPaintEvent>

#include "QtCalendarFixture.h"

namespace VemoCalendar {
namespace {

const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);

TEST_F(QtCalendarTest, RaisedCellHasLightTopLeftAndShadowBottomRight) {
    const int k = CellOf("Curr");
    ASSERT_GT(k, 0);
    ASSERT_EQ(Site().Get<Panel>("pnlCalNum", k).BevelOuter(), 2);
    const QImage image = Render();
    const QRect r = CellRect(k);
    const int midX = r.left() + r.width() / 4, midY = r.top() + r.height() / 4;
    EXPECT_EQ(Pixel(image, {midX, r.top()}), kLight);
    EXPECT_EQ(Pixel(image, {r.left(), midY}), kLight);
    EXPECT_EQ(Pixel(image, {midX, r.bottom()}), kShadow);
    EXPECT_EQ(Pixel(image, {r.right(), midY}), kShadow);
    // The corners: the top-left one light, the other three shadow.
    EXPECT_EQ(Pixel(image, r.topLeft()), kLight);
    EXPECT_EQ(Pixel(image, r.topRight()), kShadow);
    EXPECT_EQ(Pixel(image, r.bottomLeft()), kShadow);
    EXPECT_EQ(Pixel(image, r.bottomRight()), kShadow);
    // Inside the bevel the cell shows its back colour (current month: light grey).
    EXPECT_EQ(Pixel(image, r.topLeft() + QPoint(2, 2)), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(QtCalendarTest, SelectedCellIsSunkenInTheSelectedDayColours) {
    const int k = CellOf("CurrSelected");
    ASSERT_GT(k, 0);
    const QImage image = Render();
    const QRect r = CellRect(k);
    const int midX = r.left() + r.width() / 4, midY = r.top() + r.height() / 4;
    EXPECT_EQ(Pixel(image, {midX, r.top()}), kShadow);
    EXPECT_EQ(Pixel(image, {r.left(), midY}), kShadow);
    EXPECT_EQ(Pixel(image, {midX, r.bottom()}), kLight);
    EXPECT_EQ(Pixel(image, {r.right(), midY}), kLight);
    EXPECT_EQ(Pixel(image, r.topLeft()), kShadow);
    EXPECT_EQ(Pixel(image, r.topRight()), kLight);
    EXPECT_EQ(Pixel(image, r.bottomLeft()), kLight);
    EXPECT_EQ(Pixel(image, r.bottomRight()), kLight);
    EXPECT_EQ(Pixel(image, r.topLeft() + QPoint(1, 1)), QColor(0, 0, 128)) << "the face starts inside the bevel";
    // Navy back colour (0x800000 is blue 128), white day number.
    EXPECT_EQ(Pixel(image, r.topLeft() + QPoint(2, 2)), QColor(0, 0, 128));
    int white = 0;
    for (int y = r.top() + 2; y < r.bottom() - 1; ++y)
        for (int x = r.left() + 2; x < r.right() - 1; ++x)
            if (Pixel(image, {x, y}) == kLight) ++white;
    EXPECT_GT(white, 5) << "the day number is drawn in the selected day's text colour";
}

// The ink of a cell's interior, which shows a light grey back: pixels near black, near the
// shadow grey and near white (the text is antialiased, so few are exactly the pen's colour).
struct Ink {
    int dark = 0, shadow = 0, light = 0;
};

Ink InkOf(const QImage& image, const QRect& cell) {
    Ink ink;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (grey < 60) ++ink.dark;
            else if (grey > 100 && grey < 150) ++ink.shadow;
            else if (grey > 225) ++ink.light;
        }
    return ink;
}

TEST_F(QtCalendarTest, DisabledNumbersAreEngravedAndEnabledOnesBlackAgain) {
    const QRect cell = CellRect(CellOf("Curr"));
    Ink ink = InkOf(Render(), cell);
    ASSERT_GT(ink.dark, 3);
    ASSERT_EQ(ink.light, 0);
    ASSERT_TRUE(calendar_->setControlEnabled(false));
    ink = InkOf(Render(), cell);
    EXPECT_EQ(ink.dark, 0);
    EXPECT_GT(ink.shadow, 3) << "the number in shadow";
    EXPECT_GT(ink.light, 3) << "over a light copy one pixel down and right";
    ASSERT_TRUE(calendar_->setControlEnabled(true));
    ink = InkOf(Render(), cell);
    EXPECT_GT(ink.dark, 3);
    EXPECT_EQ(ink.light, 0);
}

TEST_F(QtCalendarTest, SunkenAppearanceReversesTheEdges) {
    calendar_->setCalAppearance(VemocalSunken);
    const int plain = CellOf("Curr"), selected = CellOf("CurrSelected");
    const QImage image = Render();
    const QRect p = CellRect(plain), s = CellRect(selected);
    EXPECT_EQ(Pixel(image, {p.center().x(), p.top()}), kShadow);
    EXPECT_EQ(Pixel(image, {p.center().x(), p.bottom()}), kLight);
    EXPECT_EQ(Pixel(image, {s.center().x(), s.top()}), kLight) << "the selected cell stands out raised";
    EXPECT_EQ(Pixel(image, {s.right(), s.center().y()}), kShadow);
}

TEST_F(QtCalendarTest, NineAlignmentsPlaceTheNumberInTheirCorner) {
    form_->resize(700, 500);
    Site().Move(150, 150, 8400, 6000);  // cells of 80 x 40 pixels leave the number room to move
    const int k = CellOf("CurrSelected");
    const QRect r = CellRect(k);
    // Where the white number's pixels lie, relative to the cell's centre, for each alignment.
    auto centreOfText = [&](int alignment) {
        calendar_->setCalAlignmentNum(static_cast<enumCALAlignment>(alignment));
        const QImage image = Render();
        QPoint sum;
        int n = 0;
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int x = r.left() + 1; x < r.right(); ++x)
                if (Pixel(image, {x, y}) == kLight) sum += QPoint(x, y), ++n;
        return n ? sum / n - r.center() : QPoint(1000, 1000);
    };
    const QPoint leftTop = centreOfText(VemocalLeftTop), rightBottom = centreOfText(VemocalRightBottom);
    const QPoint centre = centreOfText(VemocalCenterMiddle), centreBottom = centreOfText(VemocalCenterBottom);
    EXPECT_LT(leftTop.x(), -3);
    EXPECT_LT(leftTop.y(), -1);
    EXPECT_GT(rightBottom.x(), 3);
    EXPECT_GT(rightBottom.y(), 1);
    EXPECT_LE(std::abs(centre.x()), 2);
    EXPECT_LE(std::abs(centre.y()), 2);
    EXPECT_LE(std::abs(centreBottom.x()), 2);
    EXPECT_GT(centreBottom.y(), 1);
}

TEST_F(QtCalendarTest, TitleBarShowsTheFocusColours) {
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    auto* other = new QLineEdit(form_.get());
    other->move(300, 250);
    other->show();
    const QRect caption = Node("pnlTitleBar1").PixelRect();
    const QPoint inside = caption.topLeft() + QPoint(caption.width() - 3, caption.height() / 2);

    Site().Get<CommandButton>("cmdButton", 0).SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Site().ActiveChild(), &Site().Get<CommandButton>("cmdButton", 0));
    const QRgb active = form_->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    EXPECT_EQ(Pixel(Render(), inside).rgb(), active);

    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Site().ActiveChild(), nullptr);
    EXPECT_EQ(Pixel(Render(), inside).rgb(), form_->palette().color(QPalette::Dark).rgb()) << "inactive caption";
    EXPECT_NE(form_->palette().color(QPalette::Dark).rgb(), active);

    Site().SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Pixel(Render(), inside).rgb(), active);
}

TEST_F(QtCalendarTest, OutlineNarrowsTheDrawingSurfaceByOnePixelEachSide) {
    const auto& surface = Site().Get<PictureSurface>("Picture1");
    EXPECT_EQ(surface.ClientWidth(), 280);
    calendar_->setCalOutline(true);
    EXPECT_EQ(surface.ClientWidth(), 278);
    EXPECT_EQ(surface.ClientHeight(), 198);
    EXPECT_EQ(CellRect(1).topLeft().x(), 1) << "children start inside the border";
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, {0, 100}).rgb(), form_->palette().color(QPalette::Shadow).rgb());
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    int paints = 0;
    QRegion region;
};

TEST_F(QtCalendarTest, RewritingTheSameValuesRepaintsNothing) {
    QTest::qWait(20);  // the first showing's paints are done
    PaintCounter counter;
    Surface().installEventFilter(&counter);
    calendar_->setCalValue(calendar_->calValue());  // refills the grid with what it shows
    calendar_->Refresh();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    // Another day of the same month repaints the two cells that changed, not the grid.
    calendar_->setCalValue(QDate(1997, 6, 11));
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
    const QRect old = CellRect(CellOf("CurrToday")), now = CellRect(CellOf("CurrSelected"));
    EXPECT_EQ(counter.region, QRegion(old).united(now));
}

}  // namespace
}  // namespace VemoCalendar
