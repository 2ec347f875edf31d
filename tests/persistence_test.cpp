#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "StoredCalendarValues.h"
#include "calendar/CellClass.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

const Date kToday = MakeDate(1997, 6, 10);

// Records every write with the default it passed.
struct Write {
    std::string key;
    Variant value;
    Variant defaultValue;
};
class RecordingBag : public PropertyBag {
public:
    Variant ReadProperty(std::string_view, const Variant& defaultValue) override { return defaultValue; }
    void WriteProperty(std::string_view key, const Variant& value, const Variant& defaultValue) override {
        writes.push_back({std::string(key), value, defaultValue});
    }
    std::vector<Write> writes;
};

// A bag whose storage fails, as a host's may.
class FailingBag : public PropertyBag {
public:
    Variant ReadProperty(std::string_view, const Variant&) override { throw ControlError(7, "Out of memory"); }
    void WriteProperty(std::string_view, const Variant&, const Variant&) override {
        throw ControlError(7, "Out of memory");
    }
};

class PersistenceTest : public ::testing::Test {
protected:
    PersistenceTest() { host.SetToday(kToday); }

    QvCalendar& Place() { return form.Place<QvCalendar>("QvCalendar1", 0, 0, 4200, 3000); }
    QvCalendar& Load(PropertyBag& bag, const std::string& name = "QvCalendar1") {
        return form.Load<QvCalendar>(name, bag, 0, 0, 4200, 3000);
    }
    Panel& Cell(const std::string& control, int k) { return form.Site(control).Get<Panel>("pnlCalNum", k); }
    // The cells tagged as the selected day.
    std::vector<int> SelectedCells(const std::string& control = "QvCalendar1") {
        std::vector<int> cells;
        for (int k = 1; k <= 42; ++k)
            if (Cell(control, k).Tag() == kTagCurrSelected) cells.push_back(k);
        return cells;
    }

    HeadlessHost host;
    HeadlessForm form{host};
};

// The keys of the read table, in order.
const std::vector<std::string> kReadOrder = {
    "calValue", "calFont", "calMonthYearTitleFont", "calScrollArrowsFont", "Enabled", "calCaption", "calOutline",
    "calShowTitleBar", "calShowDropdownMonth", "calScrollArrowsPos", "calMouseSensitiveDate", "calAppearance",
    "calMinYear", "calMaxYear", "calFirstDayofWeek", "calSelectedDayBackColor", "calSelectedDayForeColor",
    "calCurrentDateBackColor", "calCurrentDateForeColor", "calCurrentMonthBackColor", "calCurrentMonthForeColor",
    "calCurrentMonthWeekendsBackColor", "calCurrentMonthWeekendsForeColor", "calPreviousMonthBackColor",
    "calPreviousMonthForeColor", "calNextMonthBackColor", "calNextMonthForeColor", "calMonthTitle", "calDayTitle",
    "calAlignmentNum", "calAlignmentDayTitle"};

// Defaults of everything but the date and the fonts, as the bag sees them.
const std::vector<StoredValue> kPlainDefaults = {
    {"Enabled", Variant(true)},
    {"calCaption", Variant("Calendar")},
    {"calOutline", Variant(false)},
    {"calShowTitleBar", Variant(true)},
    {"calShowDropdownMonth", Variant(false)},
    {"calScrollArrowsPos", Variant(int32_t{3})},
    {"calMouseSensitiveDate", Variant(false)},
    {"calAppearance", Variant(int32_t{2})},
    {"calMinYear", Variant(int32_t{1600})},
    {"calMaxYear", Variant(int32_t{9999})},
    {"calFirstDayofWeek", Variant(int32_t{1})},
    {"calSelectedDayBackColor", Variant(int32_t{0x800000})},
    {"calSelectedDayForeColor", Variant(int32_t{0xFFFFFF})},
    {"calCurrentDateBackColor", Variant(int32_t{0xC0C0C0})},
    {"calCurrentDateForeColor", Variant(int32_t{0})},
    {"calCurrentMonthBackColor", Variant(int32_t{0xC0C0C0})},
    {"calCurrentMonthForeColor", Variant(int32_t{0})},
    {"calCurrentMonthWeekendsBackColor", Variant(int32_t{0xC0C0C0})},
    {"calCurrentMonthWeekendsForeColor", Variant(int32_t{0x80})},
    {"calPreviousMonthBackColor", Variant(int32_t{0xC0C0C0})},
    {"calPreviousMonthForeColor", Variant(int32_t{0x808080})},
    {"calNextMonthBackColor", Variant(int32_t{0xC0C0C0})},
    {"calNextMonthForeColor", Variant(int32_t{0x808080})},
    {"calMonthTitle", Variant(int32_t{1})},
    {"calDayTitle", Variant(int32_t{0})},
    {"calAlignmentNum", Variant(int32_t{7})},
    {"calAlignmentDayTitle", Variant(int32_t{7})},
};

