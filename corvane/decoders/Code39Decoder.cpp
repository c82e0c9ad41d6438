#include "decoders/Code39Decoder.h"

#include <array>
#include <utility>

#include "decoders/PatternLookup.h"
#include "decoders/WidthPatterns.h"

namespace corvane {

namespace {

// Nine elements from the first bar, bars and spaces alternating; "w" wide, "n" narrow.
constexpr std::array<PatternRow, 44> kCode39Table{{
    {u"wnnwnnnnw", u"1"}, {u"nnwwnnnnw", u"2"}, {u"wnwwnnnnn", u"3"}, {u"nnnwwnnnw", u"4"},
    {u"wnnwwnnnn", u"5"}, {u"nnwwwnnnn", u"6"}, {u"nnnwnnwnw", u"7"}, {u"wnnwnnwnn", u"8"},
    {u"nnwwnnwnn", u"9"}, {u"nnnwwnwnn", u"0"}, {u"wnnnnwnnw", u"A"}, {u"nnwnnwnnw", u"B"},
    {u"wnwnnwnnn", u"C"}, {u"nnnnwwnnw", u"D"}, {u"wnnnwwnnn", u"E"}, {u"nnwnwwnnn", u"F"},
    {u"nnnnnwwnw", u"G"}, {u"wnnnnwwnn", u"H"}, {u"nnwnnwwnn", u"I"}, {u"nnnnwwwnn", u"J"},
    {u"wnnnnnnww", u"K"}, {u"nnwnnnnww", u"L"}, {u"wnwnnnnwn", u"M"}, {u"nnnnwnnww", u"N"},
    {u"wnnnwnnwn", u"O"}, {u"nnwnwnnwn", u"P"}, {u"nnnnnnwww", u"Q"}, {u"wnnnnnwwn", u"R"},
    {u"nnwnnnwwn", u"S"}, {u"nnnnwnwwn", u"T"}, {u"wwnnnnnnw", u"U"}, {u"nwwnnnnnw", u"V"},
    {u"wwwnnnnnn", u"W"}, {u"nwnnwnnnw", u"X"}, {u"wwnnwnnnn", u"Y"}, {u"nwwnwnnnn", u"Z"},
    {u"nwnnnnwnw", u"-"}, {u"wwnnnnwnn", u"."}, {u"nwwnnnwnn", u" "}, {u"nwnnwnwnn", u"*"},
    {u"nwnwnwnnn", u"$"}, {u"nwnwnnnwn", u"/"}, {u"nwnnnwnwn", u"+"}, {u"nnnwnwnwn", u"%"},
}};

constexpr std::ptrdiff_t kCharacterLetters = 9;
constexpr std::ptrdiff_t kStep = 10;  // nine elements and the inter-character gap

}  // namespace

std::u16string CCode39Decoder::Decode(std::u16string modules) const
{
    return LookupBetweenGuards(kCode39Table, ToWideNarrow(std::move(modules)), kStep, kCharacterLetters,
                               LetterCase::Folded);
}

}  // namespace corvane
