// The exported entry points as an outside caller sees them.

#include "ZintSymbol.h"
#include "corvane.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace corvane {
namespace {

using test::TestPage;

const auto& Code128Symbol()
{
    static const test::RenderedSymbol symbol = test::RenderSymbol(BARCODE_CODE128, "Ab1-x", 2, 20);
    return symbol;
}

// The symbol at (40, 10) of a white page.
TestPage PageWithCode128(int width = 400, int height = 100, int x = 40, int y = 10)
{
    TestPage page(width, height);
    const auto& s = Code128Symbol();
    page.Paste(x, y, s.rgb.data(), s.width, s.height);
    return page;
}

TEST(Exports, ReadsASymbolAndHandsOutItsFields)
{
    TestPage page = PageWithCode128();
    CorvaneBitmap bmp = page.Bitmap();
    ASSERT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 10, 0), 1);
    EXPECT_EQ(std::u16string(GetBarCodeType(0)), u"Code128");
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"Ab1-x");
    EXPECT_EQ(GetBarCodeScore(0), 100);
    EXPECT_EQ(bmp.lastStatus, CorvaneOk);
}

TEST(Exports, IndicesOutsideTheListGiveEmptyTextAndZero)
{
    TestPage page = PageWithCode128();
    CorvaneBitmap bmp = page.Bitmap();
    const int count = ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 10, 0);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(GetBarCodeScore(-1), 0);
    EXPECT_EQ(std::u16string(GetBarCodeType(-1)), u"");
    EXPECT_EQ(std::u16string(GetBarCodeType(count)), u"");
    EXPECT_EQ(std::u16string(GetBarCodeValue(count)), u"");
    EXPECT_EQ(GetBarCodeScore(count), 0);
    EXPECT_EQ(GetBarCodeScore(INT_MAX), 0);
}

TEST(Exports, ASecondReadThatFindsNothingEmptiesTheList)
{
    TestPage page = PageWithCode128();
    CorvaneBitmap bmp = page.Bitmap();
    ASSERT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 10, 0), 1);
    TestPage blank(400, 100);
    CorvaneBitmap empty = blank.Bitmap();
    EXPECT_EQ(ReadImage(&empty, 0, 0, 100, 400, 10, 3), 0);
    EXPECT_EQ(std::u16string(GetBarCodeType(0)), u"");
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"");
    EXPECT_EQ(GetBarCodeScore(0), 0);
}

TEST(Exports, NegativeRotationsOrNoScanLinesReadNothing)
{
    TestPage page = PageWithCode128();
    CorvaneBitmap bmp = page.Bitmap();
    ASSERT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 10, 0), 1);
    EXPECT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 10, -1), 0);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"");
    EXPECT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 0, 3), 0);
    EXPECT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), -5, 0), 0);
    EXPECT_EQ(bmp.lastStatus, CorvaneOk);
}

TEST(Exports, TheLargestRotationCountEndsAndReadsEveryOrientation)
{
    // Before the count was bounded, the pass counter overflowed and the call never returned.
    TestPage page = PageWithCode128();
    CorvaneBitmap bmp = page.Bitmap();
    const int bounded = ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 20, 7);
    ASSERT_EQ(bounded, 2);  // upright in passes 0 and 4
    EXPECT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 20, INT_MAX), bounded);
    EXPECT_EQ(std::u16string(GetBarCodeValue(1)), u"Ab1-x");
    EXPECT_EQ(bmp.lastStatus, CorvaneOk);
}

TEST(Exports, MoreScanLinesThanRowsReturnAtOnceAndTurnedPassesStillRead)
{
    TestPage page = PageWithCode128();  // 400 x 100
    CorvaneBitmap bmp = page.Bitmap();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadImage(&bmp, 0, 0, page.Height(), page.Width(), INT_MAX, 3), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // 500 bands: one-row bands upright (600 rows), none in the 400-row quarter turns.
    TestPage tall = PageWithCode128(400, 600, 40, 300);
    CorvaneBitmap tallBmp = tall.Bitmap();
    ASSERT_EQ(ReadImage(&tallBmp, 0, 0, tall.Height(), tall.Width(), 500, 3), 1);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"Ab1-x");
}

TEST(Exports, TheAreaIsGivenHeightBeforeWidth)
{
    TestPage page = PageWithCode128(400, 100);
    CorvaneBitmap bmp = page.Bitmap();
    EXPECT_EQ(ReadImage(&bmp, 0, 0, 100, 400, 10, 0), 1);
    EXPECT_EQ(bmp.lastStatus, CorvaneOk);
    // Swapped, the area would be 100 wide and 400 high: outside the page.
    EXPECT_EQ(ReadImage(&bmp, 0, 0, 400, 100, 10, 0), 0);
    EXPECT_EQ(bmp.lastStatus, CorvaneInvalidParameter);
}

