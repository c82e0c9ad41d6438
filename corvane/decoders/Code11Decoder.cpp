#include "decoders/Code11Decoder.h"

#include <array>
#include <utility>

#include "decoders/PatternLookup.h"
#include "decoders/Substring.h"
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
    const std::u16string bits = ToElementBits(std::move(modules));
    const auto length = static_cast<std::ptrdiff_t>(bits.size());
    std::u16string text;
    for (std::ptrdiff_t off = kStep; off < length - kStep; off += kStep) {
        text += LookupPattern(kCode11Table, Mid(bits, off, kCharacterElements));
    }
    return text;
}

}  // namespace corvane
