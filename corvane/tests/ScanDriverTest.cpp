// Which rows a pass reads: the first four of each band, bands of height H / scanLines.

#include "ZintSymbol.h"
#include "reader/BarcodeResults.h"
#include "reader/ScanDriver.h"

#include <gtest/gtest.h>
#include <zint.h>

namespace corvane {
namespace {

// A Code 128 symbol exactly four rows high, pasted at row `top` of a 400 x 100 page.
int ResultsWithSymbolAt(int top, int scanLines)
{
    const auto symbol = test::RenderSymbol(BARCODE_CODE128, "Band-42", 2, 2);
    EXPECT_EQ(symbol.height, 4);
    test::TestPage page(400, 100);
    page.Paste(20, top, symbol.rgb.data(), symbol.width, symbol.height);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    return ReadImageInto(context, &bmp, 0, 0, 100, 400, scanLines, 0);
}

TEST(ScanDriver, ReadsTheFirstFourRowsOfEachBand)
{
    // H = 100, three bands: step 33, bands start at rows 0, 33 and 66.
    for (int top : {0, 33, 66})
        EXPECT_EQ(ResultsWithSymbolAt(top, 3), 1) << top;
    // Rows 4..32 of a band and the rows past 3 x 33 are never read.
    for (int top : {4, 20, 29, 70, 96})
        EXPECT_EQ(ResultsWithSymbolAt(top, 3), 0) << top;
}

TEST(ScanDriver, BandsLowerThanFourRowsReadOnlyTheirOwnRows)
{
    // 50 bands of two rows: every row is read, each band averaging its own two.
    EXPECT_EQ(ResultsWithSymbolAt(41, 50), 1);
    // More bands than rows: every band is empty and nothing is read.
    EXPECT_EQ(ResultsWithSymbolAt(0, 101), 0);
}

TEST(ScanDriver, OneSymbolAcrossManyBandsIsOneRecord)
{
    const auto symbol = test::RenderSymbol(BARCODE_CODE39, "TALL", 2, 60);
    auto page = test::PageWithSymbol(symbol, 30);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    ASSERT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), 40, 0), 1);
    EXPECT_EQ(context.barcodes.front().value, u"TALL");
}

TEST(ScanDriver, ASymbolThatEndsAndStartsAgainIsTwoRecords)
{
    // Two copies of one symbol stacked with a white gap: the gap's bands close the first record,
    // so the second copy starts a record of its own.
    const auto symbol = test::RenderSymbol(BARCODE_CODE39, "TWICE", 2, 10);
    test::TestPage page(symbol.width + 40, 2 * symbol.height + 80);
    page.Paste(20, 20, symbol.rgb.data(), symbol.width, symbol.height);
    page.Paste(20, 60 + symbol.height, symbol.rgb.data(), symbol.width, symbol.height);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    EXPECT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), page.Height() / 5, 0), 2);
}

}  // namespace
}  // namespace corvane