void ExpectPlainDefaults(const QvCalendar& cal) {
    for (const auto& [key, value] : kPlainDefaults)
        EXPECT_TRUE(SameValue(cal.GetProperty(key), value)) << key << " is " << Show(cal.GetProperty(key));
}

// ---- First placement ----

TEST_F(PersistenceTest, FirstPlacementTakesTheDefaultsSilently) {
    QvCalendar& cal = Place();
    EXPECT_EQ(cal.calValue(), kToday);
    ExpectPlainDefaults(cal);
    EXPECT_TRUE(host.propertyChanges.empty());
    // The snapshot is today as well, so the final Refresh reports nothing.
    EXPECT_TRUE(host.EventNames().empty());
    EXPECT_EQ(SelectedCells(), std::vector<int>{10});  // June 1997 starts on a Sunday
}

TEST_F(PersistenceTest, FirstPlacementMakesThreeOwnCourierNewFonts) {
    QvCalendar& cal = Place();
    const FontRef fonts[] = {cal.calFont(), cal.calMonthYearTitleFont(), cal.calScrollArrowsFont()};
    for (const FontRef& font : fonts) {
        ASSERT_TRUE(font);
        EXPECT_EQ(font->name, "Courier New");
        EXPECT_EQ(font->size, 10);
    }
    EXPECT_NE(fonts[0], fonts[1]);
    EXPECT_NE(fonts[1], fonts[2]);
    EXPECT_NE(fonts[0], fonts[2]);
    EXPECT_NE(fonts[0], host.AmbientFont());
    EXPECT_EQ(Cell("QvCalendar1", 1).Font().name, "Courier New");
}

// ---- Loading ----

