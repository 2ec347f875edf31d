#include "formfile/FormFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <variant>
#include <vector>

#include "formfile/Base64.h"
#include "formfile/Png.h"

namespace VemoCalendar {
namespace {

// Ordered, so that a saved bag lists its keys in the order the control wrote them.
using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "VemoCalendar form";
constexpr int64_t kVersion = 1;
// A form file nests five levels deep (form, controls, control, properties, value, font); a
// deeper document is damaged, and refusing it early keeps memory and time bounded.
constexpr int kMaxDepth = 16;

// Names in messages are cut short: a damaged file may hold a megabyte of name.
std::string Shown(std::string_view text) {
    constexpr size_t kShown = 64;
    return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "...";
}

std::string SystemError(const std::string& what, const std::filesystem::path& path) {
    return what + " '" + path.string() + "': " + std::strerror(errno);
}

// ---- Reading ----

// `where` names the part of the document being read, for messages.
[[noreturn]] void Fail(const std::string& where, const std::string& what) { throw FormFileError(where + ": " + what); }

const Json& Member(const Json& object, const char* name, const std::string& where) {
    const auto it = object.find(name);
    if (it == object.end()) Fail(where, std::string("\"") + name + "\" is missing");
    return *it;
}

double FiniteNumber(const Json& value, const std::string& where) {
    if (!value.is_number()) Fail(where, "a number was expected");
    const double number = value.get<double>();
    if (!std::isfinite(number)) Fail(where, "the number is too large");
    return number;
}

double NumberMember(const Json& object, const char* name, const std::string& where) {
    return FiniteNumber(Member(object, name, where), where + ", \"" + name + "\"");
}

std::string Twips(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A size or position of the form or a control, inside the bounds documented in FormFile.h.
double BoundedTwips(double number, double low, double high, const std::string& where) {
    if (number < low || number > high)
        Fail(where, Twips(number) + " twips is outside the " + Twips(low) + " to " + Twips(high) + " allowed");
    return number;
}

double ExtentMember(const Json& object, const char* name, const std::string& where) {
    return BoundedTwips(NumberMember(object, name, where), 0, kMaxFormExtent, where + ", \"" + name + "\"");
}

double PositionMember(const Json& object, const char* name, const std::string& where) {
    return BoundedTwips(NumberMember(object, name, where), -kMaxFormPosition, kMaxFormPosition,
                        where + ", \"" + name + "\"");
}

int64_t Integer(const Json& value, int64_t low, int64_t high, const std::string& where) {
    bool inRange = false;
    int64_t result = 0;
    if (value.is_number_unsigned()) {
        const auto u = value.get<uint64_t>();
        inRange = u <= static_cast<uint64_t>(high);
        result = inRange ? static_cast<int64_t>(u) : 0;
    } else if (value.is_number_integer()) {
        result = value.get<int64_t>();
        inRange = result >= low && result <= high;
    }
    if (!inRange) Fail(where, "a whole number from " + std::to_string(low) + " to " + std::to_string(high) + " was expected");
    return result;
}

bool Boolean(const Json& value, const std::string& where) {
    if (!value.is_boolean()) Fail(where, "true or false was expected");
    return value.get<bool>();
}

std::string BoundedString(const Json& value, const std::string& where, size_t limit = kMaxFormStringBytes) {
    if (!value.is_string()) Fail(where, "a string was expected");
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() > limit)
        Fail(where, "a string of " + std::to_string(text.size()) + " bytes is longer than the " +
                        std::to_string(limit) + " allowed");
    return text;
}

std::string StringMember(const Json& object, const char* name, const std::string& where,
                         size_t limit = kMaxFormStringBytes) {
    return BoundedString(Member(object, name, where), where + ", \"" + name + "\"", limit);
}

FontRef ParseFont(const Json& value, const std::string& where) {
    if (!value.is_object()) Fail(where, "a font must be an object of its eight attributes");
    auto font = std::make_shared<FontObject>();
    font->name = StringMember(value, "name", where);
    font->size = NumberMember(value, "size", where);
    font->bold = Boolean(Member(value, "bold", where), where + ", \"bold\"");
    font->italic = Boolean(Member(value, "italic", where), where + ", \"italic\"");
    font->underline = Boolean(Member(value, "underline", where), where + ", \"underline\"");
    font->strikethrough = Boolean(Member(value, "strikethrough", where), where + ", \"strikethrough\"");
    constexpr int64_t kLow = std::numeric_limits<int16_t>::min(), kHigh = std::numeric_limits<int16_t>::max();
    font->weight = static_cast<int16_t>(Integer(Member(value, "weight", where), kLow, kHigh, where + ", \"weight\""));
    font->charset = static_cast<int16_t>(Integer(Member(value, "charset", where), kLow, kHigh, where + ", \"charset\""));
    return font;
}

// An empty text is a picture object without pixels; anything else is a base64 PNG.
PictureRef ParsePicture(const Json& value, const std::string& where) {
    if (!value.is_string()) Fail(where, "a picture must be PNG bytes in base64");
    const auto& text = value.get_ref<const std::string&>();
    if (text.empty()) return std::make_shared<PictureObject>();
    const std::optional<std::string> png = DecodeBase64(text);
    if (!png) Fail(where, "the picture is not valid base64");
    try {
        return std::make_shared<PictureObject>(DecodePng(*png));
    } catch (const FormFileError& e) {
        Fail(where, e.what());
    }
}

Variant ParseValue(const Json& typed, const std::string& where) {
    if (!typed.is_object()) Fail(where, "a value must be an object with a \"type\"");
    const std::string type = StringMember(typed, "type", where);
    if (type == "empty") return {};
    const Json& value = Member(typed, "value", where);
    if (type == "bool") return Variant(Boolean(value, where));
    if (type == "i16")
        return Variant(static_cast<int16_t>(
            Integer(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(), where)));
    if (type == "i32")
        return Variant(static_cast<int32_t>(
            Integer(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), where)));
    if (type == "color")
        return Variant::FromColor(static_cast<Color>(Integer(value, 0, std::numeric_limits<uint32_t>::max(), where)));
    if (type == "single") {
        const double number = FiniteNumber(value, where);
        if (std::fabs(number) > std::numeric_limits<float>::max()) Fail(where, "the number is too large for \"single\"");
        return Variant(static_cast<float>(number));
    }
    if (type == "double") return Variant(FiniteNumber(value, where));
    if (type == "date") return Variant(Date(FiniteNumber(value, where)));
    if (type == "string") return Variant(BoundedString(value, where));
    if (type == "font") return Variant(ParseFont(value, where));
    if (type == "picture") return Variant(ParsePicture(value, where));
    Fail(where, "unknown value type \"" + Shown(type) + "\"");
}

StoredControl ParseControl(const Json& object, size_t index) {
    std::string where = "control #" + std::to_string(index + 1);
    if (!object.is_object()) Fail(where, "a control must be an object");
    StoredControl control;
    control.name = StringMember(object, "name", where, kMaxFormNameBytes);
    where += " '" + Shown(control.name) + "'";
    control.type = StringMember(object, "type", where, kMaxFormNameBytes);
    control.left = PositionMember(object, "left", where);
    control.top = PositionMember(object, "top", where);
    control.width = ExtentMember(object, "width", where);
    control.height = ExtentMember(object, "height", where);
    const Json& properties = Member(object, "properties", where);
    if (!properties.is_object()) Fail(where, "\"properties\" must be an object");
    // The reader has refused duplicate keys, so each key is new to the bag.
    for (const auto& [key, value] : properties.items()) {
        if (key.size() > kMaxFormStringBytes) Fail(where, "a property name is longer than allowed");
        control.bag.Set(key, ParseValue(value, where + ", property '" + Shown(key) + "'"));
    }
    return control;
}

// Line and column (both from 1) of the character at byte index `at`.
std::string LineAndColumn(std::string_view text, size_t at) {
    at = std::min(at, text.size());
    size_t line = 1, lineStart = 0;
    for (size_t i = 0; i < at; ++i)
        if (text[i] == '\n') ++line, lineStart = i + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(at - lineStart + 1);
}

// Where in the document a path of member names and array positions leads, for messages:
// "form file", "control #2, \"properties\"", ...
std::string PlaceOf(const std::vector<std::variant<std::string, size_t>>& path) {
    std::string where = "form file";
    size_t i = 0;
    if (path.size() >= 2 && std::get_if<std::string>(&path[0]) && *std::get_if<std::string>(&path[0]) == "controls" &&
        std::get_if<size_t>(&path[1])) {
        where = "control #" + std::to_string(std::get<size_t>(path[1]) + 1);
        i = 2;
    }
    for (; i < path.size(); ++i) {
        if (const auto* key = std::get_if<std::string>(&path[i])) where += ", \"" + Shown(*key) + "\"";
        else where += ", item " + std::to_string(std::get<size_t>(path[i]) + 1);
    }
    return where;
}

// Builds the document from the parser's events. nlohmann's own builder looks each new key up in
// the ordered object, which is linear per key and so quadratic per object; this one appends the
// key after a hashed duplicate check, so the whole read is linear in the file's size. It also
// bounds the nesting and the number of values, which bounds memory at a small multiple of the file.
class DocumentBuilder {
public:
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    Json root;
    // Set when the parser reports an error.
    size_t errorByte = 0;
    bool outOfRange = false;
    std::string explanation;

