#pragma once
// Builds module strings ("1" bar module, "0" space module) from element-width descriptions, so the
// tests describe symbols the way the symbology standards print them.
#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane::test {

// Element widths as digits ("212222"), colours alternating from a bar (or from a space).
std::u16string Runs(std::string_view widths, bool firstIsBar = true);

// Wide/narrow letters ("nwnnwnwnn"): narrow is one module, wide two; alternating from a bar.
std::u16string WideNarrow(std::string_view letters, bool firstIsBar = true);

// Characters of bar-first, bar-last patterns (Code 39, Codabar, Code 11, Matrix 2 of 5), each
// followed by an inter-character gap of the given letter except the last.
std::u16string Characters(std::initializer_list<std::string_view> patterns, char gap = 'n');

// Interleaved 2 of 5: start, each digit pair woven bar/space, stop.
std::u16string Interleaved25(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs);

// Industrial 2 of 5: start bars, the data bars, stop bars; the data spaces take the given letter.
std::u16string Industrial25(std::string_view dataBars, char dataSpace = 'n');

// EAN/UPC characters. Left-half parity 'A' or '0' (odd, set A), anything else even (set B); the
// right half is set C.
std::u16string EanLeft(char digit, char parity);
std::u16string EanRight(char digit);
// Full EAN-13/UPC-A/EAN-8 layout: guard, left characters, centre guard, right characters, guard.
std::u16string EanSymbol(std::string_view leftDigits, std::string_view parity, std::string_view rightDigits);
// UPC-E layout: guard, characters, end guard "010101".
std::u16string UpcESymbol(std::string_view digits, std::string_view parity);

// Code 128: the symbols given as width strings, then the stop.
std::u16string Code128(std::initializer_list<std::string_view> symbols);

// Collapses every run of two or more equal modules to two, turning a 3:1 (or 4-module) print into
// the narrow = 1, wide = 2 form the two-width decoders read.
std::u16string ToTwoWidth(std::u16string_view modules);

// The same modules with the one at pos doubled: that element printed one module wider.
std::u16string WidenAt(std::u16string_view modules, std::size_t pos);

std::u16string Reversed(std::u16string modules);

}  // namespace corvane::test
