#include "SyntheticImage.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace corvane::tryharder::test {

namespace {

// Element edges in modules from the first bar's left edge, and whether each element is a bar.
struct Elements {
    std::vector<float> edges;  // edges.size() == elements + 1
    std::vector<bool> bar;
};

Elements ToElements(const std::u16string& modules, bool twoWidth, float wideRatio, float inkSpread)
{
    Elements e;
    e.edges.push_back(0);
    for (std::size_t i = 0; i < modules.size();) {
        std::size_t j = i;
        while (j < modules.size() && modules[j] == modules[i]) {
            ++j;
        }
        const float run = static_cast<float>(j - i);
        e.edges.push_back(e.edges.back() + (twoWidth && run >= 2 ? wideRatio : run));
        e.bar.push_back(modules[i] == u'1');
        i = j;
    }
    // Each bar grows by half the spread on either side, into its neighbouring spaces.
    for (std::size_t k = 1; k + 1 < e.edges.size(); ++k) {
        e.edges[k] += e.bar[k - 1] ? 0.5f * inkSpread : -0.5f * inkSpread;
    }
    return e;
}

bool DarkAt(const Elements& e, float u)
{
    if (u < 0 || u >= e.edges.back()) {
        return false;
    }
    const auto it = std::upper_bound(e.edges.begin(), e.edges.end(), u);
    return e.bar[static_cast<std::size_t>(it - e.edges.begin() - 1)];
}

void Blur(std::vector<float>& v, int width, int height, float sigma)
{
    const int radius = static_cast<int>(std::ceil(3 * sigma));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    float sum = 0;
    for (int k = -radius; k <= radius; ++k) {
        kernel[static_cast<std::size_t>(k + radius)] = std::exp(-0.5f * static_cast<float>(k * k) / (sigma * sigma));
        sum += kernel[static_cast<std::size_t>(k + radius)];
    }
    for (float& k : kernel) {
        k /= sum;
    }
    std::vector<float> tmp(v.size());
    const auto at = [&](const std::vector<float>& img, int x, int y) {
        x = std::clamp(x, 0, width - 1);
        y = std::clamp(y, 0, height - 1);
        return img[static_cast<std::size_t>(y * width + x)];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k) {
                s += kernel[static_cast<std::size_t>(k + radius)] * at(v, x + k, y);
            }
            tmp[static_cast<std::size_t>(y * width + x)] = s;
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k) {
                s += kernel[static_cast<std::size_t>(k + radius)] * at(tmp, x, y + k);
            }
            v[static_cast<std::size_t>(y * width + x)] = s;
        }
    }
}

}  // namespace

GreyImage PrintSymbol(const std::u16string& modules, bool twoWidth, const Print& print)
{
    const Elements e = ToElements(modules, twoWidth, print.wideRatio, print.inkSpread);
    const float symbolWidth = (print.quietLeft + e.edges.back() + print.quietRight) * print.moduleWidth;
    const float w = symbolWidth + 2.0f * static_cast<float>(print.margin);
    const float h = static_cast<float>(print.barHeight + 2 * print.margin);
    // A tilted symbol needs a larger picture to stay whole.
    const double radians = print.tiltDegrees * std::numbers::pi / 180.0;
    const float c = static_cast<float>(std::cos(radians));
    const float s = static_cast<float>(std::sin(radians));
    GreyImage image;
    image.width = static_cast<int>(std::ceil(std::fabs(c) * w + std::fabs(s) * h));
    image.height = static_cast<int>(std::ceil(std::fabs(s) * w + std::fabs(c) * h));
    std::vector<float> cover(static_cast<std::size_t>(image.width * image.height));
    const float cx = 0.5f * static_cast<float>(image.width);
    const float cy = 0.5f * static_cast<float>(image.height);
    const float left = -0.5f * w + static_cast<float>(print.margin) + print.quietLeft * print.moduleWidth;
    const float top = -0.5f * h + static_cast<float>(print.margin);
    constexpr int kSub = 4;  // 4 x 4 samples a pixel approximate its covered area
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            int dark = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSub - cx;
                    const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSub - cy;
                    // Into the symbol's own frame: turned back by the tilt.
                    const float u = c * px + s * py;
                    const float v = -s * px + c * py;
                    if (v >= top && v < top + static_cast<float>(print.barHeight)
                        && DarkAt(e, (u - left) / print.moduleWidth)) {
                        ++dark;
                    }
                }
            }
            cover[static_cast<std::size_t>(y * image.width + x)] = static_cast<float>(dark) / (kSub * kSub);
        }
    }
    if (print.blurSigma > 0) {
        Blur(cover, image.width, image.height, print.blurSigma);
    }
    std::mt19937 random(12345);
    std::normal_distribution<float> noise(0.0f, print.noise > 0 ? print.noise : 1.0f);
    image.pixels.resize(cover.size());
    for (std::size_t i = 0; i < cover.size(); ++i) {
        const float x = static_cast<float>(i % static_cast<std::size_t>(image.width)) / static_cast<float>(image.width);
        float grey = static_cast<float>(print.light) + cover[i] * (static_cast<float>(print.dark) - static_cast<float>(print.light));
        grey *= 1.0f - print.shading * x;
        if (print.noise > 0) {
            grey += noise(random);
        }
        image.pixels[i] = static_cast<std::uint8_t>(std::clamp(std::lround(grey), 0L, 255L));
    }
    return image;
}

}  // namespace corvane::tryharder::test
