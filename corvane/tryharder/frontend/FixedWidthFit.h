#pragma once
// Element widths of one candidate symbol (bar first, bar last, colours alternating) to module
// strings of the symbologies whose elements are 1 to 4 modules wide. The module width is fitted
// character by character, so perspective and non-whole module widths do not add up to misreads.

#include <span>
#include <string>
#include <vector>

namespace corvane::tryharder {

// Appends the module strings of the symbologies with characters of fixed module counts that the
// element count allows: EAN-13/UPC-A (59 elements), EAN-8 (43), UPC-E (33), Code 128 (6k + 7).
// Strings are in the order of the widths.
void FitFixedWidths(std::span<const float> widths, std::vector<std::u16string>& out);

}  // namespace corvane::tryharder