TEST_F(PersistenceTest, LoadingReadsEveryKeyInOrderWithItsDefault) {
    MemoryPropertyBag bag;
    Load(bag);
    std::vector<std::string> keys;
    for (const auto& [key, defaultValue] : bag.Reads()) keys.push_back(key);
    EXPECT_EQ(keys, kReadOrder);

    const auto defaultOf = [&](const std::string& key) {
        for (const auto& [k, v] : bag.Reads())
            if (k == key) return v;
        return Variant();
    };
    EXPECT_EQ(defaultOf("calValue"), Variant(kToday));
    for (const auto& [key, value] : kPlainDefaults)
        EXPECT_EQ(defaultOf(key), value) << key << " default is " << Show(defaultOf(key));
    // Each font key offers a fresh object of the platform's defaults.
    std::vector<FontRef> fontDefaults;
    for (const char* key : {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"}) {
        const Variant d = defaultOf(key);
        ASSERT_EQ(d.kind(), Variant::Kind::Font) << key;
        EXPECT_EQ(*d.ToFont(), FontObject{}) << key;
        fontDefaults.push_back(d.ToFont());
    }
    EXPECT_NE(fontDefaults[0], fontDefaults[1]);
    EXPECT_NE(fontDefaults[1], fontDefaults[2]);
}

TEST_F(PersistenceTest, EmptyBagGivesTodayFreshDefaultFontsAndEveryDefault) {
    MemoryPropertyBag bag;
    QvCalendar& cal = Load(bag);
    EXPECT_EQ(cal.calValue(), kToday);
    ExpectPlainDefaults(cal);
    for (const FontRef& font : {cal.calFont(), cal.calMonthYearTitleFont(), cal.calScrollArrowsFont()}) {
        ASSERT_TRUE(font);
        EXPECT_EQ(*font, FontObject{});
        EXPECT_NE(font->name, "Courier New");
    }
    EXPECT_NE(cal.calFont(), cal.calMonthYearTitleFont());
    EXPECT_NE(cal.calMonthYearTitleFont(), cal.calScrollArrowsFont());
    EXPECT_TRUE(host.propertyChanges.empty());
}

TEST_F(PersistenceTest, LoadedControlReportsItsValueAsChangedDuringCreation) {
    struct Case {
        Date stored;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {MakeDate(1997, 6, 10), {"ValueChanged", "MonthChanged", "YearChanged"}},
        // Against the initial snapshot, day 0 (30 December 1899): no month change in December,
        // no year change in 1899.
        {MakeDate(1997, 12, 24), {"ValueChanged", "YearChanged"}},
        {MakeDate(1899, 3, 1), {"ValueChanged", "MonthChanged"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        MemoryPropertyBag bag;
        bag.Set("calValue", Variant(c.stored));
        const std::string name = "QvCalendar" + std::to_string(++n);
        Load(bag, name);
        EXPECT_EQ(host.EventNames(name), c.events) << name;
    }
}

TEST_F(PersistenceTest, StoredValuesAreKeptWithoutTheSettersChecks) {
    MemoryPropertyBag bag;
    bag.Set("calSelectedDayBackColor", Variant(static_cast<int32_t>(kSysActiveCaption)));
    bag.Set("calCurrentMonthForeColor", Variant(int32_t{-1}));
    bag.Set("calNextMonthBackColor", Variant::FromColor(0x1000000));
    bag.Set("calMinYear", Variant(int32_t{1200}));
    bag.Set("calValue", Variant(MakeDate(1500, 3, 15)));
    QvCalendar& cal = Load(bag);
    EXPECT_EQ(cal.calSelectedDayBackColor(), kSysActiveCaption);
    EXPECT_EQ(cal.calCurrentMonthForeColor(), 0xFFFFFFFFu);
    EXPECT_EQ(cal.calNextMonthBackColor(), 0x1000000u);
    EXPECT_EQ(cal.calMinYear(), 1200);
    EXPECT_EQ(cal.calValue(), MakeDate(1500, 3, 15));
    // The selected cell shows the system colour as it is.
    const std::vector<int> selected = SelectedCells();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(Cell("QvCalendar1", selected[0]).BackColor(), kSysActiveCaption);
    EXPECT_EQ(Cell("QvCalendar1", selected[0]).Caption(), "15");

    // Saved again, a system colour stays a negative 32-bit integer.
    MemoryPropertyBag saved;
    cal.UserControl_WriteProperties(saved);
    EXPECT_EQ(saved.Get("calSelectedDayBackColor"), Variant(static_cast<int32_t>(kSysActiveCaption)));
    EXPECT_EQ(saved.Get("calNextMonthBackColor"), Variant(int32_t{0x1000000}));
}

// Values only a damaged bag holds must still give a working calendar showing calValue's month.
TEST_F(PersistenceTest, OutOfRangeStoredValuesLoad) {
    const std::vector<std::vector<StoredValue>> cases = {
        {{"calAppearance", Variant(int32_t{7})}, {"calScrollArrowsPos", Variant(int32_t{9})}},
        {{"calMonthTitle", Variant(int32_t{5})}, {"calDayTitle", Variant(int32_t{-3})}},
        {{"calAlignmentNum", Variant(int32_t{42})}, {"calAlignmentDayTitle", Variant(int32_t{-1})}},
        {{"calFirstDayofWeek", Variant(int32_t{0})}},
        {{"calFirstDayofWeek", Variant(int32_t{9})}},
        {{"calFirstDayofWeek", Variant(std::numeric_limits<int32_t>::min())}},
        {{"calFirstDayofWeek", Variant(std::numeric_limits<int32_t>::max())}},
        {{"calMinYear", Variant(int32_t{0})}, {"calMaxYear", Variant(int32_t{20000})}},
        {{"calMinYear", Variant(int32_t{3000})}, {"calMaxYear", Variant(int32_t{1000})}},
        {{"calScrollArrowsPos", Variant(int32_t{-5})}, {"calShowDropdownMonth", Variant(true)}},
    };
    int n = 0;
    for (const auto& values : cases) {
        MemoryPropertyBag bag;
        bag.Set("calValue", Variant(MakeDate(2001, 9, 11)));
        for (const auto& [key, value] : values) bag.Set(key, value);
        const std::string name = "QvCalendar" + std::to_string(++n);
        QvCalendar& cal = Load(bag, name);
        for (const auto& [key, value] : values) EXPECT_TRUE(SameValue(cal.GetProperty(key), value)) << name << " " << key;
        const std::vector<int> selected = SelectedCells(name);
        ASSERT_EQ(selected.size(), 1u) << name;
        EXPECT_EQ(Cell(name, selected[0]).Caption(), "11") << name;
        EXPECT_EQ(form.Site(name).Get<TextBox>("txtYear").Text(), "2001") << name;
        EXPECT_EQ(form.Site(name).Get<DropDownList>("cbxMonth").ListIndex(), 8) << name;
    }
}

TEST_F(PersistenceTest, MegabyteStringsLoad) {
    MemoryPropertyBag bag;
    const std::string huge(1 << 20, 'x');
    bag.Set("calCaption", Variant(huge));
    bag.Set("calFont", Variant(MakeFont(huge, 9)));
    QvCalendar& cal = Load(bag);
    EXPECT_EQ(cal.calCaption(), huge);
    EXPECT_EQ(form.Site("QvCalendar1").Get<Panel>("pnlTitleBar1").Caption(), " " + huge);
    EXPECT_EQ(Cell("QvCalendar1", 1).Font().name, huge);
}

// A value of the wrong type ends the load with its conversion error, naming the key.
TEST_F(PersistenceTest, WrongTypesFailTheLoadNamingTheKey) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string key;
        Variant value;
        int32_t error;
    };
    const Case cases[] = {
        {"calMinYear", Variant("nineteen ninety"), kErrTypeMismatch},
        {"calMinYear", Variant(1e10), kErrOverflow},
        {"calFirstDayofWeek", Variant(MakeFont("Arial", 8)), kErrTypeMismatch},
        {"Enabled", Variant("maybe"), kErrTypeMismatch},
        {"calCaption", Variant(MakeFont("Arial", 8)), kErrTypeMismatch},
        {"calSelectedDayBackColor", Variant("red"), kErrTypeMismatch},
        {"calNextMonthForeColor", Variant(1e12), kErrOverflow},
        {"calFont", Variant("Arial"), kErrTypeMismatch},
        {"calScrollArrowsFont", Variant(), kErrTypeMismatch},  // no font object at all
        {"calValue", Variant("tomorrow"), kErrTypeMismatch},
        {"calValue", Variant(1e7), kErrOverflow},
        // A date that is no date must never become calValue.
        {"calValue", Variant(Date(nan)), kErrOverflow},
        {"calValue", Variant(Date(inf)), kErrOverflow},
        {"calValue", Variant(Date(-inf)), kErrOverflow},
        {"calValue", Variant(Date(kMaxDayNumber + 1)), kErrOverflow},
        {"calValue", Variant(Date(kMinDayNumber - 1)), kErrOverflow},
    };
    int n = 0;
    for (const Case& c : cases) {
        MemoryPropertyBag bag;
        bag.Set(c.key, c.value);
        const std::string name = "Damaged" + std::to_string(++n);
        try {
            Load(bag, name);
            ADD_FAILURE() << c.key << " = " << Show(c.value) << " loaded";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, c.error) << c.key << " = " << Show(c.value);
            EXPECT_NE(e.description.find("'" + c.key + "'"), std::string::npos) << e.description;
        }
    }
}

