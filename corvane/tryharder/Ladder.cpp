#include "tryharder/Ladder.h"

#include "corvane_tryharder.h"
#include "reader/ScanDriver.h"
#include "tryharder/Acceptance.h"
#include "tryharder/BandStep.h"
#include "tryharder/FrontEndStep.h"
#include "tryharder/PlacedImage.h"
#include "tryharder/Preparation.h"

#include <new>

namespace corvane::tryharder {

namespace {

// What ReadImage reads by default.
constexpr int kDefaultScanLines = 20;
constexpr int kDefaultRotations = 3;
// Region size of the local stretch, in pixels.
constexpr int kStretchTile = 32;

struct EffortStep {
    int effort;
    LadderStep step;
};

// Lines through the middle that the first front-end step reads: the centre row and column and
// their nearest neighbours of level 1. Most photographs hold one symbol near the middle, which
// these read in full; the rest of level 1 runs only when they leave something unread.
constexpr int kCentreLines = 6;

// Every step in the order it runs, cheapest first, with the lowest effort that takes it. The
// front end's rows and columns read most photographs in well under a millisecond, so from
// effort 2 on they run before the band reader's copies.
constexpr EffortStep kLadder[] = {
    {2, {LadderStep::FrontEnd, Preparation::Grey, 0, 1, kCentreLines}},
    {2, {LadderStep::FrontEnd, Preparation::Grey, 0, 1}},
    {2, {LadderStep::FrontEnd, Preparation::Grey, 0, 2}},
    {1, {LadderStep::Prepared, Preparation::Grey, kDefaultScanLines}},
    {1, {LadderStep::Prepared, Preparation::GlobalStretch, kDefaultScanLines}},
    {1, {LadderStep::Prepared, Preparation::LocalStretch, kDefaultScanLines}},
    {3, {LadderStep::FrontEnd, Preparation::Grey, 0, 3}},
    {3, {LadderStep::Prepared, Preparation::SharpStretch, kDefaultScanLines}},
    {3, {LadderStep::FrontEnd, Preparation::Grey, 0, 4}},
};

PlacedImage Prepare(const PlacedImage& grey, Preparation preparation)
{
    PlacedImage placed{GreyImage{}, grey.originX, grey.originY};
    switch (preparation) {
    case Preparation::Grey: placed.image = grey.image; break;
    case Preparation::GlobalStretch: placed.image = StretchGlobal(grey.image); break;
    case Preparation::LocalStretch: placed.image = StretchLocal(grey.image, kStretchTile); break;
    case Preparation::SharpStretch: placed.image = StretchLocal(Sharpen(grey.image), kStretchTile); break;
    }
    return placed;
}

int StepOf(const LadderStep& step)
{
    if (step.kind == LadderStep::FrontEnd)
        return CorvaneStepScanLines;
    return step.preparation == Preparation::Grey ? CorvaneStepBands : CorvaneStepPrepared;
}

}  // namespace

std::vector<LadderStep> StepsFor(int effort)
{
    std::vector<LadderStep> steps;
    for (const EffortStep& s : kLadder)
        if (s.effort <= effort)
            steps.push_back(s.step);
    return steps;
}

std::vector<Finding> ReadAsBands(const CorvaneBitmap& bitmap, int x, int y, int height, int width)
{
    CorvaneBitmap copy = bitmap;
    ReadContext context;
    ReadImageInto(context, &copy, x, y, height, width, kDefaultScanLines, kDefaultRotations);
    if (copy.lastStatus == CorvaneOutOfMemory)
        throw std::bad_alloc();
    std::vector<Finding> findings;
    for (const BarcodesInfo& r : context.barcodes) {
        const BandLine line = LineOfRecord(r, width, height);
        const PlacedImage area{GreyImage{}, x, y};
        findings.push_back({r.typeName, r.value, r.score, area.CallerX(line.x0), area.CallerY(line.y0),
                            area.CallerX(line.x1), area.CallerY(line.y1), CorvaneStepBands});
    }
    return findings;
}

std::vector<Finding> ReadWithSteps(const CorvaneBitmap& bitmap, int x, int y, int height, int width,
                                   const std::vector<LadderStep>& steps)
{
    const PlacedImage grey{GreyFromArea(bitmap, x, y, width, height), x, y};
    Findings findings;
    Acceptance acceptance(findings);
    for (const LadderStep& step : steps) {
        if (step.kind == LadderStep::Prepared) {
            const PlacedImage placed = Prepare(grey, step.preparation);
            OfferBandReadings(placed, step.scanLines, StepOf(step), acceptance);
        } else {
            OfferFrontEndReadings(grey, step.level, step.lines, acceptance);
        }
        if (findings.Complete())
            break;
    }
    return findings.All();
}

}  // namespace corvane::tryharder
