// A drop-down button stored in a form file on disk and loaded again on a Qt form: every one of its
// 44 keys, its fonts and pictures, and the empty picture.
#include <QTemporaryDir>

#include "QtCalButtonFixture.h"
#include "formfile/FormFile.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

QImage Checker(int size, QColor a, QColor b) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.setPixelColor(x, y, (x / 4 + y / 4) % 2 ? a : b);
    return image;
}

// Writes the button into a form file, reads the file back and makes a new button from it.
std::unique_ptr<QvCalButtonWidget> RoundTrip(QvCalButtonWidget& button, QtHost& host, QWidget& form, FormBag* written = nullptr) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("form.json").toStdString();
    FormFile file;
    file.width = 6000;
    file.height = 4950;
    StoredControl stored;
    stored.type = "QvCalButton";
    stored.name = "QvCalButton1";
    button.writeProperties(stored.bag);
    if (written) *written = stored.bag;
    file.controls.push_back(std::move(stored));
    WriteFormFile(path, file);
    FormFile read = ReadFormFile(path);
    EXPECT_EQ(read.controls.size(), 1u);
    EXPECT_EQ(read.controls.at(0).type, "QvCalButton");
    return std::make_unique<QvCalButtonWidget>(read.controls.at(0).bag, &form, &host, "QvCalButton1");
}

// Every stored property of `loaded` equals that of `original`: objects by their content.
void ExpectSameStoredProperties(const QvCalButton& original, const QvCalButton& loaded) {
    int stored = 0;
    for (const PropertyInfo& info : original.Properties()) {
        if (!info.stored) continue;
        ++stored;
        SCOPED_TRACE(std::string(info.name));
        const Variant a = original.GetProperty(info.name), b = loaded.GetProperty(info.name);
        if (info.kind == PropertyKind::Font) {
            ASSERT_TRUE(a.ToFont() && b.ToFont());
            EXPECT_EQ(*a.ToFont(), *b.ToFont());
        } else if (info.kind == PropertyKind::Picture) {
            ASSERT_EQ(a.ToPicture() == nullptr, b.ToPicture() == nullptr);
            if (a.ToPicture()) {
                EXPECT_EQ(*a.ToPicture(), *b.ToPicture());
            }
        } else if (info.kind == PropertyKind::Date) {
            EXPECT_EQ(a.ToDouble(), b.ToDouble());
        } else {
            EXPECT_EQ(a.ToString(), b.ToString());
        }
    }
    EXPECT_EQ(stored, 44);
}

