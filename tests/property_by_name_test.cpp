#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "StoredCalendarValues.h"
#include "ErrorNumber.h"
#include "calendar/QvCalendar.h"
#include "formfile/FormFile.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

class PropertyByNameTest : public ::testing::Test {
protected:
    PropertyByNameTest() {
        host.SetToday(MakeDate(1997, 6, 10));
        host.ClearRecord();
    }
    HeadlessControlSite& Site() { return form.Site("QvCalendar1"); }

    HeadlessHost host;
    HeadlessForm form{host};
    QvCalendar& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 4200, 3000);
};

TEST_F(PropertyByNameTest, EveryPropertyReadsAsItsTypedGetter) {
    cal.calSelectedDayBackColor(0x123456);
    const std::vector<StoredValue> expected = {
        {"calVersion", Variant("2.1.0")},
        {"hwnd", Variant(cal.hwnd())},
        {"hDC", Variant(cal.hDC())},
        {"calHeight", Variant(int32_t{3000})},
        {"calWidth", Variant(int32_t{4200})},
        {"calLeapYear", Variant(false)},
        {"calValue", Variant(MakeDate(1997, 6, 10))},
        {"calJulianDateValue", Variant(int32_t{1997161})},
        {"Enabled", Variant(true)},
        {"calMouseSensitiveDate", Variant(false)},
        {"calOutline", Variant(false)},
        {"calAppearance", Variant(int32_t{2})},
        {"calAlignmentNum", Variant(int32_t{7})},
        {"calAlignmentDayTitle", Variant(int32_t{7})},
        {"calFont", Variant(cal.calFont())},
        {"calMonthYearTitleFont", Variant(cal.calMonthYearTitleFont())},
        {"calScrollArrowsFont", Variant(cal.calScrollArrowsFont())},
        {"calMonthTitle", Variant(int32_t{1})},
        {"calDayTitle", Variant(int32_t{0})},
        {"calCaption", Variant("Calendar")},
        {"calShowTitleBar", Variant(true)},
        {"calMinYear", Variant(int32_t{1600})},
        {"calMaxYear", Variant(int32_t{9999})},
        {"calShowDropdownMonth", Variant(false)},
        {"calScrollArrowsPos", Variant(int32_t{3})},
        {"calFirstDayofWeek", Variant(int32_t{1})},
        {"calSelectedDayBackColor", Variant::FromColor(0x123456)},
        {"calSelectedDayForeColor", Variant::FromColor(0xFFFFFF)},
        {"calCurrentDateBackColor", Variant::FromColor(0xC0C0C0)},
        {"calCurrentDateForeColor", Variant::FromColor(0)},
        {"calCurrentMonthBackColor", Variant::FromColor(0xC0C0C0)},
        {"calCurrentMonthForeColor", Variant::FromColor(0)},
        {"calCurrentMonthWeekendsBackColor", Variant::FromColor(0xC0C0C0)},
        {"calCurrentMonthWeekendsForeColor", Variant::FromColor(0x80)},
        {"calPreviousMonthBackColor", Variant::FromColor(0xC0C0C0)},
        {"calPreviousMonthForeColor", Variant::FromColor(0x808080)},
        {"calNextMonthBackColor", Variant::FromColor(0xC0C0C0)},
        {"calNextMonthForeColor", Variant::FromColor(0x808080)},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(cal.GetProperty(name), value) << name << " reads " << Show(cal.GetProperty(name));
    EXPECT_NE(cal.hwnd(), 0);
}

// Each write goes through the setter: stored, notified under the property's name, applied.
TEST_F(PropertyByNameTest, EveryStoredPropertyIsSetThroughItsSetter) {
    for (const auto& [name, value] : NonDefaultStoredValues()) {
        host.ClearRecord();
        cal.SetProperty(name, value);
        const std::vector<std::string> changes = host.ChangedProperties();
        ASSERT_FALSE(changes.empty()) << name;
        EXPECT_EQ(changes.front(), name);
        EXPECT_TRUE(SameValue(cal.GetProperty(name), value)) << name << " reads " << Show(cal.GetProperty(name));
    }
    EXPECT_EQ(Site().Get<Panel>("pnlTitleBar1").Caption(), " Termine \xE2\x80\x93 2004");
    EXPECT_EQ(Site().Get<Panel>("pnlCalNum", 1).ForeColor(), 0x0D0E0Fu);  // a day of January, with Monday first
    EXPECT_EQ(Site().Get<Panel>("pnlCalNum", 1).Alignment(), VemocalLeftTop);
    EXPECT_EQ(Site().Get<Panel>("pnlText").Font().name, "Times New Roman");

    cal.SetProperty("calWidth", Variant(int32_t{5000}));
    cal.SetProperty("calHeight", Variant("3600"));
    EXPECT_EQ(Site().Width(), 5000);
    EXPECT_EQ(Site().Height(), 3600);
}

TEST_F(PropertyByNameTest, FontsPassByReference) {
    FontRef mine = MakeFont("Arial", 9);
    cal.SetProperty("calMonthYearTitleFont", Variant(mine));
    EXPECT_EQ(cal.calMonthYearTitleFont(), mine);
    cal.GetProperty("calMonthYearTitleFont").ToFont()->size = 30;
    EXPECT_EQ(mine->size, 30);
}

TEST_F(PropertyByNameTest, ReadOnlyAndUnknownNamesAreNotSupported) {
    for (const char* name : {"calVersion", "hwnd", "hDC", "calLeapYear", "calJulianDateValue"}) {
        host.ClearRecord();
        EXPECT_EQ(ErrorNumber([&] { cal.SetProperty(name, Variant(int32_t{1})); }), kErrNotSupported) << name;
        EXPECT_TRUE(host.propertyChanges.empty()) << name;
    }
    for (const char* name : {"calvalue", "CalValue", "Value", "", "calValue ", "Refresh", "calSize", "Font"}) {
        EXPECT_EQ(ErrorNumber([&] { cal.GetProperty(name); }), kErrNotSupported) << name;
        EXPECT_EQ(ErrorNumber([&] { cal.SetProperty(name, Variant(int32_t{1})); }), kErrNotSupported) << name;
    }
    try {
        cal.GetProperty("Nonsense");
    } catch (const ControlError& e) {
        EXPECT_EQ(e.description, "Object doesn't support this property or method");
    }
    EXPECT_TRUE(host.propertyChanges.empty());
}

// Values arrive as any variant and are converted to the property's type; a conversion that
// cannot be made raises its own error before the setter is reached.
TEST_F(PropertyByNameTest, ValuesAreConvertedToThePropertysType) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::string name;
        Variant value;
        Variant stored;  // empty when an error is expected
        int32_t error = 0;
    };
    const Case cases[] = {
        {"calMinYear", Variant(" 1900 "), Variant(int32_t{1900})},
        {"calMinYear", Variant(1899.5), Variant(int32_t{1900})},  // half to even
        {"calMinYear", Variant(1900.5), Variant(int32_t{1900})},
        {"calMinYear", Variant("nineteen"), {}, kErrTypeMismatch},
        {"calMinYear", Variant(1e10), {}, kErrOverflow},
        {"calMaxYear", Variant(int16_t{2000}), Variant(int32_t{2000})},
        {"calAppearance", Variant("1"), Variant(int32_t{1})},
        {"calAppearance", Variant(true), {}, kErrInvalidPropertyValue},  // true is -1
        {"calFirstDayofWeek", Variant(int16_t{2}), Variant(int32_t{2})},
        {"calScrollArrowsPos", Variant(MakeFont("Arial", 8)), {}, kErrTypeMismatch},
        {"Enabled", Variant(" false "), Variant(false)},
        {"Enabled", Variant(int32_t{0}), Variant(false)},
        {"calOutline", Variant(int16_t{-1}), Variant(true)},
        {"calOutline", Variant("perhaps"), {}, kErrTypeMismatch},
        {"calCaption", Variant(int32_t{42}), Variant("42")},
        {"calCaption", Variant(MakeFont("Arial", 8)), {}, kErrTypeMismatch},
        {"calValue", Variant(35500.5), Variant(Date(35500.5))},
        {"calValue", Variant("35500"), Variant(Date(35500))},
        {"calValue", Variant("soon"), {}, kErrTypeMismatch},
        // A number that is no date is refused as the typed setter refuses it.
        {"calValue", Variant(1e7), {}, kErrInvalidPropertyValue},
        {"calValue", Variant(nan), {}, kErrInvalidPropertyValue},
        {"calValue", Variant(Date(nan)), {}, kErrInvalidPropertyValue},
        {"calSelectedDayBackColor", Variant::FromColor(kSysActiveCaption), Variant::FromColor(0)},
        {"calSelectedDayBackColor", Variant(int32_t{-1}), Variant::FromColor(0)},
        {"calSelectedDayBackColor", Variant(int32_t{0x1000000}), Variant::FromColor(0xFFFFFF)},
        {"calSelectedDayBackColor", Variant(4294967295.0), Variant::FromColor(0)},
        {"calSelectedDayBackColor", Variant(double{0x123456}), Variant::FromColor(0x123456)},
        {"calSelectedDayBackColor", Variant("255"), Variant::FromColor(0xFF)},
        {"calSelectedDayBackColor", Variant("red"), {}, kErrTypeMismatch},
        {"calSelectedDayBackColor", Variant(1e11), {}, kErrOverflow},
        {"calFont", Variant(), {}, kErrInvalidPropertyValue},
        {"calFont", Variant("Arial"), {}, kErrTypeMismatch},
    };
    for (const Case& c : cases) {
        host.ClearRecord();
        const Variant before = cal.GetProperty(c.name);
        const std::optional<int32_t> error = ErrorNumber([&] { cal.SetProperty(c.name, c.value); });
        if (c.error != 0) {
            EXPECT_EQ(error, c.error) << c.name << " = " << Show(c.value);
            EXPECT_EQ(cal.GetProperty(c.name), before) << c.name << " = " << Show(c.value);
            EXPECT_TRUE(host.propertyChanges.empty()) << c.name << " = " << Show(c.value);
        } else {
            EXPECT_EQ(error, std::nullopt) << c.name << " = " << Show(c.value);
            EXPECT_EQ(cal.GetProperty(c.name), c.stored)
                << c.name << " = " << Show(c.value) << " stored " << Show(cal.GetProperty(c.name));
        }
    }
}

