// Interleaved, Industrial and Matrix 2 of 5.
#include <gtest/gtest.h>

#include "ModuleBuilder.h"
#include "decoders/DecoderDispatch.h"
#include "decoders/TwoOfFiveDecoders.h"

namespace corvane {
namespace {

// Digit patterns, five elements each, "w" wide and "n" narrow.
constexpr const char* kDigit[] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                  "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

TEST(Interleaved25, PairsOfBarsAndSpaces)
{
    const std::u16string modules = test::Interleaved25({{kDigit[1], kDigit[2]}, {kDigit[3], kDigit[4]}});
    const DecodedSymbol decoded = DecodeModuleString(modules);
    EXPECT_EQ(decoded.typeName, u"Interleaved25");
    EXPECT_EQ(decoded.text, u"1234");
    EXPECT_EQ(CInterleaved25Decoder{}.Decode(test::Interleaved25({{kDigit[9], kDigit[0]}})), u"90");
}

TEST(Interleaved25, MisreadAndShortGroups)
{
    const std::u16string modules = test::Interleaved25({{kDigit[1], kDigit[2]}, {kDigit[3], kDigit[4]}});
    // Widen the first bar of the second pair (a wide bar) to three modules.
    const std::size_t firstPairLength = test::Interleaved25({{kDigit[1], kDigit[2]}}).size() - 8;
    const std::size_t secondPair = 4 + firstPairLength;  // after the four-module start
    ASSERT_EQ(modules.substr(secondPair, 2), u"11");
    // The first pair is untouched; from the damaged pair on, the reading falls apart.
    const std::u16string text = CInterleaved25Decoder{}.Decode(test::WidenAt(modules, secondPair));
    EXPECT_EQ(text.substr(0, 2), u"12");
    EXPECT_NE(text.find(u'?'), std::u16string::npos);
    EXPECT_EQ(text.find(u"34"), std::u16string::npos);
    // One lone bar between start and stop: both groups fall short.
    EXPECT_EQ(CInterleaved25Decoder{}.Decode(u"1010" u"1" u"01101"), u"??");
    EXPECT_EQ(CInterleaved25Decoder{}.Decode(u"10101101"), u"");
}

TEST(Industrial25, SpacesAreIgnoredEvenWhenWide)
{
    const std::string bars = std::string(kDigit[1]) + kDigit[2] + kDigit[3] + kDigit[0];
    const DecodedSymbol decoded = DecodeModuleString(test::Industrial25(bars));
    EXPECT_EQ(decoded.typeName, u"Industrial25");
    EXPECT_EQ(decoded.text, u"1230");
    EXPECT_EQ(CIndustrial25Decoder{}.Decode(test::Industrial25(bars, 'w')), u"1230");
    // Four bars left over read as a short group.
    EXPECT_EQ(CIndustrial25Decoder{}.Decode(test::Industrial25(std::string(kDigit[7]) + "nnnn")), u"7?");
}

TEST(Matrix25, GapWidthDoesNotMatter)
{
    const std::u16string modules =
        test::Characters({"wnnnn", kDigit[1], kDigit[2], kDigit[3], kDigit[4], "wnnnn"});
    const DecodedSymbol decoded = DecodeModuleString(modules);
    EXPECT_EQ(decoded.typeName, u"Matrix25");
    EXPECT_EQ(decoded.text, u"1234");
    // Wide gaps after the data characters (the gap after the start stays narrow: it is stripped).
    const std::u16string wideGaps = u"1101010"
        + test::Characters({kDigit[5], kDigit[6], kDigit[7], kDigit[8], "wnnnn"}, 'w');
    EXPECT_EQ(CMatrix25Decoder{}.Decode(wideGaps), u"5678");
    EXPECT_EQ(CMatrix25Decoder{}.Decode(test::Characters({"wnnnn", kDigit[5], "wnnnn"})), u"5");
}

}  // namespace
}  // namespace corvane
