#include <tuple>

#include "CalendarFixture.h"
#include "headless/MemoryPropertyBag.h"
#include "calendar/NameTables.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

using Strings = std::vector<std::string>;

class Appearance : public CalendarFixture {
protected:
    void SetUp() override {
        cal->calValue(MakeDate(1997, 6, 15));  // today (10 June) is shown, not selected
        host.ClearRecord();
    }
    int CellWithTag(const std::string& tag) {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == tag) return k;
        return 0;
    }
};

struct BevelCase {
    enumCALAppearance appearance;
    int normal, selected;
};

class AppearanceBevels : public Appearance, public ::testing::WithParamInterface<BevelCase> {};

TEST_P(AppearanceBevels, CellsTitlesAndSelection) {
    const BevelCase& c = GetParam();
    cal->calAppearance(c.appearance);
    for (int k = 1; k <= 42; ++k)
        EXPECT_EQ(Cell(k).BevelOuter(), Cell(k).Tag() == "CurrSelected" ? c.selected : c.normal) << k;
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Title(i).BevelOuter(), c.normal);
    EXPECT_EQ(Caption().BevelOuter(), c.normal);
    // A refill keeps the same bevels.
    cal->calValue(MakeDate(1997, 7, 4));
    EXPECT_EQ(Cell(CellWithTag("CurrSelected")).BevelOuter(), c.selected);
    EXPECT_EQ(Cell(1).BevelOuter(), c.normal);
}

INSTANTIATE_TEST_SUITE_P(Modes, AppearanceBevels,
                         ::testing::Values(BevelCase{VemocalFlat, 0, 1}, BevelCase{VemocalSunken, 1, 2},
                                           BevelCase{VemocalRaised, 2, 1}),
                         [](const ::testing::TestParamInfo<BevelCase>& info) {
                             switch (info.param.appearance) {
                                 case VemocalFlat: return std::string("Flat");
                                 case VemocalSunken: return std::string("Sunken");
                                 case VemocalRaised: return std::string("Raised");
                             }
                             return "Appearance" + std::to_string(info.param.appearance);
                         });

TEST_F(Appearance, AlignmentsGoToTheirOwnWidgets) {
    cal->calAlignmentNum(VemocalRightBottom);
    cal->calAlignmentDayTitle(VemocalLeftTop);
    for (int k = 1; k <= 42; ++k) EXPECT_EQ(Cell(k).Alignment(), 5);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Title(i).Alignment(), 0);
    EXPECT_EQ(host.ChangedProperties(), Strings({"calAlignmentNum", "calAlignmentDayTitle"}));
}

TEST_F(Appearance, TodayStaysBoldThroughFontChanges) {
    const int today = CellWithTag("CurrToday");
    ASSERT_EQ(today, 10);
    auto bold = MakeFont("Times New Roman", 12);
    bold->bold = true;
    cal->calFont(bold);
    EXPECT_TRUE(Cell(3).Font().bold);
    EXPECT_EQ(Cell(3).Font().name, "Times New Roman");
    EXPECT_EQ(Title(1).Font().size, 12);
    cal->calFont(MakeFont("Arial", 9));
    EXPECT_FALSE(Cell(3).Font().bold);
    EXPECT_TRUE(Cell(today).Font().bold);
    // Also when today is the selected day.
    cal->calValue(MakeDate(1997, 6, 10));
    cal->calFont(MakeFont("Arial", 10));
    EXPECT_TRUE(Cell(10).Font().bold);
}

TEST_F(Appearance, FontsAreHeldByReference) {
    auto font = MakeFont("Arial", 9);
    cal->calFont(font);
    font->size = 14;
    EXPECT_EQ(cal->calFont()->size, 14);
    EXPECT_EQ(Cell(1).Font().size, 9);  // the widgets see it at the next apply
    cal->calFont(font);
    EXPECT_EQ(Cell(1).Font().size, 14);
}

TEST_F(Appearance, TitleAndArrowFontsOnlyTouchTheirWidgets) {
    cal->calMonthYearTitleFont(MakeFont("Georgia", 14));
    cal->calScrollArrowsFont(MakeFont("Verdana", 7));
    EXPECT_EQ(Caption().Font().name, "Georgia");
    EXPECT_EQ(site->Get<DropDownList>("cbxMonth").Font().name, "Arial");  // the fixed list font stays
    for (int i = 0; i < 4; ++i) EXPECT_EQ(site->Get<CommandButton>("cmdButton", i).Font().name, "Verdana");
    EXPECT_EQ(Cell(1).Font().name, "Courier New");
}

