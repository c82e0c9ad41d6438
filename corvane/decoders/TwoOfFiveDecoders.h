#pragma once
// The 2-of-5 family: one five-element digit table read from different elements of the symbol.
#include <string>
#include <string_view>

namespace corvane {

// Five wide/narrow letters (either case) to "0"..."9", or "?".
std::u16string LookupTwoOfFive(std::u16string_view letters);

// Digits in pairs: the first in the five bars, the second in the five spaces between them.
class CInterleaved25Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

// One digit per five bars; the spaces carry nothing and may be printed wide.
class CIndustrial25Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

// One digit per five consecutive elements, then a gap element whose width does not matter.
class CMatrix25Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

}  // namespace corvane
