#include "WarpedSymbol.h"

#include "ZintSymbol.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace corvane::test {

namespace {

// zint's rendering: this many pixels a module, sampled in turn with this many samples a pixel.
constexpr int kSourceModule = 8;
constexpr int kSamples = 3;

}  // namespace

TestPage WarpedSymbol(int symbology, const std::string& data, const Warp& warp, int margin)
{
    const RenderedSymbol s = RenderSymbol(symbology, data, kSourceModule, 30);
    const double scale = warp.pixelsPerModule / kSourceModule;  // page pixels per source pixel
    const double a = warp.degrees * std::numbers::pi / 180.0;
    const double sw = s.width * scale, sh = s.height * scale;
    const int width = static_cast<int>(std::ceil(std::abs(sw * std::cos(a)) + std::abs(sh * std::sin(a)))) + 2 * margin;
    const int height = static_cast<int>(std::ceil(std::abs(sw * std::sin(a)) + std::abs(sh * std::cos(a)))) + 2 * margin;
    // Ink coverage of each page pixel: 1 where the source is dark.
    std::vector<double> ink(static_cast<std::size_t>(width) * height, 0.0);
    const double cx = width / 2.0, cy = height / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double covered = 0;
            for (int j = 0; j < kSamples; ++j)
                for (int i = 0; i < kSamples; ++i) {
                    const double px = x + (i + 0.5) / kSamples - cx, py = y + (j + 0.5) / kSamples - cy;
                    // Turned back by the tilt, into source pixels.
                    const double u = (px * std::cos(a) + py * std::sin(a)) / scale + s.width / 2.0;
                    const double v = (-px * std::sin(a) + py * std::cos(a)) / scale + s.height / 2.0;
                    const int su = static_cast<int>(std::floor(u)), sv = static_cast<int>(std::floor(v));
                    if (su >= 0 && sv >= 0 && su < s.width && sv < s.height &&
                        s.rgb[(static_cast<std::size_t>(sv) * s.width + su) * 3] < 128)
                        covered += 1;
                }
            ink[static_cast<std::size_t>(y) * width + x] = covered / (kSamples * kSamples);
        }
    const int r = warp.blur;
    TestPage page(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum = 0;
            int n = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (x + dx >= 0 && y + dy >= 0 && x + dx < width && y + dy < height) {
                        sum += ink[static_cast<std::size_t>(y + dy) * width + x + dx];
                        ++n;
                    }
            const double coverage = sum / n;
            const double ground = warp.light + warp.lightSlope * x;
            const auto grey = static_cast<std::uint8_t>(
                std::clamp(ground - coverage * (ground - warp.dark), 0.0, 255.0));
            page.SetPixel(x, y, grey, grey, grey);
        }
    return page;
}

}  // namespace corvane::test