TEST_F(Appearance, NoFontIsRefused) {
    EXPECT_THROW(cal->calFont(nullptr), ControlError);
    EXPECT_NE(cal->calFont(), nullptr);
}

TEST_F(Appearance, ColoursRepaintEveryCellOfTheirClass) {
    cal->calValue(MakeDate(1997, 6, 15));
    cal->calFirstDayofWeek(VemocalMonday);  // leading May days, weekend columns 6 and 7
    using Setter = void (*)(QvCalendar&, int32_t);
    const std::vector<std::tuple<Setter, std::string, bool>> cases = {
        {[](QvCalendar& c, int32_t v) { c.calPreviousMonthBackColor(v); }, "Prev", true},
        {[](QvCalendar& c, int32_t v) { c.calPreviousMonthForeColor(v); }, "Prev", false},
        {[](QvCalendar& c, int32_t v) { c.calNextMonthBackColor(v); }, "Next", true},
        {[](QvCalendar& c, int32_t v) { c.calNextMonthForeColor(v); }, "Next", false},
        {[](QvCalendar& c, int32_t v) { c.calCurrentMonthBackColor(v); }, "Curr", true},
        {[](QvCalendar& c, int32_t v) { c.calCurrentMonthForeColor(v); }, "Curr", false},
        {[](QvCalendar& c, int32_t v) { c.calCurrentMonthWeekendsBackColor(v); }, "CurrWeekend", true},
        {[](QvCalendar& c, int32_t v) { c.calCurrentMonthWeekendsForeColor(v); }, "CurrWeekend", false},
        {[](QvCalendar& c, int32_t v) { c.calCurrentDateBackColor(v); }, "CurrToday", true},
        {[](QvCalendar& c, int32_t v) { c.calCurrentDateForeColor(v); }, "CurrToday", false},
        {[](QvCalendar& c, int32_t v) { c.calSelectedDayBackColor(v); }, "CurrSelected", true},
        {[](QvCalendar& c, int32_t v) { c.calSelectedDayForeColor(v); }, "CurrSelected", false},
    };
    Color next = 0x010203;
    for (const auto& [set, tag, back] : cases) {
        SCOPED_TRACE(tag);
        next += 0x010101;
        set(*cal, static_cast<int32_t>(next));
        int painted = 0;
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == tag) {
                EXPECT_EQ(back ? Cell(k).BackColor() : Cell(k).ForeColor(), next);
                ++painted;
            } else {
                EXPECT_NE(back ? Cell(k).BackColor() : Cell(k).ForeColor(), next);
            }
        EXPECT_GT(painted, 0);
    }
    // Weekday titles follow the month and weekend colours.
    EXPECT_EQ(Title(7).BackColor(), cal->calCurrentMonthWeekendsBackColor());
    EXPECT_EQ(Title(1).ForeColor(), cal->calCurrentMonthForeColor());
}

TEST_F(Appearance, ColourSettersClamp) {
    cal->calSelectedDayBackColor(-1);
    EXPECT_EQ(cal->calSelectedDayBackColor(), 0u);
    cal->calSelectedDayBackColor(0x1000000);
    EXPECT_EQ(cal->calSelectedDayBackColor(), 0xFFFFFFu);
    cal->calSelectedDayBackColor(static_cast<int32_t>(kSysActiveCaption));
    EXPECT_EQ(cal->calSelectedDayBackColor(), 0u);
}

TEST_F(Appearance, OutlineIsTheSurfaceBorder) {
    auto& surface = site->Get<PictureSurface>("Picture1");
    EXPECT_FALSE(surface.Border());
    cal->calOutline(true);
    EXPECT_TRUE(surface.Border());
}

TEST_F(Appearance, CaptionHasALeadingBlank) {
    auto& bar = site->Get<Panel>("pnlTitleBar1");
    EXPECT_EQ(bar.Caption(), " Calendar");
    cal->calCaption("");
    EXPECT_EQ(bar.Caption(), " ");
    cal->calCaption("Dates");
    EXPECT_EQ(bar.Caption(), " Dates");
}

