// Substring clamping, the classifier's order and the wide/narrow conversions.
#include <gtest/gtest.h>

#include "ModuleBuilder.h"
#include "decoders/BarcodeTypeCode.h"
#include "decoders/DecoderDispatch.h"
#include "decoders/Substring.h"
#include "decoders/TwoOfFiveDecoders.h"
#include "decoders/WidthPatterns.h"

namespace corvane {
namespace {

using test::Characters;
using test::EanSymbol;
using test::UpcESymbol;

TEST(Substring, ClampsToTheText)
{
    const std::u16string s = u"abcdef";
    EXPECT_EQ(Left(s, 2), u"ab");
    EXPECT_EQ(Left(s, 10), s);
    EXPECT_EQ(Left(s, 0), u"");
    EXPECT_EQ(Left(s, -3), u"");
    EXPECT_EQ(Right(s, 2), u"ef");
    EXPECT_EQ(Right(s, 10), s);
    EXPECT_EQ(Right(s, -1), u"");
    EXPECT_EQ(Mid(s, 1, 3), u"bcd");
    EXPECT_EQ(Mid(s, -2, 3), u"abc");  // start clamps to 0, the count is kept
    EXPECT_EQ(Mid(s, 2, -1), u"");
    EXPECT_EQ(Mid(s, 4, 10), u"ef");
    EXPECT_EQ(Mid(s, 6, 1), u"");
    EXPECT_EQ(Mid(s, 60, 1), u"");
    EXPECT_EQ(Mid(s, 3), u"def");
    EXPECT_EQ(Mid(s, -1), s);
    EXPECT_EQ(Mid(s, 7), u"");
    EXPECT_EQ(Mid(u"", 0, 0), u"");
}

TEST(Conversions, ReplaceLeftToRightInStepOrderAndFoldCase)
{
    // Industrial 2 of 5 stop.
    EXPECT_EQ(ToWideNarrow(u"1101011"), u"WnNnW");
    EXPECT_EQ(ToBarWideNarrow(u"1101011"), u"WNW");
    // Code 11 start.
    EXPECT_EQ(ToElementBits(u"1011001"), u"00110");
    // Runs of three and four split left first.
    EXPECT_EQ(ToWideNarrow(u"111"), u"WN");
    EXPECT_EQ(ToWideNarrow(u"1111000"), u"WWwn");
    EXPECT_EQ(ToBarWideNarrow(u"10011100"), u"NWN");
    EXPECT_EQ(ToElementBits(u"1110001"), u"10100");
    EXPECT_EQ(ToElementBits(u""), u"");
    // 2-of-5 lookup folds bar and space letters alike.
    EXPECT_EQ(LookupTwoOfFive(u"WNNNW"), u"1");
    EXPECT_EQ(LookupTwoOfFive(u"wNnNw"), u"1");
    EXPECT_EQ(LookupTwoOfFive(u"nnwwn"), u"0");
    EXPECT_EQ(LookupTwoOfFive(u"wwwnn"), u"?");
    EXPECT_EQ(LookupTwoOfFive(u"wnnn"), u"?");
}

TEST(Classifier, CodabarStartAndStopMayDiffer)
{
    // Start and stop characters A, B, C, D in every pairing.
    const char* const ends[] = {"nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn"};
    for (const char* start : ends) {
        for (const char* stop : ends) {
            EXPECT_EQ(DetectBarcodeType(Characters({start, "nnnnwwn", stop})), BarcodeCodabar)
                << start << " " << stop;
        }
    }
}

TEST(Classifier, CentreGuardWinsOverUpcEAndInterleaved)
{
    std::u16string upcE = UpcESymbol("123456", "100110");
    const std::size_t centre = upcE.size() / 2 - 2;
    ASSERT_NE(upcE.substr(centre, 5), u"01010");
    ASSERT_EQ(DetectBarcodeType(upcE), BarcodeUpcE);
    upcE.replace(centre, 5, u"01010");
    EXPECT_EQ(DetectBarcodeType(upcE), BarcodeEanUpc);

    // An Interleaved 2 of 5 string (starts "1010", ends "1101") with "01010" in its middle.
    const std::u16string interleaved = u"10101101" u"01010" u"1101101";
    ASSERT_EQ(interleaved.substr(interleaved.size() / 2 - 2, 5), u"01010");
    EXPECT_EQ(DetectBarcodeType(interleaved), BarcodeEanUpc);
}

TEST(Classifier, Code128LooksOnlyAtStartAndStop)
{
    const std::u16string stop = u"1100011101011";
    EXPECT_EQ(DetectBarcodeType(u"11010011100" + std::u16string(30, u'1') + stop), BarcodeCode128);
    EXPECT_EQ(DetectBarcodeType(u"11010000100" + stop), BarcodeCode128);
    EXPECT_EQ(DetectBarcodeType(u"11010010000" + stop.substr(1)), BarcodeUnknown);
}

TEST(Classifier, ReversedSymbolsAreOnlySeenAsEan)
{
    const std::u16string ean13 = EanSymbol("234567", "001011", "890128");
    const std::u16string reversed(ean13.rbegin(), ean13.rend());
    EXPECT_EQ(DetectBarcodeType(reversed), BarcodeEanUpc);
    const DecodedSymbol decoded = DecodeModuleString(reversed);
    EXPECT_EQ(decoded.text, u"");
    EXPECT_EQ(decoded.typeName, u"Unknown EAN/UPC-A");

    const std::u16string code128 = test::Code128({"211214", "111323", "111323"});
    EXPECT_EQ(DetectBarcodeType(code128), BarcodeCode128);
    EXPECT_EQ(DetectBarcodeType(std::u16string(code128.rbegin(), code128.rend())), BarcodeUnknown);
}

TEST(Classifier, UnrecognisedStringsDecodeToNothing)
{
    EXPECT_EQ(DetectBarcodeType(u""), BarcodeUnknown);
    EXPECT_EQ(DetectBarcodeType(u"101"), BarcodeUnknown);
    const DecodedSymbol decoded = DecodeModuleString(u"1110001110001110001110001");
    EXPECT_EQ(decoded.typeName, u"");
    EXPECT_EQ(decoded.text, u"");
}

}  // namespace
}  // namespace corvane
