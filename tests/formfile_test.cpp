#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "FormFileTestTools.h"
#include "StoredCalendarValues.h"
#include "calendar/QvCalendar.h"
#include "formfile/Base64.h"
#include "formfile/FormFile.h"
#include "formfile/Png.h"
#include "headless/HeadlessForm.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

namespace fs = std::filesystem;

// ---- Helpers ----

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = fs::temp_directory_path() /
                ("vemo-formfile-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A form file with one control whose properties are `properties` (a JSON object's text).
std::string OneControl(const std::string& properties) {
    return R"({"format": "VemoCalendar form", "version": 1, "width": 9600, "height": 7200, "controls": [
        {"type": "QvCalendar", "name": "QvCalendar1", "left": 0, "top": 0, "width": 4200, "height": 3000,
         "properties": )" +
           properties + "}]}";
}

PictureObject Pattern(int width, int height, uint32_t seed) {
    std::mt19937 random(seed);
    PictureObject picture;
    picture.width = width;
    picture.height = height;
    for (int i = 0; i < width * height; ++i) picture.pixels.push_back(static_cast<uint32_t>(random()));
    return picture;
}

std::string Png(const std::string& header, const std::string& raw, const std::string& extra = {}) {
    return kSignature + header + extra + Chunk("IDAT", Compress(raw)) + Chunk("IEND", {});
}

// ---- Typed values ----

TEST(FormFileValues, EveryValueTypeSurvivesTheDocument) {
    FontRef font = TestFont("Segoe UI \xE2\x9C\x93", 11.25, true, true, 204);
    auto picture = std::make_shared<PictureObject>(Pattern(3, 2, 7));
    picture->pixels[0] = 0x00FFFFFF;  // fully transparent
    picture->pixels[1] = 0xFF000000;  // opaque black
    FormFile form{9600.5, 7200, {}};
    StoredControl control{"QvCalButton", "QvCalButton1", 120, 240.5, 3200, 495, {}};
    const std::vector<StoredValue> values = {
        {"Empty", Variant()},
        {"True", Variant(true)},
        {"False", Variant(false)},
        {"I16", Variant(std::numeric_limits<int16_t>::min())},
        {"I32", Variant(std::numeric_limits<int32_t>::min())},
        {"Single", Variant(1.1f)},
        {"Double", Variant(0.1)},
        {"Date", Variant(Date(35500.5))},
        {"EarlyDate", Variant(Date(-657434.25))},
        {"String", Variant("line one\nline \"two\"\t\xC3\xA4\xE2\x82\xAC")},
        {"EmptyString", Variant("")},
        {"Color", Variant::FromColor(0x80000012)},
        {"Font", Variant(font)},
        {"Picture", Variant(PictureRef(picture))},
        {"NoPixels", Variant(std::make_shared<PictureObject>())},
    };
    for (const auto& [key, value] : values) control.bag.WriteProperty(key, value, Variant());
    form.controls.push_back(control);

    const FormFile back = ParseFormFile(FormatFormFile(form));
    EXPECT_EQ(back.width, 9600.5);
    EXPECT_EQ(back.height, 7200);
    ASSERT_EQ(back.controls.size(), 1u);
    const StoredControl& c = back.controls[0];
    EXPECT_EQ(c.type, "QvCalButton");
    EXPECT_EQ(c.name, "QvCalButton1");
    EXPECT_EQ(c.left, 120);
    EXPECT_EQ(c.top, 240.5);
    EXPECT_EQ(c.width, 3200);
    EXPECT_EQ(c.height, 495);
    ASSERT_EQ(c.bag.Entries().size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        const auto& [key, value] = c.bag.Entries()[i];
        EXPECT_EQ(key, values[i].key);  // in the order written
        EXPECT_EQ(value.kind(), values[i].value.kind()) << key;
        if (value.kind() == Variant::Kind::Picture) {
            EXPECT_EQ(*value.ToPicture(), *values[i].value.ToPicture()) << key;
        } else {
            EXPECT_TRUE(SameValue(value, values[i].value)) << key << ": " << Show(value);
        }
    }
}

TEST(FormFileValues, NoFontAndNoPictureAreStoredAsEmpty) {
    FormFile form;
    form.controls.push_back({"QvCalButton", "B", 0, 0, 1, 1, {}});
    form.controls[0].bag.Set("Picture", Variant(PictureRef()));
    form.controls[0].bag.Set("Font", Variant(FontRef()));
    const FormFile back = ParseFormFile(FormatFormFile(form));
    EXPECT_TRUE(back.controls[0].bag.Get("Picture").IsEmpty());
    EXPECT_TRUE(back.controls[0].bag.Get("Font").IsEmpty());
}

TEST(FormFileValues, ValuesAreReadAsTheFileTypesThem) {
    const FormFile form = ParseFormFile(OneControl(R"({
        "a": {"type": "i16", "value": -32768},
        "b": {"type": "i32", "value": 2147483647},
        "c": {"type": "color", "value": 4294967295},
        "d": {"type": "double", "value": 1e300},
        "e": {"type": "single", "value": -2.5},
        "f": {"type": "date", "value": 2958465.999}
    })"));
    const FormBag& bag = form.controls[0].bag;
    EXPECT_EQ(bag.Get("a"), Variant(int16_t{-32768}));
    EXPECT_EQ(bag.Get("b"), Variant(int32_t{2147483647}));
    EXPECT_EQ(bag.Get("c"), Variant::FromColor(0xFFFFFFFF));
    EXPECT_EQ(bag.Get("d"), Variant(1e300));
    EXPECT_EQ(bag.Get("e"), Variant(-2.5f));
    EXPECT_EQ(bag.Get("f"), Variant(Date(2958465.999)));
}

TEST(FormFileValues, BagReturnsTheDefaultOnlyForMissingKeys) {
    FormBag bag;
    bag.WriteProperty("calCaption", Variant("Calendar"), Variant("Calendar"));  // equal to its default: kept
    bag.WriteProperty("calOutline", Variant(true), Variant(false));
    bag.WriteProperty("calCaption", Variant("Again"), Variant("Calendar"));  // replaced in its place
    EXPECT_EQ(bag.ReadProperty("calCaption", Variant("x")), Variant("Again"));
    EXPECT_EQ(bag.ReadProperty("calOutline", Variant(false)), Variant(true));
    EXPECT_EQ(bag.ReadProperty("calMissing", Variant(int32_t{5})), Variant(int32_t{5}));
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[0].first, "calCaption");
    EXPECT_THROW(bag.Get("calMissing"), std::out_of_range);
}

