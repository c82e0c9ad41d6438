#include "tryharder/frontend/CheckCharacters.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "decoders/Code128Table.h"

namespace corvane::tryharder {

namespace {

bool AllDigits(std::u16string_view text)
{
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return !text.empty();
}

// The last digit against the weighted sum of the others: weight 3 on the digit next to the check,
// then 1, 3, ... leftwards. Leading zeros change nothing, so the decoder's forms need no trimming.
bool ModuloTenCheck(std::u16string_view digits)
{
    if (digits.size() < 2 || !AllDigits(digits)) {
        return false;
    }
    int sum = 0;
    int weight = 3;
    for (std::size_t i = digits.size() - 1; i-- > 0;) {
        sum += weight * (digits[i] - u'0');
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10 == digits.back() - u'0';
}

// UPC-E "N d1..d6 C" written out as the twelve UPC-A digits it stands for.
std::u16string ExpandUpcE(std::u16string_view t)
{
    const std::u16string_view ns = t.substr(0, 1);
    const std::u16string_view d = t.substr(1, 6);
    const std::u16string_view check = t.substr(7, 1);
    std::u16string out(ns);
    switch (d[5]) {
    case u'0':
    case u'1':
    case u'2':
        out.append(d.substr(0, 2)).append(1, d[5]).append(u"0000").append(d.substr(2, 3));
        break;
    case u'3':
        out.append(d.substr(0, 3)).append(u"00000").append(d.substr(3, 2));
        break;
    case u'4':
        out.append(d.substr(0, 4)).append(u"00000").append(d.substr(4, 1));
        break;
    default:
        out.append(d.substr(0, 5)).append(u"0000").append(d.substr(5, 1));
        break;
    }
    out.append(check);
    return out;
}

int Code11Value(char16_t c) { return c == u'-' ? 10 : c - u'0'; }

bool Code11Character(char16_t c) { return c == u'-' || (c >= u'0' && c <= u'9'); }

// The check character of `data` with weights 1, 2, ... maxWeight, 1, ... from the right, modulo 11.
int Code11Check(std::u16string_view data, int maxWeight)
{
    int sum = 0;
    int weight = 1;
    for (std::size_t i = data.size(); i-- > 0;) {
        sum += weight * Code11Value(data[i]);
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 11;
}

bool PassesCode11CAndK(std::u16string_view text)
{
    if (!std::all_of(text.begin(), text.end(), Code11Character))
        return false;
    const std::size_t n = text.size();
    return n >= 3 && Code11Check(text.substr(0, n - 2), 10) == Code11Value(text[n - 2]) &&
           Code11Check(text.substr(0, n - 1), 9) == Code11Value(text[n - 1]);
}

bool PassesCode11(std::u16string_view text)
{
    for (char16_t c : text) {
        if (!Code11Character(c)) {
            return false;
        }
    }
    const std::size_t n = text.size();
    const bool cOnly = n >= 2 && Code11Check(text.substr(0, n - 1), 10) == Code11Value(text[n - 1]);
    return cOnly || PassesCode11CAndK(text);
}

constexpr std::size_t kCode128SymbolModules = 11;
constexpr std::size_t kCode128StopModules = 13;

// Symbol values 99 to 105, which the text table leaves out: code C, B, A, FNC1, start A, B, C.
constexpr std::array<std::u16string_view, 7> kCode128HighValues{
    u"10111011110", u"10111101110", u"11101011110", u"11110101110",
    u"11010000100", u"11010010000", u"11010011100",
};

std::optional<int> Code128Value(std::u16string_view pattern)
{
    for (std::size_t v = 0; v < Code128Table.size(); ++v) {
        if (Code128Table[v].pattern == pattern) {
            return static_cast<int>(v);
        }
    }
    for (std::size_t v = 0; v < kCode128HighValues.size(); ++v) {
        if (kCode128HighValues[v] == pattern) {
            return static_cast<int>(Code128Table.size() + v);
        }
    }
    return std::nullopt;
}

// Start value plus each data symbol times its position, modulo 103, against the check symbol.
bool PassesCode128(std::u16string_view modules)
{
    if (modules.size() < 2 * kCode128SymbolModules + kCode128StopModules
        || (modules.size() - kCode128StopModules) % kCode128SymbolModules != 0) {
        return false;
    }
    const std::size_t symbols = (modules.size() - kCode128StopModules) / kCode128SymbolModules;
    constexpr int kFirstStart = 103;
    long sum = 0;
    for (std::size_t k = 0; k + 1 < symbols; ++k) {
        const std::optional<int> value = Code128Value(modules.substr(k * kCode128SymbolModules, kCode128SymbolModules));
        if (!value || (k == 0) != (*value >= kFirstStart)) {
            return false;  // an unknown pattern, a start symbol out of place, or no start
        }
        sum += static_cast<long>(k == 0 ? 1 : k) * *value;
    }
    const std::optional<int> check =
        Code128Value(modules.substr((symbols - 1) * kCode128SymbolModules, kCode128SymbolModules));
    return check && *check < kFirstStart && sum % 103 == *check;
}

}  // namespace

bool PassesCheck(std::u16string_view type, std::u16string_view text)
{
    if (type == u"EAN 13" || type == u"UPC-A") {
        return text.size() == 13 && ModuloTenCheck(text);
    }
    if (type == u"EAN 8") {
        return (text.size() == 9 || text.size() == 8) && ModuloTenCheck(text);
    }
    if (type == u"UPC-E") {
        return text.size() == 8 && AllDigits(text) && ModuloTenCheck(ExpandUpcE(text));
    }
    if (type == u"Code11") {
        return PassesCode11(text);
    }
    if (type == u"Unknown EAN/UPC-A") {
        return false;
    }
    // No check character, but characters that only start and stop a symbol cannot stand inside
    // its text: a misread that ends on one is no symbol.
    if (type == u"Code39") {
        return text.find(u'*') == std::u16string_view::npos;
    }
    if (type == u"Codabar") {
        return text.find_first_of(u"ABCD") == std::u16string_view::npos;
    }
    return true;
}

bool PassesCheck(std::u16string_view type, std::u16string_view text, std::u16string_view modules)
{
    if (type == u"Code128") {
        return PassesCode128(modules);
    }
    return PassesCheck(type, text);
}


bool PassesStrongCheck(std::u16string_view type, std::u16string_view text)
{
    return type == u"Code11" ? PassesCode11CAndK(text) : PassesCheck(type, text);
}

}  // namespace corvane::tryharder
