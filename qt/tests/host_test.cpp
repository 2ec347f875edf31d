// The Qt host's own facts: units at several screen densities, locale names, message boxes.
#include <QMessageBox>
#include <QTimer>

#include "qt/backend/QtConvert.h"
#include "qt/QvControlWidget_p.h"
#include "host/ControlError.h"

#include "QtCalendarFixture.h"

namespace VemoCalendar {
namespace {

TEST(QtHostUnits, TwipsFollowTheScreenDensity) {
    // 96, 144 and 192 DPI: 15, 10 and 7.5 twips per pixel.
    for (const double factor : {15.0, 10.0, 7.5}) {
        QtHost host;
        host.SetTwipsPerPixel(factor);
        QWidget form;
        QvCalendarWidget calendar(&form, &host);
        SiteOf(calendar).Move(0, 0, 4200, 3000);
        EXPECT_EQ(calendar.width(), static_cast<int>(std::nearbyint(4200 / factor))) << factor;
        EXPECT_EQ(calendar.height(), static_cast<int>(std::nearbyint(3000 / factor))) << factor;
        EXPECT_EQ(calendar.calWidth(), 4200) << "reads back what was set";
        const auto& surface = SiteOf(calendar).Get<PictureSurface>("Picture1");
        EXPECT_EQ(surface.ClientWidth(), calendar.width());
        // The month/year row's interior is in twips: its 45-twip margin is 3, 4.5 or 6 pixels.
        calendar.setCalShowDropdownMonth(true);
        const QRect list = QtWidgetFactory::Node(SiteOf(calendar).Get<DropDownList>("cbxMonth")).PixelRect();
        const QRect row = QtWidgetFactory::Node(SiteOf(calendar).Get<Panel>("pnlMonthYear")).PixelRect();
        EXPECT_EQ(list.left() - row.left(), static_cast<int>(std::nearbyint(45 / factor))) << factor;
    }
}

TEST(QtHostUnits, ScreenDensityComesFromTheScreen) {
    QtHost host;
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelX(), 1440.0 / dpi);
}

TEST(QtHostLocale, NamesComeFromTheLocale) {
    const QtLocaleNames german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.MonthName(3, false), "März");
    EXPECT_EQ(german.WeekdayName(1, false), "Sonntag");  // 1 is Sunday
    EXPECT_EQ(german.WeekdayName(2, false), "Montag");
    const QtLocaleNames english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.MonthName(1, true), "Jan");
    EXPECT_EQ(english.WeekdayName(7, true), "Sat");
    const QtLocaleNames japanese(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(japanese.MonthName(3, false), "3月");
}

TEST(QtHostLocale, CalendarShowsTheLocalesNames) {
    QtHost host;
    host.SetToday(MakeDate(1997, 3, 10));
    host.SetLocale(QLocale(QLocale::German, QLocale::Germany));
    QWidget form;
    QvCalendarWidget calendar(&form, &host);
    EXPECT_EQ(SiteOf(calendar).Get<Panel>("pnlText").Caption(), "März 1997");
    EXPECT_EQ(SiteOf(calendar).Get<Panel>("pnlCalDay", 2).Caption(), "M");
}

TEST(QtHostToday, TodayIsTheSystemDateUnlessFixed) {
    QtHost host;
    EXPECT_EQ(ToQDate(host.Today()), QDate::currentDate());
    host.SetToday(MakeDate(2001, 2, 3));
    EXPECT_EQ(ToQDate(host.Today()), QDate(2001, 2, 3));
}

TEST(QtHostMessageBox, ShowsTheRequestAndReturnsTheAnswer) {
    QtHost host;
    MessageBoxRequest request{"Save changes?", "Form", MessageIcon::Question, MessageButtons::YesNo};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        text = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(host.ShowMessageBox(request, nullptr), MessageResult::No);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(text, "Save changes?");
}

TEST(QtHostMessageBox, EscapeCancelsAnOkCancelBox) {
    QtHost host;
    MessageBoxRequest request{"Go on?", "Form", MessageIcon::Exclamation, MessageButtons::OKCancel};
    QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(host.ShowMessageBox(request, nullptr), MessageResult::Cancel);
}

TEST(QtHostDialogs, AboutBoxClosesWithEnterAndLoadsAfreshEachTime) {
    QtHost host;
    for (int showing = 0; showing < 2; ++showing) {
        QString caption;
        bool visibleWhileUp = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            caption = modal->windowTitle();
            visibleWhileUp = host.About().IsVisible();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        host.About().ShowModal();
        EXPECT_EQ(caption, "About VemoCalendar");
        EXPECT_TRUE(visibleWhileUp);
        EXPECT_FALSE(host.About().IsVisible());
    }
}