// ---- Calendars through a file on disk ----

class FormFileCalendarTest : public ::testing::Test {
protected:
    FormFileCalendarTest() { host.SetToday(MakeDate(1997, 6, 10)); }

    // The calendar's properties as a one-control form file, written to disk and read back.
    FormFile SaveAndReload(QvCalendar& cal, const std::string& name) {
        FormFile form{9600, 7200, {}};
        StoredControl control{"QvCalendar", name, 105, 210, 4200, 3000, {}};
        cal.UserControl_WriteProperties(control.bag);
        form.controls.push_back(std::move(control));
        const fs::path file = folder.path() / "Form1.vfm";
        WriteFormFile(file, form);
        return ReadFormFile(file);
    }

    TempFolder folder;
    HeadlessHost host;
    HeadlessForm form{host};
};

TEST_F(FormFileCalendarTest, EveryStoredPropertySurvivesAFileOnDisk) {
    MemoryPropertyBag original;
    for (const auto& [key, value] : NonDefaultStoredValues()) original.Set(key, value);
    QvCalendar& cal = form.Load<QvCalendar>("QvCalendar1", original, 0, 0, 4200, 3000);
    const FormFile saved = SaveAndReload(cal, "QvCalendar1");

    ASSERT_EQ(saved.controls.size(), 1u);
    const StoredControl& stored = saved.controls[0];
    EXPECT_EQ(stored.type, "QvCalendar");
    EXPECT_EQ(stored.left, 105);
    EXPECT_EQ(stored.top, 210);
    HeadlessHost otherHost;
    otherHost.SetToday(MakeDate(2030, 1, 1));
    HeadlessForm otherForm(otherHost);
    FormBag bag = stored.bag;
    QvCalendar& loaded =
        otherForm.Load<QvCalendar>(stored.name, bag, stored.left, stored.top, stored.width, stored.height);
    for (const auto& [key, value] : NonDefaultStoredValues()) {
        EXPECT_TRUE(SameValue(cal.GetProperty(key), value)) << key;
        EXPECT_TRUE(SameValue(loaded.GetProperty(key), value)) << key << ": " << Show(loaded.GetProperty(key));
    }
}

