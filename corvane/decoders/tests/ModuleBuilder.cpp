#include "ModuleBuilder.h"

#include <array>

namespace corvane::test {

namespace {

// EAN/UPC set A widths (space, bar, space, bar) of the digits 0 to 9. Set C prints the same widths
// starting with a bar; set B is set C read backwards.
constexpr std::array<std::string_view, 10> kEanWidths{"3211", "2221", "2122", "1411", "1132",
                                                      "1231", "1114", "1312", "1213", "3112"};

std::u16string EanLeftHalf(std::string_view digits, std::string_view parity)
{
    std::u16string modules;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        std::string widths(kEanWidths.at(static_cast<std::size_t>(digits[i] - '0')));
        if (parity[i] == '1') {
            widths.assign(widths.rbegin(), widths.rend());
        }
        modules += Elements(widths, false);
    }
    return modules;
}

}  // namespace

std::u16string Elements(std::string_view widths, bool firstIsBar)
{
    std::u16string modules;
    bool bar = firstIsBar;
    for (const char w : widths) {
        const std::size_t count = w == 'n' ? 1 : w == 'w' ? 2 : static_cast<std::size_t>(w - '0');
        modules.append(count, bar ? u'1' : u'0');
        bar = !bar;
    }
    return modules;
}

std::u16string Characters(std::initializer_list<std::string_view> patterns, char gap)
{
    std::string letters;
    for (const std::string_view pattern : patterns) {
        letters += letters.empty() ? "" : std::string(1, gap);
        letters += pattern;
    }
    return Elements(letters);
}

std::u16string Interleaved25(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs)
{
    std::string letters = "nnnn";
    for (const auto& [bars, spaces] : pairs) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            letters += {bars[i], spaces[i]};
        }
    }
    return Elements(letters + "wnn");
}

std::u16string Industrial25(std::string_view dataBars, char dataSpace)
{
    std::string letters = "wnwnn";
    for (const char bar : dataBars) {
        letters += {dataSpace, bar};
    }
    return Elements(letters + dataSpace + "wnnnw");
}

std::u16string EanSymbol(std::string_view leftDigits, std::string_view parity, std::string_view rightDigits)
{
    std::u16string right;
    for (const char digit : rightDigits) {
        right += Elements(kEanWidths.at(static_cast<std::size_t>(digit - '0')));
    }
    return u"101" + EanLeftHalf(leftDigits, parity) + u"01010" + right + u"101";
}

std::u16string UpcESymbol(std::string_view digits, std::string_view parity)
{
    return u"101" + EanLeftHalf(digits, parity) + u"010101";
}

std::u16string Code128(std::initializer_list<std::string_view> symbols)
{
    std::u16string modules;
    for (const std::string_view symbol : symbols) {
        modules += Elements(symbol);
    }
    return modules + Elements("2331112");
}

std::u16string ToTwoWidth(std::u16string_view modules)
{
    std::u16string result;
    for (std::size_t i = 0, j = 0; i < modules.size(); i = j) {
        while (j < modules.size() && modules[j] == modules[i]) {
            ++j;
        }
        result.append(j - i == 1 ? 1 : 2, modules[i]);
    }
    return result;
}

std::u16string WidenAt(std::u16string_view modules, std::size_t pos)
{
    return std::u16string(modules.substr(0, pos + 1)) + std::u16string(modules.substr(pos));
}

}  // namespace corvane::test
