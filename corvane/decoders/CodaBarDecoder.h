#pragma once
#include <string>

#include "decoders/IBarcodeDecoders.h"

namespace corvane {

// Codabar: reads the characters between start and stop; the start/stop letters are not output.
class CCodaBarDecoder : public IBarcodeDecoders {
public:
    std::u16string Decode(std::u16string modules) override;
};

}  // namespace corvane
