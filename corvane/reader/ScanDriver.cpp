#include "reader/ScanDriver.h"

#include "reader/BandSampler.h"
#include "reader/BarcodeResults.h"
#include "reader/RunExtraction.h"

#include <algorithm>

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
void ProcessBand(Image& image, int y0, int y1, BandSamples& band)
{
    if (!Sample(image, y0, y1, band))
        return;  // a band without rows, or one that cannot be read, is skipped
    const std::u16string bandString = Binarise(band);
    const std::vector<Candidate> candidates = ExtractRuns(bandString);
    // Runs on every band, before this band's own results are added.
    CloseFinishedResults(bandString);
    for (const Candidate& c : candidates)
        DecodeAndCollect(c.modules, c.start, c.end);
}

template <class Image>
void RunPass(Image& image, int scanLines)
{
    if (scanLines < 1)
        return;
    const int height = image.Height();
    BandSamples band;
    // Integer division: the rows below scanLines x step are never read.
    const int step = height / scanLines;
    for (int k = 0; k < scanLines; ++k)
        ProcessBand(image, k * step, (k + 1) * step, band);
}

void ReadTurnedCopies(CorvaneBitmap& bitmap, int x, int y, int height, int width, int scanLines, int rotations)
{
    // Note the order: the area is given height first, the copy takes width first.
    auto copy = COwnedBitmap::CloneArea(bitmap, x, y, width, height);
    if (!copy)
        return;
    for (int pass = 0; pass <= rotations; ++pass) {
        g_currentPass = pass;
        if (pass > 0 && !copy->RotateQuarterClockwise())
            break;
        RunPass(*copy, scanLines);
    }
}

void ReadInPlace(CorvaneBitmap& bitmap, int x, int y, int height, int width, int scanLines, int rotations)
{
    auto area = COrientedArea::Open(bitmap, x, y, width, height);
    if (!area)
        return;
    for (int pass = 0; pass <= rotations; ++pass) {
        g_currentPass = pass;
        area->SetTurns(pass);  // each pass turns a quarter further than the one before
        RunPass(*area, scanLines);
    }
}

}  // namespace

int ReadImageUnlocked(CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                      int rotations, ScanMethod method)
{
    g_barcodes.clear();
    if (bitmap == nullptr)
        return 0;
    if (method == ScanMethod::TurnedCopy)
        ReadTurnedCopies(*bitmap, x, y, height, width, scanLines, rotations);
    else
        ReadInPlace(*bitmap, x, y, height, width, scanLines, rotations);
    return static_cast<int>(g_barcodes.size());
}

}  // namespace corvane
