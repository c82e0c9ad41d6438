#include "tryharder/BandStep.h"

#include "reader/BandSampler.h"
#include "reader/ScanDriver.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace corvane::tryharder {

namespace {

// The band reader turns the image this often: every orientation once.
constexpr int kRotations = 3;

// A point of the turned image, back in the unturned one.
std::pair<double, double> Unturn(int turns, double c, double r, int width, int height)
{
    switch (turns % 4) {
    case 1: return {r, height - 1 - c};
    case 2: return {width - 1 - c, height - 1 - r};
    case 3: return {width - 1 - r, c};
    default: return {c, r};
    }
}

}  // namespace

BandLine LineOfRecord(const BarcodesInfo& record, int imageWidth, int imageHeight)
{
    // The middle of the rows a band samples.
    const double row = record.row + (kRowsSampledPerBand - 1) / 2.0;
    const auto [x0, y0] = Unturn(record.pass, record.x0, row, imageWidth, imageHeight);
    const auto [x1, y1] = Unturn(record.pass, record.x1, row, imageWidth, imageHeight);
    return {x0, y0, x1, y1};
}

std::pair<Margin, Margin> MarginsOf(const GreyImage& image, const BandLine& line, std::size_t modules)
{
    const double dx = line.x1 - line.x0, dy = line.y1 - line.y0;
    const double length = std::hypot(dx, dy);
    if (modules == 0 || length < 1.0)
        return {};
    const double ux = dx / length, uy = dy / length;
    const double module = length / static_cast<double>(modules);
    // The grey at distance t along the line from its first end; nothing outside the image.
    const auto sample = [&](double t) -> std::optional<int> {
        const int x = static_cast<int>(std::lround(line.x0 + ux * t));
        const int y = static_cast<int>(std::lround(line.y0 + uy * t));
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            return std::nullopt;
        return image.At(x, y);
    };
    int dark = 255, light = 0;
    for (double t = 0; t <= length; t += 0.5)
        if (const auto v = sample(t)) {
            dark = std::min(dark, *v);
            light = std::max(light, *v);
        }
    const int threshold = (dark + light) / 2;
    // The ends are the centres of the outer bars' last pixels: light starts a pixel out.
    const auto margin = [&](double from, double direction) {
        Margin m;
        for (double s = 1.0; s <= kQuietZoneModules * module + 1.0; s += 0.5) {
            const auto v = sample(from + direction * s);
            if (!v) {
                m.edge = true;
                break;
            }
            if (*v <= threshold)
                break;
            m.modules = std::min(kQuietZoneModules, s / module);
        }
        return m;
    };
    return {margin(0.0, -1.0), margin(length, 1.0)};
}

void OfferBandReadings(const PlacedImage& placed, int scanLines, int step, Acceptance& acceptance)
{
    // Each prepared copy is read along the same bands: a band keeps its id from copy to copy, so
    // that one band read twice never passes for two scan lines.
    const long rowsPerPass = static_cast<long>(std::max(placed.image.width, placed.image.height)) + 1;
    CorvaneBitmap bitmap = placed.image.Bitmap();
    ReadContext context;
    ReadImageInto(context, &bitmap, 0, 0, placed.image.height, placed.image.width, scanLines, kRotations);
    if (bitmap.lastStatus == CorvaneOutOfMemory)
        throw std::bad_alloc();
    for (const BarcodesInfo& r : context.barcodes) {
        const BandLine line = LineOfRecord(r, placed.image.width, placed.image.height);
        const auto [before, after] = MarginsOf(placed.image, line, r.modules.size());
        Reading reading;
        reading.modules = r.modules;
        reading.finding = {r.typeName,
                           r.value,
                           r.score,
                           placed.CallerX(line.x0),
                           placed.CallerY(line.y0),
                           placed.CallerX(line.x1),
                           placed.CallerY(line.y1),
                           step};
        reading.before = before;
        reading.after = after;
        reading.line = -1 - (static_cast<long>(r.pass) * rowsPerPass + r.row);
        reading.lines = r.bands;
        acceptance.Offer(reading);
    }
}

}  // namespace corvane::tryharder
