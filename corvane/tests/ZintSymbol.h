#pragma once
// Renders real symbols with zint, the independent oracle of the end-to-end tests.

#include "TestPage.h"

#include <string>

namespace corvane::test {

struct RenderedSymbol {
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, red first
    int width = 0;
    int height = 0;
    std::string text;  // zint's human-readable text, check characters included
};

// `moduleWidth` pixels a module; bars `heightModules` modules high; zint's quiet zones added.
RenderedSymbol RenderSymbol(int symbology, const std::string& data, int moduleWidth,
                            int heightModules = 40);

// Pastes the symbol on a white page with `margin` pixels on every side.
TestPage PageWithSymbol(const RenderedSymbol& symbol, int margin);

}  // namespace corvane::test
