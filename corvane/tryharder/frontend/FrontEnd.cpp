#include "tryharder/FrontEnd.h"

#include <algorithm>
#include <vector>

#include "decoders/BarcodeTypeCode.h"
#include "tryharder/frontend/EdgeFinder.h"
#include "tryharder/frontend/LinePlan.h"
#include "tryharder/frontend/LineSampler.h"
#include "tryharder/frontend/ModuleFit.h"
#include "tryharder/frontend/StretchFinder.h"

namespace corvane::tryharder {

namespace {

// A light margin of this many modules counts as a quiet zone.
constexpr float kQuietModules = 10.0f;

struct LineState {
    std::vector<float> samples;
    EdgeList edges;
    std::vector<float> runs;
    std::vector<Stretch> stretches;
    std::vector<float> widths;
    std::vector<std::u16string> modules;
};

// Emits the strings of one stretch read in one direction; returns false when the sink stops.
bool EmitStretch(const ScanLineGeometry& geometry, const PlannedLine& planned, LineState& s,
                 float firstEdge, float lastEdge, float marginBefore, float marginAfter,
                 const std::function<bool(const LineRead&)>& sink)
{
    for (const std::u16string& m : s.modules) {
        if (DetectBarcodeType(m) == BarcodeUnknown) {
            continue;
        }
        const float module = (lastEdge > firstEdge ? lastEdge - firstEdge : firstEdge - lastEdge)
                             / static_cast<float>(m.size());
        LineRead read;
        read.quietBefore = marginBefore >= kQuietModules * module;
        read.quietAfter = marginAfter >= kQuietModules * module;
        // A tilted line crosses the ends of bars, text and pictures far more often than a row or
        // column does: there only a stretch with light margins on both sides counts as a symbol.
        if (planned.angled && !(read.quietBefore && read.quietAfter)) {
            continue;
        }
        read.modules = m;
        // Positions along the line are sample indices; sample i lies on the line's origin + i.
        read.x0 = geometry.x + firstEdge * geometry.dx;
        read.y0 = geometry.y + firstEdge * geometry.dy;
        read.x1 = geometry.x + lastEdge * geometry.dx;
        read.y1 = geometry.y + lastEdge * geometry.dy;
        read.line = planned.id;
        read.angled = planned.angled;
        if (!sink(read)) {
            return false;
        }
    }
    return true;
}

bool ReadLine(const GreyView& image, const PlannedLine& planned, LineState& s,
              const std::function<bool(const LineRead&)>& sink)
{
    SampleLine(image, planned.geometry, planned.across, s.samples);
    FindEdges(s.samples, planned.edgeOptions, s.edges);
    const std::vector<float>& e = s.edges.edges;
    if (e.size() < 20) {
        return true;
    }
    // Run j lies between boundary j and j + 1: the line's ends and its edges.
    s.runs.clear();
    s.runs.push_back(e.front() - s.edges.begin);
    for (std::size_t k = 1; k < e.size(); ++k) {
        s.runs.push_back(e[k] - e[k - 1]);
    }
    s.runs.push_back(s.edges.end - e.back());
    FindStretches(s.runs, s.edges.startsDark, s.stretches);
    for (const Stretch& st : s.stretches) {
        const auto first = static_cast<std::ptrdiff_t>(st.first);
        const auto last = static_cast<std::ptrdiff_t>(st.last);
        const float firstEdge = e[st.first - 1];
        const float lastEdge = e[st.last];
        const float before = s.runs[st.first - 1];
        const float after = s.runs[st.last + 1];
        s.widths.assign(s.runs.begin() + first, s.runs.begin() + last + 1);
        s.modules.clear();
        FitModuleStrings(s.widths, s.modules);
        if (!EmitStretch(planned.geometry, planned, s, firstEdge, lastEdge, before, after, sink)) {
            return false;
        }
        // The decoders read left to right only: the same stretch read from its other end.
        std::reverse(s.widths.begin(), s.widths.end());
        s.modules.clear();
        FitModuleStrings(s.widths, s.modules);
        if (!EmitStretch(planned.geometry, planned, s, lastEdge, firstEdge, after, before, sink)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int FrontEndLevels() { return kFrontEndLevels; }

void ScanFrontEnd(const GreyView& image, int level, const std::function<bool(const LineRead&)>& sink)
{
    if (image.pixels == nullptr || image.width < 1 || image.height < 1 || image.stride < image.width
        || level < 1 || level > kFrontEndLevels) {
        return;
    }
    LineState state;
    for (const PlannedLine& planned : PlanLines(image, level)) {
        if (!ReadLine(image, planned, state, sink)) {
            return;
        }
    }
}

}  // namespace corvane::tryharder
