// Symbols rendered by zint, read back one character per module through the dispatch entry.
#include <gtest/gtest.h>
#include <zint.h>

#include <string>

#include "ModuleBuilder.h"
#include "ZintModules.h"
#include "decoders/DecoderDispatch.h"

namespace corvane {
namespace {

struct RoundTrip {
    int symbology;
    std::string data;
    bool threeToOne;           // wide elements (or guard bars) wider than two modules
    std::u16string_view name;  // expected type name
    std::string text;          // expected text; empty: zint's text, prefixed by prefix
    std::string prefix;
};

TEST(ZintRoundTrip, EverySymbology)
{
    const RoundTrip cases[] = {
        {BARCODE_CODE39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", false, u"Code39",
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", ""},
        {BARCODE_LOGMARS, "LOGMARS-42", true, u"Code39", "LOGMARS-42", ""},
        // zint appends the C and K check characters, and they are read.
        {BARCODE_CODE11, "0123456789-", false, u"Code11", "", ""},
        {BARCODE_CODABAR, "A0123456789B", false, u"Codabar", "0123456789", ""},
        {BARCODE_CODABAR, "C-$:/.+D", false, u"Codabar", "-$:/.+", ""},
        {BARCODE_CODE128, "Lot 42 / 0123456789 x", false, u"Code128", "Lot 42 / 0123456789 x", ""},
        {BARCODE_CODE128, "AB\tCD", false, u"Code128", "AB?CD", ""},  // a control character: set A
        {BARCODE_C25INTER, "1234567890", true, u"Interleaved25", "1234567890", ""},
        {BARCODE_C25INTER, "123", true, u"Interleaved25", "0123", ""},  // padded to even length
        {BARCODE_C25IND, "1234567890", true, u"Industrial25", "1234567890", ""},
        {BARCODE_C25STANDARD, "1234567890", true, u"Matrix25", "1234567890", ""},
        {BARCODE_EANX, "590123412345", false, u"EAN 13", "", ""},
        {BARCODE_EANX, "978020137962", false, u"EAN 13", "", ""},
        {BARCODE_EANX, "400638133393", false, u"EAN 13", "", ""},
        {BARCODE_EANX, "312345678901", false, u"EAN 13", "", ""},
        {BARCODE_UPCA, "03600029145", false, u"UPC-A", "", "0"},
        {BARCODE_EANX, "9638507", false, u"EAN 8", "", "0"},
        {BARCODE_UPCE, "0123456", false, u"UPC-E", "", ""},
        {BARCODE_UPCE, "1123456", false, u"UPC-E", "", ""},
        {BARCODE_UPCE, "0425261", false, u"UPC-E", "", ""},
    };
    for (const RoundTrip& c : cases) {
        const test::ZintModules rendered = test::EncodeWithZint(c.symbology, c.data);
        const std::string text = c.text.empty() ? c.prefix + rendered.text : c.text;
        const DecodedSymbol decoded =
            DecodeModuleString(c.threeToOne ? test::ToTwoWidth(rendered.modules) : rendered.modules);
        EXPECT_EQ(decoded.typeName, c.name) << c.data;
        EXPECT_EQ(decoded.text, std::u16string(text.begin(), text.end())) << c.data;
    }
}

TEST(ZintRoundTrip, EveryCode128Character)
{
    std::string printable;  // set B; zint's limit is 60 symbols, so three symbols of 32
    for (int c = ' '; c <= '~'; ++c) {
        printable += static_cast<char>(c);
    }
    std::string pairs;  // set C
    for (int v = 0; v < 100; ++v) {
        pairs += std::to_string(100 + v).substr(1);
    }
    for (const std::string& data : {printable.substr(0, 32), printable.substr(32, 32), printable.substr(64),
                                    pairs.substr(0, 100), pairs.substr(100)}) {
        const DecodedSymbol decoded = DecodeModuleString(test::EncodeWithZint(BARCODE_CODE128, data).modules);
        EXPECT_EQ(decoded.typeName, u"Code128");
        EXPECT_EQ(decoded.text, std::u16string(data.begin(), data.end()));
    }
}

}  // namespace
}  // namespace corvane
