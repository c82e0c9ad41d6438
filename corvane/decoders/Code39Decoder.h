#pragma once
#include <string>

namespace corvane {

// Code 39: reads every character between the "*" start and stop, check character included.
class CCode39Decoder {
public:
    std::u16string Decode(std::u16string modules) const;
};

}  // namespace corvane
