#pragma once
// What corvane-read found, and the two ways it prints it: tab-separated lines or one JSON array.

#include <string>
#include <vector>

struct Found {
    std::string file, type, value;  // UTF-8
    int score = 0;
};

// UTF-16 as the library returns it, to UTF-8.
std::string Utf8(const char16_t* text);

// FILE<TAB>TYPE<TAB>TEXT<TAB>SCORE, one line each.
std::string AsLines(const std::vector<Found>& found);
// [{"file": ..., "type": ..., "value": ..., "score": ...}, ...]
std::string AsJson(const std::vector<Found>& found);
