#pragma once
#include <string>

namespace corvane {

// Decoder interface: one module string in, decoded text out ("?" per unread character).
class IBarcodeDecoders {
public:
    virtual ~IBarcodeDecoders() = default;
    virtual std::u16string Decode(std::u16string modules) = 0;

protected:
    IBarcodeDecoders() = default;
    IBarcodeDecoders(const IBarcodeDecoders&) = default;
    IBarcodeDecoders& operator=(const IBarcodeDecoders&) = default;
};

}  // namespace corvane
