#pragma once
// The arguments of corvane-read:
// [--scan-lines N] [--rotations N] [--try-harder] [--effort N] [--area X,Y,W,H] [--json] FILE...
// or --help, or --version

#include <optional>
#include <string>
#include <vector>

struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

struct ReadArguments {
    int scanLines = 20;
    int rotations = 3;
    // Set by --try-harder or --effort: read with the try-harder reader at this effort instead of
    // ReadImage. The band options tune only ReadImage, so they are refused alongside.
    std::optional<int> effort;
    std::optional<Area> area;  // the whole image when absent
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files;
};

struct ParsedArguments {
    std::optional<ReadArguments> arguments;
    std::string error;  // why they were refused
};

ParsedArguments ParseReadArguments(const std::vector<std::string>& args);

extern const char* const kReadUsage;
