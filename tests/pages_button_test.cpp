#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "calbutton/QvCalButton.h"
#include "headless/HeadlessForm.h"
#include "pages/PageIcons.h"

namespace VemoCalendar {
namespace {

// Two drop-down buttons on a form, both selected, with the Button page on its site.
class ButtonPageTest : public ::testing::Test {
protected:
    ButtonPageTest() {
        host.SetToday(MakeDate(1997, 6, 10));
        form = std::make_unique<HeadlessForm>(host);
        for (int i = 0; i < 2; ++i)
            buttons.push_back(&form->Place<QvCalButton>("QvCalButton" + std::to_string(i + 1), 0, 0, 1200, 400));
        first().MousePointer(99);
        first().AutoSize(VemobtnButtonToPicture);
        first().RoundedCorners(true);
        first().Outline(false);
        first().BevelWidth(1);
        first().Caption("PopCalendar");
        host.ClearRecord();
    }
    QvCalButton& first() { return *buttons[0]; }
    void Load() {
        ASSERT_TRUE(site.Select({buttons[0], buttons[1]}));
        host.ClearRecord();
    }
    TextBox& Text(const std::string& name) { return site.Get<TextBox>(name); }
    DropDownList& List(const std::string& name) { return site.Get<DropDownList>(name); }
    CheckBox& Check(const std::string& name) { return site.Get<CheckBox>(name); }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    std::vector<QvCalButton*> buttons;
    HeadlessPropertyPageSite site{host, PageNamed("pagQvCalButton")};
};

TEST_F(ButtonPageTest, EveryWidgetStandsWhereTheDesignPutsIt) {
    EXPECT_EQ(site.Page().Caption(), "Button");
    EXPECT_EQ(site.Page().ClientWidth(), 5790);
    EXPECT_EQ(site.Page().ClientHeight(), 4410);
    ExpectDesign(site, {
                           {"fraCalButton", -1, "-", "", 60, 0, 5655, 4335},
                           {"imgCalendar", -1, "fraCalButton", "-", 120, 300, 480, 480},
                           {"lblCaption", -1, "fraCalButton", "Caption", 720, 300, 1020, 240},
                           {"txtCaption", -1, "fraCalButton", "-", 720, 540, 2175, 330},
                           {"lblFont3D", -1, "fraCalButton", "Font3D", 3105, 300, 1020, 240},
                           {"cbxFont3D", -1, "fraCalButton", "-", 3105, 540, 2175, 330},
                           {"lblAutoSize", -1, "fraCalButton", "AutoSize", 720, 960, 1020, 240},
                           {"cbxAutoSize", -1, "fraCalButton", "-", 720, 1200, 2175, 330},
                           {"lblMousePointer", -1, "fraCalButton", "MousePointer", 3105, 960, 1020, 240},
                           {"cbxMousePointer", -1, "fraCalButton", "-", 3105, 1200, 2175, 330},
                           {"lblBevelWidth", -1, "fraCalButton", "BevelWidth", 720, 1680, 1020, 240},
                           {"txtBevelWidth", -1, "fraCalButton", "-", 720, 1920, 1200, 330},
                           {"chkEnabled", -1, "fraCalButton", "Enabled", 720, 2520, 1800, 285},
                           {"chkOutline", -1, "fraCalButton", "Outline", 720, 2820, 1500, 285},
                           {"chkRoundedCorners", -1, "fraCalButton", "RoundedCorners", 720, 3120, 1980, 285},
                       });
    EXPECT_EQ(Text("txtCaption").MaxLength(), 254);
    EXPECT_EQ(Text("txtBevelWidth").MaxLength(), 4);
    const PictureRef picture = site.Get<Image>("imgCalendar").Picture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 32);
    EXPECT_EQ(picture->height, 32);
    EXPECT_NE(*picture, *MakeCalendarPagePicture());  // a button with a calendar, not the calendar alone
    EXPECT_EQ(NamesOf(site.TabOrder()),
              (std::vector<std::string>{"txtCaption", "cbxFont3D", "cbxAutoSize", "cbxMousePointer", "txtBevelWidth",
                                        "chkEnabled", "chkOutline", "chkRoundedCorners"}));
}

TEST_F(ButtonPageTest, ListsHoldNumberedNames) {
    EXPECT_EQ(Entries(List("cbxAutoSize")),
              (std::vector<std::string>{"0 - None", "1 - Picture To Button", "2 - Button To Picture"}));
    EXPECT_EQ(Entries(List("cbxFont3D")),
              (std::vector<std::string>{"0 - None", "1 - Raised w/ Light Shading", "2 - Raised w/ Heavy Shading",
                                        "3 - Inset w/ Light Shading", "4 - Inset w/ Heavy Shading"}));
    const std::vector<std::string> pointers = Entries(List("cbxMousePointer"));
    ASSERT_EQ(pointers.size(), 17u);
    EXPECT_EQ(pointers[0], "0 - Default");
    EXPECT_EQ(pointers[13], "13 - Arrow And HourGlass");
    EXPECT_EQ(pointers[15], "15 - Size All");
    EXPECT_EQ(pointers[16], "99 - Custom");
}

TEST_F(ButtonPageTest, LoadShowsTheFirstButtonsFace) {
    Load();
    EXPECT_EQ(Text("txtCaption").Text(), "PopCalendar");
    EXPECT_EQ(List("cbxMousePointer").ListIndex(), 16);
    EXPECT_EQ(List("cbxAutoSize").ListIndex(), 2);
    EXPECT_EQ(List("cbxAutoSize").List(2), "2 - Button To Picture");
    EXPECT_EQ(List("cbxFont3D").ListIndex(), 0);
    EXPECT_EQ(List("cbxFont3D").List(0), "0 - None");
    EXPECT_EQ(Check("chkEnabled").Value(), 1);
    EXPECT_EQ(Check("chkOutline").Value(), 0);
    EXPECT_EQ(Check("chkRoundedCorners").Value(), 1);
    EXPECT_EQ(Text("txtBevelWidth").Text(), "1");
    EXPECT_FALSE(site.ApplyEnabled());
}

TEST_F(ButtonPageTest, LoadAndApplyKeepTheirOrders) {
    RecordingTarget target(first());
    ASSERT_TRUE(site.Select({&target}));
    EXPECT_EQ(target.reads, (std::vector<std::string>{"Caption", "AutoSize", "Font3D", "MousePointer", "Enabled",
                                                      "Outline", "RoundedCorners", "BevelWidth", "BevelWidth"}));
    site.Click(Check("chkOutline"));
    site.selectedControlFetches = 0;
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(target.writes, (std::vector<std::string>{"Caption", "AutoSize", "Font3D", "MousePointer",
                                                       "RoundedCorners", "Outline", "BevelWidth", "Enabled"}));
    EXPECT_EQ(site.selectedControlFetches, 8);
    EXPECT_EQ(target.written[1].kind(), Variant::Kind::Integer);  // AutoSize as a 16-bit integer
    EXPECT_EQ(target.written[6].kind(), Variant::Kind::String);   // the bevel width as the field's text
}

struct PointerCase {
    const char* entry;
    int32_t written;
};

class ButtonPagePointers : public ButtonPageTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(ButtonPagePointers, ListPositionBecomesThePointer) {
    first().MousePointer(3);
    Load();
    site.Choose(List("cbxMousePointer"), GetParam().entry);
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first().MousePointer(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Entries, ButtonPagePointers,
                         ::testing::Values(PointerCase{"99 - Custom", 99}, PointerCase{"15 - Size All", 15},
                                           PointerCase{"0 - Default", 0}, PointerCase{"11 - HourGlass", 11}),
                         [](const ::testing::TestParamInfo<PointerCase>& info) { return "Pointer" + std::to_string(info.param.written); });

TEST_F(ButtonPageTest, OnlyTheFirstOfTwoIsLoadedAndWritten) {
    buttons[1]->Caption("Second");
    Load();
    site.Enter(Text("txtCaption"), "Pick");
    site.Choose(List("cbxFont3D"), "3 - Inset w/ Light Shading");
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first().Caption(), "Pick");
    EXPECT_EQ(first().Font3D(), 3);
    EXPECT_EQ(buttons[1]->Caption(), "Second");
    EXPECT_EQ(buttons[1]->Font3D(), 0);
}

TEST_F(ButtonPageTest, BevelWidthKeepsDigitsAndBackspaceOnly) {
    Load();
    site.Focus(&Text("txtBevelWidth"));
    EXPECT_EQ(Text("txtBevelWidth").SelLength(), 1);
    site.Type("a-.3x\b5");
    EXPECT_EQ(Text("txtBevelWidth").Text(), "5");
    site.Type("99999");
    EXPECT_EQ(Text("txtBevelWidth").Text(), "5999");  // four digits at most: 9999 is the largest
    EXPECT_FALSE(site.Changed());                     // typing without leaving records nothing
}

TEST_F(ButtonPageTest, EmptyBevelWidthIsRefusedAndRestored) {
    Load();
    site.Enter(Text("txtBevelWidth"), "");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "Invalid property value");
    EXPECT_EQ(host.messageBoxes[0].title, "Field Error");
    EXPECT_EQ(host.messageBoxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(site.FocusedWidget(), &Text("txtBevelWidth"));
    EXPECT_EQ(Text("txtBevelWidth").Text(), "1");
    EXPECT_FALSE(site.Changed());
}

TEST_F(ButtonPageTest, TheSameBevelWidthAgainIsNoChangeANewOneIs) {
    Load();
    site.Enter(Text("txtBevelWidth"), "1");
    EXPECT_FALSE(site.Changed());
    site.Enter(Text("txtBevelWidth"), "4");
    EXPECT_TRUE(site.Changed());
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first().BevelWidth(), 4);
}

