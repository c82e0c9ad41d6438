#pragma once
// Element widths of one candidate symbol (bar first, bar last, colours alternating) to the module
// string of the two-width symbologies: Code 39, Codabar, Code 11 and the 2 of 5 family.

#include <span>
#include <string>

namespace corvane::tryharder {

// The narrow/wide reading of the two-width symbologies (wide elements as two modules), when the
// element count fits one of them and the widths fall into two clear sizes. It reads the same
// from either end, reversed.
bool FitTwoWidths(std::span<const float> widths, std::u16string& modules);

}  // namespace corvane::tryharder
