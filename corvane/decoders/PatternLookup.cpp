#include "decoders/PatternLookup.h"

namespace corvane {

std::u16string_view LookupPattern(std::span<const PatternRow> table, std::u16string_view slice)
{
    for (const PatternRow& row : table) {
        if (row.pattern == slice) {
            return row.text;
        }
    }
    return kUnreadable;
}

std::u16string_view LookupLetters(std::span<const PatternRow> table, std::u16string slice)
{
    for (char16_t& c : slice) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return LookupPattern(table, slice);
}

}  // namespace corvane
