#include "decoders/BarcodeTypeCode.h"

#include <array>
#include <string_view>

#include "decoders/Substring.h"

namespace corvane {

namespace {

// Start and stop characters written as module strings (narrow = 1, wide = 2 characters).
// Unused alternative slots stay empty.
using Alternatives = std::array<std::u16string_view, 4>;

struct DetectRule {
    Alternatives starts;  // Left(length) must equal one of these
    Alternatives stops;   // Right(length) must equal one of these
    bool centreGuard;     // EAN/UPC-A centre guard required around the middle
    BarcodeTypeCode code;
};

// Codabar A, C, B and D; start and stop are chosen independently.
constexpr Alternatives kCodabarStartStop{u"1011001001", u"1010010011", u"1001001011", u"1010011001"};

// Order matters: EAN/UPC-A must be tried before UPC-E, whose end guard the former may also show.
constexpr std::array<DetectRule, 9> kRules{{
    {{u"110101"}, {u"110101"}, false, BarcodeMatrix25},
    {{u"100101101101"}, {u"100101101101"}, false, BarcodeCode39},
    {{u"101"}, {u"101"}, true, BarcodeEanUpc},
    {{u"101"}, {u"010101"}, false, BarcodeUpcE},
    {kCodabarStartStop, kCodabarStartStop, false, BarcodeCodabar},
    {{u"1011001"}, {u"1011001"}, false, BarcodeCode11},
    {{u"11010000100", u"11010010000", u"11010011100"}, {u"1100011101011"}, false, BarcodeCode128},
    {{u"1010"}, {u"1101"}, false, BarcodeInterleaved25},
    {{u"11011010"}, {u"1101011"}, false, BarcodeIndustrial25},
}};

bool MatchesOne(const Alternatives& literals, const std::u16string& modules, bool atStart)
{
    for (const std::u16string_view literal : literals) {
        if (literal.empty()) {
            continue;
        }
        const auto length = static_cast<std::ptrdiff_t>(literal.size());
        const std::u16string end = atStart ? Left(modules, length) : Right(modules, length);
        if (end == literal) {
            return true;
        }
    }
    return false;
}

bool HasCentreGuard(const std::u16string& modules)
{
    const auto half = static_cast<std::ptrdiff_t>(modules.size() / 2);
    return Mid(modules, half - 2, 5) == u"01010";
}

}  // namespace

BarcodeTypeCode DetectBarcodeType(const std::u16string& modules)
{
    for (const DetectRule& rule : kRules) {
        if (MatchesOne(rule.starts, modules, true) && MatchesOne(rule.stops, modules, false)
            && (!rule.centreGuard || HasCentreGuard(modules))) {
            return rule.code;
        }
    }
    return BarcodeUnknown;
}

}  // namespace corvane
