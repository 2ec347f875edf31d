#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ButtonFixture.h"
#include "ErrorNumber.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Names = std::vector<std::string>;

class ButtonPropertiesTest : public ButtonFixture {};

TEST_F(ButtonPropertiesTest, ForwardedWritesReachTheCalendarAndAreNotifiedUnderTheirNames) {
    button->calCaption("Due");
    button->SetProperty("calAppearance", Variant(int32_t{0}));
    button->SetProperty("calMaxYear", Variant(int32_t{2000}));
    EXPECT_EQ(button->PopupCalendar().calCaption(), "Due");
    EXPECT_EQ(button->PopupCalendar().calAppearance(), VemocalFlat);
    EXPECT_EQ(button->GetProperty("calMaxYear").ToInt32(), 2000);
    EXPECT_EQ(host.ChangedProperties(), (Names{"calCaption", "calAppearance", "calMaxYear"}));
}

TEST_F(ButtonPropertiesTest, TheCalendarsRefusalReachesTheCallerUnnotified) {
    EXPECT_EQ(ErrorNumber([&] { button->calAppearance(static_cast<enumCALAppearance>(3)); }), 380);
    EXPECT_EQ(ErrorNumber([&] { button->SetProperty("calMinYear", Variant(int32_t{1599})); }), 380);
    EXPECT_EQ(ErrorNumber([&] { button->calValue(Date(1e9)); }), 380);
    EXPECT_TRUE(host.ChangedProperties().empty());
}

TEST_F(ButtonPropertiesTest, APictureAFormFileCannotHoldIsRefusedAtOnce) {
    const auto picture = [](int width, int height, size_t pixels) {
        return std::make_shared<PictureObject>(PictureObject{width, height, std::vector<uint32_t>(pixels)});
    };
    for (const char* property : {"Picture", "MouseIcon"}) {
        SCOPED_TRACE(property);
        EXPECT_EQ(ErrorNumber([&] { button->SetProperty(property, Variant(picture(kMaxPictureSide + 1, 1, kMaxPictureSide + 1))); }), 380);
        EXPECT_EQ(ErrorNumber([&] { button->SetProperty(property, Variant(picture(2, 2, 3))); }), 380);
        EXPECT_EQ(ErrorNumber([&] { button->SetProperty(property, Variant(picture(0, 0, 0))); }), 380);
        button->SetProperty(property, Variant(picture(kMaxPictureSide, 1, kMaxPictureSide)));
        button->SetProperty(property, Variant(PictureRef()));
    }
    EXPECT_EQ(host.ChangedProperties(), (Names{"Picture", "Picture", "MouseIcon", "MouseIcon"}));
}

TEST_F(ButtonPropertiesTest, ByNameAnswersOwnAndForwardedMembersOnly) {
    EXPECT_EQ(button->GetProperty("calVersion").ToString(), "2.1.0");
    EXPECT_EQ(button->GetProperty("hwnd").ToInt32(), button->hwnd());
    EXPECT_NE(button->hwnd(), button->PopupCalendar().hwnd());
    EXPECT_EQ(button->GetProperty("Caption").ToString(), "");
    EXPECT_EQ(ErrorNumber([&] { button->GetProperty("Refresh"); }), 438);
    EXPECT_EQ(ErrorNumber([&] { button->GetProperty("calNoSuchThing"); }), 438);
    EXPECT_EQ(ErrorNumber([&] { button->SetProperty("calLeapYear", Variant(true)); }), 438);
    EXPECT_EQ(ErrorNumber([&] { button->SetProperty("hwnd", Variant(int32_t{1})); }), 438);
}

TEST_F(ButtonPropertiesTest, PropertyListHasEveryMemberOfTheInterfaceOnce) {
    Names names;
    for (const PropertyInfo& p : button->Properties()) names.push_back(std::string(p.name));
    EXPECT_EQ(names.size(), 33u + 16u);  // the forwarded calendar members and the own ones
    EXPECT_EQ(names.front(), "calWidth");
    EXPECT_EQ(names[1], "AutoSize");
    EXPECT_EQ(names[2], "calAlignmentDayTitle");
    EXPECT_EQ(std::count(names.begin(), names.end(), "Enabled"), 1);
    for (const PropertyInfo& p : button->Properties())
        EXPECT_NO_THROW(button->GetProperty(p.name)) << p.name;
}

TEST_F(ButtonPropertiesTest, CalWidthIsTheButtonsOwnEvenWhenTheCalendarReportsAnother) {
    button->calWidth(2001);
    EXPECT_EQ(button->calWidth(), 2001);
    EXPECT_EQ(host.ChangedProperties(), Names{"calWidth"});
    Press();
    EXPECT_EQ(PopupSite().Width(), 2001);
}

TEST_F(ButtonPropertiesTest, FontsAreHeldByReferenceInTheCalendar) {
    FontRef font = MakeFont("Georgia", 11);
    button->calMonthYearTitleFont(font);
    EXPECT_EQ(button->PopupCalendar().calMonthYearTitleFont(), font);
    font->size = 14;
    EXPECT_EQ(button->calMonthYearTitleFont()->size, 14);
}

TEST_F(ButtonPropertiesTest, FacePropertiesLiveInTheButtonWidget) {
    button->Caption("Pick");
    button->BevelWidth(4);
    button->RoundedCorners(true);
    button->ForeColor(0x0000FF);
    EXPECT_EQ(Face().Caption(), "Pick");
    EXPECT_EQ(Face().BevelWidth(), 4);
    EXPECT_TRUE(Face().RoundedCorners());
    EXPECT_EQ(Face().ForeColor(), 0x0000FFu);
    EXPECT_EQ(host.ChangedProperties(), (Names{"Caption", "BevelWidth", "RoundedCorners", "ForeColor"}));
    EXPECT_EQ(ErrorNumber([&] { button->BevelWidth(-1); }), 380) << "the widget refuses";
    EXPECT_EQ(host.ChangedProperties().size(), 4u);
}

TEST_F(ButtonPropertiesTest, TheWidgetFillsTheControlUnlessItSizesTheControl) {
    ButtonSite().Move(600, 300, 1200, 400);
    EXPECT_EQ(Face().Width(), 1200);
    EXPECT_EQ(Face().Height(), 400);
    Face().Move(0, 0, 345, 345);
    button->AutoSize(VemobtnButtonToPicture);
    EXPECT_EQ(ButtonSite().Width(), 345) << "at once, without a resize from the host";
    EXPECT_EQ(ButtonSite().Height(), 345);
    button->AutoSize(VemobtnNone);
    EXPECT_EQ(ButtonSite().Width(), 345) << "nothing until the next resize";
    ButtonSite().Move(600, 300, 900, 300);
    EXPECT_EQ(Face().Width(), 900);
}

}  // namespace
}  // namespace VemoCalendar