    bool null() { return Add(nullptr); }
    bool boolean(bool value) { return Add(value); }
    bool number_integer(number_integer_t value) { return Add(value); }
    bool number_unsigned(number_unsigned_t value) { return Add(value); }
    bool number_float(number_float_t value, const string_t&) { return Add(value); }
    bool string(string_t& value) { return Add(std::move(value)); }
    bool binary(binary_t& value) { return Add(Json::binary(std::move(value))); }
    bool start_object(size_t) { return Open(Json::object()); }
    bool start_array(size_t) { return Open(Json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(string_t& name) {
        Frame& frame = frames_.back();
        auto& members = *frame.value->get_ptr<Json::object_t*>();
        if (IsDuplicate(frame, members, name))
            Fail(PlaceOf(std::vector(path_.begin(), path_.end() - 1)), "the key \"" + Shown(name) + "\" appears twice");
        path_.back() = name;
        members.emplace_back(std::move(name), nullptr);
        slot_ = &members.back().second;
        return true;
    }

    bool parse_error(size_t position, const std::string&, const nlohmann::detail::exception& error) {
        errorByte = position;
        // 406: a number too large for any type (1e400) is no value the form can hold.
        outOfRange = error.id == 406;
        const std::string what = error.what();
        const size_t colon = what.find(": ");
        explanation = !outOfRange && colon != std::string::npos ? what.substr(colon + 2) : what;
        return false;
    }

private:
    struct Frame {
        Json* value;
        // The keys of a large object, hashed; a small one is searched, which costs less.
        std::unique_ptr<std::unordered_set<std::string>> keys;
    };
    static constexpr size_t kSearchedKeys = 8;

    static bool IsDuplicate(Frame& frame, const Json::object_t& members, const std::string& name) {
        if (members.size() < kSearchedKeys) {
            for (const auto& member : members)
                if (member.first == name) return true;
            return false;
        }
        if (!frame.keys) {
            frame.keys = std::make_unique<std::unordered_set<std::string>>();
            for (const auto& member : members) frame.keys->insert(member.first);
        }
        return !frame.keys->insert(name).second;
    }

    // Where the next value goes: the root, the end of the open array, or the key just read.
    Json* Place() {
        if (++values_ > kMaxFormValues)
            throw FormFileError("form file holds more than the " + std::to_string(kMaxFormValues) +
                                " values a form file may have");
        if (frames_.empty()) return &root;
        Json& open = *frames_.back().value;
        if (open.is_array()) {
            path_.back() = open.size();
            open.push_back(nullptr);
            return &open.back();
        }
        return slot_;
    }

    bool Add(Json value) {
        *Place() = std::move(value);
        return true;
    }

    // A container's elements are appended only while it is the innermost open one, so the
    // pointers kept to the open containers stay valid.
    bool Open(Json container) {
        if (frames_.size() >= static_cast<size_t>(kMaxDepth))
            throw FormFileError("form file nested deeper than " + std::to_string(kMaxDepth) + " levels");
        Json* place = Place();
        *place = std::move(container);
        frames_.push_back(Frame{place, {}});
        path_.emplace_back(size_t{0});
        return true;
    }

    bool Close() {
        frames_.pop_back();
        path_.pop_back();
        return true;
    }

    std::vector<Frame> frames_;
    std::vector<std::variant<std::string, size_t>> path_;  // the member name or position in each open container
    Json* slot_ = nullptr;
    size_t values_ = 0;
};

// ---- Writing ----

std::string CheckedString(const std::string& text, const std::string& where, size_t limit = kMaxFormStringBytes) {
    if (text.size() > limit)
        Fail(where, "a string of " + std::to_string(text.size()) + " bytes is longer than the " +
                        std::to_string(limit) + " a form file may hold");
    try {
        (void)Json(text).dump();
    } catch (const Json::type_error&) {
        Fail(where, "the text is not valid UTF-8");
    }
    return text;
}

double CheckedNumber(double number, const std::string& where) {
    if (!std::isfinite(number)) Fail(where, "a number that is not finite cannot be stored");
    return number;
}

Json FormatFont(const FontObject& font, const std::string& where) {
    Json out = Json::object();
    out["name"] = CheckedString(font.name, where + ", font name");
    out["size"] = CheckedNumber(font.size, where + ", font size");
    out["bold"] = font.bold;
    out["italic"] = font.italic;
    out["underline"] = font.underline;
    out["strikethrough"] = font.strikethrough;
    out["weight"] = font.weight;
    out["charset"] = font.charset;
    return out;
}

Json FormatPicture(const PictureObject& picture, const std::string& where) {
    if (picture.width == 0 && picture.height == 0 && picture.pixels.empty()) return "";
    try {
        return EncodeBase64(EncodePng(picture));
    } catch (const FormFileError& e) {
        Fail(where, e.what());
    }
}

Json Typed(const char* type, Json value) {
    Json out = Json::object();
    out["type"] = type;
    out["value"] = std::move(value);
    return out;
}

Json FormatValue(const Variant& v, const std::string& where) {
    switch (v.kind()) {
        case Variant::Kind::Empty: break;
        case Variant::Kind::Boolean: return Typed("bool", v.ToBool());
        case Variant::Kind::Integer: return Typed("i16", v.ToInt16());
        case Variant::Kind::Long: return Typed("i32", v.ToInt32());
        case Variant::Kind::Single: return Typed("single", CheckedNumber(v.ToSingle(), where));
        case Variant::Kind::Double: return Typed("double", CheckedNumber(v.ToDouble(), where));
        case Variant::Kind::Date: return Typed("date", CheckedNumber(v.ToDate().value, where));
        case Variant::Kind::String: return Typed("string", CheckedString(v.ToString(), where));
        case Variant::Kind::Color: return Typed("color", v.ToColor());
        case Variant::Kind::Font:
            if (const FontRef font = v.ToFont()) return Typed("font", FormatFont(*font, where));
            break;
        case Variant::Kind::Picture:
            if (const PictureRef picture = v.ToPicture()) return Typed("picture", FormatPicture(*picture, where));
            break;
    }
    // No value, and a font or picture property holding no object.
    Json out = Json::object();
    out["type"] = "empty";
    return out;
}

// Closes and, unless kept, removes the temporary file of a save that did not finish.
class TemporaryFile {
public:
    TemporaryFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    // Closes the descriptor; false (with errno) when the last writes failed.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    int fd_;
    bool kept_ = false;
};

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : ".";
}

// Temporary files of a form are named ".NAME.tmp-PID-COUNT" beside it.
std::string TemporaryPrefix(const std::filesystem::path& target) {
    std::string prefix(1, '.');
    prefix += target.filename().string();
    prefix += ".tmp-";
    return prefix;
}

// A new file beside `target`, created exclusively so that two saves never share one.
TemporaryFile CreateBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = FolderOf(target);
    for (int attempt = 0;; ++attempt) {
        std::string name = TemporaryPrefix(target);
        name += std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
        const std::filesystem::path candidate = folder / name;
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return TemporaryFile(candidate, fd);
        if (errno != EEXIST || attempt >= 100) throw FormFileError(SystemError("cannot create a file beside", target));
    }
}

// The process id of a temporary file of `target` named by CreateBeside, or 0 for any other name.
pid_t SaverOf(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    const size_t dash = rest.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 10 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1))) return 0;
    const long long pid = std::stoll(std::string(rest.substr(0, dash)));
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() ? static_cast<pid_t>(pid) : 0;
}

