#include "Plane.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace bench {

float Plane::Sample(float x, float y) const
{
    x = std::clamp(x, 0.0f, static_cast<float>(width - 1));
    y = std::clamp(y, 0.0f, static_cast<float>(height - 1));
    const int x0 = std::min(static_cast<int>(x), width - 2 < 0 ? 0 : width - 2);
    const int y0 = std::min(static_cast<int>(y), height - 2 < 0 ? 0 : height - 2);
    const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
    const float fx = x - static_cast<float>(x0), fy = y - static_cast<float>(y0);
    const float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
    const float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
    return top + (bottom - top) * fy;
}

namespace {

// One pass of a 1-D kernel along rows (dx = 1) or columns (dx = 0), the border repeated.
void Convolve1D(Plane& p, const std::vector<float>& kernel, bool alongRows)
{
    const int radius = static_cast<int>(kernel.size() / 2);
    const Plane in = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            float sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = alongRows ? std::clamp(x + k, 0, p.width - 1) : x;
                const int sy = alongRows ? y : std::clamp(y + k, 0, p.height - 1);
                sum += kernel[static_cast<std::size_t>(k + radius)] * in.at(sx, sy);
            }
            p.at(x, y) = sum;
        }
}

}  // namespace

void GaussianBlur(Plane& p, double sigma)
{
    if (sigma < 0.05)
        return;
    const int radius = static_cast<int>(std::ceil(3 * sigma));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    float total = 0;
    for (int k = -radius; k <= radius; ++k)
        total += kernel[static_cast<std::size_t>(k + radius)] = static_cast<float>(std::exp(-k * k / (2 * sigma * sigma)));
    for (float& w : kernel)
        w /= total;
    Convolve1D(p, kernel, true);
    Convolve1D(p, kernel, false);
}

void DiskBlur(Plane& p, double radius)
{
    if (radius < 0.5)
        return;
    struct Tap {
        int dx, dy;
        float w;
    };
    std::vector<Tap> taps;
    const int r = static_cast<int>(std::ceil(radius));
    float total = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            // Coverage of the pixel by the disk, from a 4 x 4 grid inside it.
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double fx = dx - 0.375 + 0.25 * sx, fy = dy - 0.375 + 0.25 * sy;
                    inside += fx * fx + fy * fy <= radius * radius;
                }
            if (inside) {
                taps.push_back({dx, dy, static_cast<float>(inside)});
                total += static_cast<float>(inside);
            }
        }
    const Plane in = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            float sum = 0;
            for (const Tap& t : taps)
                sum += t.w * in.at(std::clamp(x + t.dx, 0, p.width - 1), std::clamp(y + t.dy, 0, p.height - 1));
            p.at(x, y) = sum / total;
        }
}

void MotionBlur(Plane& p, double length, double angle)
{
    if (length < 0.5)
        return;
    const int steps = static_cast<int>(std::ceil(length)) + 1;
    const float ux = static_cast<float>(std::cos(angle)), uy = static_cast<float>(std::sin(angle));
    const Plane in = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            float sum = 0;
            for (int i = 0; i < steps; ++i) {
                const float t = static_cast<float>(length * (static_cast<double>(i) / (steps - 1) - 0.5));
                sum += in.Sample(static_cast<float>(x) + t * ux, static_cast<float>(y) + t * uy);
            }
            p.at(x, y) = sum / static_cast<float>(steps);
        }
}

void AddNoise(Plane& p, double sigma, std::mt19937& rng)
{
    std::normal_distribution<float> unit(0.0f, 1.0f);
    const float read = static_cast<float>(sigma), shot = static_cast<float>(sigma / 16.0);  // sigma sqrt(2) at full light
    for (float& value : p.v) {
        const float light = std::max(0.0f, value);
        value += unit(rng) * std::sqrt(read * read + shot * shot * light);
    }
}

Grey ToGrey(const Plane& p)
{
    Grey g{p.width, p.height, std::vector<std::uint8_t>(p.v.size())};
    for (std::size_t i = 0; i < p.v.size(); ++i)
        g.pixels[i] = static_cast<std::uint8_t>(std::clamp(std::lround(p.v[i]), 0L, 255L));
    return g;
}

Grey JpegRoundTrip(const Grey& page, int quality)
{
    std::string encoded;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    if (!stbi_write_jpg_to_func(append, &encoded, page.width, page.height, 1, page.pixels.data(), quality))
        return page;
    int w = 0, h = 0, channels = 0;
    const std::unique_ptr<unsigned char, decltype(&stbi_image_free)> decoded(
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(encoded.data()), static_cast<int>(encoded.size()), &w,
                              &h, &channels, 1),
        &stbi_image_free);
    if (!decoded || w != page.width || h != page.height)
        return page;
    return {w, h, std::vector<std::uint8_t>(decoded.get(), decoded.get() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h))};
}

}  // namespace bench
