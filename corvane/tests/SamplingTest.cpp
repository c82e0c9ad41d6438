// Band sampling, thresholds and binarisation.

#include "TestPage.h"
#include "reader/BandSampler.h"
#include "reader/OwnedBitmap.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TestPage;

BandSamples SampleWholeBand(TestPage& page, int y0, int y1)
{
    CorvaneBitmap bmp = page.Bitmap();
    auto copy = COwnedBitmap::CloneArea(bmp, 0, 0, page.Width(), page.Height());
    EXPECT_TRUE(copy.has_value());
    BandSamples band;
    EXPECT_TRUE(SampleBand(*copy, y0, y1, band));
    return band;
}

TEST(Sampling, BlackOnWhiteSplitsAtHalfTheRange)
{
    TestPage page(4, 4);
    page.Fill(0, 0, 1, 4, 0);
    page.Fill(1, 0, 1, 4, 127);
    page.Fill(2, 0, 1, 4, 128);
    // column 3 stays white
    const BandSamples band = SampleWholeBand(page, 0, 4);
    EXPECT_DOUBLE_EQ(band.threshold, 127.5);
    EXPECT_EQ(Binarise(band), u"xxyy");
}

TEST(Sampling, ThresholdIsHalfTheRangeNotTheMidpoint)
{
    TestPage page(3, 4, 240);
    page.Fill(1, 0, 1, 4, 120);
    const BandSamples band = SampleWholeBand(page, 0, 4);
    EXPECT_DOUBLE_EQ(band.threshold, 60.0);
    EXPECT_EQ(Binarise(band), u"yyy");
}

TEST(Sampling, UniformBands)
{
    TestPage grey(5, 4, 90);
    const BandSamples g = SampleWholeBand(grey, 0, 4);
    EXPECT_DOUBLE_EQ(g.threshold, 0.0);
    EXPECT_EQ(Binarise(g), u"yyyyy");

    TestPage black(5, 4, 0);
    EXPECT_EQ(Binarise(SampleWholeBand(black, 0, 4)), u"xxxxx");
}

TEST(Sampling, GreyIsTheTruncatedMeanOfTheThreeChannels)
{
    TestPage page(2, 4);
    for (int y = 0; y < 4; ++y)
        page.SetPixel(0, y, 10, 20, 32);  // 62 / 3 = 20 (truncated), not 20.67
    const BandSamples band = SampleWholeBand(page, 0, 4);
    EXPECT_FLOAT_EQ(band.samples[0], 20.0f);
    EXPECT_FLOAT_EQ(band.samples[1], 255.0f);
}

TEST(Sampling, OnlyTheFirstFourRowsOfABandAreRead)
{
    TestPage page(2, 10);
    page.Fill(0, 0, 1, 4, 100);
    page.Fill(0, 4, 2, 6, 0);  // rows below the fourth must not count
    const BandSamples band = SampleWholeBand(page, 0, 10);
    EXPECT_FLOAT_EQ(band.samples[0], 100.0f);
    EXPECT_FLOAT_EQ(band.samples[1], 255.0f);
}

TEST(Sampling, ALowBandAveragesOnlyItsOwnRows)
{
    TestPage page(1, 6);
    page.Fill(0, 0, 1, 1, 30);
    page.Fill(0, 1, 1, 1, 60);
    page.Fill(0, 2, 1, 4, 0);  // the next band; never read for a band of two rows
    const BandSamples band = SampleWholeBand(page, 0, 2);
    EXPECT_FLOAT_EQ(band.samples[0], 45.0f);

    CorvaneBitmap bmp = page.Bitmap();
    auto copy = COwnedBitmap::CloneArea(bmp, 0, 0, 1, 6);
    BandSamples empty;
    EXPECT_FALSE(SampleBand(*copy, 3, 3, empty));
}

TEST(OwnedBitmap, CopiesTheAreaAndTurnsItClockwise)
{
    TestPage page(5, 4);
    page.SetPixel(1, 1, 1, 2, 3);  // top-left of the area
    page.SetPixel(3, 1, 4, 5, 6);  // top-right
    page.SetPixel(1, 2, 7, 8, 9);  // bottom-left
    CorvaneBitmap bmp = page.Bitmap();
    auto copy = COwnedBitmap::CloneArea(bmp, 1, 1, 3, 2);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Width(), 3);
    EXPECT_EQ(copy->Height(), 2);

    ASSERT_TRUE(copy->RotateQuarterClockwise());
    ASSERT_EQ(copy->Width(), 2);
    ASSERT_EQ(copy->Height(), 3);
    auto rows = copy->LockRows24(0, 3);
    ASSERT_TRUE(rows);
    auto px = [&](int x, int y) { return rows->scan0 + y * rows->stride + x * 3; };
    // A clockwise turn puts the old bottom-left at the top-left and the old top-left at the top-right.
    EXPECT_EQ(px(0, 0)[0], 7);
    EXPECT_EQ(px(1, 0)[0], 1);
    EXPECT_EQ(px(1, 2)[2], 6);
}

TEST(OwnedBitmap, HandsOutEveryFormatAsBlueGreenRed)
{
    TestPage page(3, 2, 200);
    page.Fill(1, 0, 1, 2, 40);
    for (int format : {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB,
                       CorvanePixelFormat32bppARGB, CorvanePixelFormat8bppGray}) {
        CorvaneBitmap bmp = page.BitmapAs(format);
        auto copy = COwnedBitmap::CloneArea(bmp, 0, 0, 3, 2);
        ASSERT_TRUE(copy) << format;
        auto rows = copy->LockRows24(1, 1);
        ASSERT_TRUE(rows);
        const std::uint8_t expected[] = {200, 200, 200, 40, 40, 40, 200, 200, 200};
        EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), rows->scan0)) << format;
    }
}

TEST(OwnedBitmap, RefusedAreasRecordTheStatusInTheCallersBitmap)
{
    TestPage page(10, 10);
    struct Area {
        int x, y, w, h;
    };
    const Area bad[] = {{-1, 0, 5, 5}, {0, 0, 11, 5}, {6, 0, 5, 5}, {0, 0, 0, 5},
                        {0, 0, 5, -3}, {2147483647, 0, 2147483647, 1}, {0, 9, 1, 2}};
    for (const Area& a : bad) {
        CorvaneBitmap bmp = page.Bitmap();
        EXPECT_FALSE(COwnedBitmap::CloneArea(bmp, a.x, a.y, a.w, a.h));
        EXPECT_EQ(bmp.lastStatus, CorvaneInvalidParameter) << a.x << "," << a.y << " " << a.w << "x" << a.h;
    }

    CorvaneBitmap narrowStride = page.Bitmap();
    narrowStride.stride = 29;
    EXPECT_FALSE(COwnedBitmap::CloneArea(narrowStride, 0, 0, 1, 1));
    CorvaneBitmap unknownFormat = page.Bitmap();
    unknownFormat.pixelFormat = 0x12345;
    EXPECT_FALSE(COwnedBitmap::CloneArea(unknownFormat, 0, 0, 1, 1));
    EXPECT_EQ(unknownFormat.lastStatus, CorvaneInvalidParameter);

    CorvaneBitmap good = page.Bitmap();
    good.lastStatus = CorvaneGenericError;  // success leaves an earlier status alone
    EXPECT_TRUE(COwnedBitmap::CloneArea(good, 0, 0, 10, 10));
    EXPECT_EQ(good.lastStatus, CorvaneGenericError);
}

}  // namespace
}  // namespace corvane
