// The wrapper widgets as a Qt developer uses them: typed enumerations, NOTIFY signals, refusals
// without exceptions, Qt's own names and enabled state.
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPixmap>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "QtCalButtonFixture.h"
#include "QtCalendarFixture.h"

namespace VemoCalendar {
namespace {

QPoint Centre(const QRect& r) { return r.center(); }

struct EnumCase {
    const char* name;
    QMetaEnum meta;
    const EnumerationInfo* info;
};

TEST(QtEnums, EveryEnumerationIsKnownToQtWithTheControlsNamesAndValues) {
    const EnumCase cases[] = {
        {"enumCALFirstDayofWeek", QMetaEnum::fromType<enumCALFirstDayofWeek>(), &kEnumCALFirstDayofWeek},
        {"enumCALAppearance", QMetaEnum::fromType<enumCALAppearance>(), &kEnumCALAppearance},
        {"enumCALSize", QMetaEnum::fromType<enumCALSize>(), &kEnumCALSize},
        {"enumCALScrollArrowsPos", QMetaEnum::fromType<enumCALScrollArrowsPos>(), &kEnumCALScrollArrowsPos},
        {"enumCALMonthTitle", QMetaEnum::fromType<enumCALMonthTitle>(), &kEnumCALMonthTitle},
        {"enumCALDayTitle", QMetaEnum::fromType<enumCALDayTitle>(), &kEnumCALDayTitle},
        {"enumCALAlignment", QMetaEnum::fromType<enumCALAlignment>(), &kEnumCALAlignment},
        {"enumBTNAutoSize", QMetaEnum::fromType<enumBTNAutoSize>(), &kEnumBTNAutoSize},
    };
    for (const EnumCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.meta.name(), c.name);
        ASSERT_EQ(c.meta.keyCount(), static_cast<int>(c.info->constants.size()));
        for (const EnumConstant& constant : c.info->constants)
            EXPECT_EQ(c.meta.valueToKey(constant.value), std::string(constant.name)) << constant.value;
    }
}

// Every property of the control's table is a Q_PROPERTY of the same name; a writable one has a
// NOTIFY signal and, for an enumeration, the enumeration's own type.
void ExpectEveryPropertyPublished(const QObject& widget, const Control& control) {
    const QMetaObject* meta = widget.metaObject();
    for (const PropertyInfo& info : control.Properties()) {
        const std::string name(info.name);
        if (name == "hwnd" || name == "hDC") continue;
        SCOPED_TRACE(name);
        const int index = meta->indexOfProperty(name.c_str());
        ASSERT_GE(index, 0);
        const QMetaProperty property = meta->property(index);
        EXPECT_EQ(property.isWritable(), info.writable);
        if (info.writable) {
            EXPECT_TRUE(property.hasNotifySignal());
        }
        if (info.enumeration) {
            ASSERT_TRUE(property.isEnumType());
            EXPECT_EQ(std::string(property.enumerator().name()), std::string(info.enumeration->name));
        }
    }
}

TEST_F(QtCalendarTest, EveryPropertyIsAQtPropertyWithItsTypeAndNotify) {
    ExpectEveryPropertyPublished(*calendar_, calendar_->control());
}

TEST_F(QtCalButtonTest, EveryPropertyIsAQtPropertyWithItsTypeAndNotify) {
    ExpectEveryPropertyPublished(*button_, button_->control());
}

struct RefusalCase {
    const char* property;
    QVariant value;
};

// A pixmap has no ==: the pixels are what must stay.
QVariant Comparable(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<QPixmap>() ? QVariant(value.value<QPixmap>().toImage()) : value;
}

void ExpectRefusedKeepingTheOldValue(QObject& widget, const RefusalCase& c) {
    SCOPED_TRACE(c.property);
    const QVariant before = Comparable(widget.property(c.property));
    QSignalSpy refused(&widget, SIGNAL(propertyRefused(QString, int, QString)));
    QSignalSpy changed(&widget, SIGNAL(PropertyChanged(QString)));
    EXPECT_NO_THROW(widget.setProperty(c.property, c.value));
    EXPECT_EQ(Comparable(widget.property(c.property)), before);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused[0][0].toString(), c.property);
    EXPECT_EQ(refused[0][1].toInt(), 380);
    EXPECT_EQ(refused[0][2].toString(), "Invalid property value");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(QtCalendarTest, ARefusedValueThroughSetPropertyThrowsNothingAndKeepsTheOldOne) {
    const RefusalCase cases[] = {
        {"calValue", QDate()},
        {"calValue", QDate(50, 1, 1)},
        {"calMinYear", 1599},
        {"calMaxYear", 10000},
        {"calFirstDayofWeek", 8},
        {"calAppearance", 3},
        {"calScrollArrowsPos", -1},
        {"calAlignmentNum", 9},
        {"calMonthTitle", 2},
        {"calDayTitle", 3},
        {"calSelectedDayBackColor", QColor()},
        {"calNextMonthForeColor", QColor()},
        {"calFont", QFont("Arial", 4096)},
    };
    for (const RefusalCase& c : cases) ExpectRefusedKeepingTheOldValue(*calendar_, c);
}

TEST_F(QtCalButtonTest, ARefusedValueThroughSetPropertyThrowsNothingAndKeepsTheOldOne) {
    const RefusalCase cases[] = {
        {"calValue", QDate()}, {"calMinYear", 1000}, {"calAppearance", 7}, {"AutoSize", 3}, {"calFirstDayofWeek", 0},
        {"ForeColor", QColor()},
        // Larger than a form file holds: refused before a pixel is copied, not when saving.
        {"Picture", QImage(kMaxPictureSide + 1, 1, QImage::Format_ARGB32)},
        {"MouseIcon", QImage(1, 16000, QImage::Format_ARGB32)},
    };
    for (const RefusalCase& c : cases) ExpectRefusedKeepingTheOldValue(*button_, c);
}

// Designer offers the face's text effect and pointer by name; code may still set them by number.
TEST_F(QtCalButtonTest, Font3DAndMousePointerHaveNamesAndStillTakeNumbers) {
    for (const char* property : {"Font3D", "MousePointer"}) {
        const QMetaProperty meta = button_->metaObject()->property(button_->metaObject()->indexOfProperty(property));
        EXPECT_TRUE(meta.isEnumType()) << property;
    }
    EXPECT_TRUE(button_->setProperty("Font3D", "Font3DInsetLightShading"));
    EXPECT_EQ(button_->control().Font3D(), 3);
    EXPECT_TRUE(button_->setProperty("MousePointer", 99));
    EXPECT_EQ(button_->MousePointer(), PointerCustom);
    ExpectRefusedKeepingTheOldValue(*button_, {"Font3D", 5});
}

TEST_F(QtCalButtonTest, APixelSizedFontGetsItsPointSize) {
    QFont font("Arial");
    font.setPixelSize(16);
    ASSERT_TRUE(button_->setButtonFont(font));
    EXPECT_DOUBLE_EQ(button_->buttonFont().pointSizeF(), 12);
}

TEST_F(QtCalendarTest, ARefusedValueThroughTheTypedSetterReturnsFalseOnce) {
    QSignalSpy refused(calendar_, &QvCalendarWidget::propertyRefused);
    const QDate before = calendar_->calValue();
    EXPECT_FALSE(calendar_->setCalValue(QDate()));
    EXPECT_FALSE(calendar_->setCalAppearance(static_cast<enumCALAppearance>(5)));
    EXPECT_FALSE(calendar_->setCalMinYear(calendar_->calMaxYear() + 1));
    EXPECT_EQ(calendar_->calValue(), before);
    EXPECT_EQ(calendar_->calAppearance(), VemocalRaised);
    ASSERT_EQ(refused.count(), 3);
    for (const QList<QVariant>& args : refused) EXPECT_EQ(args[1].toInt(), 380);
    EXPECT_EQ(refused[0][0].toString(), "calValue");
    EXPECT_EQ(refused[2][0].toString(), "calMinYear");
}

TEST_F(QtCalendarTest, EnumerationsAreSetByTheirConstantsNames) {
    EXPECT_TRUE(calendar_->setProperty("calScrollArrowsPos", "VemocalTop"));
    EXPECT_EQ(calendar_->calScrollArrowsPos(), VemocalTop);
    EXPECT_TRUE(calendar_->setProperty("calAlignmentNum", "VemoCalendar::VemocalLeftBottom"));
    EXPECT_EQ(calendar_->calAlignmentNum(), VemocalLeftBottom);
    EXPECT_EQ(calendar_->property("calDayTitle").value<enumCALDayTitle>(), VemocalDayShort);
}

TEST_F(QtCalendarTest, ANotifySignalFollowsTheControlsChangeNotification) {
    QStringList order;
    QObject::connect(calendar_, &QvCalendarWidget::calCaptionChanged, calendar_, [&] { order << "calCaptionChanged"; });
    QObject::connect(calendar_, &QvCalendarWidget::calDayTitleChanged, calendar_, [&] { order << "calDayTitleChanged"; });
    QObject::connect(calendar_, &QvCalendarWidget::PropertyChanged, calendar_, [&](const QString& n) { order << n; });
    // Through the Qt setter and through the control's by-name path alike.
    EXPECT_TRUE(calendar_->setCalCaption("Termine"));
    calendar_->control().SetProperty("calDayTitle", Variant(int32_t{2}));
    EXPECT_EQ(order, (QStringList{"calCaptionChanged", "calCaption", "calDayTitleChanged", "calDayTitle"}));
}

TEST_F(QtCalendarTest, ASetDateIsAnnouncedOnceAndTheUsersStepsToo) {
    QSignalSpy value(calendar_, &QvCalendarWidget::calValueChanged);
    QSignalSpy selection(calendar_, &QvCalendarWidget::selectionChanged);
    QSignalSpy page(calendar_, &QvCalendarWidget::currentPageChanged);
    EXPECT_TRUE(calendar_->setSelectedDate(QDate(1997, 6, 20)));
    EXPECT_EQ(value.count(), 1);
    EXPECT_EQ(selection.count(), 1);
    EXPECT_EQ(page.count(), 0);  // still June 1997
    // Setting the same date again changes nothing, so nothing is announced.
    EXPECT_TRUE(calendar_->setCalValue(QDate(1997, 6, 20)));
    EXPECT_EQ(value.count(), 1);
    // The next-month arrow: the user's step, with no change notification of the control.
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(Node("cmdButton", 2).PixelRect()));
    EXPECT_EQ(calendar_->calValue(), QDate(1997, 7, 20));
    EXPECT_EQ(value.count(), 2);
    EXPECT_EQ(selection.count(), 2);
    ASSERT_EQ(page.count(), 1);
    EXPECT_EQ(page[0][0].toInt(), 1997);
    EXPECT_EQ(page[0][1].toInt(), 7);
}

