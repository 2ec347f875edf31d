// Captions drawn from cached layouts put the same pixels where QPainter::drawText puts them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qt/backend/QtCaptionText.h"

namespace VemoCalendar {
namespace {

constexpr int kFlags[] = {Qt::AlignLeft | Qt::AlignTop,     Qt::AlignLeft | Qt::AlignVCenter,  Qt::AlignLeft | Qt::AlignBottom,
                          Qt::AlignRight | Qt::AlignTop,    Qt::AlignRight | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignBottom,
                          Qt::AlignHCenter | Qt::AlignTop,  Qt::AlignCenter,                   Qt::AlignHCenter | Qt::AlignBottom};

QImage Blank() {
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

struct Case {
    const char* what;
    const char* text;
    QRect box;
    QPoint offset;
};

// Every alignment, in odd and even boxes, a text that overflows its box (drawText clips it), a
// caption with a line break (one line), a shifted copy as the disabled and 3-D looks draw it.
const Case kCases[] = {
    {"day number in an even box", "27", QRect(10, 5, 36, 18), {}},
    {"day number in an odd box", "8", QRect(11, 6, 37, 19), {}},
    {"month title", "January 2027", QRect(4, 3, 100, 20), {}},
    {"title wider than its box", "September 2027", QRect(20, 8, 40, 12), {}},
    {"caption with a line break", "Mon\nday", QRect(5, 5, 90, 25), {}},
    {"shifted copy", "Wed", QRect(10, 5, 36, 18), QPoint(1, 1)},
};

// Also underlined, on a translated painter as a layer paints its cells (the decoration must stay
// under the glyphs).
TEST(CaptionText, DrawsTheSamePixelsAsDrawTextForEveryAlignment) {
    CaptionLayouts layouts;
    for (bool underline : {false, true}) {
        QFont font("Arial");
        font.setPointSizeF(8.25);
        font.setUnderline(underline);
        const QtFontRef shared = std::make_shared<const QtFont>(QtFont{FontObject(), font});
        for (const Case& c : kCases) {
            for (int flags : kFlags) {
                QImage expected = Blank(), actual = Blank();
                {
                    QPainter p(&expected);
                    p.translate(3, 2);
                    p.setFont(font);
                    p.drawText(c.box.translated(c.offset), flags | Qt::TextSingleLine, c.text);
                }
                CaptionText caption;
                for (int round = 0; round < 2; ++round) {  // laid out, then drawn from the cache
                    actual = Blank();
                    QPainter p(&actual);
                    p.translate(3, 2);
                    p.setFont(font);
                    caption.Draw(p, layouts, c.text, shared, c.box, flags | Qt::TextSingleLine, c.offset);
                }
                EXPECT_EQ(actual, expected) << c.what << ", flags " << flags << (underline ? ", underlined" : "");
            }
        }
    }
}

TEST(CaptionText, FollowsANewCaptionAndANewFont) {
    CaptionLayouts layouts;
    CaptionText caption;
    QFont plain("Arial"), bold("Arial");
    plain.setPointSizeF(8.25);
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    const QtFontRef sharedPlain = std::make_shared<const QtFont>(QtFont{FontObject(), plain});
    const QtFontRef sharedBold = std::make_shared<const QtFont>(QtFont{FontObject(), bold});
    const QRect box(5, 5, 60, 20);
    std::string shown;
    auto draw = [&](const std::string& text, const QtFontRef& font, bool cached) {
        QImage image = Blank();
        QPainter p(&image);
        p.setFont(font->qfont);
        if (cached) {
            if (text != shown) caption.TextChanged();
            shown = text;
            caption.Draw(p, layouts, text, font, box, Qt::AlignCenter | Qt::TextSingleLine);
        } else {
            p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(text));
        }
        return image;
    };
    EXPECT_EQ(draw("12", sharedPlain, true), draw("12", sharedPlain, false));
    EXPECT_EQ(draw("13", sharedPlain, true), draw("13", sharedPlain, false)) << "a new caption";
    EXPECT_EQ(draw("13", sharedBold, true), draw("13", sharedBold, false)) << "a bold font";
    EXPECT_EQ(draw("13", sharedPlain, true), draw("13", sharedPlain, false)) << "back to the plain font";
}

// A huge caption is cut, at a character's boundary, to what its box could ever show before it is
// shaped; what is seen of it does not change.
TEST(CaptionText, AHugeCaptionIsShapedOnlyAsFarAsItsBoxShows) {
    EXPECT_EQ(ShownBytes("September 2027", 10), 14u);
    EXPECT_EQ(ShownBytes(std::string(1000, 'x'), 20), 52u);
    std::string accents;
    for (int i = 0; i < 1000; ++i) accents += "\xC3\xA9";  // é, two bytes each
    EXPECT_EQ(ShownBytes(accents, 20), 104u);
    EXPECT_EQ(ShownBytes(accents, -5), 64u);

    std::string huge;
    while (huge.size() < 200000) huge += "Termin \xCE\xA1\xCE\xB1\xCE\xBD\xCF\x84\xCE\xB5 ";
    QFont font("Arial");
    font.setPointSizeF(8.25);
    const QtFontRef shared = std::make_shared<const QtFont>(QtFont{FontObject(), font});
    CaptionLayouts layouts;
    CaptionText caption;
    const QRect box(4, 3, 100, 20);
    QImage expected = Blank(), actual = Blank();
    {
        QPainter p(&expected);
        p.setFont(font);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdString(huge));
    }
    {
        QPainter p(&actual);
        p.setFont(font);
        caption.Draw(p, layouts, huge, shared, box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    }
    EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace VemoCalendar
