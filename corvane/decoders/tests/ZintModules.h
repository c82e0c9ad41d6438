#pragma once
// Module strings of real symbols rendered by zint, the independent oracle of these tests.

#include <string>

namespace corvane::test {

struct ZintModules {
    std::u16string modules;  // first bar to last bar, one character per module, as zint prints it
    std::string text;        // zint's human-readable text, check characters included
};

ZintModules EncodeWithZint(int symbology, const std::string& data);

}  // namespace corvane::test
