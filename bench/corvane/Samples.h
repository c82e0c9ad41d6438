#pragma once
// The pictures the benchmark reads, one at a time, each with what every reader should report.

#include "Readers.h"
#include "Symbologies.h"

#include <array>
#include <functional>
#include <string>

namespace bench {

struct Sample {
    std::string set;         // "real", "generated", "negative"
    std::string group;       // the real set's folder, the generated class, the negative kind
    std::string symbology;   // "" for negatives
    std::string id;          // names the picture in listings
    bool peersRead = true;   // ZXing-C++ and ZBar read this symbology
    bool upcE = false;       // an 8-digit UPC-E read also counts when it expands to the expected text
    std::array<std::string, 3> expected;  // by ReaderFamily; empty for negatives
    Grey page;
};

using SampleSink = std::function<void(Sample&)>;

// The real photographs in `dir` (one folder per symbology and series, NAME.png beside NAME.txt);
// false when the folder is missing.
bool ForEachRealImage(const std::string& dir, const SampleSink& sink);
// `perCell` pictures of every class and symbology, each from its own seed.
void ForEachGenerated(int perCell, unsigned seed, const SampleSink& sink);
// `perKind` pictures of every negative kind.
void ForEachNegative(int perKind, unsigned seed, const SampleSink& sink);

// Whether `text`, read by a reader of `family`, is what the sample holds.
bool Accepts(const Sample& sample, ReaderFamily family, const std::string& text);
// A UPC-E text (8 digits) as the UPC-A text it stands for (12 digits); "" when it is no UPC-E.
std::string ExpandUpcE(const std::string& upcE);

}  // namespace bench