TEST_F(Appearance, MonthTitlesShortenCaptionAndList) {
    auto& list = site->Get<DropDownList>("cbxMonth");
    EXPECT_EQ(list.ListCount(), 12);
    EXPECT_EQ(list.List(0), "January");
    cal->calMonthTitle(VemocalMonthShort);
    EXPECT_EQ(list.ListCount(), 12);
    EXPECT_EQ(list.List(2), "Mar");
    EXPECT_EQ(list.ListIndex(), 5);
    EXPECT_EQ(Caption().Caption(), "Jun 1997");
}

TEST_F(Appearance, DayTitleStyles) {
    const struct {
        enumCALDayTitle style;
        Strings titles;
    } cases[] = {{VemocalDayShort, {"S", "M", "T", "W", "T", "F", "S"}},
                 {VemocalDayMedium, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}},
                 {VemocalDayLong, {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}}};
    for (const auto& c : cases) {
        cal->calDayTitle(c.style);
        for (int i = 1; i <= 7; ++i) EXPECT_EQ(Title(i).Caption(), c.titles[static_cast<size_t>(i - 1)]);
    }
}

TEST_F(Appearance, RejectedEnumerationsChangeNothing) {
    host.ClearRecord();
    EXPECT_THROW(cal->calAppearance(static_cast<enumCALAppearance>(3)), ControlError);
    EXPECT_THROW(cal->calAlignmentNum(static_cast<enumCALAlignment>(9)), ControlError);
    EXPECT_THROW(cal->calAlignmentDayTitle(static_cast<enumCALAlignment>(-1)), ControlError);
    EXPECT_THROW(cal->calMonthTitle(static_cast<enumCALMonthTitle>(2)), ControlError);
    EXPECT_THROW(cal->calDayTitle(static_cast<enumCALDayTitle>(3)), ControlError);
    EXPECT_EQ(cal->calAppearance(), VemocalRaised);
    EXPECT_EQ(cal->calAlignmentNum(), VemocalCenterMiddle);
    EXPECT_TRUE(host.propertyChanges.empty());
    EXPECT_EQ(Cell(1).BevelOuter(), 2);
}

TEST_F(Appearance, VersionComesFromTheLibraryIdentity) { EXPECT_EQ(cal->calVersion(), "2.1.0"); }

TEST_F(Appearance, FixedWidgetSettings) {
    EXPECT_EQ(site->Get<Panel>("pnlTitleBar0").BackColor(), kSysMenu);
    EXPECT_EQ(site->Get<Panel>("pnlTitleBar0").ForeColor(), kSysButtonText);
    const FontObject& barFont = site->Get<Panel>("pnlTitleBar1").Font();
    EXPECT_EQ(barFont.name, "Arial");
    EXPECT_TRUE(barFont.bold);
    EXPECT_EQ(site->Get<Panel>("pnlMonthYear").BackColor(), 0xC0C0C0u);
    EXPECT_EQ(site->Get<TextBox>("txtYear").Font().size, 8.25);
    const Strings arrows = {"<<", "<", ">", ">>"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(site->Get<CommandButton>("cmdButton", i).Caption(), arrows[static_cast<size_t>(i)]);
}

TEST(FirstCharacter, TakesACodePointNeverAByte) {
    EXPECT_EQ(FirstCharacter("Sunday"), "S");
    EXPECT_EQ(FirstCharacter("Воскресенье"), "В");
    EXPECT_EQ(FirstCharacter("Κυριακή"), "Κ");
    EXPECT_EQ(FirstCharacter("日曜日"), "日");
    EXPECT_EQ(FirstCharacter("𝔖x"), "𝔖");
    EXPECT_EQ(FirstCharacter(""), "");
    EXPECT_EQ(FirstCharacter("\xE6\x97"), "");  // a cut sequence gives no character
}

TEST(LocaleNamesInTitles, OneLetterTitlesAreValidUtf8) {
    HeadlessHost host;
    host.Locale().SetNames({{"январь", "февраль", "март", "апрель", "май", "июнь", "июль", "август", "сентябрь",
                             "октябрь", "ноябрь", "декабрь"},
                            {"янв", "фев", "мар", "апр", "май", "июн", "июл", "авг", "сен", "окт", "ноя", "дек"},
                            {"воскресенье", "понедельник", "вторник", "среда", "четверг", "пятница", "суббота"},
                            {"вс", "пн", "вт", "ср", "чт", "пт", "сб"}});
    host.SetToday(MakeDate(1997, 6, 10));
    HeadlessForm form(host);
    auto& cal = form.Place<QvCalendar>("Cal", 0, 0, 4200, 3000);
    auto& site = form.Site("Cal");
    const Strings letters = {"в", "п", "в", "с", "ч", "п", "с"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(site.Get<Panel>("pnlCalDay", i).Caption(), letters[static_cast<size_t>(i - 1)]);
    EXPECT_EQ(site.Get<Panel>("pnlText").Caption(), "июнь 1997");
    cal.calDayTitle(VemocalDayMedium);
    EXPECT_EQ(site.Get<Panel>("pnlCalDay", 1).Caption(), "вс");
}

}  // namespace
}  // namespace VemoCalendar

