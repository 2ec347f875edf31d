// What a form file may hold: duplicate keys, counts, geometry, and a reader that stays linear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormFileTestTools.h"
#include "formfile/FormFile.h"

namespace VemoCalendar {
namespace {

std::string Control(const std::string& geometry, const std::string& properties = "{}") {
    return R"({"type": "QvCalendar", "name": "Cal", )" + geometry + R"(, "properties": )" + properties + "}";
}

const std::string kGeometry = R"("left": 0, "top": 0, "width": 4200, "height": 3000)";

std::string Form(const std::string& size, const std::string& controls) {
    return R"({"format": "VemoCalendar form", "version": 1, )" + size + R"(, "controls": [)" + controls + "]}";
}

const std::string kSize = R"("width": 9600, "height": 7200)";

TEST(FormFileDuplicateKeys, AreRefusedAtEveryLevelNamingKeyAndPlace) {
    struct Case {
        const char* name;
        std::string text;
        std::string place;
        std::string key;
    };
    const std::string font = R"({"type": "font", "value": {"name": "Arial", "name": "Times", "size": 8, "bold": false,
        "italic": false, "underline": false, "strikethrough": false, "weight": 400, "charset": 0}})";
    const Case cases[] = {
        {"two controls arrays",
         R"({"format": "VemoCalendar form", "version": 1, "width": 1, "height": 1, "controls": [], "controls": []})",
         "form file:", "\"controls\""},
        {"two widths of the form", Form(R"("width": 1, "height": 1, "width": 2)", ""), "form file:", "\"width\""},
        {"two names of a control",
         Form(kSize, Control(kGeometry) + "," + R"({"type": "QvCalendar", "name": "A", "name": "B", )" + kGeometry +
                         R"(, "properties": {}})"),
         "control #2:", "\"name\""},
        {"one property twice",
         Form(kSize, Control(kGeometry, R"({"calMinYear": {"type": "i32", "value": 1900},
              "calMinYear": {"type": "i32", "value": 2000}})")),
         "control #1, \"properties\":", "\"calMinYear\""},
        {"a value's type twice",
         Form(kSize, Control(kGeometry, R"({"calMinYear": {"type": "i32", "type": "i16", "value": 1900}})")),
         "control #1, \"properties\", \"calMinYear\":", "\"type\""},
        {"a font attribute twice", Form(kSize, Control(kGeometry, R"({"calFont": )" + font + "}")),
         "control #1, \"properties\", \"calFont\", \"value\":", "\"name\""},
        {"inside an unknown member", R"({"extra": [{"a": 1, "a": 1}], "format": "VemoCalendar form"})",
         "form file, \"extra\", item 1:", "\"a\""},
    };
    for (const Case& c : cases) {
        const std::string message = ErrorOf([&] { ParseFormFile(c.text); });
        EXPECT_NE(message.find(c.place), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find("the key " + c.key + " appears twice"), std::string::npos) << c.name << ": " << message;
    }
}

TEST(FormFileDuplicateKeys, EqualKeysInDifferentObjectsAreNoDuplicates) {
    const std::string value = R"({"type": "i32", "value": 1900})";
    const FormFile form = ParseFormFile(
        Form(kSize, Control(kGeometry, R"({"calMinYear": )" + value + R"(, "calMaxYear": )" + value + "}") + "," +
                        Control(kGeometry, R"({"calMinYear": )" + value + "}")));
    ASSERT_EQ(form.controls.size(), 2u);
    EXPECT_EQ(form.controls[0].bag.Entries().size(), 2u);
    EXPECT_EQ(form.controls[1].bag.Get("calMinYear").ToInt32(), 1900);
}

// A bag of 200,000 keys (about 7 MB) took over a minute with a reader that searched an object's
// keys for each new one; this reader appends after a hashed check, so it is linear by construction.
TEST(FormFileLargeBag, TwoHundredThousandKeysAreReadInFileOrder) {
    constexpr int kKeys = 200000;
    std::string properties = "{";
    for (int i = 0; i < kKeys; ++i) {
        if (i > 0) properties += ",";
        properties += "\"k" + std::to_string(i) + R"(": {"type": "i32", "value": )" + std::to_string(i) + "}";
    }
    properties += "}";
    const FormFile form = ParseFormFile(Form(kSize, Control(kGeometry, properties)));
    const auto& entries = form.controls.at(0).bag.Entries();
    ASSERT_EQ(entries.size(), static_cast<size_t>(kKeys));
    for (int i : {0, 1, 99999, kKeys - 1}) {
        EXPECT_EQ(entries[static_cast<size_t>(i)].first, "k" + std::to_string(i));
        EXPECT_EQ(entries[static_cast<size_t>(i)].second.ToInt32(), i);
    }
}

