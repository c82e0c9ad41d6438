// Code 128: sets, switches, function characters and the unread check symbol.
#include <gtest/gtest.h>

#include "ModuleBuilder.h"
#include "decoders/Code128Decoder.h"
#include "decoders/DecoderDispatch.h"

namespace corvane {
namespace {

using test::Code128;

// Symbol widths (bar, space, bar, space, bar, space) by value.
constexpr const char* kStartA = "211412";  // 103
constexpr const char* kStartB = "211214";  // 104
constexpr const char* kStartC = "211232";  // 105
constexpr const char* kCodeC = "113141";   // 99
constexpr const char* kCodeB = "114131";   // 100, FNC4 in set B
constexpr const char* kCodeA = "311141";   // 101, FNC4 in set A
constexpr const char* kFnc1 = "411131";    // 102
constexpr const char* k01 = "222122";      // 1
constexpr const char* k05 = "131222";      // 5
constexpr const char* k11 = "231212";      // 11
constexpr const char* k12 = "112232";      // 12
constexpr const char* k16 = "123122";      // 16
constexpr const char* k17 = "123221";      // 17: "1" in A and B
constexpr const char* k23 = "312131";      // 23
constexpr const char* k33 = "111323";      // 33: "A"
constexpr const char* k34 = "131123";      // 34: "B"
constexpr const char* k65 = "121124";      // 65: "a" in B, a control character in A
constexpr const char* k66 = "121421";      // 66: "b" in B
constexpr const char* k0 = "212222";       // 0: space

TEST(Code128, SetBLettersAndDigit)
{
    // Check value (104 + 33 + 2*66 + 3*17) mod 103 = 11.
    const DecodedSymbol decoded = DecodeModuleString(Code128({kStartB, k33, k66, k17, k11}));
    EXPECT_EQ(decoded.typeName, u"Code128");
    EXPECT_EQ(decoded.text, u"Ab1");
    // A wrong check symbol is not noticed.
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartB, k33, k66, k17, k0})), u"Ab1");
}

TEST(Code128, SetCPairsIncludingNinetyNine)
{
    // Check value (105 + 12 + 2*5 + 3*99) mod 103 = 12.
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartC, k12, k05, kCodeC, k12})), u"120599");
}

TEST(Code128, SwitchesOutputNothing)
{
    // Check value (103 + 33 + 2*100 + 3*65) mod 103 = 16.
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartA, k33, kCodeB, k65, k16})), u"Aa");
    // A, to C, 99, 12, to A, B (check symbol arbitrary).
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartA, k33, kCodeC, kCodeC, k12, kCodeA, k34, k0})),
              u"A9912B");
    // Control characters of set A are not rendered.
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartA, k65, k33, k0})), u"?A");
}

TEST(Code128, FunctionCharactersReadAsUnknown)
{
    // FNC4 in set B leaves the set unchanged: "b" after it is still set B.
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartB, k33, kCodeB, k66, k0})), u"A?b");
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartA, k33, kCodeA, k33, k0})), u"A?A");
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartC, kFnc1, k01, k23, k0})), u"?0123");
}

TEST(Code128, ShortAndDamagedStrings)
{
    const std::u16string one = Code128({kStartB, k33, k0});
    ASSERT_EQ(one.size(), 46U);
    EXPECT_EQ(CCode128Decoder{}.Decode(one), u"A");
    EXPECT_EQ(CCode128Decoder{}.Decode(Code128({kStartB, k0})), u"");
    EXPECT_EQ(CCode128Decoder{}.Decode(u""), u"");

    // One module too many inside "b" shifts everything after it.
    const std::u16string shifted = test::WidenAt(Code128({kStartB, k33, k66, k17, k11}), 22);
    EXPECT_EQ(CCode128Decoder{}.Decode(shifted), u"A??");
}

}  // namespace
}  // namespace corvane