// Removes what saves of this form that were killed left behind. A file whose process still runs
// may be a save under way and is kept; so is every file not named as this form's temporary.
void SweepStaleTemporaries(const std::filesystem::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t saver = SaverOf(name, prefix);
        if (saver == 0 || saver == ::getpid()) continue;
        if (::kill(saver, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
    }
}

}  // namespace

FormFile ParseFormFile(std::string_view text) {
    if (text.size() > kMaxFormFileBytes)
        throw FormFileError("a form file of " + std::to_string(text.size()) + " bytes is larger than the " +
                            std::to_string(kMaxFormFileBytes) + " allowed");
    DocumentBuilder builder;
    if (!Json::sax_parse(text.begin(), text.end(), &builder)) {
        if (builder.outOfRange)
            throw FormFileError("form file holds a number out of range at " + LineAndColumn(text, builder.errorByte) +
                                ": " + builder.explanation);
        // The position counts from 1 and points at the last character read.
        throw FormFileError("form file syntax error at " +
                            LineAndColumn(text, builder.errorByte > 0 ? builder.errorByte - 1 : 0) + ": " +
                            builder.explanation);
    }
    const Json& document = builder.root;

    const std::string where = "form file";
    if (!document.is_object()) Fail(where, "the document must be an object");
    const Json& format = Member(document, "format", where);
    if (!format.is_string() || format.get_ref<const std::string&>() != kFormat)
        Fail(where, "\"format\" must be \"" + std::string(kFormat) + "\"");
    const int64_t version = Integer(Member(document, "version", where), 1, std::numeric_limits<int32_t>::max(),
                                    where + ", \"version\"");
    if (version > kVersion) Fail(where, "version " + std::to_string(version) + " is newer than this program reads");

    FormFile form;
    form.width = ExtentMember(document, "width", where);
    form.height = ExtentMember(document, "height", where);
    const Json& controls = Member(document, "controls", where);
    if (!controls.is_array()) Fail(where, "\"controls\" must be an array");
    if (controls.size() > kMaxFormControls)
        Fail(where, std::to_string(controls.size()) + " controls are more than the " +
                        std::to_string(kMaxFormControls) + " a form may hold");
    form.controls.reserve(controls.size());
    for (size_t i = 0; i < controls.size(); ++i) form.controls.push_back(ParseControl(controls[i], i));
    return form;
}

