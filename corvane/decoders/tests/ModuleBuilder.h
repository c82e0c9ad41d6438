#pragma once
// Builds module strings ("1" bar module, "0" space module) from element-width descriptions, so the
// tests describe symbols the way the symbology standards print them.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace corvane::test {

// Element widths, colours alternating from a bar (or a space): digits give the width in modules,
// "n" is narrow (one module) and "w" wide (two).
std::u16string Elements(std::string_view widths, bool firstIsBar = true);

// Bar-first, bar-last characters (Code 39, Codabar, Code 11, Matrix 2 of 5) joined by gaps.
std::u16string Characters(std::initializer_list<std::string_view> patterns, char gap = 'n');

// Interleaved 2 of 5: start, each pair of digit patterns woven bar/space, stop.
std::u16string Interleaved25(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs);

// Industrial 2 of 5: start, the data bars, stop; the spaces around data bars take the given width.
std::u16string Industrial25(std::string_view dataBars, char dataSpace = 'n');

// EAN/UPC: left-half parity "0" odd (set A), "1" even (set B); the right half is set C.
std::u16string EanSymbol(std::string_view leftDigits, std::string_view parity, std::string_view rightDigits);
std::u16string UpcESymbol(std::string_view digits, std::string_view parity);

// Code 128: the symbols given as widths, then the stop.
std::u16string Code128(std::initializer_list<std::string_view> symbols);

// Every run of two or more equal modules becomes two: a 3:1 print in the narrow = 1, wide = 2 form.
std::u16string ToTwoWidth(std::u16string_view modules);

// The module at pos doubled: that element printed one module wider.
std::u16string WidenAt(std::u16string_view modules, std::size_t pos);

}  // namespace corvane::test
