#include "decoders/PatternLookup.h"

#include "decoders/Substring.h"

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

std::u16string LookupBetweenGuards(std::span<const PatternRow> table, std::u16string_view converted,
                                   std::ptrdiff_t step, std::ptrdiff_t width, LetterCase letterCase)
{
    const auto length = static_cast<std::ptrdiff_t>(converted.size());
    std::u16string text;
    for (std::ptrdiff_t off = step; off < length - step; off += step) {
        std::u16string slice = Mid(converted, off, width);
        text += letterCase == LetterCase::Folded ? LookupLetters(table, std::move(slice))
                                                 : LookupPattern(table, slice);
    }
    return text;
}

}  // namespace corvane