// Properties set by name, saved to a form file on disk and loaded into a new control on a new
// form come back the same by name.
TEST_F(PropertyByNameTest, PropertiesSetByNameSurviveAFormFile) {
    for (const auto& [name, value] : NonDefaultStoredValues()) cal.SetProperty(name, value);

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vemo-by-name-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    FormFile saved{9600, 7200, {}};
    saved.controls.push_back({"QvCalendar", "QvCalendar1", 0, 0, 4200, 3000, {}});
    cal.UserControl_WriteProperties(saved.controls[0].bag);
    WriteFormFile(folder / "Form1.vfm", saved);
    FormFile read = ReadFormFile(folder / "Form1.vfm");
    std::filesystem::remove_all(folder);

    HeadlessHost otherHost;
    HeadlessForm otherForm(otherHost);
    QvCalendar& loaded = otherForm.Load<QvCalendar>("QvCalendar1", read.controls.at(0).bag, 0, 0, 4200, 3000);
    for (const auto& [name, value] : NonDefaultStoredValues()) {
        EXPECT_TRUE(SameValue(loaded.GetProperty(name), cal.GetProperty(name))) << name;
        EXPECT_TRUE(SameValue(loaded.GetProperty(name), value)) << name << " reads " << Show(loaded.GetProperty(name));
    }
}

}  // namespace
}  // namespace VemoCalendar