std::string FormatFormFile(const FormFile& form) {
    Json document = Json::object();
    document["format"] = kFormat;
    document["version"] = kVersion;
    document["width"] = BoundedTwips(CheckedNumber(form.width, "form width"), 0, kMaxFormExtent, "form width");
    document["height"] = BoundedTwips(CheckedNumber(form.height, "form height"), 0, kMaxFormExtent, "form height");
    if (form.controls.size() > kMaxFormControls)
        Fail("form", std::to_string(form.controls.size()) + " controls are more than the " +
                         std::to_string(kMaxFormControls) + " a form file may hold");
    Json controls = Json::array();
    for (size_t i = 0; i < form.controls.size(); ++i) {
        const StoredControl& control = form.controls[i];
        const std::string where = "control #" + std::to_string(i + 1) + " '" + Shown(control.name) + "'";
        Json out = Json::object();
        out["type"] = CheckedString(control.type, where + ", type", kMaxFormNameBytes);
        out["name"] = CheckedString(control.name, where + ", name", kMaxFormNameBytes);
        const auto place = [&](double value, double low, double high, const char* name) {
            const std::string at = where + ", " + name;
            return BoundedTwips(CheckedNumber(value, at), low, high, at);
        };
        out["left"] = place(control.left, -kMaxFormPosition, kMaxFormPosition, "left");
        out["top"] = place(control.top, -kMaxFormPosition, kMaxFormPosition, "top");
        out["width"] = place(control.width, 0, kMaxFormExtent, "width");
        out["height"] = place(control.height, 0, kMaxFormExtent, "height");
        Json properties = Json::object();
        for (const auto& [key, value] : control.bag.Entries()) {
            const std::string at = where + ", property '" + Shown(key) + "'";
            properties[CheckedString(key, at)] = FormatValue(value, at);
        }
        out["properties"] = std::move(properties);
        controls.push_back(std::move(out));
    }
    document["controls"] = std::move(controls);
    std::string text = document.dump(2) + "\n";
    if (text.size() > kMaxFormFileBytes)
        throw FormFileError("the form would take " + std::to_string(text.size()) + " bytes, more than the " +
                            std::to_string(kMaxFormFileBytes) + " a form file may have");
    return text;
}

