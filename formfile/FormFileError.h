#pragma once
#include <stdexcept>

#include "host/Export.h"

namespace VemoCalendar {

// A form file that cannot be read or written: a syntax error (with line and column), a value
// the format does not know, a size past its bound, or a failure of the file system.
struct VEMOCALENDAR_EXPORT FormFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace VemoCalendar
