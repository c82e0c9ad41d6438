#include "decoders/Code11Decoder.h"

#include <array>
#include <utility>

#include "decoders/PatternLookup.h"
#include "decoders/WidthPatterns.h"

namespace corvane {

namespace {

// Five elements (bar, space, bar, space, bar), "1" wide and "0" narrow.
constexpr std::array<PatternRow, 11> kCode11Table{{
    {u"10001", u"1"}, {u"01001", u"2"}, {u"11000", u"3"}, {u"00101", u"4"},
    {u"10100", u"5"}, {u"01100", u"6"}, {u"00011", u"7"}, {u"10010", u"8"},
    {u"10000", u"9"}, {u"00001", u"0"}, {u"00100", u"-"},
}};

constexpr std::ptrdiff_t kCharacterElements = 5;
constexpr std::ptrdiff_t kStep = 6;  // five elements and the gap

}  // namespace

std::u16string CCode11Decoder::Decode(std::u16string modules) const
{
    return LookupBetweenGuards(kCode11Table, ToElementBits(std::move(modules)), kStep, kCharacterElements,
                               LetterCase::Exact);
}

}  // namespace corvane
