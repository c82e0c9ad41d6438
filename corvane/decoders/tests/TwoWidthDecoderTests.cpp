// Code 39, Codabar and Code 11: narrow = one module character, wide = two.
#include <gtest/gtest.h>

#include <memory>

#include "ModuleBuilder.h"
#include "decoders/CodaBarDecoder.h"
#include "decoders/Code11Decoder.h"
#include "decoders/Code39Decoder.h"
#include "decoders/DecoderDispatch.h"

namespace corvane {
namespace {

using test::Characters;

// Code 39 characters, nine elements from the first bar.
constexpr const char* kStar = "nwnnwnwnn";
constexpr const char* kA = "wnnnnwnnw";
constexpr const char* kB = "nnwnnwnnw";
constexpr const char* k1 = "wnnwnnnnw";

TEST(Code39, ReadsCharactersBetweenStartAndStop)
{
    const DecodedSymbol decoded = DecodeModuleString(Characters({kStar, kA, k1, kStar}));
    EXPECT_EQ(decoded.typeName, u"Code39");
    EXPECT_EQ(decoded.text, u"A1");
    // A wide inter-character gap is never examined.
    EXPECT_EQ(CCode39Decoder{}.Decode(Characters({kStar, kA, k1, kStar}, 'w')), u"A1");
    // An embedded "*" is data like any other character.
    EXPECT_EQ(CCode39Decoder{}.Decode(Characters({kStar, kA, kStar, kB, kStar})), u"A*B");
    // Start and stop alone (19 letters) or less give nothing.
    EXPECT_EQ(CCode39Decoder{}.Decode(Characters({kStar, kStar})), u"");
    EXPECT_EQ(CCode39Decoder{}.Decode(u""), u"");
}

TEST(Code39, ThreeModuleElementMisalignsTheRest)
{
    const std::u16string modules = Characters({kStar, kA, k1, kB, kStar});
    // The first element of "A" is a wide bar: print it three modules wide.
    const std::size_t firstBarOfA = test::Elements(kStar).size() + 1;
    ASSERT_EQ(modules.substr(firstBarOfA, 3), u"110");
    EXPECT_EQ(CCode39Decoder{}.Decode(test::WidenAt(modules, firstBarOfA)), u"???");
}

// Codabar characters, seven elements from the first bar.
constexpr const char* kCodabarA = "nnwwnwn";
constexpr const char* kCodabarB = "nwnwnnw";

TEST(Codabar, MixedStartAndStopAreNotOutput)
{
    const std::u16string modules = Characters(
        {kCodabarA, "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", kCodabarB});
    const DecodedSymbol decoded = DecodeModuleString(modules);
    EXPECT_EQ(decoded.typeName, u"Codabar");
    EXPECT_EQ(decoded.text, u"12345");

    // Called through the decoder interface, with wide gaps between the characters.
    const std::unique_ptr<IBarcodeDecoders> decoder = std::make_unique<CCodaBarDecoder>();
    EXPECT_EQ(decoder->Decode(Characters(
                  {kCodabarA, "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", kCodabarB}, 'w')),
              u"12345");
    EXPECT_EQ(decoder->Decode(Characters({kCodabarA, kCodabarB})), u"");
}

TEST(Codabar, PunctuationAndInnerStartStopLetters)
{
    const std::u16string modules = Characters({kCodabarB, "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw",
                                               "wnwnwnn", "nnwnwnw", "nnnwnww", "nnnnnww", kCodabarA});
    EXPECT_EQ(CCodaBarDecoder{}.Decode(modules), u"-$:/.+C0");
}

// Code 11 characters, five elements from the first bar.
constexpr const char* kCode11Start = "nnwwn";

TEST(Code11, KeepsTheCheckCharacter)
{
    // 1 2 3 - 4 5 and the C check character 5.
    const std::u16string modules = Characters(
        {kCode11Start, "wnnnw", "nwnnw", "wwnnn", "nnwnn", "nnwnw", "wnwnn", "wnwnn", kCode11Start});
    const DecodedSymbol decoded = DecodeModuleString(modules);
    EXPECT_EQ(decoded.typeName, u"Code11");
    EXPECT_EQ(decoded.text, u"123-455");
}

TEST(Code11, StartPatternInsideDataIsUnread)
{
    EXPECT_EQ(CCode11Decoder{}.Decode(Characters({kCode11Start, "wnnnw", kCode11Start, "nwnnw", kCode11Start})),
              u"1?2");
    EXPECT_EQ(CCode11Decoder{}.Decode(Characters({kCode11Start, kCode11Start})), u"");
}

}  // namespace
}  // namespace corvane
