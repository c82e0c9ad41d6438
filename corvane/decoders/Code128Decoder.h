#pragma once
#include <string>

namespace corvane {

// Code 128: follows the start set and the set switches; the check symbol is dropped unverified.
class CCode128Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

}  // namespace corvane