TEST_F(QtCalendarTest, ClickedIsForDaysAndActivatedForDoubleClickAndEnter) {
    QSignalSpy clicked(calendar_, &QvCalendarWidget::clicked);
    QSignalSpy activated(calendar_, &QvCalendarWidget::activated);
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(Node("cmdButton", 2).PixelRect()));
    EXPECT_EQ(clicked.count(), 0);  // an arrow is no day
    const int k = CellOf("Curr");
    QTest::mouseClick(&Surface(), Qt::LeftButton, {}, Centre(CellRect(k)));
    ASSERT_EQ(clicked.count(), 1);
    const QDate picked = calendar_->calValue();
    EXPECT_EQ(clicked[0][0].toDate(), picked);
    EXPECT_EQ(activated.count(), 0);
    QTest::mouseDClick(&Surface(), Qt::LeftButton, {}, Centre(CellRect(CellOf("CurrSelected"))));
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated[0][0].toDate(), picked);
    // The day grid has the keyboard after the click: Enter clicks and activates the selected day.
    QTest::keyClick(&Surface(), Qt::Key_Return);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(activated[1][0].toDate(), picked);
}

TEST_F(QtCalendarTest, SetDateRangeKeepsTheYearLimitsAndNarrowsThemToWholeDays) {
    EXPECT_TRUE(calendar_->setDateRange(QDate(2000, 3, 1), QDate(2010, 1, 1)));
    EXPECT_EQ(calendar_->calMinYear(), 1600);
    EXPECT_EQ(calendar_->calMaxYear(), 9999);
    EXPECT_EQ(calendar_->minimumDate(), QDate(2000, 3, 1));
    EXPECT_EQ(calendar_->calValue(), QDate(2000, 3, 1));  // moved into the range
}

