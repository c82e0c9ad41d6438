#pragma once
#include <string>

namespace corvane {

// Code 11: reads every character between start and stop; the C and K check characters are kept.
class CCode11Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

}  // namespace corvane
