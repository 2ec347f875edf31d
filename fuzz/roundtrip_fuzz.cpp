// libFuzzer target: any bytes as a form file; every calendar and drop-down button it yields is
// loaded into a headless control, written back, re-read and loaded again. The bags must be equal
// at every stage; a difference, a crash or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "fuzz/FuzzInput.h"
#include "fuzz/RoundTrip.h"

using namespace VemoCalendar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<FormFile> file = Fuzz::ReadForm(data, size);
    if (!file) return 0;
    if (const std::string fault = RoundTrip::Check(std::move(*file), MakeDate(2024, 2, 29)); !fault.empty()) {
        std::fprintf(stderr, "round trip: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