TEST_F(QtCalendarTest, QtsDisabledStateDisablesTheControlAndEnablingUndoesOnlyThat) {
    QSignalSpy enabled(calendar_, &QvCalendarWidget::EnabledChanged);
    form_->setEnabled(false);
    EXPECT_FALSE(calendar_->controlEnabled());
    form_->setEnabled(true);
    EXPECT_TRUE(calendar_->controlEnabled());
    EXPECT_EQ(enabled.count(), 2);
    // A control disabled by its own Enabled stays so when Qt enables it again.
    EXPECT_TRUE(calendar_->setControlEnabled(false));
    calendar_->setEnabled(false);
    calendar_->setEnabled(true);
    EXPECT_FALSE(calendar_->controlEnabled());
}

// Designer and layouts place a new widget at its size hint; one below the minimum size hint would
// be placed at another size than the control asks for.
TEST(QtSizeHints, ANewWidgetsSizeHintIsNoSmallerThanItsMinimum) {
    QvCalendarWidget calendar;
    QvCalButtonWidget button;
    for (QWidget* widget : {static_cast<QWidget*>(&calendar), static_cast<QWidget*>(&button)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_EQ(widget->sizeHint().expandedTo(widget->minimumSizeHint()), widget->sizeHint())
            << widget->minimumSizeHint().width() << " x " << widget->minimumSizeHint().height();
    }
}

TEST_F(QtCalendarTest, TheMinimumSizeFollowsTheFontAndALayoutGrowsTheCalendar) {
    const QSize small = calendar_->minimumSizeHint();
    QFont big = calendar_->calFont();
    big.setPointSize(20);
    EXPECT_TRUE(calendar_->setCalFont(big));
    const QSize large = calendar_->minimumSizeHint();
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grown = new QvCalendarWidget(nullptr, host_.get(), "QvCalendar2");
    layout->addWidget(grown);
    window.resize(600, 500);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_GT(grown->width(), 500);
    EXPECT_GT(grown->height(), 400);
    EXPECT_EQ(grown->calWidth(), grown->width() * 15);
}

TEST_F(QtCalButtonTest, DateIsQDateEditsNameForCalValue) {
    QSignalSpy date(button_, &QvCalButtonWidget::dateChanged);
    QSignalSpy value(button_, &QvCalButtonWidget::calValueChanged);
    EXPECT_TRUE(button_->setDate(QDate(2024, 2, 29)));
    EXPECT_EQ(button_->calValue(), QDate(2024, 2, 29));
    ASSERT_EQ(date.count(), 1);
    EXPECT_EQ(date[0][0].toDate(), QDate(2024, 2, 29));
    EXPECT_EQ(value.count(), 1);
    EXPECT_TRUE(button_->setProperty("AutoSize", "VemobtnButtonToPicture"));
    EXPECT_EQ(button_->AutoSize(), VemobtnButtonToPicture);
}

TEST_F(QtCalButtonTest, QtsDisabledStateDisablesTheButton) {
    button_->setEnabled(false);
    EXPECT_FALSE(button_->controlEnabled());
    button_->setEnabled(true);
    EXPECT_TRUE(button_->controlEnabled());
}

}  // namespace
}  // namespace VemoCalendar
