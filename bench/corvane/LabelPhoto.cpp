#include "LabelPhoto.h"

#include "Plane.h"
#include "SurfaceMap.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace bench {

bool EncodeSymbol(const Symbology& symbology, const std::string& data, Symbol& symbol, std::string& error)
{
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> z(ZBarcode_Create(), &ZBarcode_Delete);
    z->symbology = symbology.zint;
    z->show_hrt = 0;
    if (ZBarcode_Encode(z.get(), reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size())) >= ZINT_ERROR) {
        error = z->errtxt;
        return false;
    }
    symbol.zintText = reinterpret_cast<const char*>(z->text);
    symbol.modules.clear();
    for (int x = 0; x < z->width; ++x)
        symbol.modules.push_back((z->encoded_data[0][x >> 3] >> (x & 7)) & 1);
    // Codabar's width counts a trailing space module; the label adds its own quiet zones.
    while (!symbol.modules.empty() && !symbol.modules.back())
        symbol.modules.pop_back();
    return !symbol.modules.empty();
}

namespace {

constexpr int kQuietModules = 10;
constexpr int kBackground = -1000, kBlankPaper = -1001;  // region ids; module k (from -1) is k

// The label in its own plane: which module or region a point is in, and its reflectance.
struct Label {
    const std::vector<std::uint8_t>& modules;
    double module, spread;  // pixels; modules
    double halfSymbol, halfBars, halfPaperS, halfPaperT;
    double radius;  // cylinder, 0 when flat
    double paper, ink;

    bool IsBar(double u) const
    {
        const double k = std::floor(u);
        return k >= 0 && k < static_cast<double>(modules.size()) && modules[static_cast<std::size_t>(k)];
    }

    // Reflectance at (s, t), or -1 for the background; `id` tells regions and modules apart.
    float At(double s, double t, int& id) const
    {
        if (std::abs(s) > halfPaperS || std::abs(t) > halfPaperT) {
            id = kBackground;
            return -1;
        }
        const double shade = radius > 0 ? 0.35 + 0.65 * std::cos(s / radius) : 1.0;
        const double u = (s + halfSymbol) / module;
        id = kBlankPaper;
        bool bar = false;
        if (std::abs(t) <= halfBars && u > -1 && u < static_cast<double>(modules.size()) + 1) {
            id = static_cast<int>(std::floor(u));
            const double half = std::abs(spread) / 2;
            bar = spread >= 0 ? IsBar(u) || IsBar(u - half) || IsBar(u + half) : IsBar(u) && IsBar(u - half) && IsBar(u + half);
        }
        return static_cast<float>((bar ? ink : paper) * shade);
    }
};

double Uniform(std::mt19937& rng, double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }

}  // namespace

