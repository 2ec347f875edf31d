// How the "Property Pages…" command hands the dialog's changes to Designer: the widget goes back
// to what Designer knows, then each changed property is written through the form's path.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "designer/PropertyPagesCommand.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {
namespace {

const PropertyWriter kDirect = [](QWidget& w, const QByteArray& name, const QVariant& value) {
    w.setProperty(name.constData(), value);
};

// The writes that reached the form, in order.
struct Recorder {
    QList<QPair<QByteArray, QVariant>> writes;
    PropertyWriter Writer() {
        return [this](QWidget& w, const QByteArray& name, const QVariant& value) {
            writes.append({name, value});
            w.setProperty(name.constData(), value);
        };
    }
    QList<QByteArray> Names() const {
        QList<QByteArray> names;
        for (const auto& write : writes) names.append(write.first);
        return names;
    }
};

TEST(PropertySnapshot, HoldsTheControlsDesignableProperties) {
    QvCalendarWidget calendar;
    QList<QByteArray> names;
    for (const PropertyValue& value : SnapshotOf(calendar)) names.append(value.name);
    EXPECT_TRUE(names.contains("calMinYear"));
    EXPECT_TRUE(names.contains("calScrollArrowsPos"));
    // Read-only facts and the Qt-name aliases are not the form's to write.
    EXPECT_FALSE(names.contains("calVersion"));
    EXPECT_FALSE(names.contains("selectedDate"));
    // QWidget's own properties stay Designer's, but for the geometry that the page's width and
    // height change (calWidth and calHeight are not designable: the geometry is).
    EXPECT_FALSE(names.contains("toolTip"));
    EXPECT_FALSE(names.contains("calWidth"));
    EXPECT_EQ(names.front(), "geometry");
}

TEST(PropertySnapshot, ChangedPropertiesAreTheDifferingOnes) {
    QvCalendarWidget calendar;
    const PropertySnapshot before = SnapshotOf(calendar);
    calendar.setCalCaption("Other");
    calendar.setCalOutline(!calendar.calOutline());
    calendar.setCalWidth(calendar.calWidth() + 150);
    QList<QByteArray> changed;
    for (const PropertyValue& value : ChangedProperties(before, SnapshotOf(calendar))) changed.append(value.name);
    EXPECT_EQ(changed, QList<QByteArray>({"geometry", "calCaption", "calOutline"}));
}

// Year limits that pass each other are only accepted in one order: written in declaration order
// (calMinYear first) the first write is refused, and a second pass must get it in.
struct LimitCase {
    const char* label;
    int fromMin, fromMax, toMin, toMax;
};

class SettledLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SettledLimits, ReachEveryTarget) {
    const LimitCase& c = GetParam();
    QvCalendarWidget calendar;
    ASSERT_TRUE(calendar.setCalMaxYear(c.fromMax));
    ASSERT_TRUE(calendar.setCalMinYear(c.fromMin));
    const PropertySnapshot targets{{"calMinYear", c.toMin}, {"calMaxYear", c.toMax}};
    EXPECT_TRUE(WriteUntilSettled(calendar, targets, kDirect));
    EXPECT_EQ(calendar.calMinYear(), c.toMin);
    EXPECT_EQ(calendar.calMaxYear(), c.toMax);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SettledLimits,
    ::testing::Values(LimitCase{"MinAboveTheOldMax", 1900, 1950, 2000, 2100},
                      LimitCase{"MaxBelowTheOldMin", 2000, 2100, 1900, 1950},
                      LimitCase{"Widened", 1990, 2000, 1600, 9999}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.label); });

TEST(WriteUntilSettled, AValueNoOrderAcceptsIsReportedUnsettled) {
    QvCalendarWidget calendar;
    const int before = calendar.calMinYear();
    EXPECT_FALSE(WriteUntilSettled(calendar, {{"calMinYear", 1000}}, kDirect));
    EXPECT_EQ(calendar.calMinYear(), before);
}

