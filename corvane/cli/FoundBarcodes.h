#pragma once
// What corvane-read found, and the two ways it prints it: tab-separated lines or one JSON array.

#include "Utf8.h"

#include <string>
#include <vector>

struct Found {
    std::string file, type, value;  // UTF-8
    int score = 0;
};

// FILE<TAB>TYPE<TAB>TEXT<TAB>SCORE, one line each.
std::string AsLines(const std::vector<Found>& found);
// [{"file": ..., "type": ..., "value": ..., "score": ...}, ...]
std::string AsJson(const std::vector<Found>& found);
