#include "tryharder/frontend/LinePlan.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace corvane::tryharder {

namespace {

// A line's id comes from where it lies, so that the same row read again by another level's edge
// finder keeps its id, and no two different lines share one: rows, columns and each tilt have
// their own range, in which the position along the other axis is the index.
constexpr int kIdsPerFamily = 1 << 20;  // 14 families fit an int
constexpr int kRowIds = 0;
constexpr int kColumnIds = kIdsPerFamily;
constexpr int kFirstTiltIds = 2 * kIdsPerFamily;
// Level 1 reads about this many rows and as many columns; level 2 as many again between them.
// Sixteen read one photograph more of the development set than twelve, for a third more time;
// ten lose small symbols.
constexpr int kSparseLines = 12;
// Tilts of level 3, in degrees from the rows (and from the columns).
constexpr float kTilts[] = {-8.0f, 8.0f, -16.0f, 16.0f, -24.0f, 24.0f};
constexpr int kTiltCount = static_cast<int>(std::size(kTilts));
// Centres of level 3 lines along the other axis.
constexpr int kTiltedLines = 8;
// Pixels averaged across a level 4 line. Noise and JPEG blocks vary from row to row while bars
// run on; seven keep a symbol of the usual height inside the band on a tilt of a few degrees.
constexpr int kWideAcross = 7;

// Every `step`-th position, shifted by `phase`, nearest the middle first: a symbol in the middle
// of the picture, the usual case, is found before the rest is read.
std::vector<int> CentreOut(int size, int step, int phase)
{
    std::vector<int> out;
    const int middle = size / 2;
    for (int p = (middle + phase) % step; p < size; p += step) {
        out.push_back(p);
    }
    std::stable_sort(out.begin(), out.end(), [&](int a, int b) { return std::abs(a - middle) < std::abs(b - middle); });
    return out;
}

PlannedLine Row(const GreyView& image, int y)
{
    PlannedLine line;
    line.geometry = {0.5f, static_cast<float>(y) + 0.5f, 1.0f, 0.0f, image.width};
    line.id = kRowIds + y;
    return line;
}

PlannedLine Column(const GreyView& image, int x)
{
    PlannedLine line;
    line.geometry = {static_cast<float>(x) + 0.5f, 0.5f, 0.0f, 1.0f, image.height};
    line.degrees = 90.0f;
    line.id = kColumnIds + x;
    return line;
}

// Rows and columns every 1/kSparseLines of the picture, or those halfway between them, taking a
// row and a column in turn so that a symbol either way up is found as early.
void AddStraight(const GreyView& image, bool between, bool betweenExtremes, std::vector<PlannedLine>& out,
                 int across = PlannedLine{}.across)
{
    const auto positions = [&](int size) {
        const int step = std::max(1, size / kSparseLines);
        return between && step < 2 ? std::vector<int>{} : CentreOut(size, step, between ? step / 2 : 0);
    };
    const std::vector<int> rows = positions(image.height);
    const std::vector<int> columns = positions(image.width);
    for (std::size_t k = 0; k < std::max(rows.size(), columns.size()); ++k) {
        for (PlannedLine line : {k < rows.size() ? Row(image, rows[k]) : PlannedLine{},
                                 k < columns.size() ? Column(image, columns[k]) : PlannedLine{}}) {
            if (line.geometry.length > 0) {
                line.edgeOptions.betweenExtremes = betweenExtremes;
                line.across = across;
                line.edgeOptions.noiseFloor = across > PlannedLine{}.across;
                out.push_back(line);
            }
        }
    }
}

void AddTilted(const GreyView& image, std::vector<PlannedLine>& out, bool wide = false)
{
    const std::vector<int> rows = CentreOut(image.height, std::max(1, image.height / kTiltedLines), 0);
    const std::vector<int> columns = CentreOut(image.width, std::max(1, image.width / kTiltedLines), 0);
    const float midX = 0.5f * static_cast<float>(image.width);
    const float midY = 0.5f * static_cast<float>(image.height);
    for (std::size_t k = 0; k < std::max(rows.size(), columns.size()); ++k) {
        for (int t = 0; t < kTiltCount; ++t) {
            const int ids = kFirstTiltIds + 2 * t * kIdsPerFamily;
            PlannedLine line;
            line.angled = true;
            line.across = 1;  // interpolation already averages neighbours; a third of the time
            if (wide) {  // for noise: averaged like a row, edges above the noise floor
                line.across = PlannedLine{}.across;
                line.edgeOptions.noiseFloor = true;
            }
            if (k < rows.size()) {
                line.degrees = kTilts[t];
                line.geometry = LineThrough(image, midX, static_cast<float>(rows[k]) + 0.5f, line.degrees);
                line.id = ids + rows[k];
                if (line.geometry.length > 1) {
                    out.push_back(line);
                }
            }
            if (k < columns.size()) {
                line.degrees = 90.0f + kTilts[t];
                line.geometry = LineThrough(image, static_cast<float>(columns[k]) + 0.5f, midY, line.degrees);
                line.id = ids + kIdsPerFamily + columns[k];
                if (line.geometry.length > 1) {
                    out.push_back(line);
                }
            }
        }
    }
}

}  // namespace

std::vector<PlannedLine> PlanLines(const GreyView& image, int level)
{
    std::vector<PlannedLine> out;
    if (level == 1) {
        AddStraight(image, false, false, out);
    } else if (level == 2) {
        // The same rows and columns again, with edges that survive blur, then the ones between.
        AddStraight(image, false, true, out);
        AddStraight(image, true, true, out);
    } else if (level == 3) {
        AddTilted(image, out);
    } else if (level == 4) {
        // The rows and columns of level 2 through a wider band, with either edge finder, and the
        // tilted lines of level 3 through the usual one; all with edges above the line's noise.
        for (const bool between : {false, true}) {
            AddStraight(image, between, false, out, kWideAcross);
            AddStraight(image, between, true, out, kWideAcross);
        }
        AddTilted(image, out, true);
    }
    return out;
}

}  // namespace corvane::tryharder