TEST(QtHostWidgets, ListReportsClickOnlyWhenItsIndexChanges) {
    QtHost host;
    QWidget form;
    QvCalendarWidget calendar(&form, &host);
    auto& factory = SiteOf(calendar).Factory();
    DropDownList& list = factory.CreateDropDownList(nullptr, "lstTest");
    int clicks = 0;
    list.Events().Click = [&clicks] { ++clicks; };
    list.AddItem("a");
    list.AddItem("b");
    EXPECT_EQ(list.ListIndex(), -1) << "adding items selects nothing";
    list.SetListIndex(1);
    list.SetListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(list.SetListIndex(2), ControlError);
    list.Clear();
    EXPECT_EQ(clicks, 1) << "clearing is no choice";
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(QtHostWidgets, CommandButtonRefusesValuesOutsideItsRanges) {
    QtHost host;
    QWidget form;
    QvCalendarWidget calendar(&form, &host);
    CommandButton& button = SiteOf(calendar).Factory().CreateCommandButton(nullptr, "cmdTest", -1);
    EXPECT_THROW(button.SetBevelWidth(11), ControlError);
    EXPECT_THROW(button.SetFont3D(5), ControlError);
    EXPECT_THROW(button.SetAutoSize(3), ControlError);
    EXPECT_THROW(button.SetMousePointer(16), ControlError);
    button.SetMousePointer(99);
    EXPECT_EQ(button.MousePointer(), PointerCustom);
    // Button to picture: the button takes the picture's size plus bevel and outline.
    auto picture = std::make_shared<PictureObject>();
    picture->width = 20;
    picture->height = 10;
    picture->pixels.assign(200, 0xFF00FF00);
    button.SetPicture(picture);
    button.SetAutoSize(2);
    EXPECT_EQ(button.Width(), (20 + 2 * 3) * 15);
    EXPECT_EQ(button.Height(), (10 + 2 * 3) * 15);
}

}  // namespace
}  // namespace VemoCalendar

#include "formfile/FormBag.h"

namespace VemoCalendar {
namespace {

TEST(QtWrapper, PropertiesAndAStoredBagRoundTrip) {
    QtHost host;
    host.SetToday(MakeDate(1997, 6, 10));
    QWidget form;
    QvCalendarWidget calendar(&form, &host, "QvCalendar1");
    std::vector<QString> changed;
    QObject::connect(&calendar, &QvCalendarWidget::PropertyChanged, &calendar,
                     [&changed](const QString& name) { changed.push_back(name); });
    EXPECT_TRUE(calendar.setProperty("calValue", QDate(2004, 2, 29)));
    EXPECT_TRUE(calendar.setProperty("calCaption", QString("Termine")));
    EXPECT_TRUE(calendar.setProperty("calSelectedDayBackColor", QColor(0, 128, 0)));
    EXPECT_TRUE(calendar.setProperty("calFirstDayofWeek", 2));
    EXPECT_EQ(changed, (std::vector<QString>{"calValue", "calCaption", "calSelectedDayBackColor", "calFirstDayofWeek"}));
    EXPECT_EQ(calendar.property("calLeapYear").toBool(), true);
    EXPECT_EQ(calendar.property("calVersion").toString(), "2.1.0");
    EXPECT_FALSE(calendar.setCalAppearance(static_cast<enumCALAppearance>(3)));
    EXPECT_EQ(calendar.calAppearance(), VemocalRaised);

    FormBag bag;
    calendar.writeProperties(bag);
    QvCalendarWidget loaded(bag, &form, &host, "QvCalendar2");
    EXPECT_EQ(loaded.calValue(), QDate(2004, 2, 29));
    EXPECT_EQ(loaded.calCaption(), "Termine");
    EXPECT_EQ(loaded.calSelectedDayBackColor(), QColor(0, 128, 0));
    EXPECT_EQ(loaded.calFirstDayofWeek(), VemocalMonday);
    EXPECT_EQ(SiteOf(loaded).Get<Panel>("pnlTitleBar1").Caption(), " Termine");
}

TEST(QtWrapper, DamagedBagFailsTheLoadWithTypeMismatch) {
    QtHost host;
    QWidget form;
    FormBag bag;
    bag.Set("calMinYear", Variant("not a year"));
    try {
        QvCalendarWidget loaded(bag, &form, &host);
        FAIL() << "a year that is text must not load";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number, 13);
    }
}

TEST(QtWrapper, KeyPressHandlerChangesWhatTheControlSees) {
    QtHost host;
    QWidget form;
    QvCalendarWidget calendar(&form, &host);
    form.show();
    std::vector<int> seen;
    QObject::connect(&calendar, &QvCalendarWidget::KeyPress, &calendar, [&seen](KeyPressArgs& args) {
        seen.push_back(args.keyAscii);
        args.keyAscii = 'Z';
    });
    QVariantList logged;
    QObject::connect(&calendar, &QvCalendarWidget::EventRaised, &calendar,
                     [&logged](const QString& name, const QVariantList& args) { if (name == "KeyPress") logged = args; });
    calendar.setFocus();
    QTest::keyClick(&calendar, Qt::Key_A, {}, 'a');
    EXPECT_EQ(seen, (std::vector<int>{'a'}));
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].toInt(), 'Z');
}

}  // namespace
}  // namespace VemoCalendar
