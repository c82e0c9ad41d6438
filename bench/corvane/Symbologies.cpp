#include "Symbologies.h"

#include <zint.h>

namespace bench {

namespace {

constexpr const char* kDigits = "0123456789";

}  // namespace

// Codabar keeps to digits between its letters, and Code 39 leaves out $ / + % (which a full-ASCII
// reading would pair up) and the space, so every peer takes the data as it is. ZBar and ZXing
// want at least six Interleaved 2 of 5 digits; ZBar never read UPC-E with number system 1 here,
// so UPC-E keeps number system 0.
const Symbology kSymbologies[11] = {
    {"Code 39", BARCODE_CODE39, "BENCH39", {"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.", 4, 10, false, "", ""},
     true, Convention::NoStars, Convention::NoStars, Convention::NoStars},
    {"Codabar", BARCODE_CODABAR, "A40156B", {kDigits, 5, 10, false, "A", "B"},
     true, Convention::NoStartStop, Convention::NoStartStop, Convention::AsZint},
    {"Code 128", BARCODE_CODE128, "Bench-128", {"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-./", 5, 12, false, "", ""},
     true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Interleaved 2 of 5", BARCODE_C25INTER, "12345678", {kDigits, 6, 14, true, "", ""},
     true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"EAN-13", BARCODE_EANX, "590123412345", {kDigits, 12, 12, false, "", ""},
     true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"EAN-8", BARCODE_EANX, "1234567", {kDigits, 7, 7, false, "", ""},
     true, Convention::LeadingZero, Convention::AsZint, Convention::AsZint},
    {"UPC-A", BARCODE_UPCA, "01234567890", {kDigits, 11, 11, false, "", ""},
     true, Convention::LeadingZero, Convention::AsZint, Convention::AsZint},
    {"UPC-E", BARCODE_UPCE, "0123456", {kDigits, 6, 6, false, "0", ""},
     true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Code 11", BARCODE_CODE11, "123-45", {"0123456789-", 4, 9, false, "", ""},
     false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Industrial 2 of 5", BARCODE_C25IND, "12345", {kDigits, 4, 10, false, "", ""},
     false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Matrix 2 of 5", BARCODE_C25STANDARD, "12345", {kDigits, 4, 10, false, "", ""},
     false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
};

Convention Symbology::For(ReaderFamily family) const
{
    switch (family) {
    case ReaderFamily::Corvane: return corvane;
    case ReaderFamily::ZXing: return zxing;
    case ReaderFamily::ZBar: return zbar;
    }
    return corvane;
}

std::string Expected(const std::string& zintText, Convention convention)
{
    switch (convention) {
    case Convention::AsZint: return zintText;
    case Convention::NoStars:
        return zintText.size() >= 2 && zintText.front() == '*' ? zintText.substr(1, zintText.size() - 2) : zintText;
    case Convention::NoStartStop: return zintText.size() >= 2 ? zintText.substr(1, zintText.size() - 2) : zintText;
    case Convention::LeadingZero: return "0" + zintText;
    }
    return zintText;
}

bool IsRetail(const std::string& name) { return name.rfind("EAN", 0) == 0 || name.rfind("UPC", 0) == 0; }

std::string RandomData(const DataShape& shape, std::mt19937& rng)
{
    const std::string alphabet = shape.alphabet;
    int length = std::uniform_int_distribution(shape.minLength, shape.maxLength)(rng);
    if (shape.evenLength && length % 2)
        ++length;
    std::string data = shape.prefix;
    for (int i = 0; i < length; ++i)
        data += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    return data + shape.suffix;
}

}  // namespace bench
