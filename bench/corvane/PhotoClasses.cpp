#include "PhotoClasses.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bench {

namespace {

constexpr Range kNone{0, 0};
constexpr Range kAnyModule{1.0, 4.7}, kModule{1.3, 4.7};
constexpr Range kLevel{0, 3};                          // a hand-held camera is never quite level
constexpr Range kWhitePaper{0.75, 0.95}, kBlackInk{0.6, 0.8};
constexpr Range kSensorNoise{1, 3};

}  // namespace

// name, module, tilt, paper, contrast, perspective, curve, shapeShare, defocus, motion, blurShare,
// gradient, shadow, glare, noise, jpeg, jpegShare
const PhotoClass kPhotoClasses[8] = {
    {"fractional modules", kAnyModule, kLevel, kWhitePaper, kBlackInk, kNone, kNone, 0, kNone, kNone, 0,
     {0, 0.1}, kNone, kNone, kSensorNoise, kNone, 0},
    {"blur", {1.5, 4.7}, kLevel, kWhitePaper, kBlackInk, kNone, kNone, 0, {0.3, 0.75}, {0.8, 1.8}, 1,
     {0, 0.1}, kNone, kNone, kSensorNoise, kNone, 0},
    {"grey on grey", {1.2, 4.7}, kLevel, {0.35, 0.6}, {0.1, 0.22}, kNone, kNone, 0, kNone, kNone, 0,
     {0, 0.2}, kNone, kNone, kSensorNoise, kNone, 0},
    {"glare, uneven light", {1.2, 4.7}, kLevel, kWhitePaper, kBlackInk, kNone, kNone, 0, kNone, kNone, 0,
     {0.3, 0.6}, {0, 0.6}, {0.2, 0.9}, kSensorNoise, kNone, 0},
    {"tilt", {1.2, 4.7}, {5, 30}, kWhitePaper, kBlackInk, kNone, kNone, 0, kNone, kNone, 0,
     {0, 0.1}, kNone, kNone, kSensorNoise, kNone, 0},
    {"perspective, curve", kModule, {0, 6}, kWhitePaper, kBlackInk, {0.06, 0.2}, {0.5, 1.3}, 1, kNone, kNone, 0,
     {0, 0.2}, kNone, kNone, kSensorNoise, kNone, 0},
    {"noise, JPEG", kModule, kLevel, kWhitePaper, {0.45, 0.8}, kNone, kNone, 0, kNone, kNone, 0,
     {0, 0.2}, kNone, kNone, {5, 14}, {30, 60}, 1},
    {"combined", kModule, {0, 20}, {0.5, 0.95}, {0.25, 0.7}, {0.03, 0.12}, {0.3, 0.9}, 0.5, {0.2, 0.5}, {0.5, 1.2}, 0.5,
     {0, 0.4}, {0, 0.4}, {0, 0.5}, {2, 8}, {35, 60}, 0.6},
};

namespace {

double Draw(const Range& r, std::mt19937& rng)
{
    return r.hi > r.lo ? std::uniform_real_distribution<double>(r.lo, r.hi)(rng) : r.lo;
}

bool Chance(double share, std::mt19937& rng) { return std::uniform_real_distribution<double>(0, 1)(rng) < share; }

}  // namespace

PhotoConditions DrawConditions(const PhotoClass& k, std::size_t modules, std::mt19937& rng)
{
    PhotoConditions c;
    Surface& s = c.surface;
    s.module = Draw(k.module, rng);
    if (std::abs(s.module - std::round(s.module)) < 0.1)  // keep modules off whole pixels
        s.module = std::min(k.module.hi, s.module + 0.25);
    s.barHeight = std::clamp(Draw({0.25, 0.6}, rng) * static_cast<double>(modules), 22.0, 80.0);
    s.inkSpread = Draw({-0.15, 0.25}, rng);
    s.tilt = Draw(k.tilt, rng) * (Chance(0.5, rng) ? 1 : -1) * std::numbers::pi / 180;
    if (Chance(k.shapeShare, rng)) {
        const bool both = k.perspective.hi > 0 && k.curve.hi > 0;
        const bool curved = k.curve.hi > 0 && (!both || Chance(0.5, rng));
        (curved ? s.curve : s.perspective) = Draw(curved ? k.curve : k.perspective, rng);
    }

    Lighting& l = c.light;
    l.paper = Draw(k.paper, rng);
    l.ink = std::max(0.03, l.paper - Draw(k.contrast, rng));
    l.background = Draw({0.15, 0.7}, rng);
    l.gradient = Draw(k.gradient, rng);
    l.shadow = Draw(k.shadow, rng);
    l.glare = Draw(k.glare, rng);

    Camera& cam = c.camera;
    cam.sigma = Draw({0.35, 0.65}, rng);
    if (Chance(k.blurShare, rng)) {
        const bool both = k.defocus.hi > 0 && k.motion.hi > 0;
        const bool moving = k.motion.hi > 0 && (!both || Chance(0.5, rng));
        (moving ? cam.motion : cam.defocus) = Draw(moving ? k.motion : k.defocus, rng) * s.module;
    }
    cam.noise = Draw(k.noise, rng);
    if (Chance(k.jpegShare, rng))
        cam.jpegQuality = static_cast<int>(std::lround(Draw(k.jpeg, rng)));
    return c;
}

}  // namespace bench
