#include "tryharder/frontend/LinePlan.h"

#include <algorithm>
#include <cstdlib>

namespace corvane::tryharder {

namespace {

// Ids of different levels never meet.
constexpr int kIdsPerLevel = 1 << 20;
// Level 1 reads about this many rows and as many columns.
constexpr int kSparseLines = 16;
// Tilts of level 3, in degrees from the rows (and from the columns).
constexpr float kTilts[] = {-8.0f, 8.0f, -16.0f, 16.0f, -24.0f, 24.0f};
// Centres of level 3 lines along the other axis.
constexpr int kTiltedLines = 8;

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

void AddStraight(const GreyView& image, int level, int& id, std::vector<PlannedLine>& out)
{
    const auto plan = [&](int size, bool rows) {
        const int step = std::max(1, size / kSparseLines);
        // Level 2 takes the lines halfway between those of level 1.
        const int phase = level == 1 ? 0 : step / 2;
        if (level == 2 && step < 2) {
            return;
        }
        for (int at : CentreOut(size, step, phase)) {
            PlannedLine line;
            if (rows) {
                line.geometry = {0.0f, static_cast<float>(at) + 0.5f, 1.0f, 0.0f, image.width};
            } else {
                line.geometry = {static_cast<float>(at) + 0.5f, 0.0f, 0.0f, 1.0f, image.height};
            }
            line.id = id++;
            out.push_back(line);
        }
    };
    plan(image.height, true);
    plan(image.width, false);
}

void AddTilted(const GreyView& image, int& id, std::vector<PlannedLine>& out)
{
    for (float tilt : kTilts) {
        for (bool rows : {true, false}) {
            const int size = rows ? image.height : image.width;
            const int step = std::max(1, size / kTiltedLines);
            for (int at : CentreOut(size, step, 0)) {
                const float c = static_cast<float>(at) + 0.5f;
                PlannedLine line;
                line.geometry = rows ? LineThrough(image, 0.5f * static_cast<float>(image.width), c, tilt)
                                     : LineThrough(image, c, 0.5f * static_cast<float>(image.height), 90.0f + tilt);
                if (line.geometry.length < 2) {
                    continue;
                }
                line.id = id++;
                line.angled = true;
                out.push_back(line);
            }
        }
    }
}

}  // namespace

std::vector<PlannedLine> PlanLines(const GreyView& image, int level)
{
    std::vector<PlannedLine> out;
    int id = level * kIdsPerLevel;
    if (level == 1 || level == 2) {
        AddStraight(image, level, id, out);
    } else if (level == 3) {
        AddTilted(image, id, out);
    }
    return out;
}

}  // namespace corvane::tryharder
