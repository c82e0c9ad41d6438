#pragma once
// Which readings hold up. Texts of symbologies with a check character must pass it. The 2 of 5
// codes without one (Interleaved, Industrial, Matrix) decode noise and cut-off symbols into
// plausible digits, so a reading of them also needs a whole number of characters, quiet zones on
// both sides, and the same text from a second scan line before it counts. Short symbols that
// also fit inside longer ones (UPC-E and EAN-8 in the left half of an EAN-13, Code 11 in any
// retail symbol) need light beside them, where the longer symbol would go on with bars.

#include "tryharder/Findings.h"

#include <set>
#include <string>
#include <utility>

namespace corvane::tryharder {

// Light measured beyond one end of a symbol.
struct Margin {
    double modules = 0;  // modules of light, up to the longest any rule asks for
    bool edge = false;   // the light reached the edge of the image
};

struct Reading {
    std::u16string modules;  // what the decoders read, first bar to last
    Finding finding;         // type, text, score, place and step
    Margin before, after;
    long line = 0;  // scan line id, unique within one read
    int lines = 1;  // scan lines known to have given this same reading (band records count theirs)
};

// The most modules of light any rule asks for: margins are measured up to this.
inline constexpr double kQuietZoneModules = 10.0;

// Whether the module string splits into start, whole characters and stop for its 2 of 5 code.
bool HasWholeTwoOfFiveLength(const std::u16string& type, const std::u16string& modules);

class Acceptance {
public:
    explicit Acceptance(Findings& findings) : findings_(findings) {}

    // Adds the reading to the findings if it holds up now; a 2 of 5 reading may wait for a
    // second scan line.
    void Offer(const Reading& reading);

private:
    Findings& findings_;
    // Readings waiting for a second scan line: type, text and the line they came from.
    std::set<std::pair<std::pair<std::u16string, std::u16string>, long>> waiting_;
};

}  // namespace corvane::tryharder
