// Corvane against ZXing-C++ and ZBar on the same pages, in one run.
//
// The corpus is made here, in memory and seeded: symbols rendered by libzint with 1 to 4 pixels
// a module and about 120 pixels high, each turned by a random quarter turn and placed at a
// random spot of a white 640x480 or 2000x1500 grey page. Every reader gets the same 8-bit grey
// page. A read counts when one of the reader's results is exactly the expected text, as that
// reader writes it. Times are the best of a few runs of each image, reported as the median over
// the images.

#include "Readers.h"

#include <zint.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace bench {
namespace {

// How each reader writes a symbol's text, from zint's human-readable text.
enum class Convention {
    AsZint,        // the text zint prints under the symbol
    NoStars,       // Code 39 without its start and stop asterisks
    NoStartStop,   // Codabar without its start and stop letters
    LeadingZero,   // a 12- or 8-digit retail code widened to 13 or 9 digits
};

struct Symbology {
    const char* name;
    int zint;
    const char* data;
    bool peersRead;  // ZXing-C++ and ZBar read this symbology
    Convention corvane;
    Convention zxing;
    Convention zbar;
};

constexpr Symbology kSymbologies[] = {
    {"Code 39", BARCODE_CODE39, "BENCH39", true, Convention::NoStars, Convention::NoStars, Convention::NoStars},
    {"Codabar", BARCODE_CODABAR, "A40156B", true, Convention::NoStartStop, Convention::NoStartStop, Convention::AsZint},
    {"Code 128", BARCODE_CODE128, "Bench-128", true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Interleaved 2 of 5", BARCODE_C25INTER, "12345678", true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"EAN-13", BARCODE_EANX, "590123412345", true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"EAN-8", BARCODE_EANX, "1234567", true, Convention::LeadingZero, Convention::AsZint, Convention::AsZint},
    {"UPC-A", BARCODE_UPCA, "01234567890", true, Convention::LeadingZero, Convention::AsZint, Convention::AsZint},
    {"UPC-E", BARCODE_UPCE, "0123456", true, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Code 11", BARCODE_CODE11, "123-45", false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Industrial 2 of 5", BARCODE_C25IND, "12345", false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
    {"Matrix 2 of 5", BARCODE_C25STANDARD, "12345", false, Convention::AsZint, Convention::AsZint, Convention::AsZint},
};

std::string Expected(const std::string& zintText, Convention convention)
{
    switch (convention) {
    case Convention::AsZint: return zintText;
    case Convention::NoStars:
        return zintText.size() >= 2 && zintText.front() == '*' ? zintText.substr(1, zintText.size() - 2) : zintText;
    case Convention::NoStartStop: return zintText.size() >= 2 ? zintText.substr(1, zintText.size() - 2) : zintText;
    case Convention::LeadingZero: return "0" + zintText;
    }
    return zintText;
}


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

struct Reading {
    std::vector<std::string> texts;
    double microseconds = 0;
    bool aborted = false;  // the reader took the process down (run in a child, see Isolated)
};

Reading Time(const Reader& read, Grey& page, int repeats)
{
    Reading best;
    best.microseconds = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::string> texts = read(page);
        const auto stop = std::chrono::steady_clock::now();
        const double us = std::chrono::duration<double, std::micro>(stop - start).count();
        if (us < best.microseconds) {
            best.microseconds = us;
            best.texts = std::move(texts);
        }
    }
    return best;
}

// Runs Time in a child process and hands its reading back through a pipe. ZXing-C++ 1.4 as
// Debian builds it aborts on an assertion for some pages (Result::operator== on a result seen
// on several rows); a child keeps that from ending the benchmark. The time is measured inside
// the child, so the fork costs the reader nothing.
Reading Isolated(const Reader& read, Grey& page, int repeats)
{
    int fds[2];
    if (pipe(fds) != 0)
        return Time(read, page, repeats);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const Reading reading = Time(read, page, repeats);
        std::string message = std::to_string(reading.microseconds);
        for (const auto& text : reading.texts)
            message += '\n' + text;
        const char* p = message.data();
        for (std::size_t left = message.size(); left > 0;) {
            const ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n, left -= static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Reading reading;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || message.empty()) {
        reading.aborted = true;
        return reading;
    }
    std::size_t end = message.find('\n');
    reading.microseconds = std::stod(message.substr(0, end));
    while (end != std::string::npos) {
        const std::size_t next = message.find('\n', end + 1);
        reading.texts.push_back(message.substr(end + 1, next == std::string::npos ? std::string::npos : next - end - 1));
        end = next;
    }
    return reading;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Tally {
    int read = 0;
    int images = 0;
    int aborted = 0;
    std::vector<double> times;
    std::vector<std::string> misses;  // a few, to show what a reader returned instead
};

struct ReaderSpec {
    const char* label;
    Reader read;
    Convention Symbology::*convention;
    int repeats;
    bool isolated;
};

void Record(Tally& tally, const Reading& reading, const std::string& expected, const char* symbology)
{
    ++tally.images;
    if (reading.aborted) {
        ++tally.aborted;  // counts as not read; its time is unknown
        return;
    }
    tally.times.push_back(reading.microseconds);
    if (std::find(reading.texts.begin(), reading.texts.end(), expected) != reading.texts.end()) {
        ++tally.read;
    } else if (tally.misses.size() < 3) {
        std::string got;
        for (const auto& t : reading.texts)
            got += (got.empty() ? "" : ", ") + t;
        tally.misses.push_back(std::string(symbology) + ": expected " + expected + ", got [" + got + "]");
    }
}

struct Options {
    bool verbose = false;      // show a few misses of each reader
    bool corvaneOnly = false;  // time Corvane alone, for profiling it
};

void RunPageSize(int width, int height, int placements, std::mt19937& rng, const Options& options)
{
    ReaderSpec readers[] = {
        {"Corvane ReadImage(20 lines, 3 rotations)", ReadWithCorvane, &Symbology::corvane, 3, false},
        {"ZXing-C++ 1.4, tryHarder + tryRotate", ZXingReader(true), &Symbology::zxing, 1, true},
        {"ZXing-C++ 1.4, fast (both off)", ZXingReader(false), &Symbology::zxing, 3, true},
        {"ZBar 0.23.92, all symbologies", ZBarReader(), &Symbology::zbar, 1, false},
    };
    const std::size_t kReaders = options.corvaneOnly ? 1 : std::size(readers);
    Tally common[std::size(readers)];
    Tally corvaneOnly[std::size(kSymbologies)];
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
                    Record(corvaneOnly[si], Time(readers[0].read, page, readers[0].repeats),
                           Expected(zintText, symbology.corvane), symbology.name);
                    continue;
                }
                for (std::size_t r = 0; r < kReaders; ++r)
                    Record(common[r],
                           readers[r].isolated ? Isolated(readers[r].read, page, readers[r].repeats)
                                               : Time(readers[r].read, page, readers[r].repeats),
                           Expected(zintText, symbology.*readers[r].convention), symbology.name);
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
            std::printf("  %s %d/%d", kSymbologies[si].name, corvaneOnly[si].read, corvaneOnly[si].images);
    std::printf("\n");
    if (options.verbose)
        for (std::size_t r = 0; r < kReaders; ++r)
            for (const auto& miss : common[r].misses)
                std::printf("  missed by %s: %s\n", readers[r].label, miss.c_str());
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv)
{
    bench::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--corvane-only") {
            options.corvaneOnly = true;
        } else {
            std::fprintf(stderr, "usage: corvane-bench [--verbose] [--corvane-only]\n");
            return 2;
        }
    }
    std::mt19937 rng(1210);
    std::printf("Corvane against ZXing-C++ and ZBar; seed 1210, 4 placements per symbology and module width\n");
    bench::RunPageSize(640, 480, 4, rng, options);
    bench::RunPageSize(2000, 1500, 4, rng, options);
    return 0;
}