// Every key is converted before any is stored: a failed load changes nothing.
TEST_F(PersistenceTest, FailedLoadLeavesTheControlAsItWas) {
    QvCalendar& cal = Place();
    MemoryPropertyBag bag;
    bag.Set("calValue", Variant(MakeDate(2020, 1, 1)));
    bag.Set("calCaption", Variant("Changed"));
    bag.Set("calAlignmentDayTitle", Variant("wide"));  // the last key read
    EXPECT_THROW(cal.UserControl_ReadProperties(bag), ControlError);
    EXPECT_EQ(cal.calValue(), kToday);
    EXPECT_EQ(cal.calCaption(), "Calendar");
    EXPECT_EQ(cal.calFont()->name, "Courier New");
}

TEST_F(PersistenceTest, ErrorsOfTheBagItselfPassUnchanged) {
    QvCalendar& cal = Place();
    FailingBag bag;
    for (auto action : {+[](QvCalendar& c, PropertyBag& b) { c.UserControl_ReadProperties(b); },
                        +[](QvCalendar& c, PropertyBag& b) { c.UserControl_WriteProperties(b); }}) {
        try {
            action(cal, bag);
            ADD_FAILURE() << "no error";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, 7);
            EXPECT_EQ(e.description, "Out of memory");
        }
    }
}

