#include "decoders/EanUpcDecoder.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "decoders/EanDigitTable.h"
#include "decoders/PatternLookup.h"
#include "decoders/Substring.h"

namespace corvane {

namespace {

// Parity of the six left characters for each leading digit, "0" odd and "1" even.
constexpr std::array<std::u16string_view, 10> kLeadingDigitParity{
    u"000000", u"001011", u"001101", u"001110", u"010011",
    u"011001", u"011100", u"010101", u"010110", u"011010",
};

constexpr std::u16string_view kUnknownName = u"Unknown EAN/UPC-A";
constexpr std::size_t kMinLeftDigits = 4;

std::u16string_view LookupRight(std::u16string_view slice)
{
    for (const EanDigitRow& row : kEanDigitTable) {
        if (row.setC == slice) {
            return row.digit;
        }
    }
    return kUnreadable;
}

std::u16string_view NameFor(std::size_t leftDigits, std::size_t leadingDigit)
{
    if (leftDigits == 6) {
        return leadingDigit == 0 ? u"UPC-A" : u"EAN 13";
    }
    if (leftDigits == 4) {
        return u"EAN 8";
    }
    return kUnknownName;
}

}  // namespace

std::u16string CEanUpcDecoder::Decode(std::u16string modules)
{
    symbologyName = kUnknownName;
    parityString.clear();

    const auto half = static_cast<std::ptrdiff_t>(modules.size() / 2);
    // The centre guard "01010" occupies half - 2 ... half + 2.
    const std::u16string left = Mid(modules, 0, half - 2);
    const std::u16string right = Mid(modules, half + 3);

    std::u16string leftDigits;
    const auto leftLength = static_cast<std::ptrdiff_t>(left.size());
    if (leftLength > kEanGuardModules) {
        for (std::ptrdiff_t off = kEanGuardModules; off < leftLength; off += kEanCharacterModules) {
            leftDigits += LookupEanLeft(Mid(left, off, kEanCharacterModules), parityString);
        }
    }
    if (leftDigits.find(kUnreadable) != std::u16string::npos || leftDigits.size() < kMinLeftDigits) {
        return {};
    }

    std::size_t leading = 0;
    while (leading < kLeadingDigitParity.size()
           && Left(kLeadingDigitParity[leading], static_cast<std::ptrdiff_t>(parityString.size()))
                  != parityString) {
        ++leading;
    }
    if (leading == kLeadingDigitParity.size()) {
        return {};
    }
    symbologyName = NameFor(leftDigits.size(), leading);

    std::u16string text(1, static_cast<char16_t>(u'0' + leading));
    text += leftDigits;
    const auto rightLength = static_cast<std::ptrdiff_t>(right.size());
    if (rightLength > kEanGuardModules) {
        for (std::ptrdiff_t off = 0; off < rightLength - kEanGuardModules; off += kEanCharacterModules) {
            text += LookupRight(Mid(right, off, kEanCharacterModules));
        }
    }
    return text;
}

}  // namespace corvane