TEST(FormFileLargeBag, ValuesPastTheirBoundAreRefused) {
    // Two bytes a value: past the bound well inside the file's size limit.
    std::string items;
    const size_t count = kMaxFormValues + 1;
    items.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) items += i > 0 ? ",0" : "0";
    const std::string text = R"({"format": "VemoCalendar form", "extra": [)" + items + "]}";
    ASSERT_LE(text.size(), kMaxFormFileBytes);
    const std::string message = ErrorOf([&] { ParseFormFile(text); });
    EXPECT_NE(message.find("more than the " + std::to_string(kMaxFormValues) + " values"), std::string::npos)
        << message;
}

TEST(FormFileBounds, ControlsPerFormAreBounded) {
    const auto withControls = [](size_t count) {
        std::string controls;
        for (size_t i = 0; i < count; ++i) {
            if (i > 0) controls += ",";
            controls += Control(kGeometry);
        }
        return Form(kSize, controls);
    };
    EXPECT_EQ(ParseFormFile(withControls(kMaxFormControls)).controls.size(), kMaxFormControls);
    const std::string message = ErrorOf([&] { ParseFormFile(withControls(kMaxFormControls + 1)); });
    EXPECT_NE(message.find("1001 controls are more than the 1000"), std::string::npos) << message;

    FormFile tooMany;
    tooMany.controls.resize(kMaxFormControls + 1);
    EXPECT_NE(ErrorOf([&] { FormatFormFile(tooMany); }).find("more than the 1000"), std::string::npos);
}

TEST(FormFileBounds, GeometryOutsideItsBoundIsRefusedNamingTheBound) {
    struct Case {
        const char* name;
        std::string text;
        std::string mentions;
    };
    const Case cases[] = {
        {"form of 1e308 twips", Form(R"("width": 1e308, "height": 1e308)", ""),
         "form file, \"width\": 1e+308 twips is outside the 0 to 60000 allowed"},
        {"form of 300,000 twips square", Form(R"("width": 300000, "height": 300000)", ""),
         "\"width\": 300000 twips is outside the 0 to 60000"},
        {"form of negative height", Form(R"("width": 10, "height": -1)", ""), "\"height\": -1 twips"},
        {"control 1e308 wide",
         Form(kSize, Control(R"("left": 0, "top": 0, "width": 1e308, "height": 3000)")),
         "control #1 'Cal', \"width\": 1e+308 twips is outside the 0 to 60000"},
        {"control far to the left",
         Form(kSize, Control(R"("left": -2147483648, "top": 0, "width": 1, "height": 1)")),
         "\"left\": -2147483648 twips is outside the -60000 to 60000"},
        {"control far down",
         Form(kSize, Control(R"("left": 0, "top": 60000.5, "width": 1, "height": 1)")), "\"top\": 60000.5 twips"},
        {"control of negative height",
         Form(kSize, Control(R"("left": 0, "top": 0, "width": 1, "height": -0.5)")), "\"height\": -0.5 twips"},
    };
    for (const Case& c : cases) {
        const std::string message = ErrorOf([&] { ParseFormFile(c.text); });
        EXPECT_NE(message.find(c.mentions), std::string::npos) << c.name << ": " << message;
    }
}

TEST(FormFileBounds, GeometryAtItsBoundsLoadsAndSavesBack) {
    const FormFile form = ParseFormFile(Form(
        R"("width": 60000, "height": 0)",
        Control(R"("left": -60000, "top": 60000, "width": 60000, "height": 0)")));
    EXPECT_EQ(form.width, kMaxFormExtent);
    EXPECT_EQ(form.controls.at(0).left, -kMaxFormPosition);
    const FormFile back = ParseFormFile(FormatFormFile(form));
    EXPECT_EQ(back.controls.at(0).top, kMaxFormPosition);
    EXPECT_EQ(back.controls.at(0).width, kMaxFormExtent);
}

TEST(FormFileBounds, GeometryThatCouldNotBeReadBackIsNotSaved) {
    const double values[] = {-1, kMaxFormExtent + 1, 1e308};
    for (double value : values) {
        FormFile form;
        form.width = value;
        EXPECT_NE(ErrorOf([&] { FormatFormFile(form); }).find("form width"), std::string::npos) << value;
        FormFile withControl;
        withControl.controls.resize(1);
        withControl.controls[0].name = "Cal";
        withControl.controls[0].left = value * 2;
        withControl.controls[0].height = value;
        EXPECT_NE(ErrorOf([&] { FormatFormFile(withControl); }).find("control #1 'Cal', "), std::string::npos) << value;
    }
}

}  // namespace
}  // namespace VemoCalendar
