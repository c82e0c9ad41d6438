#pragma once
// Conversions of a module string (one "1"/"0" character per module) into one letter or digit per
// element, for the symbologies that know only narrow (one character) and wide (two characters).
// A run of three equal characters reads as wide then narrow; decoders see that as a misread.
#include <string>

namespace corvane {

// Bars "W"/"N", spaces "w"/"n".
std::u16string ToWideNarrow(std::u16string modules);
// Bars only, "W"/"N"; spaces are dropped.
std::u16string ToBarWideNarrow(std::u16string modules);
// One digit per element, "1" wide and "0" narrow, bars and spaces alike.
std::u16string ToElementBits(std::u16string modules);

}  // namespace corvane
