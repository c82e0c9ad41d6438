#pragma once
// Element widths of one candidate symbol (bar first, bar last, colours alternating) to module
// strings. The module width is fitted to each symbology the element count allows, character by
// character, so perspective and non-whole module widths do not accumulate into misreads.

#include <span>
#include <string>
#include <vector>

namespace corvane::tryharder {

// Appends every module string the widths can stand for: EAN-13/UPC-A, EAN-8 and UPC-E when the
// count is theirs, Code 128 when it is 6k + 7, and the narrow/wide reading of the two-width
// symbologies when the count fits one of them. Strings are in the order of the widths.
void FitModuleStrings(std::span<const float> widths, std::vector<std::u16string>& out);

}  // namespace corvane::tryharder
