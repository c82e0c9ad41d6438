#include "Negatives.h"

#include "Plane.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"  // the header's helpers we do not call
#include <stb_easy_font.h>
#pragma GCC diagnostic pop

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace bench {

const char* const kNegativeKinds[5] = {"noise", "texture", "printed text", "stripes", "scene"};

namespace {

double Uniform(std::mt19937& rng, double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
int Int(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Paints a rectangle with `value`, its edge pixels in proportion to how much it covers them.
void FillRect(Plane& p, double x0, double y0, double x1, double y1, float value)
{
    for (int y = std::max(0, static_cast<int>(y0)); y < std::min(p.height, static_cast<int>(std::ceil(y1))); ++y)
        for (int x = std::max(0, static_cast<int>(x0)); x < std::min(p.width, static_cast<int>(std::ceil(x1))); ++x) {
            const double cover = std::max(0.0, std::min<double>(x + 1, x1) - std::max<double>(x, x0)) *
                                 std::max(0.0, std::min<double>(y + 1, y1) - std::max<double>(y, y0));
            p.at(x, y) += static_cast<float>(cover) * (value - p.at(x, y));
        }
}

// The picture turned about its centre; what comes from outside repeats the border.
Plane Turn(const Plane& p, double angle)
{
    Plane out(p.width, p.height);
    const double c = std::cos(angle), s = std::sin(angle), cx = p.width / 2.0, cy = p.height / 2.0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            out.at(x, y) = p.Sample(static_cast<float>(cx + c * (x - cx) + s * (y - cy)), static_cast<float>(cy - s * (x - cx) + c * (y - cy)));
    return out;
}

// Smooth random values: white noise blurred to features about `scale` pixels wide, spread to
// roughly -1..1.
Plane Smooth(int w, int h, double scale, std::mt19937& rng)
{
    Plane p(w, h);
    std::normal_distribution<float> unit(0.0f, 1.0f);
    for (float& v : p.v)
        v = unit(rng);
    GaussianBlur(p, scale);
    float spread = 1e-6f;
    for (const float v : p.v)
        spread = std::max(spread, std::abs(v));
    for (float& v : p.v)
        v /= spread;
    return p;
}

Plane Noise(int w, int h, std::mt19937& rng)
{
    Plane p = Smooth(w, h, Uniform(rng, 0, 4), rng);
    const float mid = static_cast<float>(Uniform(rng, 80, 180)), amplitude = static_cast<float>(Uniform(rng, 30, 90));
    for (float& v : p.v)
        v = mid + amplitude * v;
    return p;
}

Plane Texture(int w, int h, std::mt19937& rng)
{
    Plane p(w, h);
    const int pattern = Int(rng, 0, 2);
    const Plane warp = Smooth(w, h, Uniform(rng, 8, 30), rng);
    const double period = Uniform(rng, 3, 14), angle = Uniform(rng, 0, std::numbers::pi), turbulence = Uniform(rng, 2, 12);
    const double mid = Uniform(rng, 90, 170), amplitude = Uniform(rng, 20, 60);
    const double brickW = Uniform(rng, 20, 60), brickH = brickW * Uniform(rng, 0.3, 0.6);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = x * std::cos(angle) + y * std::sin(angle), v = -x * std::sin(angle) + y * std::cos(angle);
            double value = 0;
            switch (pattern) {
            case 0:  // wood grain: stripes bent by slow noise
                value = std::sin(2 * std::numbers::pi * (u + turbulence * warp.at(x, y)) / period);
                break;
            case 1:  // woven cloth: two crossing weaves
                value = std::sin(2 * std::numbers::pi * u / period) * std::sin(2 * std::numbers::pi * v / period);
                break;
            default: {  // bricks: mortar lines, each row shifted by half a brick
                const int row = static_cast<int>(std::floor(v / brickH));
                const double along = u + (row % 2 ? brickW / 2 : 0);
                const bool mortar = std::fmod(v - row * brickH, brickH) < 2.5 || std::fmod(std::abs(along), brickW) < 2.5;
                value = mortar ? 0.8 : -0.3 + 0.3 * warp.at(x, y);
            }
            }
            p.at(x, y) = static_cast<float>(mid + amplitude * value);
        }
    return p;
}

std::string RandomWords(std::mt19937& rng, int letters)
{
    static constexpr char kCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,-:/";
    std::string text;
    while (static_cast<int>(text.size()) < letters) {
        const int word = Int(rng, 1, 9);
        for (int i = 0; i < word; ++i)
            text += kCharacters[Int(rng, 0, static_cast<int>(sizeof kCharacters) - 2)];
        text += ' ';
    }
    return text;
}

// Lines of text in stb's bitmap font, as on a printed page or a product's back.
Plane Text(int w, int h, std::mt19937& rng)
{
    const float paper = static_cast<float>(Uniform(rng, 170, 240)), ink = static_cast<float>(Uniform(rng, 10, 70));
    Plane p(w, h, paper);
    const double scale = Uniform(rng, 1.2, 4);  // pixels per font unit
    const double lineHeight = 12 * scale * Uniform(rng, 1.0, 1.5);
    std::vector<char> quads(64 * 1024);
    for (double y = Uniform(rng, 2, 20); y + lineHeight < h; y += lineHeight) {
        std::string line = RandomWords(rng, static_cast<int>(w / (6 * scale)));
        unsigned char colour[4] = {0, 0, 0, 255};
        const int count = stb_easy_font_print(0, 0, line.data(), colour, quads.data(), static_cast<int>(quads.size()));
        const double x0 = Uniform(rng, 2, 20);
        for (int q = 0; q < count; ++q) {
            const float* v = reinterpret_cast<const float*>(quads.data() + static_cast<std::ptrdiff_t>(q) * 64);
            // Each vertex is x, y, z and four colour bytes: 16 bytes; corners 0 and 2 are opposite.
            FillRect(p, x0 + v[0] * scale, y + v[1] * scale, x0 + v[8] * scale, y + v[9] * scale, ink);
        }
    }
    return Turn(p, Uniform(rng, -0.5, 0.5));
}

// Bars and spaces on a patch: evenly spaced, random widths, or soft blinds.
Plane Stripes(int w, int h, std::mt19937& rng)
{
    const float light = static_cast<float>(Uniform(rng, 150, 235)), dark = static_cast<float>(Uniform(rng, 15, 100));
    Plane p(w, h, static_cast<float>(Uniform(rng, 60, 200)));
    const int x0 = Int(rng, 0, w / 4), x1 = Int(rng, 3 * w / 4, w), y0 = Int(rng, 0, h / 4), y1 = Int(rng, 3 * h / 4, h);
    const int pattern = Int(rng, 0, 2);
    const double period = Uniform(rng, 2, 16), duty = Uniform(rng, 0.3, 0.7);
    const double unit = Uniform(rng, 1.2, 4);
    std::vector<double> edges;  // random widths: alternating bar and space ends
    for (double x = x0; x < x1;)
        edges.push_back(x += unit * Int(rng, 1, 6));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            double value;
            if (pattern == 0) {
                value = std::fmod(x - x0, period) < duty * period ? 1 : 0;
            } else if (pattern == 1) {
                const auto edge = std::upper_bound(edges.begin(), edges.end(), static_cast<double>(x));
                value = (edge - edges.begin()) % 2 ? 0 : 1;
            } else {
                value = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (x - x0) / period);
            }
            p.at(x, y) = static_cast<float>(dark + (light - dark) * value);
        }
    return Turn(p, Uniform(rng, -0.6, 0.6));
}

// Boxes, discs and shading, as a shelf or desk without a label.
Plane Scene(int w, int h, std::mt19937& rng)
{
    Plane p(w, h, static_cast<float>(Uniform(rng, 60, 200)));
    const double gx = Uniform(rng, -0.15, 0.15), gy = Uniform(rng, -0.15, 0.15);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.at(x, y) += static_cast<float>(gx * x + gy * y);
    for (int shapes = Int(rng, 4, 14); shapes > 0; --shapes) {
        const float shade = static_cast<float>(Uniform(rng, 20, 240));
        const double cx = Uniform(rng, 0, w), cy = Uniform(rng, 0, h), rx = Uniform(rng, 8, w / 3.0), ry = Uniform(rng, 8, h / 3.0);
        if (Int(rng, 0, 1)) {
            FillRect(p, cx - rx, cy - ry, cx + rx, cy + ry, shade);
        } else {
            for (int y = std::max(0, static_cast<int>(cy - ry)); y < std::min(h, static_cast<int>(cy + ry)); ++y)
                for (int x = std::max(0, static_cast<int>(cx - rx)); x < std::min(w, static_cast<int>(cx + rx)); ++x)
                    if ((x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1)
                        p.at(x, y) = shade;
        }
    }
    return Turn(p, Uniform(rng, -0.3, 0.3));
}

}  // namespace

Grey MakeNegative(std::size_t kind, std::mt19937& rng)
{
    const int w = Int(rng, 320, 900), h = Int(rng, 240, 640);
    Plane p;
    switch (kind) {
    case 0: p = Noise(w, h, rng); break;
    case 1: p = Texture(w, h, rng); break;
    case 2: p = Text(w, h, rng); break;
    case 3: p = Stripes(w, h, rng); break;
    default: p = Scene(w, h, rng); break;
    }
    GaussianBlur(p, Uniform(rng, 0.35, 1.0));
    AddNoise(p, Uniform(rng, 1, 6), rng);
    const Grey g = ToGrey(p);
    return Int(rng, 0, 1) ? JpegRoundTrip(g, Int(rng, 30, 80)) : g;
}

}  // namespace bench
