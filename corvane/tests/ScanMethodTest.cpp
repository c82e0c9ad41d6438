// Reading each pass's bands in place must give exactly what turning a copy of the area gives:
// the same records, in the same order, with the same scores and passes, and the same status.

#include "ZintSymbol.h"
#include "reader/BarcodeResults.h"
#include "reader/ScanDriver.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace corvane {
namespace {

struct Outcome {
    int count = 0;
    int status = CorvaneOk;
    std::vector<std::tuple<std::u16string, std::u16string, std::u16string, int, int, bool>> records;
    bool operator==(const Outcome&) const = default;
};

Outcome Read(CorvaneBitmap bitmap, int x, int y, int height, int width, int scanLines, int rotations,
             ScanMethod method)
{
    Outcome o;
    bitmap.lastStatus = CorvaneOk;
    ReadContext context;
    o.count = ReadImageInto(context, &bitmap, x, y, height, width, scanLines, rotations, method);
    o.status = bitmap.lastStatus;
    for (const BarcodesInfo& r : context.barcodes)
        o.records.emplace_back(r.modules, r.typeName, r.value, r.score, r.pass, r.closed);
    return o;
}

struct Symbol {
    int symbology;
    const char* data;
};

constexpr Symbol kSymbols[] = {
    {BARCODE_CODE128, "Same-128"}, {BARCODE_CODE39, "SAME39"},  {BARCODE_EANX, "590123412345"},
    {BARCODE_C25INTER, "123456"},  {BARCODE_CODABAR, "A123B"}, {BARCODE_UPCA, "01234567890"},
    {BARCODE_CODE11, "12-34"},     {BARCODE_C25IND, "2468"},
};

constexpr int kFormats[] = {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB, CorvanePixelFormat32bppARGB,
                            CorvanePixelFormat8bppGray};

// A symbol on a page with grey clutter: bars of random shade and width, and scattered dots, so
// that bands hold many candidates and pale bars near the threshold.
test::TestPage ClutteredPage(std::mt19937& rng, const Symbol& symbol)
{
    const int moduleWidth = std::uniform_int_distribution(1, 3)(rng);
    const auto rendered = test::RenderSymbol(symbol.symbology, symbol.data, moduleWidth, 30);
    const int margin = std::uniform_int_distribution(0, 60)(rng);
    auto page = test::PageWithSymbol(rendered, margin);
    test::AddGreyBoxes(page, rng, 12);
    std::uniform_int_distribution<int> grey(0, 255);
    for (int i = 0; i < 200; ++i) {
        page.SetPixel(std::uniform_int_distribution(0, page.Width() - 1)(rng),
                      std::uniform_int_distribution(0, page.Height() - 1)(rng), static_cast<std::uint8_t>(grey(rng)),
                      static_cast<std::uint8_t>(grey(rng)), static_cast<std::uint8_t>(grey(rng)));
    }
    return page.Turned(std::uniform_int_distribution(0, 3)(rng));
}

TEST(ScanMethods, InPlaceReadingEqualsTurnedCopiesOnClutteredPages)
{
    std::mt19937 rng(20261210);
    int withResults = 0;
    for (int round = 0; round < 240; ++round) {
        const Symbol& symbol = kSymbols[static_cast<std::size_t>(round) % std::size(kSymbols)];
        auto page = ClutteredPage(rng, symbol);
        const int format = kFormats[std::uniform_int_distribution<std::size_t>(0, std::size(kFormats) - 1)(rng)];
        const CorvaneBitmap bitmap = page.BitmapAs(format);
        // Mostly the whole page; sometimes an area that cuts through the symbol.
        int x = 0, y = 0, w = page.Width(), h = page.Height();
        if (round % 3 == 0) {
            x = std::uniform_int_distribution(0, w / 3)(rng);
            y = std::uniform_int_distribution(0, h / 3)(rng);
            w = std::uniform_int_distribution(1, page.Width() - x)(rng);
            h = std::uniform_int_distribution(1, page.Height() - y)(rng);
        }
        const int scanLines = std::uniform_int_distribution(1, 40)(rng);
        const int rotations = std::uniform_int_distribution(-1, 5)(rng);
        SCOPED_TRACE(testing::Message() << "round " << round << " format " << format << " area " << x << ',' << y
                                        << ' ' << w << 'x' << h << " scanLines " << scanLines << " rotations "
                                        << rotations);
        const Outcome copied = Read(bitmap, x, y, h, w, scanLines, rotations, ScanMethod::TurnedCopy);
        const Outcome inPlace = Read(bitmap, x, y, h, w, scanLines, rotations, ScanMethod::InPlace);
        ASSERT_EQ(inPlace, copied);
        withResults += copied.count > 0 ? 1 : 0;
    }
    // The comparison means something only if most rounds found barcodes.
    EXPECT_GT(withResults, 60);
}

TEST(ScanMethods, RejectedAreasGiveTheSameStatus)
{
    auto page = test::PageWithSymbol(test::RenderSymbol(BARCODE_CODE128, "Edge", 2), 10);
    const int w = page.Width(), h = page.Height();
    const std::tuple<int, int, int, int> areas[] = {
        {-1, 0, w, h}, {0, -1, w, h}, {1, 0, w, h}, {0, 1, w, h}, {0, 0, 0, h}, {0, 0, w, 0}, {0, 0, -5, h},
        {w, h, 1, 1}, {0x7fffffff, 0, 2, 2},
    };
    for (const auto& [x, y, aw, ah] : areas) {
        const Outcome copied = Read(page.Bitmap(), x, y, ah, aw, 20, 3, ScanMethod::TurnedCopy);
        const Outcome inPlace = Read(page.Bitmap(), x, y, ah, aw, 20, 3, ScanMethod::InPlace);
        EXPECT_EQ(inPlace, copied);
        EXPECT_EQ(inPlace.status, CorvaneInvalidParameter);
    }
    CorvaneBitmap badFormat = page.Bitmap();
    badFormat.pixelFormat = 12345;
    EXPECT_EQ(Read(badFormat, 0, 0, h, w, 20, 3, ScanMethod::InPlace),
              Read(badFormat, 0, 0, h, w, 20, 3, ScanMethod::TurnedCopy));
}

TEST(ScanMethods, EachTurnSamplesTheSameBandsAsATurnedCopy)
{
    // A page of distinct grey levels, so that a wrong step or origin shows in the samples.
    test::TestPage page(37, 23);
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            page.SetPixel(x, y, static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
                          static_cast<std::uint8_t>((x * y) % 256));
    for (const int format : kFormats) {
        CorvaneBitmap bitmap = page.BitmapAs(format);
        auto copy = COwnedBitmap::CloneArea(bitmap, 3, 2, 30, 19);
        auto area = COrientedArea::Open(bitmap, 3, 2, 30, 19);
        ASSERT_TRUE(copy && area);
        for (int turns = 0; turns < 4; ++turns) {
            if (turns > 0) {
                ASSERT_TRUE(copy->RotateQuarterClockwise());
            }
            area->SetTurns(turns);
            ASSERT_EQ(area->Width(), copy->Width());
            ASSERT_EQ(area->Height(), copy->Height());
            for (int y0 = 0; y0 < copy->Height(); ++y0) {
                const int rows = std::min(4, copy->Height() - y0);
                BandSamples fromCopy, inPlace;
                ASSERT_TRUE(SampleBand(*copy, y0, y0 + rows, fromCopy));
                area->SampleRows(y0, rows, inPlace);
                EXPECT_EQ(inPlace.samples, fromCopy.samples) << "format " << format << " turns " << turns << " row " << y0;
                EXPECT_EQ(inPlace.threshold, fromCopy.threshold);
            }
        }
    }
}

}  // namespace
}  // namespace corvane
