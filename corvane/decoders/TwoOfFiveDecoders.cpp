#include "decoders/TwoOfFiveDecoders.h"

#include <array>
#include <initializer_list>

#include "decoders/PatternLookup.h"
#include "decoders/Substring.h"
#include "decoders/WidthPatterns.h"

namespace corvane {

namespace {

constexpr std::array<PatternRow, 10> kTwoOfFiveTable{{
    {u"wnnnw", u"1"}, {u"nwnnw", u"2"}, {u"wwnnn", u"3"}, {u"nnwnw", u"4"}, {u"wnwnn", u"5"},
    {u"nwwnn", u"6"}, {u"nnnww", u"7"}, {u"wnnwn", u"8"}, {u"nwnwn", u"9"}, {u"nnwwn", u"0"},
}};

constexpr std::ptrdiff_t kDigitElements = 5;

// Module characters taken off each end before conversion: the start and stop characters.
struct Guards {
    std::ptrdiff_t start;
    std::ptrdiff_t stop;
};
constexpr Guards kInterleavedGuards{4, 4};  // "1010" ... "1101"
constexpr Guards kIndustrialGuards{8, 7};   // "11011010" (with the gap after it) ... "1101011"
constexpr Guards kMatrixGuards{7, 6};       // "110101" and its gap ... "110101"

std::u16string StripGuards(const std::u16string& modules, Guards guards)
{
    const auto length = static_cast<std::ptrdiff_t>(modules.size());
    return Mid(Left(modules, length - guards.stop), guards.start);
}

}  // namespace

std::u16string LookupTwoOfFive(std::u16string_view letters)
{
    return std::u16string(LookupLetters(kTwoOfFiveTable, std::u16string(letters)));
}

std::u16string CInterleaved25Decoder::Decode(std::u16string modules) const
{
    const std::u16string letters = ToWideNarrow(StripGuards(modules, kInterleavedGuards));
    const auto length = static_cast<std::ptrdiff_t>(letters.size());
    std::u16string text;
    for (std::ptrdiff_t e = 0; e < length; e += 2 * kDigitElements) {
        // Bars sit at even offsets of the pair, spaces at odd ones; letters past the end are
        // simply missing, which leaves a short group that reads as "?".
        for (std::ptrdiff_t first : {e, e + 1}) {
            std::u16string group;
            for (std::ptrdiff_t k = 0; k < kDigitElements; ++k) {
                group += Mid(letters, first + 2 * k, 1);
            }
            text += LookupTwoOfFive(group);
        }
    }
    return text;
}

std::u16string CIndustrial25Decoder::Decode(std::u16string modules) const
{
    const std::u16string bars = ToBarWideNarrow(StripGuards(modules, kIndustrialGuards));
    const auto length = static_cast<std::ptrdiff_t>(bars.size());
    std::u16string text;
    for (std::ptrdiff_t off = 0; off < length; off += kDigitElements) {
        text += LookupTwoOfFive(Mid(bars, off, kDigitElements));
    }
    return text;
}

std::u16string CMatrix25Decoder::Decode(std::u16string modules) const
{
    const std::u16string letters = ToWideNarrow(StripGuards(modules, kMatrixGuards));
    const auto length = static_cast<std::ptrdiff_t>(letters.size());
    std::u16string text;
    for (std::ptrdiff_t off = 0; off < length; off += kDigitElements + 1) {
        text += LookupTwoOfFive(Mid(letters, off, kDigitElements));
    }
    return text;
}

}  // namespace corvane