TEST_F(QtCalButtonTest, EveryStoredSettingSurvivesAFormFileOnDisk) {
    QvCalButtonWidget& b = *button_;
    // Not one value at its default.
    ASSERT_TRUE(b.setCalWidth(4005) && b.setCalHeight(4500));
    ASSERT_TRUE(b.setCalAlignmentDayTitle(VemocalLeftMiddle) && b.setCalAlignmentNum(VemocalRightTop) &&
                b.setCalAppearance(VemocalSunken));
    ASSERT_TRUE(b.setCalCaption("Pick a day") && b.setCalDayTitle(VemocalDayLong) && b.setCalFirstDayofWeek(VemocalMonday));
    ASSERT_TRUE(b.setCalCurrentDateBackColor(QColor(1, 2, 3)) && b.setCalCurrentDateForeColor(QColor(4, 5, 6)));
    ASSERT_TRUE(b.setCalCurrentMonthBackColor(QColor(7, 8, 9)) && b.setCalCurrentMonthForeColor(QColor(10, 11, 12)));
    ASSERT_TRUE(b.setCalCurrentMonthWeekendsBackColor(QColor(13, 14, 15)) &&
                b.setCalCurrentMonthWeekendsForeColor(QColor(16, 17, 18)));
    ASSERT_TRUE(b.setCalNextMonthBackColor(QColor(19, 20, 21)) && b.setCalNextMonthForeColor(QColor(22, 23, 24)));
    ASSERT_TRUE(b.setCalPreviousMonthBackColor(QColor(25, 26, 27)) && b.setCalPreviousMonthForeColor(QColor(28, 29, 30)));
    ASSERT_TRUE(b.setCalSelectedDayBackColor(QColor(31, 32, 33)) && b.setCalSelectedDayForeColor(QColor(34, 35, 36)));
    ASSERT_TRUE(b.setCalMaxYear(2100) && b.setCalMinYear(1900) && b.setCalMonthTitle(VemocalMonthShort));
    QFont serif("DejaVu Serif", 11);
    serif.setBold(true);
    QFont mono("DejaVu Sans Mono", 7);
    mono.setItalic(true);
    ASSERT_TRUE(b.setCalFont(serif) && b.setCalMonthYearTitleFont(mono) && b.setCalScrollArrowsFont(QFont("DejaVu Sans", 13)));
    ASSERT_TRUE(b.setCalMouseSensitiveDate(true) && b.setCalOutline(true) && b.setCalScrollArrowsPos(VemocalTop));
    ASSERT_TRUE(b.setCalShowDropdownMonth(true) && b.setCalShowTitleBar(false));
    ASSERT_TRUE(b.setCalValue(QDate(2024, 2, 29)));
    ASSERT_TRUE(b.setForeColor(QColor(0x40, 0x80, 0xC0)) && b.setControlEnabled(false));
    QFont underlined("DejaVu Sans", 9);
    underlined.setUnderline(true);
    ASSERT_TRUE(b.setButtonFont(underlined) && b.setAutoSize(VemobtnPictureToButton) && b.setBevelWidth(3) && b.setCaption("Date"));
    ASSERT_TRUE(b.setFont3D(Font3DRaisedHeavyShading) && b.setMousePointer(PointerCustom) && b.setOutline(true) && b.setRoundedCorners(true));
    ASSERT_TRUE(b.setMouseIcon(Checker(16, Qt::black, Qt::white)) && b.setPicture(Checker(24, QColor(0, 0, 255, 128), Qt::yellow)));

    FormBag written;
    const auto loaded = RoundTrip(b, *host_, *form_, &written);
    EXPECT_EQ(written.Entries().size(), 44u);
    ExpectSameStoredProperties(b.control(), loaded->control());
    // What the user sees comes back too: the face and the pop-up's date.
    EXPECT_EQ(loaded->Picture(), b.Picture());
    EXPECT_EQ(loaded->Caption(), "Date");
    EXPECT_FALSE(loaded->controlEnabled());
    EXPECT_EQ(loaded->calValue(), QDate(2024, 2, 29));
}

TEST_F(QtCalButtonTest, AnEmptyPictureComesBackEmptyNotAsTheDesignBitmap) {
    // A new button's face carries the calendar bitmap of its design; clearing it must stick.
    ASSERT_FALSE(button_->Picture().isNull());
    ASSERT_TRUE(button_->setPicture(QImage()));
    ASSERT_TRUE(button_->Picture().isNull());
    FormBag written;
    const auto loaded = RoundTrip(*button_, *host_, *form_, &written);
    ASSERT_TRUE(written.Has("Picture"));
    EXPECT_EQ(written.Get("Picture").ToPicture(), nullptr);
    EXPECT_TRUE(loaded->Picture().isNull());
    EXPECT_TRUE(loaded->MouseIcon().isNull());
}

TEST_F(QtCalButtonTest, ALoadedButtonOpensItsPopupAtTheStoredSize) {
    ASSERT_TRUE(button_->setCalWidth(3000) && button_->setCalHeight(3600));
    std::unique_ptr<QvCalButtonWidget> loaded = RoundTrip(*button_, *host_, *form_);
    delete button_;
    button_ = loaded.release();
    SiteOf(*button_).Move(600, 300, 1215, 375);
    button_->show();
    Press();
    Settle();
    ASSERT_TRUE(button_->popupOpen());
    EXPECT_EQ(PopupWindow().geometry(), QRect(81, 33, 200, 240));
}

}  // namespace
}  // namespace VemoCalendar
