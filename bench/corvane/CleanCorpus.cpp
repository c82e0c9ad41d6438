#include "CleanCorpus.h"

#include "Readers.h"
#include "Symbologies.h"
#include "Timing.h"

#include <zint.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace bench {
namespace {

Grey Render(const Symbology& s, int moduleWidth, std::string& zintText)
{
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> z(ZBarcode_Create(), &ZBarcode_Delete);
    z->symbology = s.zint;
    z->scale = static_cast<float>(moduleWidth) / 2.0f;  // zint draws a module as 2 x scale pixels
    z->height = 120.0f / static_cast<float>(moduleWidth);
    z->show_hrt = 0;
    z->output_options |= BARCODE_QUIET_ZONES;
    if (ZBarcode_Encode_and_Buffer(z.get(), reinterpret_cast<const unsigned char*>(s.data),
                                   static_cast<int>(std::char_traits<char>::length(s.data)), 0) >= ZINT_ERROR) {
        std::fprintf(stderr, "zint cannot render %s: %s\n", s.name, z->errtxt);
        std::exit(2);
    }
    zintText = reinterpret_cast<const char*>(z->text);
    Grey g{z->bitmap_width, z->bitmap_height, {}};
    g.pixels.resize(static_cast<std::size_t>(g.width) * g.height);
    for (std::size_t i = 0; i < g.pixels.size(); ++i) {
        const unsigned char* p = z->bitmap + 3 * i;
        g.pixels[i] = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
    }
    return g;
}

Grey TurnClockwise(const Grey& in)
{
    Grey out{in.height, in.width, std::vector<std::uint8_t>(in.pixels.size())};
    for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < in.width; ++x)
            out.at(in.height - 1 - y, x) = in.pixels[static_cast<std::size_t>(y) * in.width + x];
    return out;
}

struct Tally {
    int read = 0;
    int images = 0;
    int aborted = 0;
    std::vector<double> times;
    std::vector<std::string> misses;  // a few, to show what a reader returned instead
};

void Record(Tally& tally, const Reading& reading, const std::string& expected, const char* symbology)
{
    ++tally.images;
    if (reading.aborted) {
        ++tally.aborted;  // counts as not read; its time is unknown
        return;
    }
    tally.times.push_back(reading.microseconds);
    if (std::any_of(reading.found.begin(), reading.found.end(), [&](const Decoded& d) { return d.text == expected; })) {
        ++tally.read;
    } else if (tally.misses.size() < 3) {
        std::string got;
        for (const auto& d : reading.found)
            got += (got.empty() ? "" : ", ") + d.text;
        tally.misses.push_back(std::string(symbology) + ": expected " + expected + ", got [" + got + "]");
    }
}

}  // namespace

void RunCleanCorpus(int width, int height, int placements, std::mt19937& rng, bool corvaneOnly, bool verbose)
{
    const BenchReader readers[] = {
        {"Corvane ReadImage(20 lines, 3 rotations)", "", ReadWithCorvane, ReaderFamily::Corvane, 3, false},
        {"ZXing-C++ 1.4, tryHarder + tryRotate", "", ZXingReader(true), ReaderFamily::ZXing, 1, true},
        {"ZXing-C++ 1.4, fast (both off)", "", ZXingReader(false), ReaderFamily::ZXing, 3, true},
        {"ZBar 0.23.92, all symbologies", "", ZBarReader(), ReaderFamily::ZBar, 1, false},
    };
    const std::size_t kReaders = corvaneOnly ? 1 : std::size(readers);
    Tally common[std::size(readers)];
    Tally alone[std::size(kSymbologies)];
    int skipped = 0;

    for (std::size_t si = 0; si < std::size(kSymbologies); ++si) {
        const Symbology& symbology = kSymbologies[si];
        for (int moduleWidth = 1; moduleWidth <= 4; ++moduleWidth) {
            std::string zintText;
            const Grey upright = Render(symbology, moduleWidth, zintText);
            for (int n = 0; n < placements; ++n) {
                // A random quarter turn; when the symbol does not fit the page that way, the next.
                Grey symbol = upright;
                const int turns = std::uniform_int_distribution(0, 3)(rng);
                for (int t = 0; t < turns; ++t)
                    symbol = TurnClockwise(symbol);
                int tries = 0;
                while ((symbol.width > width || symbol.height > height) && tries++ < 4)
                    symbol = TurnClockwise(symbol);
                if (symbol.width > width || symbol.height > height) {
                    ++skipped;
                    continue;
                }
                Grey page{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 255)};
                const int x0 = std::uniform_int_distribution(0, width - symbol.width)(rng);
                const int y0 = std::uniform_int_distribution(0, height - symbol.height)(rng);
                for (int y = 0; y < symbol.height; ++y)
                    std::copy_n(&symbol.at(0, y), symbol.width, &page.at(x0, y0 + y));

                if (!symbology.peersRead) {
                    Record(alone[si], Run(readers[0], page), Expected(zintText, symbology.corvane), symbology.name);
                    continue;
                }
                for (std::size_t r = 0; r < kReaders; ++r)
                    Record(common[r], Run(readers[r], page), Expected(zintText, symbology.For(readers[r].family)),
                           symbology.name);
            }
        }
    }

    std::printf("\n%d x %d pages: %d images of 8 symbologies all three read (module widths 1-4)%s\n", width, height,
                common[0].images, skipped ? ", some turned to fit" : "");
    std::printf("%-44s %10s %12s %16s %8s\n", "reader", "read rate", "median us", "Corvane / peer", "aborts");
    const double corvaneMedian = Median(common[0].times);
    for (std::size_t r = 0; r < kReaders; ++r) {
        const double median = Median(common[r].times);
        std::printf("%-44s %8.1f %% %12.0f %16.3f %8d\n", readers[r].label,
                    100.0 * common[r].read / std::max(1, common[r].images), median,
                    median > 0 ? corvaneMedian / median : 0.0, common[r].aborted);
    }
    std::printf("Corvane alone (no peer reads these):");
    for (std::size_t si = 0; si < std::size(kSymbologies); ++si)
        if (!kSymbologies[si].peersRead)
            std::printf("  %s %d/%d", kSymbologies[si].name, alone[si].read, alone[si].images);
    std::printf("\n");
    if (verbose)
        for (std::size_t r = 0; r < kReaders; ++r)
            for (const auto& miss : common[r].misses)
                std::printf("  missed by %s: %s\n", readers[r].label, miss.c_str());
}

}  // namespace bench