FormFile ReadFormFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FormFileError(SystemError("cannot open form file", path));
    const std::unique_ptr<int, void (*)(int*)> closer(new int(fd), [](int* p) {
        ::close(*p);
        delete p;
    });
    // Read at most one byte past the bound, so that a huge (or endless) file is refused cheaply.
    std::string text;
    char buffer[64 * 1024];
    while (text.size() <= kMaxFormFileBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FormFileError(SystemError("cannot read form file", path));
        }
        if (n == 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    if (text.size() > kMaxFormFileBytes)
        throw FormFileError("form file '" + path.string() + "' is larger than the " +
                            std::to_string(kMaxFormFileBytes) + " bytes allowed");
    return ParseFormFile(text);
}

void WriteFormFile(const std::filesystem::path& path, const FormFile& form) {
    // Everything that can fail without the disk fails before the disk is touched.
    const std::string text = FormatFormFile(form);
    // A link is kept: the file it leads to is the one replaced.
    std::error_code ec;  // a file not there yet is no error: it is made
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) throw FormFileError("cannot follow the link '" + path.string() + "': " + ec.message());
    }

    TemporaryFile temporary = CreateBeside(target);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(temporary.fd(), old.st_mode & 07777);
    for (size_t written = 0; written < text.size();) {
        const ssize_t n = ::write(temporary.fd(), text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FormFileError(SystemError("cannot write", temporary.path()));
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(temporary.fd()) != 0 || !temporary.Close())
        throw FormFileError(SystemError("cannot write", temporary.path()));
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        throw FormFileError(SystemError("cannot replace form file", target));
    temporary.Keep();
    SweepStaleTemporaries(target);
    // Make the rename itself durable; the new file is complete and in place either way.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace VemoCalendar
