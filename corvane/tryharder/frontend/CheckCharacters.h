#pragma once
// Verifies the check characters of decoded texts, so that a misread that the decoders turned into
// plausible digits can be dropped before it is reported.

#include <string_view>

namespace corvane::tryharder {

// True when `text`, as the decoders return it for symbology `type` (the type names of
// corvane::DecodeModuleString), carries a right check character: EAN 13, UPC-A and EAN 8 (with the
// decoder's leading zero), UPC-E (number system, six digits, check digit), Code 11 (C, or C and K).
// True for symbologies without a mandatory check character, unless a Code 39 text holds its
// start/stop "*" or a Codabar text one of its start/stop letters A to D. False for any text with an unread
// character "?" in a checked symbology, and for "Unknown EAN/UPC-A".
// Code 128's decoder never puts its check symbol into the text, so this form cannot verify it and
// returns true for Code 128: use the overload with the module string.
bool PassesCheck(std::u16string_view type, std::u16string_view text);

// As above, and for Code 128 the check symbol is verified from the module string the text was
// decoded from (start, data symbols, check symbol, stop, as DecodeModuleString received it).
bool PassesCheck(std::u16string_view type, std::u16string_view text, std::u16string_view modules);

// True when the text passes the stronger form of its symbology's check: for Code 11 both C and K
// (C alone lets one misread in eleven through); for every other symbology, as PassesCheck.
bool PassesStrongCheck(std::u16string_view type, std::u16string_view text);

}  // namespace corvane::tryharder
