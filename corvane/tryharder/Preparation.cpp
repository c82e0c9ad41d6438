#include "tryharder/Preparation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvane::tryharder {

namespace {

// Below this difference between dark and light a region is taken as blank.
constexpr int kMinContrast = 24;
// Share of pixels ignored at each end when finding the dark and light levels.
constexpr double kClipShare = 0.01;

std::uint8_t Clamp(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

struct Levels {
    int dark = 0;
    int light = 255;
};

// Dark and light levels of the pixels of a rectangle, from its histogram.
Levels LevelsOf(const GreyImage& image, int x0, int y0, int x1, int y1)
{
    std::array<int, 256> histogram{};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            ++histogram[image.At(x, y)];
    const long total = static_cast<long>(x1 - x0) * (y1 - y0);
    const long clip = static_cast<long>(static_cast<double>(total) * kClipShare);
    Levels levels;
    long seen = 0;
    for (int v = 0; v < 256; ++v)
        if ((seen += histogram[static_cast<std::size_t>(v)]) > clip) {
            levels.dark = v;
            break;
        }
    seen = 0;
    for (int v = 255; v >= 0; --v)
        if ((seen += histogram[static_cast<std::size_t>(v)]) > clip) {
            levels.light = v;
            break;
        }
    return levels;
}

std::uint8_t Stretch(int v, double dark, double light)
{
    if (light - dark < kMinContrast)
        return 255;
    return Clamp(static_cast<int>(std::lround((v - dark) * 255.0 / (light - dark))));
}

}  // namespace

GreyImage StretchGlobal(const GreyImage& image)
{
    const Levels levels = LevelsOf(image, 0, 0, image.width, image.height);
    GreyImage out(image.width, image.height);
    std::array<std::uint8_t, 256> map{};
    for (int v = 0; v < 256; ++v)
        map[static_cast<std::size_t>(v)] = levels.light - levels.dark < kMinContrast
                                               ? static_cast<std::uint8_t>(v)
                                               : Stretch(v, levels.dark, levels.light);
    std::transform(image.pixels.begin(), image.pixels.end(), out.pixels.begin(),
                   [&](std::uint8_t v) { return map[v]; });
    return out;
}

GreyImage StretchLocal(const GreyImage& image, int tile)
{
    tile = std::max(tile, 4);
    const int columns = (image.width + tile - 1) / tile;
    const int rows = (image.height + tile - 1) / tile;
    std::vector<Levels> levels(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    for (int ty = 0; ty < rows; ++ty)
        for (int tx = 0; tx < columns; ++tx) {
            // Each square is measured with half a square around it, so neighbours overlap.
            const int x0 = std::max(0, tx * tile - tile / 2), x1 = std::min(image.width, (tx + 1) * tile + tile / 2);
            const int y0 = std::max(0, ty * tile - tile / 2), y1 = std::min(image.height, (ty + 1) * tile + tile / 2);
            levels[static_cast<std::size_t>(ty) * columns + tx] = LevelsOf(image, x0, y0, x1, y1);
        }
    const auto at = [&](int tx, int ty) -> const Levels& {
        tx = std::clamp(tx, 0, columns - 1);
        ty = std::clamp(ty, 0, rows - 1);
        return levels[static_cast<std::size_t>(ty) * columns + tx];
    };
    GreyImage out(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        // Blended between the centres of the four nearest squares.
        const double fy = (y + 0.5) / tile - 0.5;
        const int ty = static_cast<int>(std::floor(fy));
        const double wy = fy - ty;
        for (int x = 0; x < image.width; ++x) {
            const double fx = (x + 0.5) / tile - 0.5;
            const int tx = static_cast<int>(std::floor(fx));
            const double wx = fx - tx;
            const Levels& a = at(tx, ty);
            const Levels& b = at(tx + 1, ty);
            const Levels& c = at(tx, ty + 1);
            const Levels& d = at(tx + 1, ty + 1);
            const double dark = (a.dark * (1 - wx) + b.dark * wx) * (1 - wy) + (c.dark * (1 - wx) + d.dark * wx) * wy;
            const double light =
                (a.light * (1 - wx) + b.light * wx) * (1 - wy) + (c.light * (1 - wx) + d.light * wx) * wy;
            out.At(x, y) = Stretch(image.At(x, y), dark, light);
        }
    }
    return out;
}

GreyImage Sharpen(const GreyImage& image)
{
    GreyImage out = image;
    for (int y = 1; y + 1 < image.height; ++y)
        for (int x = 1; x + 1 < image.width; ++x) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += image.At(x + dx, y + dy);
            const int v = image.At(x, y);
            out.At(x, y) = Clamp(v + (9 * v - sum) / 9);
        }
    return out;
}

}  // namespace corvane::tryharder