namespace VemoCalendar {
namespace {

// Everything a stored control carries is on its widgets once it has loaded, without a setter.
TEST(RefreshAllAfterLoading, EveryWidgetShowsTheStoredSettings) {
    HeadlessHost host;
    host.SetToday(MakeDate(1997, 6, 10));
    MemoryPropertyBag bag;
    auto arrows = MakeFont("Verdana", 7);
    bag.Set("calValue", Variant(MakeDate(1997, 6, 20)));
    bag.Set("calFont", Variant(MakeFont("Georgia", 11)));
    bag.Set("calScrollArrowsFont", Variant(arrows));
    bag.Set("Enabled", Variant(false));
    bag.Set("calCaption", Variant("Stored"));
    bag.Set("calOutline", Variant(true));
    bag.Set("calAppearance", Variant(int32_t{VemocalFlat}));
    bag.Set("calFirstDayofWeek", Variant(int32_t{VemocalMonday}));
    bag.Set("calSelectedDayBackColor", Variant(int32_t{0x123456}));
    bag.Set("calCurrentMonthWeekendsForeColor", Variant(int32_t{0x0000FF}));
    bag.Set("calMonthTitle", Variant(int32_t{VemocalMonthShort}));
    bag.Set("calDayTitle", Variant(int32_t{VemocalDayMedium}));
    bag.Set("calAlignmentNum", Variant(int32_t{VemocalLeftTop}));
    bag.Set("calAlignmentDayTitle", Variant(int32_t{VemocalRightBottom}));
    HeadlessForm form(host);
    form.Load<QvCalendar>("Stored", bag, 0, 0, 4200, 3000);
    auto& site = form.Site("Stored");
    auto cell = [&](int k) -> Panel& { return site.Get<Panel>("pnlCalNum", k); };

    EXPECT_EQ(site.Get<Panel>("pnlTitleBar1").Caption(), " Stored");
    EXPECT_EQ(site.Get<Panel>("pnlTitleBar1").BackColor(), kSysInactiveCaption);  // disabled
    EXPECT_FALSE(cell(1).Enabled());
    EXPECT_TRUE(site.Get<PictureSurface>("Picture1").Border());
    EXPECT_EQ(site.Get<Panel>("pnlText").Caption(), "Jun 1997");
    EXPECT_EQ(site.Get<Panel>("pnlCalDay", 1).Caption(), "Mon");
    EXPECT_EQ(site.Get<Panel>("pnlCalDay", 1).Alignment(), VemocalRightBottom);
    EXPECT_EQ(site.Get<CommandButton>("cmdButton", 0).Font().name, "Verdana");
    // June 1997 from Monday starts with six days of May: day n stands in cell n + 6.
    EXPECT_EQ(cell(26).Tag(), "CurrSelected");
    EXPECT_EQ(cell(26).BackColor(), 0x123456u);
    EXPECT_EQ(cell(26).BevelOuter(), 1);
    EXPECT_EQ(cell(25).BevelOuter(), 0);
    EXPECT_EQ(cell(27).ForeColor(), 0x0000FFu);  // Saturday 21 June
    EXPECT_EQ(cell(25).Font().name, "Georgia");
    EXPECT_EQ(cell(25).Alignment(), VemocalLeftTop);
    EXPECT_TRUE(cell(16).Font().bold);  // today, 10 June
}

}  // namespace
}  // namespace VemoCalendar
