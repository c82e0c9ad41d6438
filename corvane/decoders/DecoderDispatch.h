#pragma once
#include <string>

namespace corvane {

struct DecodedSymbol {
    std::u16string typeName;  // "Code39", "Code11", ..., or the EAN decoder's symbologyName; empty for code 0
    std::u16string text;      // decoded text, "?" per unread character; empty when nothing decoded
};

// Classifies the module string (DetectBarcodeType) and runs the matching decoder once, per the
// dispatch table: code 0 gives {"", ""}; code 8 reports the decoder's symbologyName after decoding.
DecodedSymbol DecodeModuleString(const std::u16string& modules);

}  // namespace corvane
