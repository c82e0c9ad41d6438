#pragma once
// Finds the stretches of a band string that look like a barcode (bars and spaces between two
// quiet zones) and quantises each into module strings at 22 module widths.

#include <string>
#include <vector>

namespace corvane {

// Width in pixels standing for "no such run".
inline constexpr int kNoRun = 1000;
// A band whose narrowest bar or space is wider than this holds no barcode.
inline constexpr int kMaxNarrowestRun = 100;
// Module strings shorter than this are dropped.
inline constexpr std::size_t kMinModuleStringLength = 30;

struct NarrowestRuns {
    int bar = kNoRun;
    int space = kNoRun;
};

// One quantisation of one candidate window. `start` and `end` index the padded band string:
// the window's first quiet-zone character and its last bar character.
struct Candidate {
    std::u16string modules;
    int start = 0;
    int end = 0;
    int firstBar = 0;  // the window's first and last bar, as columns of the band itself
    int lastBar = 0;
};

// Narrowest 'x' and non-'x' runs of a text. The run that ends the text is not measured and the
// run that begins it is counted one short.
NarrowestRuns MeasureNarrowestRuns(const std::u16string& text);

// One '1' per bar module and one '0' per space module of the window, from its first bar to the
// last; each element is its width over (narrowest run x factor), rounded up.
std::u16string BuildModuleString(const std::u16string& window, int narrowestBar, int narrowestSpace,
                                 float factor);

// All candidates of a band string, all of the first factor left to right, then the next factor.
std::vector<Candidate> ExtractRuns(const std::u16string& band);

// The 22 module factors 0.9, 1.0, ... 2.9999993, summed in single precision as the reader does.
std::vector<float> ModuleFactors();

}  // namespace corvane
