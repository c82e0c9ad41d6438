#include "reader/RunExtraction.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr char16_t kDark = u'x';
constexpr char16_t kLight = u'y';
constexpr std::u16string_view kOuterPad = u"yyyy";
// Quiet zone: this many narrowest spaces of light.
constexpr int kQuietZoneSpaces = 10;
// After a window's last bar, this many characters are kept with it.
constexpr std::size_t kTrailingKept = 7;

// A window of the padded band string; the same windows serve every module factor.
struct Window {
    std::size_t start;
    std::size_t end;
};

std::vector<Window> FindWindows(const std::u16string& padded, const std::u16string& pad)
{
    const std::u16string quietThenBar = pad + kDark;
    const std::u16string barThenQuiet = kDark + pad;
    std::vector<Window> windows;
    // pos is the last bar of the previous window; the search starts just past it.
    std::ptrdiff_t pos = -1;
    for (;;) {
        std::size_t start = padded.find(quietThenBar, static_cast<std::size_t>(pos + 1));
        if (start == std::u16string::npos) {
            // No quiet zone ahead: take the next bar as it stands.
            start = padded.find(kDark, static_cast<std::size_t>(pos + 5));
            if (start == std::u16string::npos)
                break;
        }
        bool last = false;
        std::size_t end = padded.find(barThenQuiet, start + 10);
        if (end == std::u16string::npos) {
            end = padded.rfind(kDark);
            last = true;
        }
        if (end == std::u16string::npos || end <= start)
            break;
        windows.push_back({start, end});
        pos = static_cast<std::ptrdiff_t>(end);
        if (last)
            break;
    }
    return windows;
}

// Modules of one element: its width over the scaled narrowest run, rounded up, at least one.
std::size_t ModuleCount(std::size_t pixels, int narrowest, float factor)
{
    const float unit = static_cast<float>(narrowest) * factor;
    const float k = static_cast<float>(static_cast<double>(pixels) / static_cast<double>(unit));
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(k)));
}

}  // namespace

NarrowestRuns MeasureNarrowestRuns(const std::u16string& text)
{
    NarrowestRuns runs;
    int dark = -1;
    int light = -1;
    for (char16_t ch : text) {
        if (ch == kDark) {
            if (light > 0 && light < runs.space)
                runs.space = light;
            light = 0;
            ++dark;
        } else {
            if (dark > 0 && dark < runs.bar)
                runs.bar = dark;
            dark = 0;
            ++light;
        }
    }
    return runs;
}

std::u16string BuildModuleString(const std::u16string& window, int narrowestBar, int narrowestSpace,
                                 float factor)
{
    constexpr auto npos = std::u16string::npos;
    std::u16string out;
    std::size_t i = 0;
    for (;;) {
        const std::size_t c = window.find(kDark, i);
        if (c == npos)
            break;
        std::size_t e = window.find(kLight, c + 1);
        if (e == npos)
            e = window.size() - 1;
        if (c < e)
            out.append(ModuleCount(e - c, narrowestBar, factor), u'1');
        // The space after the last bar is never emitted.
        const std::size_t g = window.find(kLight, e);
        if (g == npos)
            break;
        const std::size_t h = window.find(kDark, g);
        if (h == npos)
            break;
        if (g < h)
            out.append(ModuleCount(h - g, narrowestSpace, factor), u'0');
        i = h;
    }
    return out;
}

std::vector<float> ModuleFactors()
{
    std::vector<float> factors;
    for (float f = 0.9f; f <= 3.0f; f = static_cast<float>(static_cast<double>(f) + static_cast<double>(0.1f)))
        factors.push_back(f);
    return factors;
}

std::vector<Candidate> ExtractRuns(const std::u16string& band)
{
    std::vector<Candidate> out;
    const NarrowestRuns runs = MeasureNarrowestRuns(band);
    // Also how a band without any bar ends at once.
    if (band.empty() || runs.bar > kMaxNarrowestRun || runs.space > kMaxNarrowestRun)
        return out;

    const std::u16string pad(static_cast<std::size_t>(kQuietZoneSpaces * runs.space), kLight);
    std::u16string padded;
    padded.reserve(band.size() + 2 * pad.size() + 2 * kOuterPad.size());
    padded.append(kOuterPad).append(pad).append(band).append(pad).append(kOuterPad);

    // Windows and their narrowest runs do not depend on the factor: find and measure them once.
    struct MeasuredWindow {
        Window window;
        std::u16string text;
        NarrowestRuns runs;
        int firstBar;
        int lastBar;
    };
    const auto bandColumn = [&](std::size_t paddedIndex) {
        const std::size_t offset = kOuterPad.size() + pad.size();
        const std::size_t column = paddedIndex > offset ? paddedIndex - offset : 0;
        return static_cast<int>(std::min(column, band.size() - 1));
    };
    std::vector<MeasuredWindow> windows;
    for (const Window& w : FindWindows(padded, pad)) {
        std::u16string text = padded.substr(w.start, w.end - w.start + 1 + kTrailingKept);
        const NarrowestRuns r = MeasureNarrowestRuns(text);
        windows.push_back({w, std::move(text), r, bandColumn(padded.find(kDark, w.start)), bandColumn(w.end)});
    }

    static const std::vector<float> factors = ModuleFactors();
    for (float f : factors) {
        for (const MeasuredWindow& w : windows) {
            // A window this coarse ends the whole band, keeping what was found before it.
            if (w.runs.bar > kMaxNarrowestRun || w.runs.space > kMaxNarrowestRun)
                return out;
            // Built from the first bar to the last, so the string already starts and ends with '1'.
            std::u16string modules = BuildModuleString(w.text, w.runs.bar, w.runs.space, f);
            if (modules.size() >= kMinModuleStringLength)
                out.push_back({std::move(modules), static_cast<int>(w.window.start), static_cast<int>(w.window.end),
                               w.firstBar, w.lastBar});
        }
    }
    return out;
}

}  // namespace corvane
