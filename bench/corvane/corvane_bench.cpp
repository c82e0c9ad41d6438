// Corvane against ZXing-C++ and ZBar on the same pictures, in one run: the clean corpus of
// rendered symbols, the real photographs of the shared data folder, a generated corpus imitating
// photographs (classes of distortion for all eleven symbologies), and pictures without any
// barcode for false positives. Every reader gets the same 8-bit grey picture; a read counts when
// one of its results is exactly the expected text as that reader writes it.

#include "CleanCorpus.h"
#include "Negatives.h"
#include "PhotoClasses.h"
#include "Readers.h"
#include "Results.h"
#include "Samples.h"
#include "Timing.h"

#include <corvane_tryharder.h>

#include <stb_image_write.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace bench {
namespace {

struct Options {
    bool quick = false;        // fewer generated pictures, no clean corpus
    bool realOnly = false;     // only the real photographs
    bool cleanOnly = false;    // only the clean corpus
    bool corvaneOnly = false;  // leave the peers out, for profiling Corvane
    bool verbose = false;      // list every miss, wrong text and false positive
    int effort = -1;           // only this try-harder effort; -1: all
    int perCell = 12;          // generated pictures per class and symbology
    int perKind = 40;          // negatives per kind
    unsigned seed = 1210;
    std::string realDir = CORVANE_REAL_SET_DIR;
    std::string saveDir;  // where to write the generated pictures, "" for nowhere
};

constexpr const char* kUsage =
    "usage: corvane-bench [--quick] [--real-only | --clean-only] [--effort N] [--corvane-only]\n"
    "                     [--verbose] [--per-cell N] [--negatives N] [--seed N] [--real-dir DIR]\n"
    "                     [--save DIR]\n";

bool ParseInt(const char* text, int& value)
{
    const std::string s = text;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

bool Parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        int number = 0;
        if (arg == "--quick") {
            o.quick = true;
            o.perCell = 4;
            o.perKind = 12;
        } else if (arg == "--real-only") {
            o.realOnly = true;
        } else if (arg == "--clean-only") {
            o.cleanOnly = true;
        } else if (arg == "--corvane-only") {
            o.corvaneOnly = true;
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else if (arg == "--effort" && hasValue && ParseInt(argv[++i], number) && number >= CORVANE_EFFORT_MIN &&
                   number <= CORVANE_EFFORT_MAX) {
            o.effort = number;
        } else if (arg == "--per-cell" && hasValue && ParseInt(argv[++i], number) && number > 0) {
            o.perCell = number;
        } else if (arg == "--negatives" && hasValue && ParseInt(argv[++i], number) && number >= 0) {
            o.perKind = number;
        } else if (arg == "--seed" && hasValue && ParseInt(argv[++i], number)) {
            o.seed = static_cast<unsigned>(number);
        } else if (arg == "--real-dir" && hasValue) {
            o.realDir = argv[++i];
        } else if (arg == "--save" && hasValue) {
            o.saveDir = argv[++i];
        } else {
            return false;
        }
    }
    return !(o.realOnly && o.cleanOnly);
}

// Each reader's time for a picture is the best of this many runs: a reader in a fresh child
// process would otherwise pay for cold caches and first-touch page faults that the readers
// running in this process do not.
constexpr int kRepeats = 3;

std::vector<BenchReader> Readers(const Options& o)
{
    std::vector<BenchReader> readers;
    readers.push_back({"ReadImage", "Corvane ReadImage(20 scan lines, 3 rotations)", ReadWithCorvane, ReaderFamily::Corvane, kRepeats, false});
    static const char* const kLabels[] = {"effort 0", "effort 1", "effort 2", "effort 3", "effort 4", "effort 5"};
    static_assert(CORVANE_EFFORT_MIN >= 0 && CORVANE_EFFORT_MAX < 6, "a label for every effort");
    for (int e = CORVANE_EFFORT_MIN; e <= CORVANE_EFFORT_MAX; ++e)
        if (o.effort < 0 || o.effort == e)
            readers.push_back({kLabels[e], "Corvane CorvaneReadTryHarder at this effort", TryHarderReader(e), ReaderFamily::Corvane, kRepeats, false});
    if (!o.corvaneOnly) {
        readers.push_back({"ZXing", "ZXing-C++ 1.4, linear codes, tryHarder + tryRotate (a child process per picture)",
                           ZXingReader(true), ReaderFamily::ZXing, kRepeats, true});
        readers.push_back({"ZBar", "ZBar 0.23.92, all symbologies", ZBarReader(), ReaderFamily::ZBar, kRepeats, false});
    }
    return readers;
}

std::string Listed(const std::vector<Decoded>& found)
{
    std::string got;
    for (const Decoded& d : found)
        got += (got.empty() ? "" : ", ") + d.text + (d.score >= 0 ? " (" + std::to_string(d.score) + ")" : "");
    return "[" + got + "]";
}

// Reads one picture with every reader, lists what went wrong when asked, and records it.
void ReadAll(Sample& sample, const std::vector<BenchReader>& readers, Results& results, bool verbose)
{
    Record record{sample.set, sample.group, sample.symbology, sample.id, sample.peersRead, {}};
    for (const BenchReader& reader : readers) {
        if (!sample.peersRead && reader.family != ReaderFamily::Corvane) {
            record.outcomes.push_back({});
            continue;
        }
        const Reading reading = Run(reader, sample.page);
        const Outcome outcome = Judge(sample, reader, reading);
        record.outcomes.push_back(outcome);
        if (!verbose)
            continue;
        const std::string& expected = sample.expected[static_cast<std::size_t>(reader.family)];
        const char* what = expected.empty() ? (outcome.wrong ? "false positive" : nullptr)
                           : reading.aborted ? "aborted"
                           : !outcome.read   ? "missed"
                           : outcome.wrong   ? "also wrong"
                                             : nullptr;
        if (what)
            std::printf("  %-10s %-14s %s/%s: expected %s, got %s\n", reader.label, what, sample.set.c_str(), sample.id.c_str(),
                        expected.empty() ? "nothing" : expected.c_str(), Listed(reading.found).c_str());
    }
    results.Add(std::move(record));
}

// The picture as DIR/SET/GROUP/NAME.png, with what Corvane should read in NAME.txt, so that a
// miss can be looked at and read again with corvane-read.
void Save(const Sample& sample, const std::string& dir)
{
    std::string name = sample.id.substr(sample.group.size() + 1);
    std::replace(name.begin(), name.end(), ' ', '-');
    std::replace(name.begin(), name.end(), '/', '-');
    const std::filesystem::path folder = std::filesystem::path(dir) / sample.set / sample.group;
    std::filesystem::create_directories(folder);
    const std::filesystem::path png = folder / (name + ".png");
    stbi_write_png(png.c_str(), sample.page.width, sample.page.height, 1, sample.page.pixels.data(), sample.page.width);
    std::ofstream(folder / (name + ".txt"), std::ios::binary) << sample.expected[static_cast<std::size_t>(ReaderFamily::Corvane)];
}

void Progress(const char* set, int& count)
{
    if (++count % 100 == 0)
        std::fprintf(stderr, "  %s: %d pictures read\n", set, count);
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv)
{
    using namespace bench;
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    if (o.cleanOnly || (!o.quick && !o.realOnly)) {
        std::mt19937 rng(1210);
        std::printf("== Clean corpus: seed 1210, 4 placements per symbology and module width ==\n");
        RunCleanCorpus(640, 480, 4, rng, o.corvaneOnly, o.verbose);
        RunCleanCorpus(2000, 1500, 4, rng, o.corvaneOnly, o.verbose);
        if (o.cleanOnly)
            return 0;
    }

    const std::vector<BenchReader> readers = Readers(o);
    std::printf("\nReaders (times are per picture, the best of %d runs, medians over the pictures):\n", kRepeats);
    for (const BenchReader& r : readers)
        std::printf("  %-10s %s\n", r.label, r.legend);
    Results results(readers);
    int count = 0;
    if (o.verbose)
        std::printf("\nMisses, wrong texts and false positives:\n");

    const bool haveReal = ForEachRealImage(o.realDir, [&](Sample& s) {
        ReadAll(s, readers, results, o.verbose);
        Progress("real", count);
    });
    if (!o.realOnly) {
        count = 0;
        ForEachGenerated(o.perCell, o.seed, [&](Sample& s) {
            if (!o.saveDir.empty())
                Save(s, o.saveDir);
            ReadAll(s, readers, results, o.verbose);
            Progress("generated", count);
        });
        count = 0;
        ForEachNegative(o.perKind, o.seed, [&](Sample& s) {
            if (!o.saveDir.empty())
                Save(s, o.saveDir);
            ReadAll(s, readers, results, o.verbose);
            Progress("negatives", count);
        });
    }

    const auto inSet = [](const char* set) { return [set](const Record& r) { return r.set == set; }; };
    const auto group = [](const Record& r) { return r.group; };
    const auto symbology = [](const Record& r) { return r.symbology; };
    if (haveReal) {
        const std::string title = "== Real photographs (" + o.realDir + ") ==";
        results.PrintSummary(title, inSet("real"));
        results.PrintBreakdown("Real photographs per symbology", inSet("real"), symbology);
        results.PrintBreakdown("Real photographs per folder", inSet("real"), group);
    } else {
        std::printf("\n== Real photographs: skipped, %s is not there ==\n", o.realDir.c_str());
    }
    if (o.realOnly)
        return 0;

    const auto common = [](const Record& r) { return r.set == "generated" && r.peersRead; };
    const auto alone = [](const Record& r) { return r.set == "generated" && !r.peersRead; };
    std::printf("\n== Generated photographs: %d per class and symbology, seed %u ==\n", o.perCell, o.seed);
    results.PrintSummary("The eight symbologies every reader reads", common);
    results.PrintBreakdown("The eight symbologies per class", common, group);
    results.PrintSummary("Code 11, Industrial and Matrix 2 of 5 (neither peer reads them)", alone);
    results.PrintBreakdown("Code 11, Industrial and Matrix 2 of 5 per class", alone, group);
    results.PrintBreakdown("Generated photographs per symbology", inSet("generated"), symbology);

    std::printf("\n== Pictures without a barcode: %d per kind ==\n", o.perKind);
    results.PrintFalsePositives("False positives", inSet("negative"));
    return 0;
}
