#pragma once
#include <string>

namespace corvane {

// UPC-E in its eight-digit form: number system and check digit both come from the parity of the
// six symbol characters. Decode returns an empty text on any unread character or unknown parity.
class CUpcEDecoder {
public:
    std::u16string Decode(std::u16string modules);

    std::u16string parityString;  // per character read: "0" odd (set A), "1" even (set B)
};

}  // namespace corvane