TEST_F(ButtonPageTest, BevelWidthIsWrittenFromTheFieldsText) {
    Load();
    site.Click(Check("chkRoundedCorners"));  // enables Apply
    // Typed but not yet left: the field's text is what Apply hands over, once the focus has left.
    site.Focus(&Text("txtBevelWidth"));
    site.Type("07");
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first().BevelWidth(), 7);
    EXPECT_FALSE(first().RoundedCorners());
}

TEST_F(ButtonPageTest, AWidthTheButtonRefusesStopsTheApplyThere) {
    Load();
    site.Enter(Text("txtCaption"), "Pick");
    site.Click(Check("chkOutline"));
    site.Click(Check("chkEnabled"));
    site.Enter(Text("txtBevelWidth"), "40");  // the page takes it; the button widget does not
    EXPECT_FALSE(site.Apply());
    ASSERT_EQ(site.errors.size(), 1u);
    EXPECT_EQ(site.errors[0].property, "BevelWidth");
    EXPECT_EQ(site.errors[0].number, 380);
    EXPECT_EQ(first().Caption(), "Pick");
    EXPECT_TRUE(first().Outline());
    EXPECT_EQ(first().BevelWidth(), 1);
    EXPECT_TRUE(first().Enabled());  // after the refused width: not written
}

