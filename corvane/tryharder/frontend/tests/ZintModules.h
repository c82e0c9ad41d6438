#pragma once
// Module strings of real symbols rendered by zint, the independent oracle of these tests.

#include <string>

namespace corvane::tryharder::test {

struct ZintModules {
    std::u16string modules;  // first bar to last bar, one character per module, as zint prints it
    std::string text;        // zint's human-readable text, check characters included
};

ZintModules EncodeWithZint(int symbology, const std::string& data);

// Runs of two or more equal modules become two: a 3:1 print in the decoders' narrow = 1, wide = 2
// form.
std::u16string ToTwoWidth(std::u16string_view modules);

}  // namespace corvane::tryharder::test
