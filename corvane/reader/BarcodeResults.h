#pragma once
// The result list of one read: decoded module strings are scored, merged with an open result
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
    int row = 0;              // first row of the band that last read it, in the turned area
    int x0 = 0, x1 = 0;       // first and last bar of that reading, in the band's columns
    int bands = 1;            // bands that read this same text
};

// Everything one read works on, so that reads of different callers never share state.
struct ReadContext {
    std::list<BarcodesInfo> barcodes;
    int currentPass = 0;  // rotation pass being read
    int currentRow = 0;   // first row of the band being read
};

// Results below this score are dropped.
inline constexpr int kMinScore = 60;

// 100 with no "?"; otherwise 100 - share of "?" in percent, truncated.
int ScoreText(const std::u16string& text);

// Closes every open result whose window, read in this band string, is at most 20 % dark.
void CloseFinishedResults(ReadContext& context, const std::u16string& band);

// Where a candidate lies in its band: `start` and `end` index the padded band string (they
// decide merging), `firstBar` and `lastBar` are band columns (they only tell where it was).
struct CandidatePlace {
    int start = 0;
    int end = 0;
    int firstBar = 0;
    int lastBar = 0;
};

// Decodes one module string and keeps, merges or drops its result.
void DecodeAndCollect(ReadContext& context, const std::u16string& modules, const CandidatePlace& place);

// Keeps, merges or drops one decoded result (text and name already known).
void CollectResult(ReadContext& context, const std::u16string& modules, const std::u16string& typeName,
                   const std::u16string& text, const CandidatePlace& place);

}  // namespace corvane
