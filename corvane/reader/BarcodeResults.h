#pragma once
// The process-wide result list: decoded module strings are scored, merged with an open result
// of the same barcode, or appended; each band closes the results whose window has gone light.

#include <list>
#include <string>

namespace corvane {

struct BarcodesInfo {
    std::u16string modules;   // module string the result was decoded from
    std::u16string typeName;  // symbology name
    std::u16string value;     // decoded text, "?" per unread character
    int score = 0;            // 60..100
    int pass = 0;             // rotation pass that found it
    bool closed = false;      // true once a band showed its window light
    int start = 0;            // window, as indices into the padded band string
    int end = 0;
};

extern std::list<BarcodesInfo> g_barcodes;
extern int g_currentPass;

// Results below this score are dropped.
inline constexpr int kMinScore = 60;

// 100 with no "?"; otherwise 100 - share of "?" in percent, truncated.
int ScoreText(const std::u16string& text);

// Closes every open result whose window, read in this band string, is at most 20 % dark.
void CloseFinishedResults(const std::u16string& band);

// Decodes one module string and keeps, merges or drops its result.
void DecodeAndCollect(const std::u16string& modules, int start, int end);

// Keeps, merges or drops one decoded result (text and name already known).
void CollectResult(const std::u16string& modules, const std::u16string& typeName,
                   const std::u16string& text, int start, int end);

}  // namespace corvane
