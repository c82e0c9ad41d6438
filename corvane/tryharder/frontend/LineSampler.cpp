#include "tryharder/frontend/LineSampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane::tryharder {

namespace {

float Pixel(const GreyView& image, int x, int y)
{
    x = std::clamp(x, 0, image.width - 1);
    y = std::clamp(y, 0, image.height - 1);
    return image.pixels[static_cast<std::ptrdiff_t>(y) * image.stride + x];
}

float Bilinear(const GreyView& image, float x, float y)
{
    // Pixel centres sit at integer + 0.5.
    const float fx = x - 0.5f;
    const float fy = y - 0.5f;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const float ax = fx - static_cast<float>(ix);
    const float ay = fy - static_cast<float>(iy);
    const float top = Pixel(image, ix, iy) * (1 - ax) + Pixel(image, ix + 1, iy) * ax;
    const float bottom = Pixel(image, ix, iy + 1) * (1 - ax) + Pixel(image, ix + 1, iy + 1) * ax;
    return top * (1 - ay) + bottom * ay;
}

// Sums `across` rows (or columns) centred on the line, stepping `step` bytes along it.
void SampleStraight(const std::uint8_t* first, std::ptrdiff_t step,
                    std::ptrdiff_t acrossStep, int acrossBefore, int acrossAfter, int length,
                    std::vector<float>& out)
{
    const float scale = 1.0f / static_cast<float>(acrossBefore + acrossAfter + 1);
    for (int i = 0; i < length; ++i) {
        const std::uint8_t* p = first + i * step;
        int sum = 0;
        for (int k = -acrossBefore; k <= acrossAfter; ++k) {
            sum += p[k * acrossStep];
        }
        out[static_cast<std::size_t>(i)] = static_cast<float>(sum) * scale;
    }
}

}  // namespace

ScanLineGeometry LineThrough(const GreyView& image, float cx, float cy, float degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    // Rows and columns come out exact, so that they are sampled directly.
    const auto snap = [](double v) { return static_cast<float>(std::fabs(v) < 1e-9 ? 0.0 : v); };
    const float dx = snap(std::cos(radians));
    const float dy = snap(std::sin(radians));
    // Parameter range where the line stays inside [0.5, size - 0.5] on both axes.
    float lo = -1e9f;
    float hi = 1e9f;
    const auto clip = [&](float c, float d, int size) {
        const float a = 0.5f;
        const float b = static_cast<float>(size) - 0.5f;
        if (std::fabs(d) < 1e-6f) {
            if (c < a || c > b) {
                hi = lo - 1;
            }
            return;
        }
        const float t0 = (a - c) / d;
        const float t1 = (b - c) / d;
        lo = std::max(lo, std::min(t0, t1));
        hi = std::min(hi, std::max(t0, t1));
    };
    clip(cx, dx, image.width);
    clip(cy, dy, image.height);
    ScanLineGeometry line;
    if (hi < lo) {
        return line;
    }
    line.x = cx + lo * dx;
    line.y = cy + lo * dy;
    line.dx = dx;
    line.dy = dy;
    line.length = static_cast<int>(std::floor(hi - lo)) + 1;
    return line;
}

void SampleLine(const GreyView& image, const ScanLineGeometry& line, int across, std::vector<float>& out)
{
    out.resize(static_cast<std::size_t>(std::max(line.length, 0)));
    if (line.length <= 0) {
        return;
    }
    const int half = across / 2;
    if (line.dy == 0 && line.dx == 1) {
        const int y = static_cast<int>(line.y);
        const int before = std::min(half, y);
        const int after = std::min(half, image.height - 1 - y);
        const std::uint8_t* first = image.pixels + static_cast<std::ptrdiff_t>(y) * image.stride + static_cast<int>(line.x);
        SampleStraight(first, 1, image.stride, before, after, line.length, out);
        return;
    }
    if (line.dx == 0 && line.dy == 1) {
        const int x = static_cast<int>(line.x);
        const int before = std::min(half, x);
        const int after = std::min(half, image.width - 1 - x);
        const std::uint8_t* first = image.pixels + static_cast<std::ptrdiff_t>(line.y) * image.stride + x;
        SampleStraight(first, image.stride, 1, before, after, line.length, out);
        return;
    }
    const float nx = -line.dy;
    const float ny = line.dx;
    const float scale = 1.0f / static_cast<float>(2 * half + 1);
    for (int i = 0; i < line.length; ++i) {
        const float x = line.x + static_cast<float>(i) * line.dx;
        const float y = line.y + static_cast<float>(i) * line.dy;
        float sum = 0;
        for (int k = -half; k <= half; ++k) {
            sum += Bilinear(image, x + static_cast<float>(k) * nx, y + static_cast<float>(k) * ny);
        }
        out[static_cast<std::size_t>(i)] = sum * scale;
    }
}

}  // namespace corvane::tryharder
