#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formfile/FormBag.h"
#include "formfile/FormFileError.h"
#include "host/Export.h"

namespace VemoCalendar {

// Bounds of what a form file may hold; past them reading (and writing) fails with FormFileError.
inline constexpr size_t kMaxFormFileBytes = 16 * 1024 * 1024;
inline constexpr size_t kMaxFormStringBytes = 1024 * 1024;  // font names, keys and string values
inline constexpr size_t kMaxFormNameBytes = 255;  // a control's name and type name
// JSON values of all kinds in one file; a form of kMaxFormControls full controls needs a tenth.
inline constexpr size_t kMaxFormValues = 1024 * 1024;
inline constexpr size_t kMaxFormControls = 1000;
// The form's width and height and each control's width and height run from 0 to kMaxFormExtent
// twips, a control's left and top from -kMaxFormPosition to kMaxFormPosition twips: 4,000 pixels
// at 15 twips a pixel, and far inside what any conversion to pixels or to `int` holds.
inline constexpr double kMaxFormExtent = 60000;
inline constexpr double kMaxFormPosition = 60000;

// One control of a form: its type name, its name, its place on the form (twips) and its bag.
struct StoredControl {
    std::string type;
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;
    FormBag bag;
};

// A form as the host stores it: its size (twips) and its controls in order.
//
// On disk it is a JSON document. Each bag value carries its type: "empty", "bool", "i16",
// "i32", "single", "double", "date" (day number), "string", "color" (unsigned 32-bit), "font"
// (its eight attributes) and "picture" (8-bit RGBA PNG bytes in base64).
struct FormFile {
    double width = 0, height = 0;
    std::vector<StoredControl> controls;
};

// Throws FormFileError: a syntax error names its line and column, a value the format does not
// know names its control and key, a key twice in one object names the key and the object, and
// sizes, counts and geometry past the bounds above are refused naming the bound. Reading takes
// time and memory linear in the file's size. A value whose type
// does not suit its key is not the file's concern: the control refuses it when it loads.
VEMOCALENDAR_EXPORT FormFile ParseFormFile(std::string_view json);
VEMOCALENDAR_EXPORT FormFile ReadFormFile(const std::filesystem::path& path);

// Throws FormFileError for what could not be read back: a string past its bound or not UTF-8,
// a number that is not finite, geometry or a control count past its bound, a picture past its
// bound, or a document larger than a form file.
VEMOCALENDAR_EXPORT std::string FormatFormFile(const FormFile& form);
// Writes beside the old file and renames over it, so the old form stays whole if anything fails.
// Once the new form is in place, temporary files that earlier saves of this same form left
// behind when killed are removed (only those whose process no longer runs).
VEMOCALENDAR_EXPORT void WriteFormFile(const std::filesystem::path& path, const FormFile& form);

}  // namespace VemoCalendar
