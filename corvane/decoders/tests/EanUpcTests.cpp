// EAN-13, UPC-A, EAN-8 and UPC-E: parity, names, and which misreads empty the text.
#include <gtest/gtest.h>

#include "ModuleBuilder.h"
#include "decoders/DecoderDispatch.h"
#include "decoders/EanUpcDecoder.h"
#include "decoders/UpcEDecoder.h"

namespace corvane {
namespace {

using test::EanSymbol;
using test::UpcESymbol;

TEST(EanUpc, LeadingDigitFromParity)
{
    CEanUpcDecoder decoder;
    EXPECT_EQ(decoder.Decode(EanSymbol("234567", "001011", "890128")), u"1234567890128");
    EXPECT_EQ(decoder.symbologyName, u"EAN 13");
    EXPECT_EQ(decoder.parityString, u"001011");

    const DecodedSymbol nine = DecodeModuleString(EanSymbol("780201", "011010", "379629"));
    EXPECT_EQ(nine.typeName, u"EAN 13");
    EXPECT_EQ(nine.text, u"9780201379629");
}

TEST(EanUpc, UpcAAndEan8AreNamedByDigitCount)
{
    const DecodedSymbol upcA = DecodeModuleString(EanSymbol("036000", "000000", "291452"));
    EXPECT_EQ(upcA.typeName, u"UPC-A");
    EXPECT_EQ(upcA.text, u"0036000291452");

    const DecodedSymbol ean8 = DecodeModuleString(EanSymbol("9638", "0000", "5074"));
    EXPECT_EQ(ean8.typeName, u"EAN 8");
    EXPECT_EQ(ean8.text, u"096385074");

    // Five left characters whose parity starts a known row.
    const DecodedSymbol five = DecodeModuleString(EanSymbol("12345", "00101", "67890"));
    EXPECT_EQ(five.typeName, u"Unknown EAN/UPC-A");
    EXPECT_EQ(five.text, u"11234567890");
}

TEST(EanUpc, CheckDigitIsReportedAsRead)
{
    EXPECT_EQ(DecodeModuleString(EanSymbol("234567", "001011", "890127")).text, u"1234567890127");
}

TEST(EanUpc, RightHalfMisreadIsKeptLeftHalfMisreadEmpties)
{
    std::u16string modules = EanSymbol("234567", "001011", "890128");
    const std::size_t rightStart = 3 + 42 + 5;
    std::u16string damagedRight = modules;
    damagedRight.replace(rightStart + 7, 7, u"1111111");
    const DecodedSymbol right = DecodeModuleString(damagedRight);
    EXPECT_EQ(right.typeName, u"EAN 13");
    EXPECT_EQ(right.text, u"12345678?0128");

    modules.replace(3 + 7, 7, u"0000000");
    CEanUpcDecoder decoder;
    EXPECT_EQ(decoder.Decode(modules), u"");
    EXPECT_EQ(decoder.symbologyName, u"Unknown EAN/UPC-A");
}

TEST(EanUpc, ParityNoRowAcceptsGivesNothing)
{
    // Even parity first: no leading digit starts that way.
    CEanUpcDecoder decoder;
    EXPECT_EQ(decoder.Decode(EanSymbol("234567", "100000", "890128")), u"");
    EXPECT_EQ(decoder.symbologyName, u"Unknown EAN/UPC-A");
    // Three left characters are too few.
    EXPECT_EQ(decoder.Decode(EanSymbol("123", "000", "456")), u"");
}

TEST(UpcE, NumberSystemAndCheckDigitFromParity)
{
    CUpcEDecoder decoder;
    EXPECT_EQ(decoder.Decode(UpcESymbol("123456", "100110")), u"01234565");
    EXPECT_EQ(decoder.parityString, u"100110");
    EXPECT_EQ(decoder.Decode(UpcESymbol("123456", "011001")), u"11234565");

    const DecodedSymbol decoded = DecodeModuleString(UpcESymbol("654321", "111000"));
    EXPECT_EQ(decoded.typeName, u"UPC-E");
    EXPECT_EQ(decoded.text, u"06543210");
    EXPECT_EQ(DecodeModuleString(UpcESymbol("654321", "011010")).text, u"16543219");
}

TEST(UpcE, FailuresGiveNothing)
{
    CUpcEDecoder decoder;
    EXPECT_EQ(decoder.Decode(UpcESymbol("12345", "10011")), u"");
    EXPECT_EQ(decoder.Decode(UpcESymbol("123456", "000000")), u"");
    std::u16string damaged = UpcESymbol("123456", "100110");
    damaged.replace(3 + 14, 7, u"1111111");
    EXPECT_EQ(decoder.Decode(damaged), u"");
    EXPECT_EQ(decoder.Decode(u"101010101"), u"");
}

}  // namespace
}  // namespace corvane
