#include "reader/ScanDriver.h"

#include "reader/BandSampler.h"
#include "reader/BarcodeResults.h"
#include "reader/RunExtraction.h"

namespace corvane {

namespace {

void ProcessBand(COwnedBitmap& copy, int y0, int y1, BandSamples& band)
{
    if (!SampleBand(copy, y0, y1, band))
        return;  // a band without rows, or one that cannot be read, is skipped
    const std::u16string bandString = Binarise(band);
    const std::vector<Candidate> candidates = ExtractRuns(bandString);
    // Runs on every band, before this band's own results are added.
    CloseFinishedResults(bandString);
    for (const Candidate& c : candidates)
        DecodeAndCollect(c.modules, c.start, c.end);
}

}  // namespace

void RunPass(COwnedBitmap& copy, int scanLines)
{
    if (scanLines < 1)
        return;
    const int height = copy.Height();
    BandSamples band;
    // Integer division: the rows below scanLines x step are never read.
    const int step = height / scanLines;
    for (int k = 0; k < scanLines; ++k)
        ProcessBand(copy, k * step, (k + 1) * step, band);
}

int ReadImageUnlocked(CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                      int rotations)
{
    g_barcodes.clear();
    if (bitmap == nullptr)
        return 0;
    // Note the order: the area is given height first, the copy takes width first.
    auto copy = COwnedBitmap::CloneArea(*bitmap, x, y, width, height);
    if (!copy)
        return 0;
    for (int pass = 0; pass <= rotations; ++pass) {
        g_currentPass = pass;
        if (pass > 0 && !copy->RotateQuarterClockwise())
            break;
        RunPass(*copy, scanLines);
    }
    return static_cast<int>(g_barcodes.size());
}

}  // namespace corvane
