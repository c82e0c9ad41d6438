// Turned symbols are found in the pass that turns them back upright.

#include "ZintSymbol.h"
#include "reader/BarcodeResults.h"
#include "reader/ScanDriver.h"

#include <gtest/gtest.h>
#include <zint.h>

namespace corvane {
namespace {

struct Turn {
    int quarterTurnsClockwise;
    int expectedPass;
};

class Rotation : public ::testing::TestWithParam<Turn> {};

TEST_P(Rotation, FoundOnlyInThePassThatUndoesTheTurn)
{
    const Turn t = GetParam();
    const auto symbol = test::RenderSymbol(BARCODE_CODE128, "Turn-128", 2);
    auto page = test::PageWithSymbol(symbol, 40).Turned(t.quarterTurnsClockwise);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    ASSERT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), 20, 3), 1);
    const BarcodesInfo& r = context.barcodes.front();
    EXPECT_EQ(r.value, u"Turn-128");
    EXPECT_EQ(r.pass, t.expectedPass);
}

// The copy turns clockwise in each pass, so a symbol turned clockwise by q quarters is upright
// after 4 - q more.
INSTANTIATE_TEST_SUITE_P(QuarterTurns, Rotation,
                         ::testing::Values(Turn{0, 0}, Turn{1, 3}, Turn{2, 2}, Turn{3, 1}));

TEST(RotationPasses, AFifthPassRereadsTheUprightAreaBesideTheFirst)
{
    const auto symbol = test::RenderSymbol(BARCODE_CODE39, "PASS4", 2);
    auto page = test::PageWithSymbol(symbol, 40);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    ASSERT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), 20, 4), 2);
    EXPECT_EQ(context.barcodes.front().pass, 0);
    EXPECT_EQ(context.barcodes.back().pass, 4);
    EXPECT_EQ(context.barcodes.back().value, u"PASS4");
}

TEST(RotationPasses, AHalfTurnedRetailSymbolIsReadOnlyUpright)
{
    // Its guards read the same both ways, so the unturned pass classifies it and gets nothing.
    const auto symbol = test::RenderSymbol(BARCODE_EANX, "590123412345", 2);
    auto page = test::PageWithSymbol(symbol, 40).Turned(2);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    ASSERT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), 20, 3), 1);
    EXPECT_EQ(context.barcodes.front().pass, 2);
    EXPECT_EQ(context.barcodes.front().value, u"5901234123457");
}

}  // namespace
}  // namespace corvane