// A value equal to its default is kept: today's date and the container's own font come back the
// same on a later day in a container with another font.
TEST_F(FormFileCalendarTest, ValuesEqualToTheirDefaultsAreKept) {
    QvCalendar& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 4200, 3000);
    cal.calFont(host.AmbientFont());
    const FontObject ambient = *host.AmbientFont();
    FormFile saved = SaveAndReload(cal, "QvCalendar1");

    HeadlessHost later;
    later.SetToday(MakeDate(1998, 1, 2));
    later.SetAmbientFont(MakeFont("Tahoma", 12));
    HeadlessForm laterForm(later);
    QvCalendar& loaded = laterForm.Load<QvCalendar>("QvCalendar1", saved.controls[0].bag, 0, 0, 4200, 3000);
    EXPECT_EQ(loaded.calValue(), MakeDate(1997, 6, 10));
    EXPECT_EQ(*loaded.calFont(), ambient);
    EXPECT_EQ(loaded.calMonthYearTitleFont()->name, "Courier New");
}

// A value of the wrong type for its key is no fault of the file: it fails that control's load
// only, and the form's other controls load.
TEST_F(FormFileCalendarTest, WrongTypeFailsOnlyItsControl) {
    const FormFile file = ParseFormFile(R"({"format": "VemoCalendar form", "version": 1,
        "width": 9600, "height": 7200, "controls": [
        {"type": "QvCalendar", "name": "Broken", "left": 0, "top": 0, "width": 4200, "height": 3000,
         "properties": {"calValue": {"type": "date", "value": 36000},
                        "calMinYear": {"type": "string", "value": "nineteen hundred"}}},
        {"type": "QvCalendar", "name": "Whole", "left": 4200, "top": 0, "width": 4200, "height": 3000,
         "properties": {"calValue": {"type": "date", "value": 36000},
                        "calMinYear": {"type": "i32", "value": 1900}}}]})");
    ASSERT_EQ(file.controls.size(), 2u);
    std::vector<std::string> loaded, failed;
    for (const StoredControl& stored : file.controls) {
        FormBag bag = stored.bag;
        try {
            form.Load<QvCalendar>(stored.name, bag, stored.left, stored.top, stored.width, stored.height);
            loaded.push_back(stored.name);
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number, kErrTypeMismatch);
            EXPECT_NE(e.description.find("'calMinYear'"), std::string::npos) << e.description;
            failed.push_back(stored.name);
        }
    }
    EXPECT_EQ(loaded, std::vector<std::string>{"Whole"});
    EXPECT_EQ(failed, std::vector<std::string>{"Broken"});
    auto& whole = dynamic_cast<QvCalendar&>(form.Site("Whole").GetControl());
    EXPECT_EQ(whole.calMinYear(), 1900);
    EXPECT_EQ(whole.calValue(), Date(36000));
    EXPECT_THROW(form.Site("Broken"), std::logic_error);  // the failed control left no site behind
}

// ---- Damaged files ----

TEST(FormFileErrors, SyntaxErrorsNameLineAndColumn) {
    struct Case {
        std::string text;
        std::string position;
    };
    const Case cases[] = {
        {"{\n  \"format\": \"VemoCalendar form\",\n  \"version\": 1,\n  oops\n}", "line 4, column 3"},
        // A token is placed by its last character.
        {"{\"format\": \"VemoCalendar form\" \"version\": 1}", "line 1, column 40"},
        {"{\n\t\"width\": 12,,\n}", "line 2, column 14"},
        {"{\n  \"a\": [1, 2\n", "line 3, column 1"},
        {"", "line 1, column 1"},
    };
    for (const Case& c : cases) {
        const std::string message = ErrorOf([&] { ParseFormFile(c.text); });
        EXPECT_NE(message.find("syntax error"), std::string::npos) << message;
        EXPECT_NE(message.find(c.position), std::string::npos) << c.text << " gives " << message;
    }
}

