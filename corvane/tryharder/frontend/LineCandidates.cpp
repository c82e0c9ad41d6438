#include "tryharder/frontend/LineCandidates.h"

#include <algorithm>

#include "decoders/BarcodeTypeCode.h"
#include "tryharder/frontend/FixedWidthFit.h"
#include "tryharder/frontend/StretchFinder.h"
#include "tryharder/frontend/TwoWidthFit.h"

namespace corvane::tryharder {

namespace {

// Fewer edges than this cannot hold the smallest symbol.
constexpr std::size_t kMinEdges = 18;
constexpr std::size_t kEan13Elements = 59;
// Elements beyond an EAN-13's own that a stretch may carry and still be searched for one.
constexpr std::size_t kMaxStrayElements = 8;

struct Scratch {
    std::vector<float> samples;
    EdgeList edges;
    std::vector<float> bounds;
    std::vector<float> runs;
    std::vector<Stretch> stretches;
    std::vector<float> widths;
    std::vector<std::u16string> modules;
    std::u16string twoWidths;
};

// Elements at each end of a symbol whose narrow ones give the module that its margin on that
// side is counted in: on a curved or slanted label the module near an end can be well below the
// symbol's mean.
constexpr std::size_t kEndElements = 12;

// The mean width of the one-module elements of `modules` among its elements `from` to `to`
// (exclusive), whose widths are `widths`. A two-width reading writes a wide element as two
// modules however wide it is printed, so its length over its module count overstates the module
// where wide is near three. 0 when no element there is one module wide.
float NarrowWidth(const std::u16string& modules, const std::vector<float>& widths, std::size_t from, std::size_t to)
{
    float sum = 0;
    int count = 0;
    std::size_t element = 0;
    for (std::size_t i = 0; i < modules.size() && element < widths.size(); ++element) {
        std::size_t j = i;
        while (j < modules.size() && modules[j] == modules[i]) {
            ++j;
        }
        if (j - i == 1 && element >= from && element < to) {
            sum += widths[element];
            ++count;
        }
        i = j;
    }
    return count > 0 ? sum / static_cast<float>(count) : 0.0f;
}

// Margins in the narrow elements nearest to them. `widths` are in reading order.
void AddFitted(Scratch& s, float firstEdge, float lastEdge, float before, float after,
               std::vector<LineCandidate>& out)
{
    const std::size_t n = s.widths.size();
    for (std::u16string& m : s.modules) {
        if (DetectBarcodeType(m) == BarcodeUnknown) {
            continue;
        }
        float mean = NarrowWidth(m, s.widths, 0, n);
        if (mean <= 0) {
            mean = std::abs(lastEdge - firstEdge) / static_cast<float>(m.size());
        }
        const float head = NarrowWidth(m, s.widths, 0, std::min(n, kEndElements));
        const float tail = NarrowWidth(m, s.widths, n - std::min(n, kEndElements), n);
        out.push_back({std::move(m), firstEdge, lastEdge, before / (head > 0 ? std::min(head, mean) : mean),
                       after / (tail > 0 ? std::min(tail, mean) : mean)});
    }
}

// Fits the runs first..last (bars both) read from either end; `twoWidths` also the two-width form.
void ReadSpan(Scratch& s, std::size_t first, std::size_t last, bool twoWidths, std::vector<LineCandidate>& out)
{
    const float firstEdge = s.bounds[first];
    const float lastEdge = s.bounds[last + 1];
    // A bar at an end of the line has no margin at all on that side.
    const float before = first > 0 ? s.runs[first - 1] : 0.0f;
    const float after = last + 1 < s.runs.size() ? s.runs[last + 1] : 0.0f;
    s.widths.assign(s.runs.begin() + static_cast<std::ptrdiff_t>(first),
                    s.runs.begin() + static_cast<std::ptrdiff_t>(last + 1));
    s.modules.clear();
    FitFixedWidths(s.widths, s.modules);
    twoWidths = twoWidths && FitTwoWidths(s.widths, s.twoWidths);
    if (twoWidths) {
        s.modules.push_back(s.twoWidths);
    }
    AddFitted(s, firstEdge, lastEdge, before, after, out);
    // The decoders read left to right only: the same stretch read from its other end.
    std::reverse(s.widths.begin(), s.widths.end());
    s.modules.clear();
    FitFixedWidths(s.widths, s.modules);
    if (twoWidths) {
        s.modules.emplace_back(s.twoWidths.rbegin(), s.twoWidths.rend());
    }
    AddFitted(s, lastEdge, firstEdge, after, before, out);
}

}  // namespace

void ReadLineCandidates(const GreyView& image, const ScanLineGeometry& line, int across,
                        const EdgeOptions& options, std::vector<LineCandidate>& out)
{
    out.clear();
    thread_local Scratch s;
    SampleLine(image, line, across, s.samples);
    EdgeOptions used = options;
    if (options.noiseFloor) {
        used.minContrast = std::max(options.minContrast, NoiseFloor(s.samples));
    }
    if (options.betweenExtremes) {
        FindEdgesBetweenExtremes(s.samples, used, s.edges);
    } else {
        FindEdges(s.samples, used, s.edges);
    }
    const std::vector<float>& e = s.edges.edges;
    if (e.size() < kMinEdges) {
        return;
    }
    // Run j lies between boundary j and j + 1: the line's ends and its edges.
    s.bounds.clear();
    s.bounds.push_back(s.edges.begin);
    s.bounds.insert(s.bounds.end(), e.begin(), e.end());
    s.bounds.push_back(s.edges.end);
    s.runs.clear();
    for (std::size_t k = 1; k < s.bounds.size(); ++k) {
        s.runs.push_back(s.bounds[k] - s.bounds[k - 1]);
    }
    FindStretches(s.runs, s.edges.startsDark, s.stretches);
    for (const Stretch& st : s.stretches) {
        ReadSpan(s, st.first, st.last, true, out);
        // Text or a cut bar beside an EAN-13 or UPC-A without a margin between them joins its
        // stretch: the symbol's own element count is tried at each bar near the stretch's ends.
        const std::size_t n = st.last - st.first + 1;
        if (n > kEan13Elements && n <= kEan13Elements + kMaxStrayElements) {
            for (std::size_t skip = 0; skip <= n - kEan13Elements; skip += 2) {
                ReadSpan(s, st.first + skip, st.first + skip + kEan13Elements - 1, false, out);
            }
        }
    }
}

}  // namespace corvane::tryharder