TEST(ApplyPropertyPages, WritesOnlyTheDialogsChangesThroughTheForm) {
    QvCalendarWidget calendar;
    Recorder form;
    const int written = ApplyPropertyPages(
        {&calendar},
        [](const QList<QWidget*>& widgets) {
            // What the dialog does: changes through the control, not through Designer.
            auto* c = static_cast<QvCalendarWidget*>(widgets[0]);
            c->control().SetProperty("calCaption", Variant(std::string("From the pages")));
            c->control().SetProperty("calScrollArrowsPos", Variant(int32_t(VemocalTop)));
        },
        form.Writer());
    EXPECT_EQ(written, 2);
    EXPECT_EQ(form.Names(), QList<QByteArray>({"calCaption", "calScrollArrowsPos"}));
    EXPECT_EQ(calendar.calCaption(), QStringLiteral("From the pages"));
    EXPECT_EQ(calendar.calScrollArrowsPos(), VemocalTop);
}

TEST(ApplyPropertyPages, EachFormWriteStartsFromTheOldValue) {
    // The form's undo command records the value it replaces: the widget must hold the old value
    // when each write reaches it, or undo would restore the dialog's value.
    QvCalendarWidget calendar;
    const QString oldCaption = calendar.calCaption();
    QList<QString> replaced;
    const PropertyWriter form = [&](QWidget& w, const QByteArray& name, const QVariant& value) {
        replaced.append(w.property(name.constData()).toString());
        w.setProperty(name.constData(), value);
    };
    ApplyPropertyPages(
        {&calendar},
        [](const QList<QWidget*>& widgets) {
            static_cast<QvCalendarWidget*>(widgets[0])->control().SetProperty("calCaption", Variant(std::string("New")));
        },
        form);
    EXPECT_EQ(replaced, QList<QString>({oldCaption}));
    EXPECT_EQ(calendar.calCaption(), QStringLiteral("New"));
}

TEST(ApplyPropertyPages, CrossedYearLimitsFromTheDialogReachTheForm) {
    QvCalendarWidget calendar;
    ASSERT_TRUE(calendar.setCalMaxYear(1950));
    ASSERT_TRUE(calendar.setCalMinYear(1900));
    Recorder form;
    ApplyPropertyPages(
        {&calendar},
        [](const QList<QWidget*>& widgets) {
            auto& control = static_cast<QvCalendarWidget*>(widgets[0])->control();
            control.SetProperty("calMaxYear", Variant(int32_t(2100)));
            control.SetProperty("calMinYear", Variant(int32_t(2000)));
        },
        form.Writer());
    EXPECT_EQ(calendar.calMinYear(), 2000);
    EXPECT_EQ(calendar.calMaxYear(), 2100);
    EXPECT_TRUE(form.Names().contains("calMinYear"));
    EXPECT_TRUE(form.Names().contains("calMaxYear"));
}

TEST(ApplyPropertyPages, ACancelledDialogWritesNothing) {
    QvCalButtonWidget button;
    Recorder form;
    EXPECT_EQ(ApplyPropertyPages({&button}, [](const QList<QWidget*>&) {}, form.Writer()), 0);
    EXPECT_TRUE(form.writes.isEmpty());
}

TEST(ApplyPropertyPages, EverySelectedWidgetGetsItsChanges) {
    QvCalButtonWidget first, second;
    Recorder form;
    ApplyPropertyPages(
        {&first, &second},
        [](const QList<QWidget*>& widgets) {
            for (QWidget* w : widgets)
                static_cast<QvCalButtonWidget*>(w)->control().SetProperty("Caption", Variant(std::string("Both")));
        },
        form.Writer());
    EXPECT_EQ(form.Names(), QList<QByteArray>({"Caption", "Caption"}));
    EXPECT_EQ(first.Caption(), QStringLiteral("Both"));
    EXPECT_EQ(second.Caption(), QStringLiteral("Both"));
}

}  // namespace
}  // namespace VemoCalendar