TEST(FormFileErrors, DamagedStructureIsNamed) {
    struct Case {
        std::string text;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {"[]", {"object"}},
        {R"({"format": "VemoCalendar form", "version": 1, "width": 1e400, "height": 1, "controls": []})",
         {"out of range"}},
        {R"({"format": "other", "version": 1, "width": 1, "height": 1, "controls": []})", {"\"format\""}},
        {R"({"format": "VemoCalendar form", "version": 2, "width": 1, "height": 1, "controls": []})",
         {"version 2", "newer"}},
        {R"({"format": "VemoCalendar form", "version": 1, "width": "wide", "height": 1, "controls": []})",
         {"\"width\"", "number"}},
        {R"({"format": "VemoCalendar form", "version": 1, "width": 1, "height": 1, "controls": {}})",
         {"\"controls\""}},
        {R"({"format": "VemoCalendar form", "version": 1, "width": 1, "height": 1, "controls": [{"type": "X"}]})",
         {"control #1", "\"name\" is missing"}},
        {OneControl(R"({"calValue": {"type": "when", "value": 1}})"),
         {"'QvCalendar1'", "'calValue'", "unknown value type \"when\""}},
        {OneControl(R"({"calCaption": {"value": "x"}})"), {"'calCaption'", "\"type\" is missing"}},
        {OneControl(R"({"calCaption": {"type": "string"}})"), {"'calCaption'", "\"value\" is missing"}},
        {OneControl(R"({"calCaption": "Calendar"})"), {"'calCaption'", "object"}},
        {OneControl(R"({"n": {"type": "i16", "value": 40000}})"), {"'n'", "-32768 to 32767"}},
        {OneControl(R"({"n": {"type": "i32", "value": 1.5}})"), {"'n'", "whole number"}},
        {OneControl(R"({"n": {"type": "color", "value": -1}})"), {"'n'", "0 to 4294967295"}},
        {OneControl(R"({"n": {"type": "single", "value": 1e39}})"), {"'n'", "too large"}},
        {OneControl(R"({"b": {"type": "bool", "value": 1}})"), {"'b'", "true or false"}},
        {OneControl(R"({"d": {"type": "date", "value": "today"}})"), {"'d'", "number"}},
        {OneControl(R"({"f": {"type": "font", "value": {"name": "Arial", "size": 8}}})"),
         {"'f'", "\"bold\" is missing"}},
        {OneControl(R"({"f": {"type": "font", "value": {"name": "Arial", "size": 8, "bold": false, "italic": false,
             "underline": false, "strikethrough": false, "weight": 99999, "charset": 0}}})"),
         {"'f'", "\"weight\""}},
        {OneControl(R"({"p": {"type": "picture", "value": "not base64!"}})"), {"'p'", "base64"}},
        {OneControl(R"({"p": {"type": "picture", "value": "AAAA"}})"), {"'p'", "not a PNG"}},
    };
    for (const Case& c : cases) {
        const std::string message = ErrorOf([&] { ParseFormFile(c.text); });
        for (const std::string& part : c.mentions)
            EXPECT_NE(message.find(part), std::string::npos) << "message \"" << message << "\" lacks " << part;
    }
}

TEST(FormFileErrors, DeepNestingIsRefusedNotRecursedInto) {
    const std::string deep = std::string(200000, '[') + std::string(200000, ']');
    EXPECT_NE(ErrorOf([&] { ParseFormFile(deep); }).find("nested deeper"), std::string::npos);
    const std::string deepValue = OneControl(R"({"v": {"type": "string", "value": )" + deep + "}}");
    EXPECT_NE(ErrorOf([&] { ParseFormFile(deepValue); }).find("nested deeper"), std::string::npos);
}

