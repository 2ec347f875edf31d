// Writes the fuzzers' seeds into FOLDER: the seed forms the controls make (formfile/) and action
// streams from a seeded generator (actions/).
//   make_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "fuzz/SeedForms.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const fs::path folder = argv[1];
    fs::create_directories(folder / "formfile");
    fs::create_directories(folder / "actions");
    int written = 0;
    for (const auto& [name, form] : VemoCalendar::Seeds::SeedForms()) {
        std::ofstream(folder / "formfile" / name, std::ios::binary) << VemoCalendar::FormatFormFile(form);
        ++written;
    }
    std::mt19937 random(1997);
    for (int i = 0; i < 8; ++i) {
        std::string bytes(64u << i % 4, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        std::ofstream(folder / "actions" / ("random-" + std::to_string(i)), std::ios::binary) << bytes;
        ++written;
    }
    std::printf("make_seeds: %d seeds in %s\n", written, folder.c_str());
    return 0;
}
