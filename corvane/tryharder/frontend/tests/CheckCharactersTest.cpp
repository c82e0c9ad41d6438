// Check characters of texts the decoders return from real zint symbols: right ones pass, a
// changed digit or check character fails.
#include <gtest/gtest.h>
#include <zint.h>

#include <string>

#include "ZintModules.h"
#include "decoders/DecoderDispatch.h"
#include "tryharder/frontend/CheckCharacters.h"

namespace corvane::tryharder {
namespace {

using corvane::test::EncodeWithZint;

// The decoded text with the character at `pos` moved one step through the symbology's alphabet.
std::u16string Changed(std::u16string text, std::size_t pos, char16_t last = u'9')
{
    text[pos] = text[pos] == last ? u'0' : static_cast<char16_t>(text[pos] + 1);
    return text;
}

struct Checked {
    int symbology;
    std::string data;
    std::u16string_view type;
};

TEST(CheckCharacters, EanUpcRightAndWrong)
{
    const Checked cases[] = {
        {BARCODE_EANX, "590123412345", u"EAN 13"}, {BARCODE_EANX, "978020137962", u"EAN 13"},
        {BARCODE_UPCA, "03600029145", u"UPC-A"},   {BARCODE_EANX, "9638507", u"EAN 8"},
        {BARCODE_UPCE, "0123456", u"UPC-E"},       {BARCODE_UPCE, "1123456", u"UPC-E"},
        {BARCODE_UPCE, "0425261", u"UPC-E"},       {BARCODE_UPCE, "0123453", u"UPC-E"},
        {BARCODE_UPCE, "0123404", u"UPC-E"},       {BARCODE_UPCE, "0120340", u"UPC-E"},
    };
    for (const Checked& c : cases) {
        const DecodedSymbol decoded = DecodeModuleString(EncodeWithZint(c.symbology, c.data).modules);
        ASSERT_EQ(decoded.typeName, c.type) << c.data;
        EXPECT_TRUE(PassesCheck(decoded.typeName, decoded.text)) << c.data;
        // Any one digit changed, the check digit included, fails; so does an unread one.
        for (std::size_t pos = 1; pos < decoded.text.size(); ++pos) {
            EXPECT_FALSE(PassesCheck(decoded.typeName, Changed(decoded.text, pos))) << c.data << " at " << pos;
        }
        std::u16string unread = decoded.text;
        unread[2] = u'?';
        EXPECT_FALSE(PassesCheck(decoded.typeName, unread)) << c.data;
    }
    EXPECT_FALSE(PassesCheck(u"EAN 13", u"590123412345"));  // one digit short
    EXPECT_FALSE(PassesCheck(u"Unknown EAN/UPC-A", u"05901234123457"));
}

TEST(CheckCharacters, Code11WithOneOrTwoCheckCharacters)
{
    const DecodedSymbol decoded = DecodeModuleString(EncodeWithZint(BARCODE_CODE11, "123-45").modules);
    ASSERT_EQ(decoded.text, u"123-4552");  // C = 5, K = 2
    EXPECT_TRUE(PassesCheck(u"Code11", decoded.text));
    EXPECT_TRUE(PassesCheck(u"Code11", u"123-455"));  // C alone
    EXPECT_FALSE(PassesCheck(u"Code11", u"123-4553"));
    EXPECT_FALSE(PassesCheck(u"Code11", u"123-4562"));
    EXPECT_FALSE(PassesCheck(u"Code11", u"124-4552"));
    EXPECT_FALSE(PassesCheck(u"Code11", u"123-?552"));
    // A C of ten is written "-"; the K weights wrap after nine.
    const DecodedSymbol longer = DecodeModuleString(EncodeWithZint(BARCODE_CODE11, "0123456789-").modules);
    EXPECT_TRUE(PassesCheck(u"Code11", longer.text));
    EXPECT_FALSE(PassesCheck(u"Code11", Changed(longer.text, 4)));
}

TEST(CheckCharacters, Code128NeedsTheModuleString)
{
    for (const std::string data : {"Lot 42 / 0123456789 x", "AB\tCD", "12345678"}) {
        const std::u16string modules = EncodeWithZint(BARCODE_CODE128, data).modules;
        const DecodedSymbol decoded = DecodeModuleString(modules);
        ASSERT_EQ(decoded.typeName, u"Code128");
        EXPECT_TRUE(PassesCheck(decoded.typeName, decoded.text, modules)) << data;
        // Swapping two data symbols keeps every pattern valid but moves the weights.
        std::u16string swapped = modules;
        swapped.replace(11, 11, modules.substr(22, 11)).replace(22, 11, modules.substr(11, 11));
        ASSERT_NE(swapped, modules);
        EXPECT_FALSE(PassesCheck(decoded.typeName, decoded.text, swapped)) << data;
        // A symbol that is no symbol, and a string cut short.
        std::u16string broken = modules;
        broken.replace(11, 11, u"11111111100");
        EXPECT_FALSE(PassesCheck(decoded.typeName, decoded.text, broken)) << data;
        EXPECT_FALSE(PassesCheck(decoded.typeName, decoded.text, modules.substr(11))) << data;
    }
}

}  // namespace
}  // namespace corvane::tryharder