TEST(FormFileErrors, SizesAreBounded) {
    // The file itself.
    const std::string tooLarge = OneControl("{}") + std::string(kMaxFormFileBytes, ' ');
    EXPECT_NE(ErrorOf([&] { ParseFormFile(tooLarge); }).find("larger than"), std::string::npos);
    TempFolder folder;
    WriteAll(folder.path() / "large.vfm", tooLarge);
    EXPECT_NE(ErrorOf([&] { ReadFormFile(folder.path() / "large.vfm"); }).find("larger than"), std::string::npos);

    // A string: up to the bound it loads, past it the file is refused naming the key.
    const auto withCaption = [](size_t length) {
        return OneControl(R"({"calCaption": {"type": "string", "value": ")" + std::string(length, 'x') + "\"}}");
    };
    EXPECT_EQ(ParseFormFile(withCaption(kMaxFormStringBytes)).controls[0].bag.Get("calCaption").ToString().size(),
              kMaxFormStringBytes);
    const std::string message = ErrorOf([&] { ParseFormFile(withCaption(kMaxFormStringBytes + 1)); });
    EXPECT_NE(message.find("'calCaption'"), std::string::npos) << message;
    EXPECT_NE(message.find("longer than"), std::string::npos) << message;

    // A control's name, read and written: a name is no text to hold a megabyte.
    const auto named = [](size_t length) {
        std::string text = OneControl("{}");
        return text.replace(text.find("QvCalendar1"), 11, std::string(length, 'n'));
    };
    EXPECT_EQ(ParseFormFile(named(kMaxFormNameBytes)).controls[0].name.size(), kMaxFormNameBytes);
    const std::string longName = ErrorOf([&] { ParseFormFile(named(kMaxFormNameBytes + 1)); });
    EXPECT_NE(longName.find("\"name\": a string of 256 bytes"), std::string::npos) << longName;
    FormFile form;
    form.controls.push_back({"QvCalendar", std::string(kMaxFormNameBytes + 1, 'n'), 0, 0, 1, 1, {}});
    const std::string longNameSaved = ErrorOf([&] { FormatFormFile(form); });
    EXPECT_NE(longNameSaved.find("name: a string of 256 bytes"), std::string::npos) << longNameSaved;

    // A picture.
    const std::string wide = Png(Header(kMaxPictureSide + 1, 1), std::string(1 + 4 * (kMaxPictureSide + 1), '\0'));
    const std::string picture = OneControl(R"({"Picture": {"type": "picture", "value": ")" + EncodeBase64(wide) + "\"}}");
    EXPECT_NE(ErrorOf([&] { ParseFormFile(picture); }).find("4097x1 outside"), std::string::npos);
}

// What could not be read back is refused when saving, before the disk is touched.
TEST(FormFileErrors, UnreadableValuesAreRefusedWhenSaving) {
    struct Case {
        Variant value;
        std::string mentions;
    };
    const Case cases[] = {
        {Variant(std::string(kMaxFormStringBytes + 1, 'x')), "longer than"},
        {Variant(std::string("\xFF\xFE")), "UTF-8"},
        {Variant(std::numeric_limits<double>::quiet_NaN()), "not finite"},
        {Variant(Date(std::numeric_limits<double>::infinity())), "not finite"},
        {Variant(std::make_shared<PictureObject>(Pattern(kMaxPictureSide + 1, 1, 1))), "outside"},
        {Variant(std::make_shared<PictureObject>(PictureObject{2, 2, {1, 2, 3}})), "pixel count"},
    };
    for (const Case& c : cases) {
        FormFile form;
        form.controls.push_back({"QvCalendar", "QvCalendar1", 0, 0, 1, 1, {}});
        form.controls[0].bag.Set("Key", c.value);
        const std::string message = ErrorOf([&] { FormatFormFile(form); });
        EXPECT_NE(message.find("'QvCalendar1'"), std::string::npos) << message;
        EXPECT_NE(message.find("'Key'"), std::string::npos) << message;
        EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
    }
}

TEST(FormFileErrors, MissingFileIsNamed) {
    TempFolder folder;
    const std::string message = ErrorOf([&] { ReadFormFile(folder.path() / "absent.vfm"); });
    EXPECT_NE(message.find("absent.vfm"), std::string::npos) << message;
}

// ---- Saving ----