// ---- Saving ----

TEST_F(PersistenceTest, SavingWritesEveryKeyInOrderWithItsDefault) {
    QvCalendar& cal = Place();
    // The date default is today at the time of writing, not at placement.
    host.SetToday(MakeDate(1997, 6, 11));
    RecordingBag bag;
    cal.UserControl_WriteProperties(bag);

    std::vector<std::string> expectedOrder = {"Enabled", "calValue", "calFont", "calMonthYearTitleFont",
                                              "calScrollArrowsFont"};
    expectedOrder.insert(expectedOrder.end(), kReadOrder.begin() + 5, kReadOrder.end());
    std::vector<std::string> order;
    for (const Write& w : bag.writes) order.push_back(w.key);
    EXPECT_EQ(order, expectedOrder);

    for (const Write& w : bag.writes) {
        if (w.key == "calValue") {
            EXPECT_EQ(w.value, Variant(kToday));
            EXPECT_EQ(w.defaultValue, Variant(MakeDate(1997, 6, 11)));
        } else if (w.key.find("Font") != std::string::npos) {
            // The calendar's own object, with the container's font object as the default.
            EXPECT_EQ(w.value, Variant(cal.GetProperty(w.key).ToFont())) << w.key;
            EXPECT_EQ(w.defaultValue, Variant(host.AmbientFont())) << w.key;
        } else {
            const auto it = std::find_if(kPlainDefaults.begin(), kPlainDefaults.end(),
                                         [&](const StoredValue& d) { return d.key == w.key; });
            ASSERT_NE(it, kPlainDefaults.end()) << w.key;
            // Fresh from placement every value is its default, of the bag's type.
            EXPECT_EQ(w.value, it->value) << w.key;
            EXPECT_EQ(w.defaultValue, it->value) << w.key;
        }
    }
}

// Whatever a bag can hold comes back: every stored property, written and read again.
TEST_F(PersistenceTest, EveryStoredPropertySurvivesSaveAndLoad) {
    MemoryPropertyBag original;
    for (const auto& [key, value] : NonDefaultStoredValues()) original.Set(key, value);
    QvCalendar& first = Load(original, "First");
    MemoryPropertyBag saved;
    first.UserControl_WriteProperties(saved);
    QvCalendar& second = Load(saved, "Second");
    for (const auto& [key, value] : NonDefaultStoredValues()) {
        EXPECT_TRUE(SameValue(first.GetProperty(key), value)) << key << ": " << Show(first.GetProperty(key));
        EXPECT_TRUE(SameValue(second.GetProperty(key), value)) << key << ": " << Show(second.GetProperty(key));
    }
}

TEST_F(PersistenceTest, NoArrowsAndEmptyCaptionAreRestoredNotDefaulted) {
    QvCalendar& cal = Place();
    cal.calScrollArrowsPos(VemocalNoArrows);
    cal.calCaption("");
    MemoryPropertyBag bag;
    cal.UserControl_WriteProperties(bag);
    QvCalendar& loaded = Load(bag, "Loaded");
    EXPECT_EQ(loaded.calScrollArrowsPos(), VemocalNoArrows);
    EXPECT_EQ(loaded.calCaption(), "");
    EXPECT_EQ(form.Site("Loaded").Get<Panel>("pnlTitleBar1").Caption(), " ");
    EXPECT_FALSE(form.Site("Loaded").Get<CommandButton>("cmdButton", 0).Visible());
}

// ---- Setters ----

TEST_F(PersistenceTest, ColourSettersClampButKeepInRangeValues) {
    QvCalendar& cal = Place();
    struct Case {
        int32_t set;
        Color stored;
    };
    const Case cases[] = {
        {-1, 0},
        {static_cast<int32_t>(kSysActiveCaption), 0},
        {std::numeric_limits<int32_t>::min(), 0},
        {0x1000000, 0xFFFFFF},
        {std::numeric_limits<int32_t>::max(), 0xFFFFFF},
        {0xFFFFFF, 0xFFFFFF},
        {0, 0},
        {0x123456, 0x123456},
    };
    for (const Case& c : cases) {
        host.ClearRecord();
        cal.calSelectedDayBackColor(c.set);
        EXPECT_EQ(cal.calSelectedDayBackColor(), c.stored) << c.set;
        EXPECT_EQ(host.ChangedProperties(), std::vector<std::string>{"calSelectedDayBackColor"}) << c.set;
        EXPECT_EQ(Cell("QvCalendar1", 10).BackColor(), c.stored) << c.set;
    }
}

