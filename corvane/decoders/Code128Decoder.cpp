#include "decoders/Code128Decoder.h"

#include <array>
#include <string_view>

#include "decoders/Code128Table.h"
#include "decoders/PatternLookup.h"
#include "decoders/Substring.h"

namespace corvane {

namespace {

enum class Code128Set { A = 0, B = 1, C = 2 };

constexpr std::ptrdiff_t kSymbolModules = 11;
// The check symbol (11 modules) and the stop (13) are never read; with the start this leaves 33.
constexpr std::ptrdiff_t kUnreadTail = 33;

struct StartSymbol {
    std::u16string_view pattern;
    Code128Set set;
};

constexpr std::array<StartSymbol, 3> kStarts{{
    {u"11010000100", Code128Set::A},
    {u"11010010000", Code128Set::B},
    {u"11010011100", Code128Set::C},
}};

constexpr std::u16string_view kCodeB = u"10111101110";  // value 100
constexpr std::u16string_view kCodeC = u"10111011110";  // value 99
constexpr std::u16string_view kCodeA = u"11101011110";  // value 101

Code128Set StartSet(const std::u16string& modules)
{
    const std::u16string start = Left(modules, kSymbolModules);
    for (const StartSymbol& symbol : kStarts) {
        if (symbol.pattern == start) {
            return symbol.set;
        }
    }
    return Code128Set::A;
}

std::u16string_view LookupSymbol(std::u16string_view slice, Code128Set set)
{
    for (const Code128Row& row : Code128Table) {
        if (row.pattern == slice) {
            switch (set) {
            case Code128Set::A:
                return row.setA;
            case Code128Set::B:
                return row.setB;
            case Code128Set::C:
                return row.setC;
            }
        }
    }
    return kUnreadable;
}

}  // namespace

std::u16string CCode128Decoder::Decode(std::u16string modules) const
{
    Code128Set set = StartSet(modules);
    const auto length = static_cast<std::ptrdiff_t>(modules.size());
    std::u16string text;
    for (std::ptrdiff_t off = kSymbolModules; off < length - kUnreadTail; off += kSymbolModules) {
        const std::u16string slice = Mid(modules, off, kSymbolModules);
        // A switch to the current set is not a switch: it is data (value 99 in set C) or FNC4.
        if (set != Code128Set::B && slice == kCodeB) {
            set = Code128Set::B;
        } else if (set != Code128Set::C && slice == kCodeC) {
            set = Code128Set::C;
        } else if (set != Code128Set::A && slice == kCodeA) {
            set = Code128Set::A;
        } else if (set == Code128Set::C && slice == kCodeC) {
            text += u"99";
        } else {
            text += LookupSymbol(slice, set);
        }
    }
    return text;
}

}  // namespace corvane
