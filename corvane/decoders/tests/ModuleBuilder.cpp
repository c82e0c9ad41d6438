#include "ModuleBuilder.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace corvane::test {

namespace {

// EAN/UPC set A widths (space, bar, space, bar) of the digits 0 to 9. Set C prints the same widths
// starting with a bar; set B is set C read backwards.
constexpr std::array<std::string_view, 10> kEanWidths{"3211", "2221", "2122", "1411", "1132",
                                                      "1231", "1114", "1312", "1213", "3112"};

std::string_view EanWidths(char digit)
{
    if (digit < '0' || digit > '9') {
        throw std::invalid_argument("EAN digit");
    }
    return kEanWidths[static_cast<std::size_t>(digit - '0')];
}

}  // namespace

std::u16string Runs(std::string_view widths, bool firstIsBar)
{
    std::u16string modules;
    bool bar = firstIsBar;
    for (const char w : widths) {
        modules.append(static_cast<std::size_t>(w - '0'), bar ? u'1' : u'0');
        bar = !bar;
    }
    return modules;
}

std::u16string WideNarrow(std::string_view letters, bool firstIsBar)
{
    std::string widths;
    for (const char c : letters) {
        widths += (c == 'w') ? '2' : '1';
    }
    return Runs(widths, firstIsBar);
}

std::u16string Characters(std::initializer_list<std::string_view> patterns, char gap)
{
    std::u16string modules;
    for (const std::string_view pattern : patterns) {
        if (!modules.empty()) {
            modules += WideNarrow(std::string(1, gap), false);
        }
        modules += WideNarrow(pattern);
    }
    return modules;
}

std::u16string Interleaved25(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs)
{
    std::string letters = "nnnn";
    for (const auto& [bars, spaces] : pairs) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            letters += bars[i];
            letters += spaces[i];
        }
    }
    letters += "wnn";
    return WideNarrow(letters);
}

std::u16string Industrial25(std::string_view dataBars, char dataSpace)
{
    std::u16string modules = WideNarrow("wnwnn");
    for (const char bar : dataBars) {
        modules += WideNarrow(std::string(1, dataSpace), false);
        modules += WideNarrow(std::string(1, bar));
    }
    modules += WideNarrow(std::string(1, dataSpace), false);
    modules += WideNarrow("wnnnw");
    return modules;
}

std::u16string EanLeft(char digit, char parity)
{
    if (parity == 'A' || parity == '0') {
        return Runs(EanWidths(digit), false);
    }
    std::string widths(EanWidths(digit));
    std::reverse(widths.begin(), widths.end());
    return Runs(widths, false);
}

std::u16string EanRight(char digit)
{
    return Runs(EanWidths(digit), true);
}

std::u16string EanSymbol(std::string_view leftDigits, std::string_view parity, std::string_view rightDigits)
{
    std::u16string modules = u"101";
    for (std::size_t i = 0; i < leftDigits.size(); ++i) {
        modules += EanLeft(leftDigits[i], parity[i]);
    }
    modules += u"01010";
    for (const char digit : rightDigits) {
        modules += EanRight(digit);
    }
    return modules + u"101";
}

std::u16string UpcESymbol(std::string_view digits, std::string_view parity)
{
    std::u16string modules = u"101";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        modules += EanLeft(digits[i], parity[i]);
    }
    return modules + u"010101";
}

std::u16string Code128(std::initializer_list<std::string_view> symbols)
{
    std::u16string modules;
    for (const std::string_view symbol : symbols) {
        modules += Runs(symbol);
    }
    return modules + Runs("2331112");
}

std::u16string ToTwoWidth(std::u16string_view modules)
{
    std::u16string result;
    std::size_t i = 0;
    while (i < modules.size()) {
        std::size_t j = i;
        while (j < modules.size() && modules[j] == modules[i]) {
            ++j;
        }
        result.append(j - i == 1 ? 1 : 2, modules[i]);
        i = j;
    }
    return result;
}

std::u16string WidenAt(std::u16string_view modules, std::size_t pos)
{
    std::u16string result(modules.substr(0, pos + 1));
    result += modules.substr(pos);
    return result;
}

std::u16string Reversed(std::u16string modules)
{
    std::reverse(modules.begin(), modules.end());
    return modules;
}

}  // namespace corvane::test