Grey PhotographLabel(const Symbol& symbol, const PhotoConditions& c, std::mt19937& rng)
{
    const Surface& surface = c.surface;
    const double m = surface.module;
    const double halfSymbol = static_cast<double>(symbol.modules.size()) * m / 2;
    const double halfPaperS = halfSymbol + (kQuietModules + Uniform(rng, 2, 8)) * m;
    const double halfBars = surface.barHeight * m / 2;
    const double halfPaperT = halfBars + Uniform(rng, 3, 10) * m;
    const double radius = surface.curve > 0 ? halfPaperS / surface.curve : 0;
    const Label label{symbol.modules, m, surface.inkSpread, halfSymbol, halfBars, halfPaperS, halfPaperT, radius,
                      c.light.paper, c.light.ink};
    const SurfaceMap map(radius, surface.tilt, surface.perspective, std::max(halfPaperS, halfPaperT), rng);

    // The canvas: the label's outline plus a random margin each side.
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (int i = 0; i <= 64; ++i) {
        const double f = -1 + i / 32.0;
        for (const Point p : {Point{f * halfPaperS, -halfPaperT}, Point{f * halfPaperS, halfPaperT},
                              Point{-halfPaperS, f * halfPaperT}, Point{halfPaperS, f * halfPaperT}}) {
            const Point q = map.Forward(p);
            minX = std::min(minX, q.x), maxX = std::max(maxX, q.x), minY = std::min(minY, q.y), maxY = std::max(maxY, q.y);
        }
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    const auto margin = [&] { return 12 + Uniform(rng, 0.05, 0.3) * std::min(extent, 800.0); };
    const double left = margin(), top = margin();
    const int width = static_cast<int>(std::ceil(maxX - minX + left + margin()));
    const int height = static_cast<int>(std::ceil(maxY - minY + top + margin()));
    const double ox = left - minX, oy = top - minY;

    // Label coordinates at every pixel corner; a pixel whose four corners share a region is
    // uniform, the others are sampled 4 x 4 between them.
    const std::size_t cw = static_cast<std::size_t>(width) + 1;
    std::vector<Point> corner(cw * (static_cast<std::size_t>(height) + 1));
    for (int y = 0; y <= height; ++y)
        for (int x = 0; x <= width; ++x)
            corner[static_cast<std::size_t>(y) * cw + static_cast<std::size_t>(x)] = map.Inverse({x - ox, y - oy});

    // The background: a surface with slow shading and the edge of another object.
    const double bgFx = Uniform(rng, 0.002, 0.02), bgFy = Uniform(rng, 0.002, 0.02), bgPhase = Uniform(rng, 0, 6.3);
    const double edgeAngle = Uniform(rng, 0, 6.3), edgeOffset = Uniform(rng, 0.2, 0.8) * width;
    const double edgeShade = Uniform(rng, 0.4, 1.6);
    const auto backgroundAt = [&](int x, int y) {
        double b = c.light.background * (1 + 0.25 * std::sin(bgFx * x + bgPhase) * std::sin(bgFy * y));
        if (std::cos(edgeAngle) * x + std::sin(edgeAngle) * y > edgeOffset)
            b *= edgeShade;
        return static_cast<float>(std::clamp(b, 0.02, 1.0));
    };

    // Light: a slope across the picture, a soft shadow edge, and a specular spot on the label.
    const double slopeAngle = Uniform(rng, 0, 6.3);
    const double slopeX = std::cos(slopeAngle) / std::max(width, height), slopeY = std::sin(slopeAngle) / std::max(width, height);
    const Point shadowAt = map.Forward({Uniform(rng, -0.6, 0.6) * halfSymbol, 0});
    const double shadowAngle = Uniform(rng, 0, 6.3), shadowSoftness = Uniform(rng, 3, 15);
    const Point glareAt = map.Forward({Uniform(rng, -0.7, 0.7) * halfSymbol, Uniform(rng, -0.5, 0.5) * halfBars});
    const double glareSigma = Uniform(rng, 0.06, 0.2) * 2 * halfSymbol;
    const double exposure = Uniform(rng, 0.85, 1.0) * 255;

    Plane plane(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Point* c0 = &corner[static_cast<std::size_t>(y) * cw + static_cast<std::size_t>(x)];
            const Point* c1 = c0 + cw;
            const Point quad[4] = {c0[0], c0[1], c1[0], c1[1]};
            int ids[4];
            float values[4];
            for (int i = 0; i < 4; ++i)
                values[i] = label.At(quad[i].x, quad[i].y, ids[i]);
            float reflectance;
            if (std::all_of(ids, ids + 4, [&](int id) { return id == ids[0]; }) &&
                std::all_of(values, values + 4, [&](float v) { return v == values[0]; })) {
                reflectance = ids[0] == kBackground ? backgroundAt(x, y) : values[0];
            } else {
                float sum = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx) {
                        const double fx = 0.125 + 0.25 * sx, fy = 0.125 + 0.25 * sy;
                        const double s = (quad[0].x * (1 - fx) + quad[1].x * fx) * (1 - fy) + (quad[2].x * (1 - fx) + quad[3].x * fx) * fy;
                        const double t = (quad[0].y * (1 - fx) + quad[1].y * fx) * (1 - fy) + (quad[2].y * (1 - fx) + quad[3].y * fx) * fy;
                        int id;
                        const float v = label.At(s, t, id);
                        sum += id == kBackground ? backgroundAt(x, y) : v;
                    }
                reflectance = sum / 16;
            }
            double light = 1 - c.light.gradient * (0.5 + slopeX * (x - width / 2.0) + slopeY * (y - height / 2.0));
            const double across = std::cos(shadowAngle) * (x - shadowAt.x - ox) + std::sin(shadowAngle) * (y - shadowAt.y - oy);
            light *= 1 - c.light.shadow / (1 + std::exp(-across / shadowSoftness));
            const double gx = x - glareAt.x - ox, gy = y - glareAt.y - oy;
            const double glare = c.light.glare * 255 * std::exp(-(gx * gx + gy * gy) / (2 * glareSigma * glareSigma));
            plane.at(x, y) = static_cast<float>(reflectance * light * exposure + glare);
        }

    DiskBlur(plane, c.camera.defocus);
    MotionBlur(plane, c.camera.motion, Uniform(rng, 0, 3.1416));
    GaussianBlur(plane, c.camera.sigma);
    AddNoise(plane, c.camera.noise, rng);
    const Grey photo = ToGrey(plane);
    return c.camera.jpegQuality > 0 ? JpegRoundTrip(photo, c.camera.jpegQuality) : photo;
}

}  // namespace bench
