// Symbols rendered by zint, read back one character per module through the dispatch entry.
#include <gtest/gtest.h>
#include <zint.h>

#include <memory>
#include <string>

#include "ModuleBuilder.h"
#include "decoders/DecoderDispatch.h"

namespace corvane {
namespace {

struct ZintSymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

struct Rendered {
    std::u16string modules;  // one character per module of the first row, first bar to last bar
    std::string text;        // zint's human-readable text, check characters included
};

Rendered Render(int symbology, const std::string& data)
{
    const std::unique_ptr<zint_symbol, ZintSymbolDeleter> symbol(ZBarcode_Create());
    symbol->symbology = symbology;
    const int rc = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                                   static_cast<int>(data.size()));
    Rendered rendered;
    if (rc >= ZINT_ERROR) {
        ADD_FAILURE() << symbology << " " << data << ": " << symbol->errtxt;
        return rendered;
    }
    for (int x = 0; x < symbol->width; ++x) {
        const bool bar = ((symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1) != 0;
        rendered.modules += bar ? u'1' : u'0';
    }
    // Some symbologies (Codabar) end with the gap after their last character; the module string
    // runs from the first bar to the last.
    const std::size_t first = rendered.modules.find(u'1');
    const std::size_t last = rendered.modules.rfind(u'1');
    rendered.modules = first == std::u16string::npos ? u"" : rendered.modules.substr(first, last - first + 1);
    rendered.text = reinterpret_cast<const char*>(symbol->text);
    return rendered;
}

std::u16string Utf16(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

void ExpectDecodes(const std::u16string& modules, std::u16string_view typeName, const std::string& text)
{
    const DecodedSymbol decoded = DecodeModuleString(modules);
    EXPECT_EQ(decoded.typeName, typeName);
    EXPECT_EQ(decoded.text, Utf16(text));
}

const std::string kCode39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

TEST(ZintRoundTrip, Code39AndLogmars)
{
    ExpectDecodes(Render(BARCODE_CODE39, kCode39Set).modules, u"Code39", kCode39Set);
    // LOGMARS prints the same characters 3:1.
    ExpectDecodes(test::ToTwoWidth(Render(BARCODE_LOGMARS, "LOGMARS-42").modules), u"Code39", "LOGMARS-42");
}

TEST(ZintRoundTrip, Code11KeepsBothCheckCharacters)
{
    for (const std::string data : {"123-45", "0123456789-"}) {
        const Rendered rendered = Render(BARCODE_CODE11, data);
        ASSERT_EQ(rendered.text.size(), data.size() + 2);
        ExpectDecodes(rendered.modules, u"Code11", rendered.text);
    }
}

TEST(ZintRoundTrip, CodabarDropsStartAndStop)
{
    ExpectDecodes(Render(BARCODE_CODABAR, "A0123456789B").modules, u"Codabar", "0123456789");
    ExpectDecodes(Render(BARCODE_CODABAR, "C-$:/.+D").modules, u"Codabar", "-$:/.+");
}

TEST(ZintRoundTrip, Code128AllSets)
{
    // Every printable character, in pieces below zint's 60-symbol limit.
    for (int from = ' '; from <= '~'; from += 32) {
        std::string printable;
        for (int c = from; c <= '~' && c < from + 32; ++c) {
            printable += static_cast<char>(c);
        }
        ExpectDecodes(Render(BARCODE_CODE128, printable).modules, u"Code128", printable);
    }
    ExpectDecodes(Render(BARCODE_CODE128, "Ab1").modules, u"Code128", "Ab1");
    ExpectDecodes(Render(BARCODE_CODE128, "Lot 42 / 0123456789 x").modules, u"Code128",
                  "Lot 42 / 0123456789 x");

    // Every set C pair, split over two symbols.
    std::string pairs;
    for (int v = 0; v < 100; ++v) {
        pairs += static_cast<char>('0' + v / 10);
        pairs += static_cast<char>('0' + v % 10);
    }
    for (const std::string& half : {pairs.substr(0, 100), pairs.substr(100)}) {
        ExpectDecodes(Render(BARCODE_CODE128, half).modules, u"Code128", half);
    }
    // A control character moves zint to set A, where it reads as "?".
    ExpectDecodes(Render(BARCODE_CODE128, "AB\tCD").modules, u"Code128", "AB?CD");
}

TEST(ZintRoundTrip, TwoOfFiveFamily)
{
    ExpectDecodes(test::ToTwoWidth(Render(BARCODE_C25INTER, "1234567890").modules), u"Interleaved25",
                  "1234567890");
    // An odd number of digits is padded with a leading zero.
    ExpectDecodes(test::ToTwoWidth(Render(BARCODE_C25INTER, "123").modules), u"Interleaved25", "0123");
    ExpectDecodes(test::ToTwoWidth(Render(BARCODE_C25IND, "1234567890").modules), u"Industrial25",
                  "1234567890");
    // The four-module start/stop bar and three-module wide elements both become two characters.
    ExpectDecodes(test::ToTwoWidth(Render(BARCODE_C25STANDARD, "1234567890").modules), u"Matrix25",
                  "1234567890");
}

TEST(ZintRoundTrip, EanAndUpcNames)
{
    for (const std::string data : {"590123412345", "400638133393", "978020137962", "123456789012",
                                   "312345678901", "012345678901"}) {
        const Rendered rendered = Render(BARCODE_EANX, data);
        ExpectDecodes(rendered.modules, data[0] == '0' ? u"UPC-A" : u"EAN 13", rendered.text);
    }
    const Rendered upcA = Render(BARCODE_UPCA, "03600029145");
    ExpectDecodes(upcA.modules, u"UPC-A", "0" + upcA.text);
    const Rendered ean8 = Render(BARCODE_EANX, "9638507");
    ExpectDecodes(ean8.modules, u"EAN 8", "0" + ean8.text);
}

TEST(ZintRoundTrip, UpcEBothNumberSystems)
{
    for (const std::string data : {"0123456", "1123456", "0654321", "1000001", "0425261"}) {
        const Rendered rendered = Render(BARCODE_UPCE, data);
        ASSERT_EQ(rendered.text.size(), 8U);
        ExpectDecodes(rendered.modules, u"UPC-E", rendered.text);
    }
}

}  // namespace
}  // namespace corvane
