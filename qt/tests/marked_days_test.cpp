// Marked days and week numbers on screen, on hover, to a screen reader and through Qt's names.
#include <QAccessible>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>

#include "QtCalendarFixture.h"
#include "qt/QvCalButtonWidget.h"

namespace VemoCalendar {
namespace {

const QColor kRed(192, 0, 0);
const QColor kPink(255, 224, 224);

QTextCharFormat Format(const QColor& fore, const QColor& back, const QString& tip = {}) {
    QTextCharFormat format;
    if (fore.isValid()) format.setForeground(fore);
    if (back.isValid()) format.setBackground(back);
    if (!tip.isEmpty()) format.setToolTip(tip);
    return format;
}

class QtMarkedDaysTest : public QtCalendarTest {
protected:
    void SetUp() override {
        QtCalendarTest::SetUp();
        host_->SetLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    // Pixels of cell k within a distance of `color` on each channel.
    int InkOf(int k, const QColor& color) const {
        const QImage image = Render();
        const QRect r = CellRect(k).adjusted(2, 2, -2, -2);
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = image.pixelColor(x, y);
                n += std::abs(p.red() - color.red()) < 40 && std::abs(p.green() - color.green()) < 40 &&
                     std::abs(p.blue() - color.blue()) < 40;
            }
        return n;
    }
};

// June 1997 with Sunday first: 5 June, a Thursday, is cell 5.
TEST_F(QtMarkedDaysTest, AMarkedDayIsDrawnInItsColoursAndBold) {
    calendar_->setDateTextFormat(QDate(1997, 6, 5), Format(kRed, kPink));
    EXPECT_EQ(Pixel(Render(), CellRect(5).topLeft() + QPoint(2, 2)), kPink);
    const int plainInk = InkOf(5, kRed);
    EXPECT_GT(plainInk, 5) << "the number in the mark's red";
    QTextCharFormat bold = Format(kRed, kPink);
    bold.setFontWeight(QFont::Bold);
    calendar_->setDateTextFormat(QDate(1997, 6, 5), bold);
    EXPECT_GT(InkOf(5, kRed), plainInk * 5 / 4) << "bold strokes are wider";
    EXPECT_EQ(InkOf(6, kRed), 0) << "the next day is not marked";
}

TEST_F(QtMarkedDaysTest, HoverOverAMarkedDayShowsItsToolTip) {
    calendar_->setDateTextFormat(QDate(1997, 6, 5), Format({}, {}, "Midsummer fair"));
    const QPoint centre = CellRect(5).center();
    QHelpEvent over(QEvent::ToolTip, centre, Surface().mapToGlobal(centre));
    QApplication::sendEvent(&Surface(), &over);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Midsummer fair");
    const QPoint plain = CellRect(6).center();
    QHelpEvent overPlain(QEvent::ToolTip, plain, Surface().mapToGlobal(plain));
    QApplication::sendEvent(&Surface(), &overPlain);
    EXPECT_FALSE(overPlain.isAccepted()) << "an unmarked day shows no tip of its own";
}

// A huge tip is kept whole but shown and read as its first thousand characters.
TEST_F(QtMarkedDaysTest, AHugeToolTipIsShownCutAndKeptWhole) {
    const QString huge(1'000'000, QChar(u'\u00e9'));
    calendar_->setDateTextFormat(QDate(1997, 6, 5), Format({}, {}, huge));
    const QPoint centre = CellRect(5).center();
    QHelpEvent over(QEvent::ToolTip, centre, Surface().mapToGlobal(centre));
    QApplication::sendEvent(&Surface(), &over);
    EXPECT_EQ(QToolTip::text(), huge.left(1000) + QChar(0x2026));
    EXPECT_EQ(calendar_->dateTextFormat(QDate(1997, 6, 5)).toolTip(), huge);
}

// December 2026 with Sunday first: Friday 25 December is row 3, column 5, in ISO week 52.
TEST_F(QtMarkedDaysTest, AScreenReaderHearsTheMarkWithTheDateAndTheWeeksAsRowHeaders) {
    calendar_->setCalValue(QDate(2026, 12, 9));
    calendar_->setDateTextFormat(QDate(2026, 12, 25), Format(kRed, {}, "Christmas Day"));
    calendar_->setVerticalHeaderFormat(QvCalendarWidget::ISOWeekNumbers);
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(&Surface());
    ASSERT_NE(days, nullptr);
    const auto named = [days](QAccessible::Role role) {
        QStringList names;
        for (int i = 0; i < days->childCount(); ++i)
            if (days->child(i)->role() == role) names << days->child(i)->text(QAccessible::Name);
        return names;
    };
    const QStringList dates = named(QAccessible::ListItem);
    ASSERT_EQ(dates.size(), 42);
    EXPECT_EQ(dates[3 * 7 + 5], "Friday, 25 December 2026, Christmas Day");
    EXPECT_EQ(dates[3 * 7 + 4], "Thursday, 24 December 2026");
    EXPECT_EQ(named(QAccessible::RowHeader),
              (QStringList{"Week 49", "Week 50", "Week 51", "Week 52", "Week 53", "Week 1"}));
    calendar_->setVerticalHeaderFormat(QvCalendarWidget::NoVerticalHeader);
    EXPECT_TRUE(named(QAccessible::RowHeader).isEmpty());
}

TEST_F(QtMarkedDaysTest, DateTextFormatsFollowQCalendarWidget) {
    QTextCharFormat full = Format(kRed, kPink, "Fair");
    full.setFontWeight(QFont::Bold);
    full.setFontItalic(true);
    full.setFontUnderline(true);
    calendar_->setDateTextFormat(QDate(1997, 6, 5), full);
    calendar_->setDateTextFormat(QDate(1997, 6, 6), QTextCharFormat());
    const QMap<QDate, QTextCharFormat> map = calendar_->dateTextFormat();
    EXPECT_EQ(map.keys(), (QList<QDate>{QDate(1997, 6, 5), QDate(1997, 6, 6)})) << "an empty format is kept too";
    const QTextCharFormat back = calendar_->dateTextFormat(QDate(1997, 6, 5));
    EXPECT_EQ(back.foreground().color(), kRed);
    EXPECT_EQ(back.background().color(), kPink);
    EXPECT_EQ(back.fontWeight(), QFont::Bold);
    EXPECT_TRUE(back.fontItalic());
    EXPECT_TRUE(back.fontUnderline());
    EXPECT_EQ(back.toolTip(), "Fair");
    EXPECT_EQ(calendar_->dateTextFormat(QDate(1997, 6, 7)), QTextCharFormat());

    // A date's format merges over its weekday's: Saturday 14 June (cell 14) takes both.
    calendar_->setWeekdayTextFormat(Qt::Saturday, Format({}, QColor(255, 255, 0), "Market"));
    calendar_->setDateTextFormat(QDate(1997, 6, 14), Format(QColor(0, 128, 0), {}));
    const Panel& saturday = Site().Get<Panel>("pnlCalNum", 14);
    EXPECT_EQ(saturday.BackColor(), Rgb(255, 255, 0));
    EXPECT_EQ(saturday.ForeColor(), Rgb(0, 128, 0));
    EXPECT_EQ(saturday.ToolTip(), "Market");
    EXPECT_EQ(calendar_->weekdayTextFormat(Qt::Saturday).toolTip(), "Market");
    EXPECT_EQ(calendar_->dateTextFormat(QDate(1997, 6, 14)).toolTip(), "") << "the date's own format only";

    // A null date clears every date's format, not the weekdays'.
    calendar_->setDateTextFormat(QDate(), QTextCharFormat());
    EXPECT_TRUE(calendar_->dateTextFormat().isEmpty());
    EXPECT_EQ(saturday.ForeColor(), Rgb(0x80, 0, 0)) << "the weekend colour again";
    EXPECT_EQ(saturday.BackColor(), Rgb(255, 255, 0));

    QSignalSpy refused(calendar_, &QvCalendarWidget::propertyRefused);
    calendar_->setDateTextFormat(QDate(99, 12, 31), full);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0][1].toInt(), 380);
    EXPECT_TRUE(calendar_->dateTextFormat().isEmpty());
}

TEST_F(QtMarkedDaysTest, TheButtonsPopUpTakesTheSameFormatsAndWeekColumn) {
    QvCalButtonWidget button(form_.get(), host_.get(), "QvCalButton1");
    button.setDateTextFormat(QDate(2026, 12, 25), Format(kRed, {}, "Christmas Day"));
    button.setVerticalHeaderFormat(QvCalendarWidget::ISOWeekNumbers);
    const QvCalendar& popup = button.control().PopupCalendar();
    EXPECT_EQ(popup.calDayMarks().Dates().size(), 1u);
    EXPECT_TRUE(popup.calShowWeekNumbers());
    EXPECT_EQ(button.dateTextFormat(QDate(2026, 12, 25)).toolTip(), "Christmas Day");
    EXPECT_EQ(button.verticalHeaderFormat(), QvCalendarWidget::ISOWeekNumbers);
}

}  // namespace
}  // namespace VemoCalendar
