#pragma once
#include <string>

namespace corvane {

// EAN-13, EAN-8 and UPC-A. The leading digit comes from the left half's parity; the check digit is
// reported as read. Decode returns an empty text when the left half cannot be read.
class CEanUpcDecoder {
public:
    std::u16string Decode(std::u16string modules);

    std::u16string symbologyName;  // "EAN 13", "UPC-A", "EAN 8" or "Unknown EAN/UPC-A"
    std::u16string parityString;   // per left character read: "0" odd (set A), "1" even (set B)
};

}  // namespace corvane
