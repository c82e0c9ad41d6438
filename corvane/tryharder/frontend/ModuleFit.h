#pragma once
// Element widths of one candidate symbol (bar first, bar last, colours alternating) to module
// strings. The module width is fitted to each symbology the element count allows, character by
// character, so perspective and non-whole module widths do not accumulate into misreads.

#include <span>
#include <string>
#include <vector>

namespace corvane::tryharder {

// Appends the module strings of the symbologies with characters of fixed module counts that the
// element count allows: EAN-13/UPC-A (59 elements), EAN-8 (43), UPC-E (33), Code 128 (6k + 7).
// Strings are in the order of the widths.
void FitFixedWidths(std::span<const float> widths, std::vector<std::u16string>& out);

// The narrow/wide reading of the two-width symbologies (wide elements as two modules), when the
// element count fits one of them and the widths fall into two clear sizes. It reads the same
// from either end, reversed.
bool FitTwoWidths(std::span<const float> widths, std::u16string& modules);

}  // namespace corvane::tryharder
