#pragma once
// Slice lookup shared by the decoders: rows are tried in table order, the first exact match gives
// the output, and a slice that matches no row reads as "?".
#include <span>
#include <string>
#include <string_view>

namespace corvane {

struct PatternRow {
    std::u16string_view pattern;
    std::u16string_view text;
};

inline constexpr std::u16string_view kUnreadable = u"?";

std::u16string_view LookupPattern(std::span<const PatternRow> table, std::u16string_view slice);

// Letter tables are written in lower case; bar ("W"/"N") and space ("w"/"n") letters compare alike.
std::u16string_view LookupLetters(std::span<const PatternRow> table, std::u16string slice);

enum class LetterCase { Exact, Folded };

// Reads the characters between a start and a stop character, each character taking `step`
// places of the converted text (its `width` elements and the gap after it): the slices at
// step, 2 step, ... while the offset is below length - step. Start, stop and gaps are never read.
std::u16string LookupBetweenGuards(std::span<const PatternRow> table, std::u16string_view converted,
                                   std::ptrdiff_t step, std::ptrdiff_t width, LetterCase letterCase);

}  // namespace corvane
