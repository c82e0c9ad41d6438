// Real symbols rendered by zint, read through the exported entry points.

#include "ZintSymbol.h"
#include "corvane.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <functional>
#include <string>

namespace corvane {
namespace {

using test::PageWithSymbol;
using test::RenderSymbol;

struct SymbolCase {
    const char* label;
    int symbology;
    const char* data;
    const char16_t* type;
    // Expected text from zint's human-readable text (check characters included).
    std::function<std::string(const std::string&)> expected;
};

std::string Same(const std::string& zintText) { return zintText; }
// Code 39 start and stop characters are not part of the text.
std::string WithoutStars(const std::string& zintText) { return zintText.substr(1, zintText.size() - 2); }
std::string Fixed(const char* text) { return text; }
// UPC-A and EAN-8 texts carry the implied leading zero of the 13-digit form.
std::string LeadingZero(const std::string& zintText) { return "0" + zintText; }

const SymbolCase kCases[] = {
    {"Code39", BARCODE_CODE39, "CODE-39 $/+%.", u"Code39", WithoutStars},
    {"Code11", BARCODE_CODE11, "123-45", u"Code11", Same},
    {"Code128B", BARCODE_CODE128, "Ab1-xyz", u"Code128", Same},
    {"Code128C", BARCODE_CODE128, "12345678", u"Code128", Same},
    {"Codabar", BARCODE_CODABAR, "A40156-$:/.+B", u"Codabar", [](const std::string&) { return Fixed("40156-$:/.+"); }},
    {"Interleaved25", BARCODE_C25INTER, "123456", u"Interleaved25", Same},
    {"Interleaved25Odd", BARCODE_C25INTER, "12345", u"Interleaved25", [](const std::string&) { return Fixed("012345"); }},
    {"Industrial25", BARCODE_C25IND, "12345", u"Industrial25", Same},
    {"Matrix25", BARCODE_C25STANDARD, "12345", u"Matrix25", Same},
    {"EAN13", BARCODE_EANX, "590123412345", u"EAN 13", Same},
    {"EAN8", BARCODE_EANX, "1234567", u"EAN 8", LeadingZero},
    {"UPCA", BARCODE_UPCA, "01234567890", u"UPC-A", LeadingZero},
    {"UPCE", BARCODE_UPCE, "0123456", u"UPC-E", Same},
};

std::u16string Utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string Narrow(const char16_t* text)
{
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}

void PrintTo(const SymbolCase& c, std::ostream* os) { *os << c.label; }

class EndToEnd : public ::testing::TestWithParam<std::tuple<SymbolCase, int>> {};

TEST_P(EndToEnd, ReadsTheSymbolWithItsNameTextAndFullScore)
{
    const auto& [c, moduleWidth] = GetParam();
    const auto symbol = RenderSymbol(c.symbology, c.data, moduleWidth);
    auto page = PageWithSymbol(symbol, 30 * moduleWidth);
    CorvaneBitmap bmp = page.Bitmap();
    const int count = ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 20, 0);
    const std::string expected = c.expected(symbol.text);

    ASSERT_EQ(count, 1) << "zint text " << symbol.text << "; first result "
                        << Narrow(GetBarCodeType(0)) << " " << Narrow(GetBarCodeValue(0));
    EXPECT_EQ(std::u16string(GetBarCodeType(0)), c.type);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), Utf16(expected));
    EXPECT_EQ(GetBarCodeScore(0), 100);
}

INSTANTIATE_TEST_SUITE_P(AllSymbologies, EndToEnd,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(1, 2, 3, 4)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) + "_" +
                                    std::to_string(std::get<1>(info.param)) + "px";
                         });

TEST(EndToEndPage, TwoSymbolsFarApartGiveTwoRecords)
{
    const auto a = RenderSymbol(BARCODE_CODE128, "LEFT-1", 2);
    const auto b = RenderSymbol(BARCODE_CODE39, "RIGHT2", 2);
    test::TestPage page(a.width + b.width + 200, std::max(a.height, b.height) + 40);
    page.Paste(20, 20, a.rgb.data(), a.width, a.height);
    page.Paste(a.width + 180, 20, b.rgb.data(), b.width, b.height);
    CorvaneBitmap bmp = page.Bitmap();
    ASSERT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 20, 3), 2);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"LEFT-1");
    EXPECT_EQ(std::u16string(GetBarCodeValue(1)), u"RIGHT2");
}

}  // namespace
}  // namespace corvane
