#pragma once
// Symbology family of a module string, named from its start and stop patterns.
#include <string>

namespace corvane {

enum BarcodeTypeCode : int {
    BarcodeUnknown = 0,
    BarcodeCode39 = 1,
    BarcodeCode11 = 2,
    BarcodeInterleaved25 = 3,
    BarcodeIndustrial25 = 4,
    BarcodeMatrix25 = 5,
    BarcodeCodabar = 6,
    BarcodeCode128 = 7,
    BarcodeEanUpc = 8,
    BarcodeUpcE = 9,
};

// Only the left-to-right orientation is recognised; the first matching family in a fixed order wins.
BarcodeTypeCode DetectBarcodeType(const std::u16string& modules);

}  // namespace corvane