TEST(FormFileSave, ReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "Form1.vfm";
    FormFile first{100, 100, {}};
    first.controls.push_back({"QvCalendar", "A", 0, 0, 1, 1, {}});
    first.controls[0].bag.Set("calCaption", Variant(std::string(300000, 'a')));
    WriteFormFile(file, first);
    FormFile second{200, 200, {}};
    second.controls.push_back({"QvCalendar", "B", 0, 0, 1, 1, {}});
    second.controls[0].bag.Set("calCaption", Variant("short"));
    WriteFormFile(file, second);

    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Form1.vfm"});
    EXPECT_EQ(ReadAll(file), FormatFormFile(second));
    const FormFile back = ReadFormFile(file);
    EXPECT_EQ(back.width, 200);
    EXPECT_EQ(back.controls.at(0).bag.Get("calCaption"), Variant("short"));
}

// The id of a process that has ended: a saver killed before it could rename its file.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(FormFileSave, SweepsTemporaryFilesThatKilledSavesOfThisFormLeft) {
    TempFolder folder;
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(::getppid());  // the test's parent runs while we do
    const std::vector<std::string> swept = {".Form1.vfm.tmp-" + dead + "-0", ".Form1.vfm.tmp-" + dead + "-17"};
    const std::vector<std::string> kept = {
        ".Form1.vfm.tmp-" + alive + "-3",  // a save under way in another process
        ".Form2.vfm.tmp-" + dead + "-0",   // another form's
        ".Form1.vfm.tmp-" + dead + "-0.bak",
        ".Form1.vfm.tmp-" + dead,
        ".Form1.vfm.tmp-x-1",
        "Form1.vfm.tmp-" + dead + "-0",
        "Form2.vfm",
    };
    for (const auto& names : {swept, kept})
        for (const std::string& name : names) WriteAll(folder.path() / name, "half a form");
    WriteFormFile(folder.path() / "Form1.vfm", FormFile{1, 2, {}});

    std::vector<std::string> expected = kept;
    expected.push_back("Form1.vfm");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.Entries(), expected);
    EXPECT_EQ(ReadFormFile(folder.path() / "Form1.vfm").height, 2);
}

TEST(FormFileSave, FailedSaveKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "Form1.vfm";
    FormFile good{100, 100, {}};
    WriteFormFile(file, good);
    const std::string before = ReadAll(file);

    FormFile bad{std::numeric_limits<double>::infinity(), 100, {}};
    EXPECT_NE(ErrorOf([&] { WriteFormFile(file, bad); }), "");
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Form1.vfm"});

    // The rename fails when a folder stands where the file should go; the temporary file goes.
    fs::create_directory(folder.path() / "Taken.vfm");
    EXPECT_NE(ErrorOf([&] { WriteFormFile(folder.path() / "Taken.vfm", good); }).find("Taken.vfm"),
              std::string::npos);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Form1.vfm", "Taken.vfm"}));

    // A folder that does not exist.
    EXPECT_NE(ErrorOf([&] { WriteFormFile(folder.path() / "no" / "Form.vfm", good); }), "");
}

TEST(FormFileSave, KeepsTheOldFilesPermissions) {
    TempFolder folder;
    const fs::path file = folder.path() / "Form1.vfm";
    WriteFormFile(file, FormFile{});
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFormFile(file, FormFile{1, 1, {}});
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FormFileSave, ALinkKeepsLeadingToTheSavedFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "real.vfm";
    const fs::path link = folder.path() / "link.vfm";
    WriteFormFile(target, FormFile{});
    fs::create_symlink(target, link);
    WriteFormFile(link, FormFile{5, 6, {}});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFormFile(target).width, 5);
}

// ---- PNG and base64 ----

TEST(FormFileBase64, EncodesAndDecodesStrictly) {
    const std::pair<std::string, std::string> vectors[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},  {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}, {std::string("\0\xFF", 2), "AP8="}};
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(EncodeBase64(bytes), text);
        EXPECT_EQ(DecodeBase64(text), bytes) << text;
    }
    for (const char* bad : {"Zg", "Zg=", "Zm9v!A==", "Z===", "Zh==", "Zm9=", "Zg==Zg==", "=Zg="})
        EXPECT_FALSE(DecodeBase64(bad).has_value()) << bad;
}

}  // namespace
}  // namespace VemoCalendar
