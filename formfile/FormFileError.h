#pragma once
#include <stdexcept>

namespace VemoCalendar {

// A form file that cannot be read or written: a syntax error (with line and column), a value
// the format does not know, a size past its bound, or a failure of the file system.
struct FormFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace VemoCalendar