TEST_F(ButtonPageTest, AFreshlyLoadedPageReportsNoChange) {
    Load();
    EXPECT_FALSE(site.Changed());
    ASSERT_FALSE(site.changedFlags.empty());
    EXPECT_FALSE(site.changedFlags.back());
    EXPECT_FALSE(site.Apply());  // Apply is disabled: nothing is written
}

TEST_F(ButtonPageTest, APointerNoEntryStandsForStopsTheLoad) {
    first().MousePointer(99);
    RecordingTarget target(first());
    struct OddPointer : PropertyTarget {
        PropertyTarget& inner;
        explicit OddPointer(PropertyTarget& i) : inner(i) {}
        Variant GetProperty(std::string_view name) const override {
            return name == "MousePointer" ? Variant(int32_t{42}) : inner.GetProperty(name);
        }
        void SetProperty(std::string_view name, const Variant& v) override { inner.SetProperty(name, v); }
    } odd(target);
    EXPECT_FALSE(site.Select({&odd}));
    ASSERT_EQ(site.errors.size(), 1u);
    EXPECT_EQ(site.errors[0].property, "MousePointer");
    site.Click(Check("chkOutline"));
    EXPECT_FALSE(site.Apply());
    EXPECT_TRUE(target.writes.empty());
}

TEST_F(ButtonPageTest, AnAppliedFaceReachesTheButtonAndTheHost) {
    Load();
    site.Choose(List("cbxAutoSize"), "0 - None");
    site.Click(Check("chkOutline"));
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first().AutoSize(), VemobtnNone);
    EXPECT_TRUE(first().Outline());
    EXPECT_EQ(host.ChangedProperties("QvCalButton1"),
              (std::vector<std::string>{"Caption", "AutoSize", "Font3D", "MousePointer", "RoundedCorners", "Outline",
                                        "BevelWidth", "Enabled"}));
    EXPECT_TRUE(host.ChangedProperties("QvCalButton2").empty());
}

