#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "headless/HeadlessHost.h"

namespace VemoCalendar {
namespace {

// What the user saw while the box was up.
struct Seen {
    std::string caption, title, version;
    int left = 0, top = 0;
    bool visible = false;
    int iconSize = 0, bigIconSize = 0;
};

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() {
        host.onModalDialog = [this](HeadlessDialog& d) {
            seen.caption = d.Caption();
            seen.title = d.Factory().Get<Label>("lblTitle").Caption();
            seen.version = d.Factory().Get<Label>("lblVersion").Caption();
            seen.left = d.Left();
            seen.top = d.Top();
            seen.visible = host.About().IsVisible();
            seen.iconSize = d.Icon() ? d.Icon()->width : 0;
            const PictureRef big = d.Factory().Get<Image>("picIcon").Picture();
            seen.bigIconSize = big ? big->width : 0;
            if (closeWith) closeWith(d);
        };
    }
    HeadlessHost host;
    Seen seen;
    std::function<void(HeadlessDialog&)> closeWith = [](HeadlessDialog& d) { d.Click("cmdOK"); };
};

TEST_F(AboutBoxTest, ShowsTitleAndThreePartVersion) {
    host.About().ShowModal();
    EXPECT_EQ(seen.caption, "About VemoCalendar");
    EXPECT_EQ(seen.title, "VemoCalendar");
    EXPECT_EQ(seen.version, "version 2.1.0");
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.iconSize, 16);
    EXPECT_EQ(seen.bigIconSize, 32);
    EXPECT_FALSE(host.About().IsVisible());
    EXPECT_EQ(host.dialogsShown, std::vector<std::string>{"About VemoCalendar"});
}

TEST_F(AboutBoxTest, IsCentredWithTruncatingHalves) {
    host.About().ShowModal();
    // 1024 x 768 pixels at 15 twips: (15360 - 5835) / 2 and (11520 - 3600) / 2, fractions dropped.
    EXPECT_EQ(seen.left, 4762);
    EXPECT_EQ(seen.top, 3960);
}

TEST(CentredOffset, HalvesTowardZero) {
    EXPECT_EQ(CentredOffset(15360, 5835), 4762);
    EXPECT_EQ(CentredOffset(1000, 3001), -1000);  // wider than the screen: negative, truncated
    EXPECT_EQ(CentredOffset(1000, 2999.5), -1000);  // -1999.5 rounds to -2000 first
}

TEST_F(AboutBoxTest, OpensAfreshEachTime) {
    host.About().ShowModal();
    const Seen first = seen;
    seen = {};
    host.About().ShowModal();
    EXPECT_EQ(seen.caption, first.caption);
    EXPECT_EQ(seen.version, first.version);
    EXPECT_EQ(host.dialogsShown.size(), 2u);
}

TEST_F(AboutBoxTest, EnterAndEscapeClose) {
    for (int16_t key : {int16_t{13}, int16_t{27}}) {
        bool stillOpenAfterKey = true;
        closeWith = [&](HeadlessDialog& d) {
            d.PressKey(key);
            stillOpenAfterKey = d.IsVisible();
        };
        host.About().ShowModal();
        EXPECT_FALSE(stillOpenAfterKey) << key;
    }
}

TEST_F(AboutBoxTest, OtherKeysLeaveItOpen) {
    bool open = false;
    closeWith = [&](HeadlessDialog& d) {
        d.PressKey('x');
        open = d.IsVisible();
    };
    host.About().ShowModal();
    EXPECT_TRUE(open);
}

TEST_F(AboutBoxTest, SeparatorIsEtched) {
    std::vector<Color> colours;
    closeWith = [&](HeadlessDialog& d) {
        colours = {d.Factory().Get<Line>("Line1", 1).BorderColor(), d.Factory().Get<Line>("Line1", 0).BorderColor()};
        EXPECT_EQ(d.Factory().Get<Line>("Line1", 1).Y1(), 2445);
        EXPECT_EQ(d.Factory().Get<Line>("Line1", 0).Y1(), 2460);
        d.Click("cmdOK");
    };
    host.About().ShowModal();
    EXPECT_EQ(colours, (std::vector<Color>{Rgb(128, 128, 128), Rgb(255, 255, 255)}));
}

}  // namespace
}  // namespace VemoCalendar
