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

}  // namespace
}  // namespace bench