TEST(Exports, BadBitmapsAndAreasGiveNothingAndAreNeverRead)
{
    TestPage page = PageWithCode128();
    CorvaneBitmap good = page.Bitmap();
    ASSERT_EQ(ReadImage(&good, 0, 0, 100, 400, 10, 0), 1);
    EXPECT_EQ(ReadImage(nullptr, 0, 0, 100, 400, 10, 0), 0);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"");

    struct Call {
        int x, y, h, w;
    };
    const Call calls[] = {{0, 0, 100, 401}, {1, 0, 100, 400}, {0, -1, 10, 10}, {0, 0, 0, 10},
                          {0, 0, 10, -10}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {399, 99, 2, 2}};
    for (const Call& c : calls) {
        CorvaneBitmap bmp = page.Bitmap();
        EXPECT_EQ(ReadImage(&bmp, c.x, c.y, c.h, c.w, 10, 3), 0);
        EXPECT_EQ(bmp.lastStatus, CorvaneInvalidParameter) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
    CorvaneBitmap noPixels = page.Bitmap();
    noPixels.scan0 = nullptr;
    EXPECT_EQ(ReadImage(&noPixels, 0, 0, 10, 10, 10, 0), 0);
    EXPECT_EQ(noPixels.lastStatus, CorvaneInvalidParameter);
}

TEST(Exports, EveryPixelFormatReadsTheSame)
{
    TestPage page = PageWithCode128();
    for (int format : {CorvanePixelFormat32bppRGB, CorvanePixelFormat32bppARGB, CorvanePixelFormat8bppGray}) {
        CorvaneBitmap bmp = page.BitmapAs(format);
        ASSERT_EQ(ReadImage(&bmp, 0, 0, 100, 400, 10, 0), 1) << format;
        EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"Ab1-x") << format;
    }
}

TEST(Exports, AnAreaInsideALargerPageIsReadWithItsPadding)
{
    // Stride larger than the row: the copy must step by the caller's stride.
    TestPage wide = PageWithCode128(600, 160, 140, 40);
    CorvaneBitmap bmp = wide.Bitmap();
    EXPECT_EQ(ReadImage(&bmp, 100, 30, 100, 400, 10, 0), 1);
    EXPECT_EQ(std::u16string(GetBarCodeValue(0)), u"Ab1-x");
    // An area that cuts the symbol in half finds nothing.
    EXPECT_EQ(ReadImage(&bmp, 100, 30, 100, 150, 10, 0), 0);
}

TEST(Exports, ConcurrentCallersDoNotCorruptTheList)
{
    TestPage page = PageWithCode128();
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&page, &wrong, t] {
            for (int i = 0; i < 25; ++i) {
                CorvaneBitmap bmp = page.Bitmap();
                const int n = ReadImage(&bmp, 0, 0, 100, 400, 10, t % 2);
                if (n != 1)
                    ++wrong[t];
                // Another thread may have read since (texts are only valid until then), but a
                // score is a value: it is that of a whole record or of none.
                const int score = GetBarCodeScore(0);
                if (score != 100 && score != 0)
                    ++wrong[t];
            }
        });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// Random pages, formats, strides and areas, valid or not: every call must return a count the
// getters agree with, flag exactly the areas outside the page, and (under the sanitizers) read
// nothing outside the caller's buffer.
TEST(ExportsRobustness, RandomBitmapsAndAreas)
{
    std::mt19937 rng(20261209);
    const int formats[] = {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB,
                           CorvanePixelFormat32bppARGB, CorvanePixelFormat8bppGray};
    const int bytes[] = {3, 4, 4, 1};
    for (int round = 0; round < 150; ++round) {
        const int w = 1 + static_cast<int>(rng() % 300);
        const int h = 1 + static_cast<int>(rng() % 120);
        const int f = static_cast<int>(rng() % 4);
        const int stride = w * bytes[f] + static_cast<int>(rng() % 9);
        // Exactly the caller's rows: the last row ends at the end of its own pixels.
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * (h - 1) + w * bytes[f]);
        for (auto& p : pixels)
            p = rng() % 3 == 0 ? 0 : 255;  // bar-like noise
        CorvaneBitmap bmp{w, h, stride, formats[f], pixels.data(), CorvaneOk};

        const int x = static_cast<int>(rng() % (w + 20)) - 10;
        const int y = static_cast<int>(rng() % (h + 20)) - 10;
        const int aw = static_cast<int>(rng() % (w + 20)) - 5;
        const int ah = static_cast<int>(rng() % (h + 20)) - 5;
        const bool inside = x >= 0 && y >= 0 && aw > 0 && ah > 0 && x + aw <= w && y + ah <= h;
        const int scanLines = static_cast<int>(rng() % 200) - 10;
        const int rotations = static_cast<int>(rng() % 7) - 1;

        const int n = ReadImage(&bmp, x, y, ah, aw, scanLines, rotations);
        ASSERT_GE(n, 0);
        EXPECT_EQ(bmp.lastStatus, inside ? CorvaneOk : CorvaneInvalidParameter) << round;
        if (!inside) {
            EXPECT_EQ(n, 0);
        }
        for (int i = 0; i < n; ++i) {
            EXPECT_NE(std::u16string(GetBarCodeType(i)), u"");
            EXPECT_GE(GetBarCodeScore(i), 60);
        }
        EXPECT_EQ(std::u16string(GetBarCodeType(n)), u"");
    }
}

}  // namespace
}  // namespace corvane
