#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "host/ControlError.h"
#include "host/Variant.h"

namespace VemoCalendar {
namespace {

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ControlError& e) {
        return e.number;
    }
    return 0;
}

TEST(VariantToInteger, RoundsHalfToEven) {
    EXPECT_EQ(Variant(2.5).ToInt16(), 2);
    EXPECT_EQ(Variant(3.5).ToInt16(), 4);
    EXPECT_EQ(Variant(-2.5).ToInt32(), -2);
    EXPECT_EQ(Variant(std::string(" 7.5 ")).ToInt32(), 8);
}

TEST(VariantToInteger, ReadsNumericTextWithBlanks) {
    EXPECT_EQ(Variant(std::string("  1997 ")).ToInt32(), 1997);
    EXPECT_EQ(Variant(std::string("+12")).ToInt16(), 12);
    EXPECT_EQ(Variant(std::string("-3")).ToInt16(), -3);
    EXPECT_EQ(Variant(std::string("1e3")).ToInt32(), 1000);
}

struct ErrorCase {
    const char* what;
    std::function<void()> conversion;
    int error;
};

class VariantConversionErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(VariantConversionErrors, RaiseTheirNumber) { EXPECT_EQ(ErrorOf(GetParam().conversion), GetParam().error); }

INSTANTIATE_TEST_SUITE_P(
    Table, VariantConversionErrors,
    ::testing::Values(ErrorCase{"text to number", [] { (void)Variant("abc").ToInt32(); }, 13},
                      ErrorCase{"empty text", [] { (void)Variant("").ToInt16(); }, 13},
                      ErrorCase{"trailing junk", [] { (void)Variant("12x").ToDouble(); }, 13},
                      ErrorCase{"16-bit overflow", [] { (void)Variant("40000").ToInt16(); }, 6},
                      ErrorCase{"32-bit overflow", [] { (void)Variant(1e30).ToInt32(); }, 6},
                      ErrorCase{"huge text", [] { (void)Variant("1e400").ToDouble(); }, 6},
                      ErrorCase{"NaN to integer", [] { (void)Variant(std::nan("")).ToInt32(); }, 6},
                      ErrorCase{"font to number", [] { (void)Variant(MakeFont("Arial", 8)).ToInt32(); }, 13},
                      ErrorCase{"number to font", [] { (void)Variant(int32_t{3}).ToFont(); }, 13},
                      ErrorCase{"number to picture", [] { (void)Variant(true).ToPicture(); }, 13},
                      ErrorCase{"date out of range", [] { (void)Variant(1e9).ToDate(); }, 6},
                      ErrorCase{"NaN to date", [] { (void)Variant(std::nan("")).ToDate(); }, 6},
                      ErrorCase{"text to bool", [] { (void)Variant("maybe").ToBool(); }, 13},
                      ErrorCase{"single overflow", [] { (void)Variant(1e300).ToSingle(); }, 6}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(VariantToBool, ReadsWordsAndNumbers) {
    EXPECT_TRUE(Variant("True").ToBool());
    EXPECT_FALSE(Variant(" false ").ToBool());
    EXPECT_TRUE(Variant(int16_t{-1}).ToBool());
    EXPECT_FALSE(Variant(0.0).ToBool());
    EXPECT_EQ(Variant(true).ToInt16(), -1);  // true counts as -1, as in the host's own numbers
}

TEST(VariantColors, KeepTheirBitPattern) {
    EXPECT_EQ(Variant(int32_t{-2147483646}).ToColor(), 0x80000002u);
    EXPECT_EQ(Variant::FromColor(0x80000002u).ToInt32(), static_cast<int32_t>(0x80000002u));
    EXPECT_EQ(Variant(int32_t{0x800000}).ToColor(), 0x800000u);
    EXPECT_EQ(Variant(4294967295.0).ToColor(), 0xFFFFFFFFu);
}

TEST(VariantObjects, AreHeldByReference) {
    const FontRef font = MakeFont("Arial", 10);
    const Variant v(font);
    EXPECT_EQ(v.ToFont().get(), font.get());
    EXPECT_EQ(Variant().ToFont(), nullptr);
    EXPECT_EQ(Variant().ToPicture(), nullptr);
    EXPECT_EQ(Variant(font), Variant(font));
    EXPECT_FALSE(Variant(font) == Variant(MakeFont("Arial", 10)));
}

TEST(VariantDates, ConvertBothWays) {
    EXPECT_EQ(Variant(35499.5).ToDate().value, 35499.5);
    EXPECT_EQ(Variant(Date(35499)).ToString(), "1997-03-10");
    EXPECT_EQ(Variant(Date(35499)).ToDouble(), 35499);
}

TEST(VariantStrings, FormatNumbersPlainly) {
    EXPECT_EQ(Variant(int32_t{1997}).ToString(), "1997");
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(8.25).ToString(), "8.25");
}

}  // namespace
}  // namespace VemoCalendar
