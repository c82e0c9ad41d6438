// The try-harder reader as an outside caller sees it: effort 0 is ReadImage, higher efforts read
// what it misses, results belong to the call.

#include "WarpedSymbol.h"
#include "ZintSymbol.h"
#include "corvane_tryharder.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <climits>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace corvane {
namespace {

using Record = std::tuple<std::u16string, std::u16string, int>;  // type, text, score

struct FreeResults {
    void operator()(CorvaneResults* r) const { CorvaneFreeResults(r); }
};
using Results = std::unique_ptr<CorvaneResults, FreeResults>;

Results TryHarder(const CorvaneBitmap& bmp, int x, int y, int height, int width, int effort, int* status = nullptr)
{
    CorvaneResults* raw = nullptr;
    const int rc = CorvaneReadTryHarder(&bmp, x, y, height, width, effort, &raw);
    if (status)
        *status = rc;
    return Results(raw);
}

std::vector<Record> Records(const CorvaneResults* r)
{
    std::vector<Record> out;
    for (int i = 0; r && i < r->count; ++i)
        out.emplace_back(r->items[i].type, r->items[i].text, r->items[i].score);
    return out;
}

std::vector<Record> ReadImageRecords(CorvaneBitmap bmp, int x, int y, int height, int width)
{
    std::vector<Record> out;
    const int n = ReadImage(&bmp, x, y, height, width, 20, 3);
    for (int i = 0; i < n; ++i)
        out.emplace_back(GetBarCodeType(i), GetBarCodeValue(i), GetBarCodeScore(i));
    return out;
}

bool HasText(const CorvaneResults* r, const std::u16string& text)
{
    for (int i = 0; r && i < r->count; ++i)
        if (r->items[i].text == text)
            return true;
    return false;
}

struct Symbol {
    int symbology;
    const char* data;
};

constexpr Symbol kSymbols[] = {
    {BARCODE_CODE128, "Try-128"}, {BARCODE_CODE39, "TRY39"},   {BARCODE_EANX, "590123412345"},
    {BARCODE_C25INTER, "123456"}, {BARCODE_CODABAR, "A123B"}, {BARCODE_UPCA, "01234567890"},
    {BARCODE_CODE11, "12-34"},    {BARCODE_C25IND, "2468"},    {BARCODE_UPCE, "0123456"},
};

// A zint symbol on a page with random grey bars and dots, turned a random number of quarters.
test::TestPage ClutteredPage(std::mt19937& rng, const Symbol& symbol)
{
    const int moduleWidth = std::uniform_int_distribution(1, 3)(rng);
    // Low symbols are read only by the bands that start on them: where the bands lie matters.
    const int heightModules = std::uniform_int_distribution(0, 1)(rng) ? 30 : std::uniform_int_distribution(2, 4)(rng);
    auto page = test::PageWithSymbol(test::RenderSymbol(symbol.symbology, symbol.data, moduleWidth, heightModules),
                                     std::uniform_int_distribution(0, 60)(rng));
    test::AddGreyBoxes(page, rng, 12);
    return page.Turned(std::uniform_int_distribution(0, 3)(rng));
}

TEST(TryHarder, EffortZeroIsReadImageWithItsDefaults)
{
    std::mt19937 rng(20261211);
    const int formats[] = {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB, CorvanePixelFormat32bppARGB,
                           CorvanePixelFormat8bppGray};
    int withResults = 0;
    for (int round = 0; round < 200; ++round) {
        auto page = ClutteredPage(rng, kSymbols[static_cast<std::size_t>(round) % std::size(kSymbols)]);
        const CorvaneBitmap bmp = page.BitmapAs(formats[round % 4]);
        int x = 0, y = 0, w = page.Width(), h = page.Height();
        if (round % 3 == 0) {
            x = std::uniform_int_distribution(0, w / 3)(rng);
            y = std::uniform_int_distribution(0, h / 3)(rng);
            w = std::uniform_int_distribution(1, page.Width() - x)(rng);
            h = std::uniform_int_distribution(1, page.Height() - y)(rng);
        }
        int status = -1;
        const Results results = TryHarder(bmp, x, y, h, w, 0, &status);
        ASSERT_EQ(status, CorvaneOk);
        const auto expected = ReadImageRecords(bmp, x, y, h, w);
        ASSERT_EQ(Records(results.get()), expected) << "round " << round;
        for (int i = 0; i < results->count; ++i)
            EXPECT_EQ(results->items[i].step, CorvaneStepBands);
        withResults += expected.empty() ? 0 : 1;
    }
    // The comparison means something only if many rounds found barcodes.
    EXPECT_GT(withResults, 60);
}

TEST(TryHarder, ResultsSayWhereTheSymbolIs)
{
    // Upright and turned: the scan line's ends lie on the symbol in the caller's pixels.
    const auto symbol = test::RenderSymbol(BARCODE_CODE128, "Where", 2, 30);
    for (int turns = 0; turns < 4; ++turns) {
        test::TestPage page(600, 400);
        page.Paste(150, 100, symbol.rgb.data(), symbol.width, symbol.height);
        auto turned = page.Turned(turns);
        const CorvaneBitmap bmp = turned.Bitmap();
        // The symbol's box in the turned page.
        int bx0 = 150, by0 = 100, bx1 = 150 + symbol.width, by1 = 100 + symbol.height;
        int w = 600, h = 400;
        for (int t = 0; t < turns; ++t) {
            std::tie(bx0, by0, bx1, by1) = std::make_tuple(h - by1, bx0, h - by0, bx1);
            std::swap(w, h);
        }
        for (int effort : {0, 1}) {
            const Results r = TryHarder(bmp, 20, 10, turned.Height() - 10, turned.Width() - 20, effort);
            ASSERT_TRUE(r && r->count >= 1) << turns;
            const CorvaneResult& found = r->items[0];
            EXPECT_EQ(std::u16string(found.text), u"Where");
            for (const auto& [px, py] : {std::pair{found.x0, found.y0}, std::pair{found.x1, found.y1}}) {
                EXPECT_GE(px, bx0 - 2) << "turns " << turns << " effort " << effort;
                EXPECT_LE(px, bx1 + 2) << "turns " << turns << " effort " << effort;
                EXPECT_GE(py, by0 - 2) << "turns " << turns << " effort " << effort;
                EXPECT_LE(py, by1 + 2) << "turns " << turns << " effort " << effort;
            }
            // The line runs across the bars: as long as most of the symbol.
            const int length = std::abs(found.x1 - found.x0) + std::abs(found.y1 - found.y0);
            EXPECT_GT(length, (turns % 2 == 0 ? bx1 - bx0 : by1 - by0) / 2);
        }
    }
}

TEST(TryHarder, ATiltedBlurredSymbolOfPartModulesIsReadOnlyByTryingHarder)
{
    struct Case {
        int symbology;
        const char* data;
        const char16_t* text;
    };
    const Case cases[] = {
        {BARCODE_CODE128, "Tilt-128", u"Tilt-128"},
        {BARCODE_EANX, "590123412345", u"5901234123457"},
        {BARCODE_CODE39, "TILT39", u"TILT39"},
    };
    for (const Case& c : cases) {
        test::Warp warp;  // 2.3 pixels a module, 10 degrees, blurred, grey on grey, light falling off
        warp.lightSlope = -0.1;
        auto page = test::WarpedSymbol(c.symbology, c.data, warp);
        const CorvaneBitmap bmp = page.Bitmap();
        const Results plain = TryHarder(bmp, 0, 0, page.Height(), page.Width(), 0);
        EXPECT_FALSE(HasText(plain.get(), c.text)) << "effort 0 should miss it";
        const Results harder = TryHarder(bmp, 0, 0, page.Height(), page.Width(), CORVANE_EFFORT_MAX);
        ASSERT_TRUE(harder);
        EXPECT_TRUE(HasText(harder.get(), c.text)) << "effort max should read it";
        for (int i = 0; i < harder->count; ++i) {
            EXPECT_NE(harder->items[i].step, CorvaneStepBands);
            EXPECT_EQ(std::u16string(harder->items[i].text), c.text);  // nothing else holds up
        }
    }
}

TEST(TryHarder, PaleBarsOnUnevenGreyAreReadFromPreparedCopies)
{
    // Bars of grey 110 on a ground from 215 down to 150: half the band's range of grey (the band
    // reader's threshold) is darker than any bar.
    for (const auto& [symbology, data, text] :
         {std::tuple{BARCODE_CODE128, "Pale-128", u"Pale-128"}, std::tuple{BARCODE_CODE39, "PALE39", u"PALE39"}}) {
        const auto symbol = test::RenderSymbol(symbology, data, 3, 30);
        test::TestPage page(symbol.width + 80, symbol.height + 80);
        for (int y = 0; y < page.Height(); ++y)
            for (int x = 0; x < page.Width(); ++x) {
                const bool bar = x >= 40 && y >= 40 && x < 40 + symbol.width && y < 40 + symbol.height &&
                                 symbol.rgb[(static_cast<std::size_t>(y - 40) * symbol.width + (x - 40)) * 3] < 128;
                const auto ground = static_cast<std::uint8_t>(215 - 65 * x / page.Width());
                const std::uint8_t grey = bar ? 110 : ground;
                page.SetPixel(x, y, grey, grey, grey);
            }
        const CorvaneBitmap bmp = page.Bitmap();
        const Results plain = TryHarder(bmp, 0, 0, page.Height(), page.Width(), 0);
        EXPECT_EQ(plain->count, 0);
        const Results prepared = TryHarder(bmp, 0, 0, page.Height(), page.Width(), 1);
        ASSERT_EQ(prepared->count, 1) << data;
        EXPECT_EQ(std::u16string(prepared->items[0].text), text);
        EXPECT_EQ(prepared->items[0].step, CorvaneStepPrepared);
    }
}

std::string Narrow(const char16_t* text)
{
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}

// Bars between the start and stop patterns of a symbology, their widths random: what the
// decoders make of them is noise that only holds up by chance.
test::TestPage RandomBarsPage(std::mt19937& rng)
{
    struct Frame {
        const char16_t* start;
        const char16_t* stop;
    };
    constexpr Frame kFrames[] = {
        {u"1010", u"1101"},                // Interleaved 2 of 5
        {u"11011010", u"1101011"},         // Industrial 2 of 5
        {u"1101010", u"110101"},           // Matrix 2 of 5
        {u"1011001", u"1011001"},          // Codabar A ... A
        {u"100101101101", u"100101101101"}, // Code 39 *
    };
    const Frame& frame = kFrames[std::uniform_int_distribution<std::size_t>(0, std::size(kFrames) - 1)(rng)];
    std::u16string modules = frame.start;
    const int elements = std::uniform_int_distribution(20, 60)(rng);
    for (int e = 0; e < elements; ++e)
        modules.append(static_cast<std::size_t>(std::uniform_int_distribution(1, 2)(rng)), e % 2 ? u'1' : u'0');
    modules += u'0';
    modules += frame.stop;
    const int moduleWidth = std::uniform_int_distribution(1, 3)(rng);
    test::TestPage page(static_cast<int>(modules.size()) * moduleWidth + 60, 80);
    page.DrawModules(30, 10, modules, moduleWidth, 60);
    return page;
}

// The same 300 pages for every effort, one test each so that they can run side by side.
constexpr int kRandomBarsPages = 300;
constexpr unsigned kRandomBarsSeed = 20261212;

int ResultsOnRandomBars(int effort)
{
    std::mt19937 rng(kRandomBarsSeed);
    int results = 0;
    for (int round = 0; round < kRandomBarsPages; ++round) {
        auto page = RandomBarsPage(rng);
        const CorvaneBitmap bmp = page.Bitmap();
        const Results r = TryHarder(bmp, 0, 0, page.Height(), page.Width(), effort);
        if (!r) {
            ADD_FAILURE() << "round " << round << ": no list";
            continue;
        }
        if (effort > 0) {
            EXPECT_EQ(r->count, 0) << "round " << round << " effort " << effort << ": "
                                   << Narrow(r->count ? r->items[0].type : u"") << " "
                                   << Narrow(r->count ? r->items[0].text : u"");
        }
        results += r->count;
    }
    return results;
}

// Effort 0, which keeps every reading, finds texts in the noise; the others must not.
TEST(TryHarder, RandomBarsGiveTextsAtEffortZero) { EXPECT_GT(ResultsOnRandomBars(0), 10); }

class RandomBarsAtEffort : public testing::TestWithParam<int> {};

TEST_P(RandomBarsAtEffort, GiveNothing) { EXPECT_EQ(ResultsOnRandomBars(GetParam()), 0); }

INSTANTIATE_TEST_SUITE_P(TryHarder, RandomBarsAtEffort, testing::Range(1, CORVANE_EFFORT_MAX + 1));

TEST(TryHarder, InvalidCallsSayWhyAndReadNothing)
{
    auto page = test::PageWithSymbol(test::RenderSymbol(BARCODE_CODE128, "Bad", 2), 20);
    const CorvaneBitmap good = page.Bitmap();
    const int w = page.Width(), h = page.Height();
    EXPECT_EQ(CorvaneReadTryHarder(&good, 0, 0, h, w, 1, nullptr), CorvaneInvalidParameter);
    CorvaneResults* results = reinterpret_cast<CorvaneResults*>(&page);  // must be overwritten
    EXPECT_EQ(CorvaneReadTryHarder(nullptr, 0, 0, h, w, 1, &results), CorvaneInvalidParameter);
    EXPECT_EQ(results, nullptr);
    for (int effort : {CORVANE_EFFORT_MIN - 1, CORVANE_EFFORT_MAX + 1, INT_MIN, INT_MAX}) {
        results = reinterpret_cast<CorvaneResults*>(&page);
        EXPECT_EQ(CorvaneReadTryHarder(&good, 0, 0, h, w, effort, &results), CorvaneInvalidParameter) << effort;
        EXPECT_EQ(results, nullptr);
    }
    const std::tuple<int, int, int, int> areas[] = {{-1, 0, h, w}, {0, 0, h + 1, w}, {0, 0, h, 0},
                                                    {1, 0, h, w},  {0, 0, -h, w},    {INT_MAX, INT_MAX, 2, 2}};
    for (const auto& [x, y, ah, aw] : areas) {
        results = reinterpret_cast<CorvaneResults*>(&page);
        EXPECT_EQ(CorvaneReadTryHarder(&good, x, y, ah, aw, 2, &results), CorvaneInvalidParameter);
        EXPECT_EQ(results, nullptr);
    }
    CorvaneBitmap badFormat = good;
    badFormat.pixelFormat = 12345;
    EXPECT_EQ(CorvaneReadTryHarder(&badFormat, 0, 0, h, w, 0, &results), CorvaneInvalidParameter);
    CorvaneBitmap noPixels = good;
    noPixels.scan0 = nullptr;
    EXPECT_EQ(CorvaneReadTryHarder(&noPixels, 0, 0, h, w, 3, &results), CorvaneInvalidParameter);
    // The bitmap is only read: its status is left alone.
    EXPECT_EQ(good.lastStatus, CorvaneOk);
    CorvaneFreeResults(nullptr);
}

TEST(TryHarder, ThreadsReadAtOnceEachWithItsOwnResults)
{
    std::vector<test::TestPage> pages;
    std::mt19937 rng(7);
    for (const Symbol& s : kSymbols)
        pages.push_back(ClutteredPage(rng, s));
    test::Warp warp;
    pages.push_back(test::WarpedSymbol(BARCODE_CODE128, "Tilt-128", warp));
    // What each page gives read alone.
    std::vector<std::vector<std::vector<Record>>> alone(pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (int effort = 0; effort <= CORVANE_EFFORT_MAX; ++effort) {
            const CorvaneBitmap bmp = pages[p].Bitmap();
            alone[p].push_back(Records(TryHarder(bmp, 0, 0, bmp.height, bmp.width, effort).get()));
        }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 6; ++i)
                for (std::size_t p = 0; p < pages.size(); ++p) {
                    const int effort = (t + i + static_cast<int>(p)) % (CORVANE_EFFORT_MAX + 1);
                    const CorvaneBitmap bmp = pages[p].Bitmap();
                    const Results r = TryHarder(bmp, 0, 0, bmp.height, bmp.width, effort);
                    if (Records(r.get()) != alone[p][static_cast<std::size_t>(effort)])
                        ++mismatches[static_cast<std::size_t>(t)];
                }
        });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace corvane
