#include "decoders/UpcEDecoder.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "decoders/EanDigitTable.h"
#include "decoders/PatternLookup.h"
#include "decoders/Substring.h"

namespace corvane {

namespace {

// Rows 0-9: number system 0, rows 10-19: number system 1; within each half the index is the
// check digit. Searched in this order.
constexpr std::array<std::u16string_view, 20> kUpcEParity{
    u"111000", u"110100", u"110010", u"110001", u"101100",
    u"100110", u"100011", u"101010", u"101001", u"100101",
    u"000111", u"001011", u"001101", u"001110", u"010011",
    u"011001", u"011100", u"010101", u"010110", u"011010",
};

// A character is read only when it starts at least this far from the end: the six-module end
// guard "010101" and three modules more.
constexpr std::ptrdiff_t kTailModules = 9;
constexpr std::size_t kMinDigits = 4;

}  // namespace

std::u16string CUpcEDecoder::Decode(std::u16string modules)
{
    parityString.clear();
    std::u16string digits;
    const auto dataEnd = static_cast<std::ptrdiff_t>(modules.size()) - kTailModules;
    if (dataEnd > kEanGuardModules) {
        for (std::ptrdiff_t off = kEanGuardModules; off < dataEnd; off += kEanCharacterModules) {
            digits += LookupEanLeft(Mid(modules, off, kEanCharacterModules), parityString);
        }
    }
    if (digits.find(kUnreadable) != std::u16string::npos || digits.size() < kMinDigits) {
        return {};
    }
    for (std::size_t row = 0; row < kUpcEParity.size(); ++row) {
        if (kUpcEParity[row] == parityString) {
            const std::size_t numberSystem = row / 10;
            const std::size_t checkDigit = row % 10;
            std::u16string text(1, static_cast<char16_t>(u'0' + numberSystem));
            text += digits;
            text += static_cast<char16_t>(u'0' + checkDigit);
            return text;
        }
    }
    return {};
}

}  // namespace corvane
