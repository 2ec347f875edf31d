#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ButtonFixture.h"
#include "formfile/FormFile.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;

class ButtonPersistenceTest : public ButtonFixture {
protected:
    QvCalButton& Load(PropertyBag& bag, const std::string& name = "Loaded") {
        return form->Load<QvCalButton>(name, bag, 0, 3000, 1215, 375);
    }
};

// The calendar keys in alphabetical order, as the button loads (after its fonts) and saves them.
const Names kCalendarKeys{"calAlignmentDayTitle", "calAlignmentNum", "calAppearance", "calCaption",
                          "calCurrentDateBackColor", "calCurrentDateForeColor", "calCurrentMonthBackColor",
                          "calCurrentMonthForeColor", "calCurrentMonthWeekendsBackColor",
                          "calCurrentMonthWeekendsForeColor", "calDayTitle", "calFirstDayofWeek", "calMaxYear",
                          "calMinYear", "calMonthTitle", "calMouseSensitiveDate", "calNextMonthBackColor",
                          "calNextMonthForeColor", "calOutline", "calPreviousMonthBackColor",
                          "calPreviousMonthForeColor", "calScrollArrowsPos", "calSelectedDayBackColor",
                          "calSelectedDayForeColor", "calShowDropdownMonth", "calShowTitleBar", "calValue"};
const Names kFaceKeys{"ForeColor", "Enabled",   "Font",         "AutoSize", "BevelWidth", "Caption",
                      "Font3D",    "MouseIcon", "MousePointer", "Outline",  "Picture",    "RoundedCorners"};

