// The fuzzers' seed forms and the load-save-reload check they and the round-trip fuzzer share.
#include <gtest/gtest.h>

#include <string>

#include "fuzz/RoundTrip.h"
#include "fuzz/SeedForms.h"

namespace VemoCalendar {
namespace {

TEST(FormFileSeeds, EverySeedIsAFormThatRoundTripsThroughTheControls) {
    const auto seeds = Seeds::SeedForms();
    ASSERT_EQ(seeds.size(), 4u);
    for (const auto& [name, form] : seeds) {
        const FormFile back = ParseFormFile(FormatFormFile(form));
        ASSERT_EQ(back.controls.size(), form.controls.size()) << name;
        for (size_t i = 0; i < form.controls.size(); ++i)
            EXPECT_EQ(RoundTrip::Difference(form.controls[i].bag, back.controls[i].bag), "") << name;
        EXPECT_EQ(RoundTrip::Check(back, Seeds::SeedToday()), "") << name;
    }
}

// Between them the seeds hold every value type of the format, so fuzzing starts from each.
TEST(FormFileSeeds, SeedsHoldEveryValueTypeAndBothControls) {
    std::string text;
    for (const auto& [name, form] : Seeds::SeedForms()) text += FormatFormFile(form);
    for (const char* type : {"\"empty\"", "\"bool\"", "\"i16\"", "\"i32\"", "\"single\"", "\"double\"", "\"date\"",
                             "\"string\"", "\"color\"", "\"font\"", "\"picture\"", "\"QvCalendar\"", "\"QvCalButton\""})
        EXPECT_NE(text.find(std::string("\"type\": ").append(type)), std::string::npos) << type;
}

TEST(FormFileRoundTripCheck, NamesTheFirstDifferenceOfTwoBags) {
    FormBag base;
    base.Set("a", Variant(int32_t{1}));
    base.Set("font", Variant(MakeFont("Arial", 9)));
    struct Case {
        const char* name;
        FormBag other;
        std::string difference;
    };
    FormBag same = base, sameFontCopy, changed = base, lost, extra = base, reordered, otherKind = base;
    sameFontCopy.Set("a", Variant(int32_t{1}));
    sameFontCopy.Set("font", Variant(MakeFont("Arial", 9)));  // a new object with the same attributes
    changed.Set("font", Variant(MakeFont("Arial", 10)));
    lost.Set("a", Variant(int32_t{1}));
    extra.Set("b", Variant(true));
    reordered.Set("font", Variant(MakeFont("Arial", 9)));
    reordered.Set("a", Variant(int32_t{1}));
    otherKind.Set("a", Variant(int16_t{1}));
    const Case cases[] = {
        {"same", same, ""},
        {"same font, other object", sameFontCopy, ""},
        {"font size changed", changed, "key 'font' changed its value"},
        {"key lost", lost, "key 'font' was lost"},
        {"key added", extra, "key 'b' appeared"},
        {"keys reordered", reordered, "key 'a' became 'font'"},
        {"i32 read back as i16", otherKind, "key 'a' changed its value"},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundTrip::Difference(base, c.other), c.difference) << c.name;

    // A picture property holding no picture is stored as "empty"; a real picture is not empty.
    FormBag none, empty, picture;
    none.Set("p", Variant(PictureRef()));
    empty.Set("p", Variant());
    picture.Set("p", Variant(std::make_shared<PictureObject>(PictureObject{1, 1, {0}})));
    EXPECT_EQ(RoundTrip::Difference(none, empty), "");
    EXPECT_EQ(RoundTrip::Difference(none, picture), "key 'p' changed its value");
}

// A control that refuses a damaged bag is no fault; the check goes on with the other controls.
TEST(FormFileRoundTripCheck, ARefusedBagIsNoFaultAndOtherControlsAreChecked) {
    FormFile form = Seeds::SeedForms().at(2).second;
    StoredControl damaged{"QvCalendar", "Damaged", 0, 0, 100, 100, {}};
    damaged.bag.Set("calMinYear", Variant(std::string("not a year")));
    form.controls.insert(form.controls.begin(), std::move(damaged));
    form.controls.push_back(StoredControl{"SomethingElse", "Other", 0, 0, 1, 1, {}});
    EXPECT_EQ(RoundTrip::Check(form, Seeds::SeedToday()), "");
}

}  // namespace
}  // namespace VemoCalendar
