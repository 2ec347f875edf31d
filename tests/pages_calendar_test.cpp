#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

namespace VemoCalendar {
namespace {

// Three calendars on a form, all selected, with the Calendar page loaded from the first.
class CalendarPageTest : public ::testing::Test {
protected:
    CalendarPageTest() {
        host.SetToday(MakeDate(1997, 6, 10));
        form = std::make_unique<HeadlessForm>(host);
        for (int i = 0; i < 3; ++i)
            cals.push_back(&form->Place<QvCalendar>("QvCalendar" + std::to_string(i + 1), 0, 0, 4200, 3000));
        cal = cals[0];
        cal->calMaxYear(2100);
        cal->calCaption("First");
        cals[1]->calCaption("Second");
        host.ClearRecord();
    }
    void Load() {
        ASSERT_TRUE(site.Select({cals[0], cals[1], cals[2]}));
        host.ClearRecord();
    }
    TextBox& Text(const std::string& name) { return site.Get<TextBox>(name); }
    DropDownList& List(const std::string& name) { return site.Get<DropDownList>(name); }
    CheckBox& Check(const std::string& name) { return site.Get<CheckBox>(name); }
    OptionButton& Option(const std::string& name, int index) { return site.Get<OptionButton>(name, index); }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    std::vector<QvCalendar*> cals;
    QvCalendar* cal = nullptr;
    HeadlessPropertyPageSite site{host, PageNamed("pagQvCalendar")};
};

TEST_F(CalendarPageTest, EveryWidgetStandsWhereTheDesignPutsIt) {
    EXPECT_EQ(site.Page().Caption(), "Calendar");
    EXPECT_EQ(site.Page().ClientWidth(), 5775);
    EXPECT_EQ(site.Page().ClientHeight(), 4515);
    std::vector<WidgetPlace> design = {
        {"fraCalendar", -1, "-", "", 60, 0, 5655, 4455},
        {"imgCalendar", -1, "fraCalendar", "-", 120, 300, 480, 480},
        {"lblCaption", -1, "fraCalendar", "calCaption", 720, 300, 855, 315},
        {"txtCaption", -1, "fraCalendar", "-", 720, 540, 1875, 330},
        {"lblAppearance", -1, "fraCalendar", "calAppearance", 720, 900, 1215, 315},
        {"cbxAppearance", -1, "fraCalendar", "-", 720, 1140, 1920, 330},
        {"lblScrollArrowsPos", -1, "fraCalendar", "calScrollArrowsPos", 720, 1500, 1455, 315},
        {"cbxScrollArrowsPos", -1, "fraCalendar", "-", 720, 1740, 1920, 330},
        {"lblFirstDayofWeek", -1, "fraCalendar", "calFirstDayofWeek", 720, 2100, 1455, 315},
        {"cbxFirstDayofWeek", -1, "fraCalendar", "-", 720, 2340, 1920, 330},
        {"lblMinYear", -1, "fraCalendar", "calMinYear", 720, 2820, 855, 315},
        {"txtMinYear", -1, "fraCalendar", "-", 720, 3060, 915, 330},
        {"lblMaxYear", -1, "fraCalendar", "calMaxYear", 1680, 2820, 915, 315},
        {"txtMaxYear", -1, "fraCalendar", "-", 1680, 3060, 915, 330},
        {"lblWidth", -1, "fraCalendar", "calWidth", 720, 3540, 855, 315},
        {"txtWidth", -1, "fraCalendar", "-", 720, 3780, 915, 330},
        {"lblHeight", -1, "fraCalendar", "calHeight", 1680, 3540, 915, 315},
        {"txtHeight", -1, "fraCalendar", "-", 1680, 3780, 915, 330},
        {"fraTitles", -1, "fraCalendar", "Titles", 2820, 300, 2655, 1515},
        {"fraMonthTitle", -1, "fraTitles", "Month", 120, 180, 1155, 1155},
        {"optMonthTitle", 0, "fraMonthTitle", "Jan", 120, 240, 675, 210},
        {"optMonthTitle", 1, "fraMonthTitle", "January", 120, 540, 915, 210},
        {"fraDayTitle", -1, "fraTitles", "Days", 1380, 180, 1125, 1155},
        {"optDayTitle", 0, "fraDayTitle", "M", 120, 240, 615, 195},
        {"optDayTitle", 1, "fraDayTitle", "Mon", 120, 540, 735, 195},
        {"optDayTitle", 2, "fraDayTitle", "Monday", 120, 840, 915, 195},
        {"fraAlignment", -1, "fraCalendar", "Alignment", 2820, 1860, 2655, 1515},
        {"fraAlignmentDays", -1, "fraAlignment", "Days", 120, 180, 1155, 1155},
        {"fraAlignmentNum", -1, "fraAlignment", "Numbers", 1380, 180, 1125, 1155},
        {"chkOutline", -1, "fraCalendar", "calOutline", 2940, 3420, 1035, 255},
        {"chkShowTitleBar", -1, "fraCalendar", "calShowTitleBar", 2940, 3660, 1695, 255},
        {"chkMouseSensitiveDate", -1, "fraCalendar", "calMouseSensitiveDate", 2940, 3900, 2055, 255},
        {"chkShowDropdownMonth", -1, "fraCalendar", "calShowDropdownMonth", 2940, 4140, 2175, 255},
    };
    // The alignment grids: each option where its alignment puts text (left, centre, right columns;
    // top, middle, bottom rows).
    const int left[9] = {180, 180, 180, 780, 780, 780, 480, 480, 480};
    const int top[9] = {240, 540, 840, 240, 540, 840, 240, 540, 840};
    for (int i = 0; i < 9; ++i) {
        design.push_back({"optAlignmentDay", i, "fraAlignmentDays", "", left[i], top[i], 255, 195});
        design.push_back({"optAlignmentNum", i, "fraAlignmentNum", "", left[i], top[i], 255, 195});
    }
    ExpectDesign(site, design);
    EXPECT_EQ(Text("txtCaption").MaxLength(), 254);
    EXPECT_EQ(Text("txtMinYear").MaxLength(), 4);
    EXPECT_EQ(Text("txtMaxYear").MaxLength(), 4);
    EXPECT_EQ(Text("txtWidth").MaxLength(), 9);
    EXPECT_EQ(Text("txtHeight").MaxLength(), 9);
    ASSERT_NE(site.Get<Image>("imgCalendar").Picture(), nullptr);
    EXPECT_EQ(site.Get<Image>("imgCalendar").Picture()->width, 32);
    EXPECT_EQ(site.Get<Image>("imgCalendar").Picture()->height, 32);
}

TEST_F(CalendarPageTest, TabVisitsTheFieldsListsOptionsAndSwitchesInOrder) {
    std::vector<std::string> expected = {"txtCaption", "cbxAppearance", "cbxScrollArrowsPos", "cbxFirstDayofWeek",
                                         "txtMinYear", "txtMaxYear",    "txtWidth",           "txtHeight",
                                         "optMonthTitle0", "optMonthTitle1", "optDayTitle0", "optDayTitle1",
                                         "optDayTitle2"};
    for (int i = 0; i < 9; ++i) expected.push_back("optAlignmentDay" + std::to_string(i));
    for (int i = 0; i < 9; ++i) expected.push_back("optAlignmentNum" + std::to_string(i));
    for (const char* c : {"chkOutline", "chkShowTitleBar", "chkMouseSensitiveDate", "chkShowDropdownMonth"})
        expected.push_back(c);
    EXPECT_EQ(NamesOf(site.TabOrder()), expected);

    Load();
    std::vector<std::string> visited;
    site.Focus(&Text("txtCaption"));
    for (size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(NamesOf({site.FocusedWidget()})[0]);
        site.PressKey(9);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(host.messageBoxes.empty());  // leaving the loaded numbers unchanged is fine
}

TEST_F(CalendarPageTest, ListsHoldTheEnumerationConstants) {
    EXPECT_EQ(Entries(List("cbxAppearance")), (std::vector<std::string>{"VemocalFlat", "VemocalSunken", "VemocalRaised"}));
    EXPECT_EQ(Entries(List("cbxScrollArrowsPos")),
              (std::vector<std::string>{"VemocalNoArrows", "VemocalTop", "VemocalMonthYear", "VemocalBottom"}));
    EXPECT_EQ(Entries(List("cbxFirstDayofWeek")),
              (std::vector<std::string>{"VemocalSunday", "VemocalMonday", "VemocalTuesday", "VemocalWednesday",
                                        "VemocalThursday", "VemocalFriday", "VemocalSaturday"}));
}

TEST_F(CalendarPageTest, LoadShowsTheFirstControlsSettings) {
    cal->calAppearance(VemocalSunken);
    cal->calScrollArrowsPos(VemocalTop);
    cal->calOutline(true);
    cal->calShowTitleBar(false);
    cal->calShowDropdownMonth(true);
    cal->calMinYear(1900);
    cal->calAlignmentDayTitle(VemocalRightBottom);
    cal->calAlignmentNum(VemocalLeftTop);
    cal->calMonthTitle(VemocalMonthShort);
    cal->calDayTitle(VemocalDayLong);
    Load();

    EXPECT_EQ(Text("txtCaption").Text(), "First");
    EXPECT_EQ(List("cbxAppearance").ListIndex(), 1);
    EXPECT_EQ(List("cbxScrollArrowsPos").ListIndex(), 1);
    EXPECT_EQ(List("cbxFirstDayofWeek").ListIndex(), 0);
    EXPECT_EQ(List("cbxFirstDayofWeek").List(0), "VemocalSunday");
    EXPECT_EQ((std::vector<int>{Check("chkOutline").Value(), Check("chkShowTitleBar").Value(),
                                Check("chkMouseSensitiveDate").Value(), Check("chkShowDropdownMonth").Value()}),
              (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(Text("txtMinYear").Text(), "1900");
    EXPECT_EQ(Text("txtMaxYear").Text(), "2100");
    EXPECT_EQ(Text("txtWidth").Text(), "4200");
    EXPECT_EQ(Text("txtHeight").Text(), "3000");
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(Option("optAlignmentDay", i).Value(), i == 5) << i;
        EXPECT_EQ(Option("optAlignmentNum", i).Value(), i == 0) << i;
    }
    EXPECT_TRUE(Option("optMonthTitle", 0).Value());
    EXPECT_FALSE(Option("optMonthTitle", 1).Value());
    EXPECT_TRUE(Option("optDayTitle", 2).Value());
    EXPECT_FALSE(site.Changed());
    EXPECT_FALSE(site.ApplyEnabled());
}

TEST_F(CalendarPageTest, LoadReadsEachPropertyAfreshInItsOrder) {
    RecordingTarget first(*cal);
    ASSERT_TRUE(site.Select({&first, cals[1]}));
    EXPECT_EQ(first.reads,
              (std::vector<std::string>{"calCaption", "calAppearance", "calScrollArrowsPos", "calFirstDayofWeek",
                                        "calOutline", "calShowTitleBar", "calMouseSensitiveDate",
                                        "calShowDropdownMonth", "calMinYear", "calMinYear", "calMaxYear", "calMaxYear",
                                        "calWidth", "calWidth", "calHeight", "calHeight", "calAlignmentDayTitle",
                                        "calAlignmentDayTitle", "calAlignmentNum", "calAlignmentNum", "calMonthTitle",
                                        "calMonthTitle", "calDayTitle", "calDayTitle"}));
    EXPECT_EQ(site.selectedControlFetches, 24);
    // Filling the widgets set the flag on the way; the load ends by clearing it.
    ASSERT_FALSE(site.changedFlags.empty());
    EXPECT_TRUE(site.changedFlags.front());
    EXPECT_FALSE(site.changedFlags.back());
}

TEST_F(CalendarPageTest, OnlyTheFirstOfThreeIsLoadedAndWritten) {
    Load();
    EXPECT_EQ(Text("txtCaption").Text(), "First");
    site.Enter(Text("txtCaption"), "Changed");
    ASSERT_TRUE(site.ApplyEnabled());
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(cals[0]->calCaption(), "Changed");
    EXPECT_EQ(cals[1]->calCaption(), "Second");
    EXPECT_EQ(cals[2]->calCaption(), "Calendar");
    EXPECT_TRUE(host.ChangedProperties("QvCalendar2").empty());
    EXPECT_TRUE(host.ChangedProperties("QvCalendar3").empty());
    EXPECT_FALSE(site.ApplyEnabled());
}

TEST_F(CalendarPageTest, ApplyWritesAllSixteenInOrderFetchingTheControlEachTime) {
    RecordingTarget first(*cal);
    ASSERT_TRUE(site.Select({&first}));
    site.Click(Check("chkOutline"));
    site.selectedControlFetches = 0;
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(first.writes,
              (std::vector<std::string>{"calCaption", "calAppearance", "calScrollArrowsPos", "calFirstDayofWeek",
                                        "calOutline", "calShowTitleBar", "calMouseSensitiveDate",
                                        "calShowDropdownMonth", "calMinYear", "calMaxYear", "calWidth", "calHeight",
                                        "calAlignmentDayTitle", "calAlignmentNum", "calMonthTitle", "calDayTitle"}));
    EXPECT_EQ(site.selectedControlFetches, 16);
    EXPECT_EQ(first.written[1].kind(), Variant::Kind::Integer);  // a list position as a 16-bit integer
    EXPECT_EQ(first.written[8].kind(), Variant::Kind::Long);     // accepted numbers as 32-bit integers
    EXPECT_TRUE(cal->calOutline());
    EXPECT_EQ(cal->calMaxYear(), 2100);
    EXPECT_EQ(cal->calWidth(), 4200);
}

TEST_F(CalendarPageTest, ListPositionsBecomePropertyValues) {
    Load();
    site.Choose(List("cbxFirstDayofWeek"), "VemocalSaturday");
    site.Choose(List("cbxAppearance"), "VemocalFlat");
    site.Choose(List("cbxScrollArrowsPos"), "VemocalMonthYear");
    EXPECT_TRUE(site.ApplyEnabled());
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(cal->calFirstDayofWeek(), VemocalSaturday);
    EXPECT_EQ(cal->calAppearance(), VemocalFlat);
    EXPECT_EQ(cal->calScrollArrowsPos(), VemocalMonthYear);
    // The calendar shows it: the week now starts on Saturday.
    EXPECT_EQ(form->Site("QvCalendar1").Get<Panel>("pnlCalDay", 1).Caption(), "S");
    EXPECT_EQ(form->Site("QvCalendar1").Get<Panel>("pnlCalDay", 2).Caption(), "S");
    EXPECT_EQ(form->Site("QvCalendar1").Get<Panel>("pnlCalDay", 3).Caption(), "M");
}

TEST_F(CalendarPageTest, SwitchingAnOptionAwayAndBackIsStillAChange) {
    Load();
    site.Click(Option("optMonthTitle", 0));
    EXPECT_FALSE(Option("optMonthTitle", 1).Value());
    site.Click(Option("optMonthTitle", 1));
    EXPECT_TRUE(Option("optMonthTitle", 1).Value());
    EXPECT_FALSE(Option("optMonthTitle", 0).Value());
    EXPECT_TRUE(site.ApplyEnabled());
}

TEST_F(CalendarPageTest, ChosenOptionsAndSwitchesAreWritten) {
    Load();
    site.Click(Option("optAlignmentNum", 3));  // right top
    site.Click(Option("optAlignmentDay", 8));  // centre bottom
    site.Click(Option("optDayTitle", 1));
    site.Click(Option("optMonthTitle", 0));
    site.Click(Check("chkShowTitleBar"));
    site.Click(Check("chkMouseSensitiveDate"));
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(cal->calAlignmentNum(), VemocalRightTop);
    EXPECT_EQ(cal->calAlignmentDayTitle(), VemocalCenterBottom);
    EXPECT_EQ(cal->calDayTitle(), VemocalDayMedium);
    EXPECT_EQ(cal->calMonthTitle(), VemocalMonthShort);
    EXPECT_FALSE(cal->calShowTitleBar());
    EXPECT_TRUE(cal->calMouseSensitiveDate());
    EXPECT_EQ(form->Site("QvCalendar1").Get<Panel>("pnlCalNum", 10).Alignment(), VemocalRightTop);
}

TEST_F(CalendarPageTest, AGreyedSwitchWritesFalse) {
    cal->calOutline(true);
    Load();
    Check("chkOutline").SetValue(2);
    ASSERT_TRUE(site.Apply());
    EXPECT_FALSE(cal->calOutline());
}

struct KeyCase {
    const char* name;
    std::string keys;
    std::string text;
};

class CalendarPageKeys : public CalendarPageTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CalendarPageKeys, NumericFieldsKeepDigitsAndBackspaceOnly) {
    Load();
    for (const char* field : {"txtMinYear", "txtMaxYear", "txtWidth", "txtHeight"}) {
        SCOPED_TRACE(field);
        TextBox& box = Text(field);
        site.Focus(&box);
        EXPECT_EQ(box.SelLength(), static_cast<int>(box.Text().size()));  // the whole text is selected
        const std::string loaded = box.Text();
        site.PressKey(8);  // clears the selection
        site.Type(GetParam().keys);
        EXPECT_EQ(box.Text(), GetParam().text);
        box.SetText(loaded);  // leaves the field acceptable for the next one
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, CalendarPageKeys,
                         ::testing::Values(KeyCase{"Letters", "ab", ""}, KeyCase{"Minus", "-12", "12"},
                                           KeyCase{"DecimalPoint", "1.5", "15"}, KeyCase{"Digits", "1987", "1987"},
                                           KeyCase{"Backspace", "123\b", "12"},
                                           KeyCase{"ControlCharacters", std::string("1\x01\x16\r") + "2", "12"},
                                           KeyCase{"Blank", "1 2", "12"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarPageTest, FiveDigitsCannotBeTypedInAYearNorTenInASize) {
    Load();
    site.Enter(Text("txtMaxYear"), "99999");
    EXPECT_EQ(Text("txtMaxYear").Text(), "9999");
    site.Enter(Text("txtWidth"), "1234567890");
    EXPECT_EQ(Text("txtWidth").Text(), "123456789");
    EXPECT_TRUE(host.messageBoxes.empty());
}

struct RefusedCase {
    const char* name;
    const char* field;
    std::string typed;
    std::string restored;
};

class CalendarPageRefused : public CalendarPageTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CalendarPageRefused, ShowsTheFieldErrorAndRestoresTheAcceptedValue) {
    cal->calMinYear(1700);
    Load();
    const RefusedCase& c = GetParam();
    TextBox& box = Text(c.field);
    site.Enter(box, c.typed);

    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "Invalid property value");
    EXPECT_EQ(host.messageBoxes[0].title, "Field Error");
    EXPECT_EQ(host.messageBoxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(host.messageBoxes[0].buttons, MessageButtons::OK);
    EXPECT_EQ(site.FocusedWidget(), &box);
    EXPECT_EQ(box.Text(), c.restored);
    EXPECT_FALSE(site.Changed());
    EXPECT_FALSE(site.ApplyEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CalendarPageRefused,
    ::testing::Values(RefusedCase{"EmptyWidth", "txtWidth", "", "4200"},
                      RefusedCase{"EmptyHeight", "txtHeight", "", "3000"},
                      RefusedCase{"EmptyMinYear", "txtMinYear", "", "1700"},
                      RefusedCase{"EmptyMaxYear", "txtMaxYear", "", "2100"},
                      RefusedCase{"MinYearBelow1600", "txtMinYear", "1599", "1700"},
                      RefusedCase{"MinYearAboveTheMaxField", "txtMinYear", "2101", "1700"},
                      RefusedCase{"MaxYearBelowTheMinField", "txtMaxYear", "1699", "2100"},
                      RefusedCase{"MaxYear999", "txtMaxYear", "999", "2100"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarPageTest, YearBoundsThemselvesAreAccepted) {
    cal->calMinYear(1700);
    Load();
    site.Enter(Text("txtMinYear"), "1600");
    site.Enter(Text("txtMaxYear"), "9999");
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_TRUE(site.ApplyEnabled());
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(cal->calMinYear(), 1600);
    EXPECT_EQ(cal->calMaxYear(), 9999);
}

TEST_F(CalendarPageTest, MaxYear999RefusedAgainstMinYear1600) {
    Load();
    site.Enter(Text("txtMinYear"), "1600");
    site.Enter(Text("txtMaxYear"), "999");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(Text("txtMaxYear").Text(), "2100");
}

TEST_F(CalendarPageTest, TheSameValueTypedAgainRecordsNoChange) {
    Load();
    site.Enter(Text("txtWidth"), "4200");
    site.Enter(Text("txtMinYear"), "1600");
    EXPECT_FALSE(site.Changed());
    site.Enter(Text("txtWidth"), "4500");
    EXPECT_TRUE(site.Changed());
}

TEST_F(CalendarPageTest, TheRefusedFieldKeepsTheFocusWithoutCheckingTheNextOne) {
    Load();
    // Both size fields empty: leaving the first must not set the second one's check off too, as
    // the second one never really got the focus.
    Text("txtHeight").SetText("");
    site.Focus(&Text("txtWidth"));
    site.PressKey(8);
    site.Tab();
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(site.FocusedWidget(), &Text("txtWidth"));
    EXPECT_EQ(Text("txtWidth").Text(), "4200");
    // Typing now replaces the restored value.
    site.Type("5000");
    EXPECT_EQ(Text("txtWidth").Text(), "5000");
}

TEST_F(CalendarPageTest, AppliedSizeResizesTheCalendar) {
    Load();
    site.Enter(Text("txtWidth"), "4500");
    site.Enter(Text("txtHeight"), "3300");
    site.Enter(Text("txtCaption"), "Holidays");
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(form->Site("QvCalendar1").Width(), 4500);
    EXPECT_EQ(form->Site("QvCalendar1").Height(), 3300);
    EXPECT_EQ(form->Site("QvCalendar1").Get<Panel>("pnlTitleBar1").Caption(), " Holidays");
}

TEST_F(CalendarPageTest, ApplyingAYearWindowAboveTheMaximumStopsAtTheMinimumYear) {
    Load();
    site.Enter(Text("txtCaption"), "Future");
    site.Choose(List("cbxAppearance"), "VemocalFlat");
    site.Click(Check("chkOutline"));
    site.Enter(Text("txtMaxYear"), "2300");
    site.Enter(Text("txtMinYear"), "2200");
    site.Enter(Text("txtWidth"), "5000");
    site.Click(Option("optAlignmentNum", 0));
    site.Click(Option("optMonthTitle", 0));
    EXPECT_TRUE(host.messageBoxes.empty());  // the page's own checks pass

    EXPECT_FALSE(site.Apply());
    ASSERT_EQ(site.errors.size(), 1u);
    EXPECT_EQ(site.errors[0].property, "calMinYear");
    EXPECT_EQ(site.errors[0].number, 380);
    EXPECT_EQ(site.errors[0].description, "Invalid property value");
    // Written before it:
    EXPECT_EQ(cal->calCaption(), "Future");
    EXPECT_EQ(cal->calAppearance(), VemocalFlat);
    EXPECT_TRUE(cal->calOutline());
    // Not written:
    EXPECT_EQ(cal->calMinYear(), 1600);
    EXPECT_EQ(cal->calMaxYear(), 2100);
    EXPECT_EQ(cal->calWidth(), 4200);
    EXPECT_EQ(cal->calAlignmentNum(), VemocalCenterMiddle);
    EXPECT_EQ(cal->calMonthTitle(), VemocalMonthLong);
    EXPECT_TRUE(site.ApplyEnabled());  // nothing was lost: the developer can mend and apply again
}

TEST_F(CalendarPageTest, AFailedReadStopsTheLoadAndThePageWritesNothingBack) {
    cal->calOutline(true);
    RecordingTarget first(*cal);
    first.failOnRead = "calFirstDayofWeek";
    EXPECT_FALSE(site.Select({&first}));
    ASSERT_EQ(site.errors.size(), 1u);
    EXPECT_EQ(site.errors[0].property, "calFirstDayofWeek");
    EXPECT_EQ(site.errors[0].number, 380);
    EXPECT_EQ(first.reads.back(), "calFirstDayofWeek");
    EXPECT_EQ(Check("chkOutline").Value(), 0);  // the load stopped before the switches

    // The half-loaded page would clear calOutline: applying refuses with the load's error.
    site.Click(Check("chkShowTitleBar"));
    EXPECT_FALSE(site.Apply());
    EXPECT_TRUE(first.writes.empty());
    ASSERT_EQ(site.errors.size(), 2u);
    EXPECT_EQ(site.errors[1].property, "calFirstDayofWeek");
    EXPECT_TRUE(cal->calOutline());

    // A later load that succeeds makes the page usable again.
    first.failOnRead.clear();
    EXPECT_TRUE(site.Select({&first}));
    site.Click(Check("chkShowTitleBar"));
    EXPECT_TRUE(site.Apply());
    EXPECT_FALSE(cal->calShowTitleBar());
}

TEST_F(CalendarPageTest, PastedTextIsCheckedLikeTypedText) {
    Load();
    for (const char* pasted : {"-5", "1e99", "nan", "abc"}) {
        SCOPED_TRACE(pasted);
        host.messageBoxes.clear();
        site.Focus(&Text("txtWidth"));
        site.Paste(pasted);
        site.Tab();
        EXPECT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(Text("txtWidth").Text(), "4200");
    }
    EXPECT_FALSE(site.Changed());
}

TEST_F(CalendarPageTest, ALongCaptionSetInCodeSurvivesAnApply) {
    const std::string caption(300, 'x');
    cal->calCaption(caption);
    Load();
    EXPECT_EQ(Text("txtCaption").Text(), caption);
    site.Click(Check("chkOutline"));
    ASSERT_TRUE(site.Apply());
    EXPECT_EQ(cal->calCaption(), caption);

    // The raised limit belonged to that caption: the next load types at most 254 again.
    ASSERT_TRUE(site.Select({cals[1], cals[0]}));
    site.Focus(&Text("txtCaption"));
    site.Type(std::string(260, 'y'));
    EXPECT_EQ(Text("txtCaption").Text(), std::string(254, 'y'));
}

TEST_F(CalendarPageTest, TypingInTheCaptionIsAChange) {
    Load();
    site.Focus(&Text("txtCaption"));
    EXPECT_EQ(Text("txtCaption").SelLength(), 5);
    site.Type("N");
    EXPECT_EQ(Text("txtCaption").Text(), "N");
    EXPECT_TRUE(site.ApplyEnabled());
}

TEST_F(CalendarPageTest, NoSelectionLoadsAndWritesNothing) {
    EXPECT_TRUE(site.Select({}));
    site.Click(Check("chkOutline"));
    EXPECT_TRUE(site.Apply());
    EXPECT_EQ(site.selectedControlFetches, 0);
    EXPECT_TRUE(site.errors.empty());
}

TEST(PropertyPageNames, EachControlNamesItsPagesInOrder) {
    EXPECT_EQ(PropertyPageNames("QvCalendar"),
              (std::vector<std::string>{"pagQvCalendar", "StandardColor", "StandardFont", "StandardPicture"}));
    EXPECT_EQ(PropertyPageNames("QvCalButton"), (std::vector<std::string>{"pagQvCalButton", "pagQvCalendar",
                                                                          "StandardFont", "StandardColor",
                                                                          "StandardPicture"}));
    EXPECT_TRUE(PropertyPageNames("frmAbout").empty());
    EXPECT_TRUE(IsStockPage("StandardFont"));
    EXPECT_FALSE(IsStockPage("pagQvCalendar"));
}

}  // namespace
}  // namespace VemoCalendar
