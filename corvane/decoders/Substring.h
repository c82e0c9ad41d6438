#pragma once
// Clamping substring helpers shared by the classifier and every decoder. They never throw:
// out-of-range positions and counts shrink to what the text actually holds.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// First n characters, or the whole text when it is shorter; empty for n <= 0.
std::u16string Left(std::u16string_view s, std::ptrdiff_t n);
// Last n characters, or the whole text when it is shorter; empty for n <= 0.
std::u16string Right(std::u16string_view s, std::ptrdiff_t n);
// At most count characters from start on; a negative start or count counts as 0, and a start at or
// past the end gives an empty text.
std::u16string Mid(std::u16string_view s, std::ptrdiff_t start, std::ptrdiff_t count);
// Everything from start on, with the same clamping as above.
std::u16string Mid(std::u16string_view s, std::ptrdiff_t start);

}  // namespace corvane
