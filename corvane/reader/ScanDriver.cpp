#include "reader/ScanDriver.h"

#include "reader/BandSampler.h"
#include "reader/BarcodeResults.h"
#include "reader/RunExtraction.h"

#include <algorithm>
#include <new>

namespace corvane {

namespace {

bool Sample(COwnedBitmap& copy, int y0, int y1, BandSamples& band) { return SampleBand(copy, y0, y1, band); }

bool Sample(const COrientedArea& area, int y0, int y1, BandSamples& band)
{
    const int rows = RowsSampled(y0, y1);
    if (rows <= 0)
        return false;
    area.SampleRows(y0, rows, band);
    return true;
}

template <class Image>
void ProcessBand(ReadContext& context, Image& image, int y0, int y1, BandSamples& band)
{
    if (!Sample(image, y0, y1, band))
        return;  // a band without rows, or one that cannot be read, is skipped
    context.currentRow = y0;
    const std::u16string bandString = Binarise(band);
    const std::vector<Candidate> candidates = ExtractRuns(bandString);
    // Runs on every band, before this band's own results are added.
    CloseFinishedResults(context, bandString);
    for (const Candidate& c : candidates)
        DecodeAndCollect(context, c.modules, {c.start, c.end, c.firstBar, c.lastBar});
}

template <class Image>
void RunPass(ReadContext& context, Image& image, int scanLines)
{
    if (scanLines < 1)
        return;
    const int height = image.Height();
    // Integer division: the rows below scanLines x step are never read.
    const int step = height / scanLines;
    // More bands than rows: every band is empty and the pass reads nothing.
    if (step == 0)
        return;
    BandSamples band;
    for (int k = 0; k < scanLines; ++k)
        ProcessBand(context, image, k * step, (k + 1) * step, band);
}

void ReadTurnedCopies(ReadContext& context, CorvaneBitmap& bitmap, int x, int y, int height, int width, int scanLines,
                      int rotations)
{
    // Note the order: the area is given height first, the copy takes width first.
    auto copy = COwnedBitmap::CloneArea(bitmap, x, y, width, height);
    if (!copy)
        return;
    for (int pass = 0; pass <= rotations; ++pass) {
        context.currentPass = pass;
        if (pass > 0 && !copy->RotateQuarterClockwise())
            break;
        RunPass(context, *copy, scanLines);
    }
}

void ReadInPlace(ReadContext& context, CorvaneBitmap& bitmap, int x, int y, int height, int width, int scanLines,
                 int rotations)
{
    auto area = COrientedArea::Open(bitmap, x, y, width, height);
    if (!area)
        return;
    for (int pass = 0; pass <= rotations; ++pass) {
        context.currentPass = pass;
        area->SetTurns(pass);  // each pass turns a quarter further than the one before
        RunPass(context, *area, scanLines);
    }
}

}  // namespace

int ReadImageInto(ReadContext& context, CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                  int rotations, ScanMethod method)
{
    context.barcodes.clear();
    context.currentPass = 0;
    context.currentRow = 0;
    if (bitmap == nullptr)
        return 0;
    rotations = std::min(rotations, kMaxRotations);
    try {
        if (method == ScanMethod::TurnedCopy)
            ReadTurnedCopies(context, *bitmap, x, y, height, width, scanLines, rotations);
        else
            ReadInPlace(context, *bitmap, x, y, height, width, scanLines, rotations);
    } catch (const std::bad_alloc&) {
        // Band buffers, strings and records all allocate; what was collected stays valid.
        bitmap->lastStatus = CorvaneOutOfMemory;
    }
    return static_cast<int>(context.barcodes.size());
}

}  // namespace corvane
