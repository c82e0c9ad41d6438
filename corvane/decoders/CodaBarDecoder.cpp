#include "decoders/CodaBarDecoder.h"

#include <array>
#include <utility>

#include "decoders/PatternLookup.h"
#include "decoders/WidthPatterns.h"

namespace corvane {

namespace {

// Seven elements (bar, space, ..., bar), "1" wide and "0" narrow.
constexpr std::array<PatternRow, 20> kCodabarTable{{
    {u"0000110", u"1"}, {u"0001001", u"2"}, {u"1100000", u"3"}, {u"0010010", u"4"},
    {u"1000010", u"5"}, {u"0100001", u"6"}, {u"0100100", u"7"}, {u"0110000", u"8"},
    {u"1001000", u"9"}, {u"0000011", u"0"}, {u"0011010", u"A"}, {u"0101001", u"B"},
    {u"0001011", u"C"}, {u"0001110", u"D"}, {u"0001100", u"-"}, {u"0011000", u"$"},
    {u"1000101", u":"}, {u"1010001", u"/"}, {u"1010100", u"."}, {u"0010101", u"+"},
}};

constexpr std::ptrdiff_t kCharacterElements = 7;
constexpr std::ptrdiff_t kStep = 8;  // seven elements and the gap, whatever the gap's width

}  // namespace

std::u16string CCodaBarDecoder::Decode(std::u16string modules)
{
    return LookupBetweenGuards(kCodabarTable, ToElementBits(std::move(modules)), kStep, kCharacterElements,
                               LetterCase::Exact);
}

}  // namespace corvane