TEST_F(ButtonPersistenceTest, LoadsAndSavesTheFortyFourKeysInTheirOrders) {
    MemoryPropertyBag bag;
    Load(bag);
    Names read;
    for (const auto& [key, value] : bag.Reads()) read.push_back(key);
    Names expectedRead{"calWidth", "calHeight", "calFont", "calMonthYearTitleFont", "calScrollArrowsFont"};
    for (const std::string& k : kCalendarKeys)
        if (k.find("Font") == std::string::npos) expectedRead.push_back(k);
    expectedRead.insert(expectedRead.end(), kFaceKeys.begin(), kFaceKeys.end());
    EXPECT_EQ(read, expectedRead);

    MemoryPropertyBag saved;
    button->UserControl_WriteProperties(saved);
    Names written;
    for (const auto& [key, value] : saved.Entries()) written.push_back(key);
    // The three fonts stand in alphabetical place among the calendar keys.
    Names calendarKeys = kCalendarKeys;
    calendarKeys.insert(calendarKeys.end(), {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"});
    std::sort(calendarKeys.begin(), calendarKeys.end());
    Names expectedWritten{"calWidth", "calHeight"};
    expectedWritten.insert(expectedWritten.end(), calendarKeys.begin(), calendarKeys.end());
    expectedWritten.insert(expectedWritten.end(), kFaceKeys.begin(), kFaceKeys.end());
    EXPECT_EQ(written, expectedWritten);
    EXPECT_EQ(written.size(), 44u);
}

TEST_F(ButtonPersistenceTest, ABagWithoutAnyKeyGivesTheDefaults) {
    MemoryPropertyBag bag;
    QvCalButton& b = Load(bag);
    EXPECT_EQ(b.calWidth(), 3200);
    EXPECT_EQ(b.calHeight(), 4000);
    EXPECT_EQ(b.PopupCalendar().calWidth(), 3200);
    EXPECT_EQ(b.calValue(), host.Today());
    EXPECT_EQ(*b.calFont(), FontObject{}) << "a fresh font of the font type's defaults";
    EXPECT_NE(b.calFont(), b.calMonthYearTitleFont());
    EXPECT_EQ(b.calCaption(), "Calendar");
    EXPECT_EQ(b.calScrollArrowsPos(), VemocalBottom);
    EXPECT_EQ(b.Caption(), "PopCalendar");
    EXPECT_EQ(b.BevelWidth(), 1);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
    EXPECT_EQ(*b.Font(), *host.AmbientFont());
}

TEST_F(ButtonPersistenceTest, FirstPlacementSetsOnlySizeDateAndFonts) {
    EXPECT_EQ(button->calWidth(), 3200);
    EXPECT_EQ(button->calValue(), host.Today());
    EXPECT_EQ(button->calFont()->name, "Courier New");
    EXPECT_EQ(button->calFont()->size, 10);
    EXPECT_EQ(button->Caption(), "") << "the face stays as created";
    EXPECT_EQ(button->Font()->name, "Arial");
    EXPECT_EQ(button->Font()->size, 8.25);
    ASSERT_NE(button->Picture(), nullptr);
    EXPECT_EQ(button->Picture()->width, 20);
    EXPECT_TRUE(host.ChangedProperties().empty());
}

TEST_F(ButtonPersistenceTest, EveryKeySurvivesAFormFileOnDisk) {
    button->calWidth(2800);
    button->calHeight(3600);
    button->calMaxYear(2050);
    button->calMinYear(1990);
    button->calValue(Date(MakeDate(2004, 2, 29).value + 0.25));
    button->calCaption("Due date");
    button->calAppearance(VemocalSunken);
    button->calScrollArrowsPos(VemocalNoArrows);
    button->calFirstDayofWeek(VemocalMonday);
    button->calSelectedDayBackColor(0x123456);
    button->calShowTitleBar(false);
    button->calShowDropdownMonth(true);
    button->calMonthTitle(VemocalMonthShort);
    button->calDayTitle(VemocalDayLong);
    button->calFont(MakeFont("Verdana", 7.5));
    button->Caption("Pick");
    button->BevelWidth(3);
    button->Font3D(2);
    button->Outline(true);
    button->RoundedCorners(true);
    button->MousePointer(99);
    button->ForeColor(0x00FF00);
    auto icon = std::make_shared<PictureObject>(PictureObject{2, 1, {0xFF0000FF, 0xFF00FF00}});
    button->MouseIcon(icon);
    button->Picture(nullptr);
    button->Font(MakeFont("Tahoma", 9));

    FormFile form;
    form.width = 9600, form.height = 7200;
    StoredControl stored{"QvCalButton", "QvCalButton1", 600, 300, 1215, 375, {}};
    button->UserControl_WriteProperties(stored.bag);
    form.controls.push_back(std::move(stored));
    const auto file = std::filesystem::temp_directory_path() / ("button-" + std::to_string(getpid()) + ".vfm");
    WriteFormFile(file, form);
    FormFile back = ReadFormFile(file);
    std::filesystem::remove(file);

    QvCalButton& b = Load(back.controls.at(0).bag);
    EXPECT_EQ(b.calWidth(), 2800);
    EXPECT_EQ(b.calHeight(), 3600);
    EXPECT_EQ(b.calMinYear(), 1990);
    EXPECT_EQ(b.calMaxYear(), 2050);
    EXPECT_EQ(b.calValue().value, MakeDate(2004, 2, 29).value + 0.25);
    EXPECT_EQ(b.calCaption(), "Due date");
    EXPECT_EQ(b.calAppearance(), VemocalSunken);
    EXPECT_EQ(b.calScrollArrowsPos(), VemocalNoArrows);
    EXPECT_EQ(b.calFirstDayofWeek(), VemocalMonday);
    EXPECT_EQ(b.calSelectedDayBackColor(), 0x123456u);
    EXPECT_FALSE(b.calShowTitleBar());
    EXPECT_TRUE(b.calShowDropdownMonth());
    EXPECT_EQ(b.calMonthTitle(), VemocalMonthShort);
    EXPECT_EQ(b.calDayTitle(), VemocalDayLong);
    EXPECT_EQ(b.calFont()->name, "Verdana");
    EXPECT_EQ(b.calFont()->size, 7.5);
    EXPECT_EQ(b.Caption(), "Pick");
    EXPECT_EQ(b.BevelWidth(), 3);
    EXPECT_EQ(b.Font3D(), 2);
    EXPECT_TRUE(b.Outline());
    EXPECT_TRUE(b.RoundedCorners());
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(b.ForeColor(), 0x00FF00u);
    ASSERT_NE(b.MouseIcon(), nullptr);
    EXPECT_EQ(*b.MouseIcon(), *icon);
    EXPECT_EQ(b.Picture(), nullptr) << "the empty picture stays empty";
    EXPECT_EQ(b.Font()->name, "Tahoma");
}

TEST_F(ButtonPersistenceTest, AStoredYearTheCalendarRefusesEndsTheLoadAtItsKey) {
    MemoryPropertyBag bag;
    bag.WriteProperty("calMaxYear", Variant(int32_t{1500}), Variant(int32_t{9999}));
    bag.WriteProperty("Caption", Variant("Never read"), Variant("PopCalendar"));
    try {
        Load(bag);
        FAIL() << "the load went through";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number, 380);
    }
    Names read;
    for (const auto& [key, value] : bag.Reads()) read.push_back(key);
    EXPECT_EQ(read.back(), "calMaxYear");
}

TEST_F(ButtonPersistenceTest, AValueOfTheWrongKindNamesItsKey) {
    MemoryPropertyBag bag;
    bag.WriteProperty("calOutline", Variant("perhaps"), Variant(false));
    try {
        Load(bag);
        FAIL() << "the load went through";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number, 13);
        EXPECT_NE(e.description.find("calOutline"), std::string::npos) << e.description;
    }
}

}  // namespace
}  // namespace VemoCalendar
