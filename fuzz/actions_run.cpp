// Random use of a calendar and a drop-down button, ACTIONS actions in all (default 1,000,000),
// in seeded sequences of 100 so that a failure names the sequence that reproduces it.
//   actions_run [ACTIONS] [SEED]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "fuzz/ActionDriver.h"

int main(int argc, char** argv) {
    const long long actions = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20240229u;
    constexpr int kStepsPerSequence = 100;
    long long done = 0;
    for (unsigned sequence = 0; done < actions; ++sequence) {
        std::mt19937 random(seed + sequence);
        VemoCalendar::ActionDriver driver([&]() { return static_cast<uint8_t>(random()); });
        for (int step = 0; step < kStepsPerSequence && done < actions; ++step, ++done) {
            if (const std::string fault = driver.Step(); !fault.empty()) {
                std::fprintf(stderr, "actions_run: sequence %u (seed %u), step %d: %s\n", sequence, seed + sequence,
                             step, fault.c_str());
                return 1;
            }
        }
    }
    std::printf("actions_run: %lld actions, every invariant held\n", done);
    return 0;
}