TEST_F(PersistenceTest, FontsAreHeldByReference) {
    QvCalendar& cal = Place();
    FontRef mine = MakeFont("Arial", 9);
    cal.calFont(mine);
    EXPECT_EQ(cal.calFont(), mine);
    mine->size = 20;
    EXPECT_EQ(cal.calFont()->size, 20);
    // The cells keep their copy until the font is applied again.
    EXPECT_EQ(Cell("QvCalendar1", 1).Font().size, 9);
    cal.calFont(mine);
    EXPECT_EQ(Cell("QvCalendar1", 1).Font().size, 20);

    // Changing the returned object changes the setting too; the other two fonts are separate.
    cal.calScrollArrowsFont()->italic = true;
    EXPECT_TRUE(cal.calScrollArrowsFont()->italic);
    EXPECT_FALSE(cal.calMonthYearTitleFont()->italic);
}

// Saved while it equals today, the value comes back on a later day: the bag keeps it.
TEST_F(PersistenceTest, ValueEqualToTodayComesBackOnALaterDay) {
    QvCalendar& cal = Place();
    MemoryPropertyBag bag;
    cal.UserControl_WriteProperties(bag);
    ASSERT_TRUE(bag.Has("calValue"));
    host.SetToday(MakeDate(1997, 7, 1));
    EXPECT_EQ(Load(bag, "Later").calValue(), kToday);
}

// Every rejected value raises 380 and changes nothing: no value, no notification, no event, no
// widget.
TEST_F(PersistenceTest, RejectedValuesChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const StoredValue cases[] = {
        {"calValue", Variant(Date(nan))},
        {"calValue", Variant(Date(inf))},
        {"calValue", Variant(Date(kMaxDayNumber + 1))},
        {"calValue", Variant(Date(kMinDayNumber - 1))},
        {"calMinYear", Variant(int32_t{1599})},
        {"calMinYear", Variant(int32_t{2101})},  // above calMaxYear
        {"calMaxYear", Variant(int32_t{10000})},
        {"calMaxYear", Variant(int32_t{1899})},  // below calMinYear
        {"calFirstDayofWeek", Variant(int32_t{0})},
        {"calFirstDayofWeek", Variant(int32_t{8})},
        {"calAppearance", Variant(int32_t{3})},
        {"calAppearance", Variant(int32_t{-1})},
        {"calScrollArrowsPos", Variant(int32_t{4})},
        {"calScrollArrowsPos", Variant(int32_t{-1})},
        {"calMonthTitle", Variant(int32_t{2})},
        {"calDayTitle", Variant(int32_t{3})},
        {"calAlignmentNum", Variant(int32_t{9})},
        {"calAlignmentNum", Variant(int32_t{-1})},
        {"calAlignmentDayTitle", Variant(int32_t{9})},
        {"calFont", Variant(FontRef())},
        {"calMonthYearTitleFont", Variant(FontRef())},
        {"calScrollArrowsFont", Variant(FontRef())},
    };
    QvCalendar& cal = Place();
    cal.calMaxYear(2100);
    cal.calMinYear(1900);
    HeadlessControlSite& site = form.Site("QvCalendar1");
    const auto widgetChanges = [&] {
        int total = 0;
        for (Widget* w : site.Factory().All()) total += HeadlessWidgetFactory::State(*w).changeCount;
        return total;
    };
    const auto snapshot = [&] {
        std::vector<Variant> values;
        for (const std::string& key : kReadOrder) values.push_back(cal.GetProperty(key));
        return values;
    };
    for (const auto& [key, value] : cases) {
        host.ClearRecord();
        const std::vector<Variant> before = snapshot();
        const int changesBefore = widgetChanges();
        try {
            cal.SetProperty(key, value);
            ADD_FAILURE() << key << " = " << Show(value) << " accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, kErrInvalidPropertyValue) << key;
            EXPECT_EQ(e.description, "Invalid property value") << key;
        }
        EXPECT_EQ(snapshot(), before) << key;
        EXPECT_TRUE(host.propertyChanges.empty()) << key;
        EXPECT_TRUE(host.events.empty()) << key;
        EXPECT_EQ(widgetChanges(), changesBefore) << key;
    }
}

}  // namespace
}  // namespace VemoCalendar