// The Calendar page on a drop-down button: the button answers every "cal" property by name and
// hands it to its pop-up calendar.
TEST_F(ButtonPageTest, TheCalendarPageEditsThePopupThroughTheButton) {
    HeadlessPropertyPageSite calendarPage(host, PageNamed("pagQvCalendar"));
    ASSERT_TRUE(calendarPage.Select({buttons[0], buttons[1]}));
    EXPECT_EQ(calendarPage.Get<TextBox>("txtCaption").Text(), "Calendar");
    EXPECT_EQ(calendarPage.Get<TextBox>("txtWidth").Text(), "3200");
    EXPECT_EQ(calendarPage.Get<TextBox>("txtHeight").Text(), "4000");
    EXPECT_FALSE(calendarPage.Changed());

    calendarPage.Choose(calendarPage.Get<DropDownList>("cbxFirstDayofWeek"), "VemocalMonday");
    calendarPage.Click(calendarPage.Get<OptionButton>("optDayTitle", 2));
    calendarPage.Enter(calendarPage.Get<TextBox>("txtWidth"), "3600");
    ASSERT_TRUE(calendarPage.Apply());
    EXPECT_EQ(first().calFirstDayofWeek(), VemocalMonday);
    EXPECT_EQ(first().PopupCalendar().calFirstDayofWeek(), VemocalMonday);
    EXPECT_EQ(first().PopupCalendar().calDayTitle(), VemocalDayLong);
    EXPECT_EQ(first().calWidth(), 3600);  // the pop-up's size at its next opening
    EXPECT_EQ(buttons[1]->calFirstDayofWeek(), VemocalSunday);
    const auto changed = host.ChangedProperties("QvCalButton1");
    EXPECT_NE(std::find(changed.begin(), changed.end(), "calFirstDayofWeek"), changed.end());
}

TEST_F(ButtonPageTest, TheCalendarPageOnAButtonStopsAtARefusedMinimumYear) {
    first().calMaxYear(2100);
    HeadlessPropertyPageSite calendarPage(host, PageNamed("pagQvCalendar"));
    ASSERT_TRUE(calendarPage.Select({buttons[0]}));
    calendarPage.Enter(calendarPage.Get<TextBox>("txtCaption"), "Later");
    calendarPage.Enter(calendarPage.Get<TextBox>("txtMaxYear"), "2300");
    calendarPage.Enter(calendarPage.Get<TextBox>("txtMinYear"), "2200");
    EXPECT_FALSE(calendarPage.Apply());
    ASSERT_EQ(calendarPage.errors.size(), 1u);
    EXPECT_EQ(calendarPage.errors[0].property, "calMinYear");
    EXPECT_EQ(first().calCaption(), "Later");
    EXPECT_EQ(first().calMinYear(), 1600);
    EXPECT_EQ(first().calMaxYear(), 2100);
}

}  // namespace
}  // namespace VemoCalendar
