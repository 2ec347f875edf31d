// libFuzzer target: the bytes choose user and program actions on a calendar and a drop-down
// button; after each one the invariants of ActionDriver must hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/ActionDriver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t at = 0;
    VemoCalendar::ActionDriver driver([&]() -> uint8_t { return at < size ? data[at++] : 0; });
    // Bounded, so that one input is never a long run.
    for (int step = 0; at < size && step < 2000; ++step) {
        if (const std::string fault = driver.Step(); !fault.empty()) {
            std::fprintf(stderr, "step %d: %s\n", step, fault.c_str());
            std::abort();
        }
    }
    return 0;
}
