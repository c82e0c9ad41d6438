#include "tryharder/frontend/EdgeFinder.h"

#include <algorithm>
#include <cmath>

namespace corvane::tryharder {

namespace {

// Sliding minimum and maximum over [i - window, i + window], clipped to the line, by blocks of
// the window's length: the prefix extreme of one block and the suffix extreme of the one before
// cover any window, in three passes without branches.
void LocalExtremes(const std::vector<float>& v, int window, std::vector<float>& lo, std::vector<float>& hi)
{
    const std::size_t n = v.size();
    const auto w = static_cast<std::size_t>(2 * window + 1);
    thread_local std::vector<float> preLo, preHi, sufLo, sufHi;
    // Padded by the window on each side with neutral values, so windows never leave the arrays.
    const std::size_t padded = n + 2 * static_cast<std::size_t>(window);
    const std::size_t total = (padded + w - 1) / w * w;
    preLo.assign(total, 1e30f);
    preHi.assign(total, -1e30f);
    std::copy(v.begin(), v.end(), preLo.begin() + window);
    std::copy(v.begin(), v.end(), preHi.begin() + window);
    sufLo = preLo;
    sufHi = preHi;
    for (std::size_t block = 0; block < total; block += w) {
        for (std::size_t i = block + 1; i < block + w; ++i) {
            preLo[i] = std::min(preLo[i], preLo[i - 1]);
            preHi[i] = std::max(preHi[i], preHi[i - 1]);
        }
        for (std::size_t i = block + w - 1; i-- > block;) {
            sufLo[i] = std::min(sufLo[i], sufLo[i + 1]);
            sufHi[i] = std::max(sufHi[i], sufHi[i + 1]);
        }
    }
    lo.resize(n);
    hi.resize(n);
    // Sample i's window is padded positions i .. i + w - 1.
    for (std::size_t i = 0; i < n; ++i) {
        lo[i] = std::min(sufLo[i], preLo[i + w - 1]);
        hi[i] = std::max(sufHi[i], preHi[i + w - 1]);
    }
}

// Empties `out` for a line of `samples` and fills the local extremes both edge finders measure
// against; false when the line is too short to hold an edge.
bool StartEdges(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out, std::vector<float>& lo,
                std::vector<float>& hi)
{
    out.edges.clear();
    out.begin = -0.5f;
    out.end = static_cast<float>(samples.size()) - 0.5f;
    out.startsDark = false;
    if (samples.size() < 2) {
        return false;
    }
    LocalExtremes(samples, options.window, lo, hi);
    return true;
}

}  // namespace

float NoiseFloor(const std::vector<float>& samples)
{
    // The median step of Gaussian noise is about its deviation; a window of a few dozen samples
    // spans some five deviations of it, and six keep plain paper free of edges.
    constexpr float kDeviations = 6.0f;
    if (samples.size() < 2) {
        return 0.0f;
    }
    std::vector<float> steps(samples.size() - 1);
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        steps[i] = std::abs(samples[i + 1] - samples[i]);
    }
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return kDeviations * *middle;
}

void FindEdges(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out)
{
    thread_local std::vector<float> lo;
    thread_local std::vector<float> hi;
    if (!StartEdges(samples, options, out, lo, hi)) {
        return;
    }

    // Signed distance from the local threshold; samples in flat stretches keep the colour before.
    bool known = false;
    bool dark = false;
    float lastDiff = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (hi[i] - lo[i] < options.minContrast) {
            continue;
        }
        const float diff = samples[i] - 0.5f * (lo[i] + hi[i]);
        const bool isDark = diff < 0;
        if (!known) {
            known = true;
            out.startsDark = isDark;
        } else if (isDark != dark) {
            // The crossing between the last sample with contrast and this one.
            const float span = lastDiff - diff;
            const float f = span != 0 ? lastDiff / span : 0.5f;
            out.edges.push_back(static_cast<float>(last) + static_cast<float>(i - last) * std::clamp(f, 0.0f, 1.0f));
        }
        dark = isDark;
        lastDiff = diff;
        last = i;
    }
}

void FindEdgesBetweenExtremes(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out)
{
    thread_local std::vector<float> lo;
    thread_local std::vector<float> hi;
    if (!StartEdges(samples, options, out, lo, hi)) {
        return;
    }

    struct Extreme {
        std::size_t at;
        bool light;
    };
    thread_local std::vector<Extreme> extremes;
    extremes.clear();
    // Hysteresis: an extreme counts once the line has moved away from it by the swing, which
    // follows the local contrast but never drops to the noise of a flat stretch.
    enum class Seeking { Either, Light, Dark } seeking = Seeking::Either;
    std::size_t top = 0;
    std::size_t bottom = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const float v = samples[i];
        const float swing = std::max(0.5f * options.minContrast, options.minSwing * (hi[i] - lo[i]));
        if (seeking != Seeking::Dark && v > samples[top]) {
            top = i;
        }
        if (seeking != Seeking::Light && v < samples[bottom]) {
            bottom = i;
        }
        if (seeking != Seeking::Dark && samples[top] - v >= swing) {
            extremes.push_back({top, true});
            seeking = Seeking::Dark;
            bottom = i;
        } else if (seeking != Seeking::Light && v - samples[bottom] >= swing) {
            extremes.push_back({bottom, false});
            seeking = Seeking::Light;
            top = i;
        }
    }
    if (seeking == Seeking::Light) {
        extremes.push_back({top, true});
    } else if (seeking == Seeking::Dark) {
        extremes.push_back({bottom, false});
    }
    if (extremes.empty()) {
        return;
    }
    out.startsDark = !extremes.front().light;
    for (std::size_t k = 1; k < extremes.size(); ++k) {
        const std::size_t a = extremes[k - 1].at;
        const std::size_t b = extremes[k].at;
        const float level = 0.5f * (samples[a] + samples[b]);
        float edge = 0.5f * static_cast<float>(a + b);
        for (std::size_t i = a; i < b; ++i) {
            const float d0 = samples[i] - level;
            const float d1 = samples[i + 1] - level;
            if ((d0 >= 0) != (d1 >= 0)) {
                edge = static_cast<float>(i) + d0 / (d0 - d1);
                break;
            }
        }
        out.edges.push_back(edge);
    }
}

}  // namespace corvane::tryharder
