#pragma once
// EAN/UPC number sets: A (odd parity, left half), B (even parity, left half) and C (right half),
// seven modules each, for the digits 0 to 9 in order.
#include <array>
#include <string_view>

namespace corvane {

struct EanDigitRow {
    std::u16string_view setA;
    std::u16string_view setB;
    std::u16string_view setC;
    std::u16string_view digit;
};

inline constexpr std::array<EanDigitRow, 10> kEanDigitTable{{
    {u"0001101", u"0100111", u"1110010", u"0"},
    {u"0011001", u"0110011", u"1100110", u"1"},
    {u"0010011", u"0011011", u"1101100", u"2"},
    {u"0111101", u"0100001", u"1000010", u"3"},
    {u"0100011", u"0011101", u"1011100", u"4"},
    {u"0110001", u"0111001", u"1001110", u"5"},
    {u"0101111", u"0000101", u"1010000", u"6"},
    {u"0111011", u"0010001", u"1000100", u"7"},
    {u"0110111", u"0001001", u"1001000", u"8"},
    {u"0001011", u"0010111", u"1110100", u"9"},
}};

inline constexpr std::ptrdiff_t kEanCharacterModules = 7;
inline constexpr std::ptrdiff_t kEanGuardModules = 3;  // the "101" guard at either end

// A left-half character: set A first, then set B. Appends "0" (A) or "1" (B) to parity when read;
// leaves parity alone and returns "?" when not.
std::u16string_view LookupEanLeft(std::u16string_view slice, std::u16string& parity);

}  // namespace corvane
