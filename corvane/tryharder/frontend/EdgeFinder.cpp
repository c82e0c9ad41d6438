#include "tryharder/frontend/EdgeFinder.h"

#include <algorithm>
#include <deque>

namespace corvane::tryharder {

namespace {

// Sliding minimum and maximum over [i - window, i + window] with monotonic queues: one pass.
void LocalExtremes(const std::vector<float>& v, int window, std::vector<float>& lo, std::vector<float>& hi)
{
    const int n = static_cast<int>(v.size());
    lo.resize(v.size());
    hi.resize(v.size());
    std::deque<int> minQ;
    std::deque<int> maxQ;
    int next = 0;
    for (int i = 0; i < n; ++i) {
        for (; next < n && next <= i + window; ++next) {
            while (!minQ.empty() && v[static_cast<std::size_t>(minQ.back())] >= v[static_cast<std::size_t>(next)]) {
                minQ.pop_back();
            }
            minQ.push_back(next);
            while (!maxQ.empty() && v[static_cast<std::size_t>(maxQ.back())] <= v[static_cast<std::size_t>(next)]) {
                maxQ.pop_back();
            }
            maxQ.push_back(next);
        }
        while (minQ.front() < i - window) {
            minQ.pop_front();
        }
        while (maxQ.front() < i - window) {
            maxQ.pop_front();
        }
        lo[static_cast<std::size_t>(i)] = v[static_cast<std::size_t>(minQ.front())];
        hi[static_cast<std::size_t>(i)] = v[static_cast<std::size_t>(maxQ.front())];
    }
}

}  // namespace

void FindEdges(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out)
{
    out.edges.clear();
    out.begin = -0.5f;
    out.end = static_cast<float>(samples.size()) - 0.5f;
    out.startsDark = false;
    if (samples.size() < 2) {
        return;
    }
    thread_local std::vector<float> lo;
    thread_local std::vector<float> hi;
    LocalExtremes(samples, options.window, lo, hi);

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

}  // namespace corvane::tryharder
