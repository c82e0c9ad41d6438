// Where the pictures come from: the real set's folders and texts, the seeded generated corpus, the
// pictures without barcodes, and the camera's blur and JPEG.
#include "Negatives.h"
#include "Plane.h"
#include "Samples.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>

#include <unistd.h>

namespace bench {
namespace {

namespace fs = std::filesystem;

class RealSetFolder : public testing::Test {
protected:
    RealSetFolder() : dir_(fs::temp_directory_path() / ("corvane-bench-real-" + std::to_string(::getpid()))) {}
    ~RealSetFolder() override { fs::remove_all(dir_); }

    void Add(const std::string& folder, const std::string& name, const char* text)
    {
        fs::create_directories(dir_ / folder);
        const unsigned char rgb[6] = {30, 60, 90, 255, 255, 255};  // grey 60, then white
        stbi_write_png((dir_ / folder / (name + ".png")).c_str(), 2, 1, 3, rgb, 6);
        if (text)
            std::ofstream(dir_ / folder / (name + ".txt"), std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST_F(RealSetFolder, TextsBecomeEachReadersFormAndStrayFilesAreLeftOut)
{
    Add("code39-1", "a", " WWW.X.COM \n");  // spaces are data in Code 39
    Add("ean13-2", "b", " 9780804816632\r\n");
    Add("upca-1", "c", "0036602301467");
    Add("codabar-1", "d", "A1234B");
    Add("upce-1", "e", "0012345000065");
    Add("code39-1", "no-text", nullptr);
    Add("qr-1", "other", "x");

    std::vector<Sample> samples;
    ASSERT_TRUE(ForEachRealImage(dir_.string(), [&](Sample& s) { samples.push_back(s); }));
    ASSERT_EQ(samples.size(), 5u);
    const auto find = [&](const std::string& id) {
        return *std::find_if(samples.begin(), samples.end(), [&](const Sample& s) { return s.id == id; });
    };
    const auto corvane = static_cast<std::size_t>(ReaderFamily::Corvane), zbar = static_cast<std::size_t>(ReaderFamily::ZBar);
    EXPECT_EQ(find("code39-1/a.png").expected[corvane], " WWW.X.COM ");
    EXPECT_EQ(find("ean13-2/b.png").expected[zbar], "9780804816632");
    EXPECT_EQ(find("upca-1/c.png").expected[corvane], "0036602301467");
    EXPECT_EQ(find("upca-1/c.png").expected[zbar], "036602301467");
    EXPECT_EQ(find("codabar-1/d.png").expected[corvane], "1234");
    EXPECT_EQ(find("codabar-1/d.png").expected[zbar], "A1234B");
    const Sample& upcE = find("upce-1/e.png");
    EXPECT_TRUE(upcE.upcE);
    EXPECT_TRUE(Accepts(upcE, ReaderFamily::ZXing, "01234565"));
    EXPECT_EQ(upcE.symbology, "UPC-E");
    EXPECT_EQ(upcE.set, "real");
    EXPECT_EQ(upcE.page.width, 2);
    EXPECT_EQ(upcE.page.pixels, (std::vector<std::uint8_t>{60, 255}));  // (r + g + b) / 3

    EXPECT_FALSE(ForEachRealImage((dir_ / "absent").string(), [](Sample&) {}));
}

// Each picture has its own seed, so a smaller run (--quick) shows the first pictures of a larger
// one, and another seed draws other pictures.
TEST(GeneratedSets, EveryPictureComesFromItsOwnSeed)
{
    std::vector<Grey> one, two;
    ForEachGenerated(1, 5, [&](Sample& s) { one.push_back(s.page); });
    ForEachGenerated(2, 5, [&](Sample& s) {
        if (s.id.back() == '0')
            two.push_back(s.page);
    });
    ASSERT_EQ(one.size(), 88u);  // eight classes, eleven symbologies
    ASSERT_EQ(two.size(), 88u);
    int same = 0;
    for (std::size_t i = 0; i < one.size(); ++i)
        same += one[i].pixels == two[i].pixels;
    EXPECT_EQ(same, 88);

    std::vector<Grey> five, six;
    ForEachNegative(1, 5, [&](Sample& s) { five.push_back(s.page); });
    ForEachNegative(1, 6, [&](Sample& s) { six.push_back(s.page); });
    ASSERT_EQ(five.size(), six.size());
    for (std::size_t i = 0; i < five.size(); ++i)
        EXPECT_NE(five[i].pixels, six[i].pixels) << i;
}

TEST(GeneratedSets, NegativesOfEveryKindHaveSomethingInThem)
{
    int count = 0;
    ForEachNegative(3, 5, [&](Sample& s) {
        ++count;
        SCOPED_TRACE(s.id);
        EXPECT_EQ(s.set, "negative");
        EXPECT_TRUE(s.expected[0].empty() && s.expected[1].empty() && s.expected[2].empty());
        EXPECT_GE(s.page.width, 320);
        EXPECT_GE(s.page.height, 240);
        const auto [lo, hi] = std::minmax_element(s.page.pixels.begin(), s.page.pixels.end());
        EXPECT_GT(*hi - *lo, 40);  // not a blank page
    });
    EXPECT_EQ(count, static_cast<int>(3 * kNegativeKindCount));
}

TEST(CameraEffects, BlursKeepTheLightAndJpegKeepsThePicture)
{
    Plane edge(40, 30, 50);
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            edge.at(x, y) = 200;
    const auto total = [](const Plane& p) { return std::accumulate(p.v.begin(), p.v.end(), 0.0); };
    const double before = total(edge);
    for (int effect = 0; effect < 3; ++effect) {
        Plane p = edge;
        if (effect == 0)
            GaussianBlur(p, 1.5);
        else if (effect == 1)
            DiskBlur(p, 2.5);
        else
            MotionBlur(p, 6, 0);
        SCOPED_TRACE(effect);
        EXPECT_NEAR(total(p), before, before * 1e-3);  // borders repeat, so nothing is lost
        EXPECT_NEAR(p.at(5, 15), 50, 0.01);            // far from the edge: unchanged
        EXPECT_GT(p.at(19, 15), 55);                   // at the edge: spread
        EXPECT_LT(p.at(20, 15), 195);
    }

    Grey g = ToGrey(edge);
    EXPECT_EQ(g.pixels[0], 50);
    const Grey jpeg = JpegRoundTrip(g, 40);
    ASSERT_EQ(jpeg.pixels.size(), g.pixels.size());
    EXPECT_NE(jpeg.pixels, g.pixels);  // lossy
    EXPECT_NEAR(jpeg.pixels[15 * 40 + 5], 50, 8);
    EXPECT_NEAR(jpeg.pixels[15 * 40 + 35], 200, 8);
}

}  // namespace
}  // namespace bench
