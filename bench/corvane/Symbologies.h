#pragma once
// The eleven symbologies the benchmark renders with zint, the data it gives them, and how each
// reader writes what it read.

#include <cstddef>
#include <random>
#include <string>

namespace bench {

// Which family of readers a result comes from; each writes some symbologies its own way.
enum class ReaderFamily { Corvane, ZXing, ZBar };

// How a reader writes a symbol's text, from zint's human-readable text.
enum class Convention {
    AsZint,       // the text zint prints under the symbol
    NoStars,      // Code 39 without its start and stop asterisks
    NoStartStop,  // Codabar without its start and stop letters
    LeadingZero,  // a 12- or 8-digit retail code widened to 13 or 9 digits
};

// The characters random data is drawn from, and how many.
struct DataShape {
    const char* alphabet;
    int minLength, maxLength;
    bool evenLength;     // Interleaved 2 of 5 pairs its digits
    const char* prefix;  // put before the random part (UPC-E number system, Codabar start)
    const char* suffix;  // and after it (Codabar stop)
};

struct Symbology {
    const char* name;
    int zint;
    const char* data;  // the fixed data of the clean corpus
    DataShape shape;   // random data of the generated corpus
    bool peersRead;    // ZXing-C++ and ZBar read this symbology
    Convention corvane;
    Convention zxing;
    Convention zbar;
    Convention For(ReaderFamily family) const;
};

extern const Symbology kSymbologies[11];
constexpr std::size_t kSymbologyCount = 11;

std::string Expected(const std::string& zintText, Convention convention);
// EAN-13, EAN-8, UPC-A or UPC-E: digits only, and readers may add a 2- or 5-digit add-on.
bool IsRetail(const std::string& symbologyName);
std::string RandomData(const DataShape& shape, std::mt19937& rng);

}  // namespace bench
