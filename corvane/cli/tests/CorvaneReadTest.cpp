// corvane-read as a user runs it: symbols written by the zint command, its lines, JSON, errors
// and exit codes.
#include "WarpedSymbol.h"

#include <corvane_tryharder.h>
#include <gtest/gtest.h>
#include <zint.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct ProcessRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CorvaneRead : public testing::Test {
protected:
    CorvaneRead() : dir_(fs::temp_directory_path() / ("corvane-read-" + std::to_string(::getpid()) + "-" + Name()))
    {
        fs::create_directories(dir_);
    }
    ~CorvaneRead() override { fs::remove_all(dir_); }

    static std::string Name() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }

    ProcessRun Shell(const std::string& command) const
    {
        const fs::path err = dir_ / "stderr.txt";
        FILE* pipe = ::popen((command + " 2>" + Quote(err.string())).c_str(), "r");
        ProcessRun run;
        if (!pipe)
            return run;
        std::array<char, 4096> buffer{};
        while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
            run.out.append(buffer.data(), n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadText(err);
        return run;
    }

    ProcessRun Read(const std::string& args) const { return Shell(std::string(CORVANE_READ) + " " + args); }

    // A PNG of one symbol written by the zint command, with quiet zones and no text; `extra`
    // adds options such as colours.
    std::string Zint(int type, const std::string& data, const std::string& name, const std::string& extra = "") const
    {
        const std::string path = (dir_ / name).string();
        const ProcessRun made = Shell("zint --barcode=" + std::to_string(type) + " --notext --quietzones --scale=2 " + extra +
                                      " --data=" + Quote(data) + " --output=" + Quote(path));
        EXPECT_EQ(made.exitCode, 0) << made.err;
        return path;
    }

    // An 8-bit grey PGM of the modules zint dumps (hex, first module in the top bit), two pixels
    // a module with a ten-module quiet zone each side; zint itself writes only colour files.
    std::string GreyPgm(int type, const std::string& data, const std::string& name) const
    {
        const ProcessRun dump = Shell("zint --barcode=" + std::to_string(type) + " --dump --data=" + Quote(data));
        EXPECT_EQ(dump.exitCode, 0) << dump.err;
        std::string row(40, '\xff');
        for (std::size_t i = 0; i + 1 < dump.out.size(); ++i) {
            if (!std::isxdigit(static_cast<unsigned char>(dump.out[i])) || !std::isxdigit(static_cast<unsigned char>(dump.out[i + 1])))
                continue;
            const int byte = std::stoi(dump.out.substr(i++, 2), nullptr, 16);
            for (int bit = 7; bit >= 0; --bit)
                row += std::string(2, (byte >> bit) & 1 ? '\x00' : '\xff');
        }
        row += std::string(40, '\xff');
        const std::string path = (dir_ / name).string();
        std::ofstream out(path, std::ios::binary);
        out << "P5 " << row.size() << " 60 255\n";
        for (int y = 0; y < 60; ++y)
            out << row;
        return path;
    }

    // A PGM of a symbol as a camera sees it: 2.3 pixels a module, tilted, blurred, grey on grey.
    std::string Photographed(int type, const std::string& data, const std::string& name) const
    {
        corvane::test::Warp warp;
        warp.degrees = 8;
        warp.lightSlope = -0.1;
        corvane::test::TestPage page = corvane::test::WarpedSymbol(type, data, warp);
        const CorvaneBitmap grey = page.BitmapAs(CorvanePixelFormat8bppGray);
        const std::string path = (dir_ / name).string();
        std::ofstream out(path, std::ios::binary);
        out << "P5 " << grey.width << " " << grey.height << " 255\n";
        for (int y = 0; y < grey.height; ++y)
            out.write(reinterpret_cast<const char*>(grey.scan0) + static_cast<std::ptrdiff_t>(y) * grey.stride, grey.width);
        return path;
    }

    fs::path dir_;
};

struct Symbol {
    int zintType;  // zint's barcode number
    const char* data;
    const char* type;   // as corvane-read prints it
    const char* value;  // as corvane-read prints it
};

// zint numbers: 8 Code 39, 1 Code 11, 20 Code 128, 18 Codabar, 3 Interleaved 2 of 5, 7
// Industrial 2 of 5, 2 Matrix ("standard") 2 of 5, 13 EAN, 34 UPC-A, 37 UPC-E.
constexpr std::array<Symbol, 11> kSymbols{{
    {8, "CODE-39 $/+%.", "Code39", "CODE-39 $/+%."},
    {1, "123-45", "Code11", "123-4552"},  // with its two check digits
    {20, "Ab1-xyz", "Code128", "Ab1-xyz"},
    {18, "A40156-$:/.+B", "Codabar", "40156-$:/.+"},
    {3, "123456", "Interleaved25", "123456"},
    {7, "12345", "Industrial25", "12345"},
    {2, "12345", "Matrix25", "12345"},
    {13, "590123412345", "EAN 13", "5901234123457"},
    {13, "1234567", "EAN 8", "012345670"},  // EAN 8 and UPC-A with a leading zero
    {34, "01234567890", "UPC-A", "0012345678905"},
    {37, "0123456", "UPC-E", "01234565"},
}};

}  // namespace

TEST_F(CorvaneRead, ReadsEverySymbologyZintWrites)
{
    for (const Symbol& s : kSymbols) {
        SCOPED_TRACE(s.type);
        const std::string png = Zint(s.zintType, s.data, std::string(s.type) + ".png");
        const ProcessRun run = Read(Quote(png));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(png + "\t" + s.type + "\t" + s.value + "\t100\n"), std::string::npos) << run.out;
    }
}

TEST_F(CorvaneRead, JsonAndOptions)
{
    const std::string png = Zint(20, "Quote\"Back\\slash", "q.png");
    const ProcessRun json = Read("--json --scan-lines 10 --rotations 0 " + Quote(png));
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"type\": \"Code128\", \"value\": \"Quote\\\"Back\\\\slash\", \"score\": 100"), std::string::npos)
        << json.out;
    EXPECT_EQ(json.out.front(), '[');

    // An area beside the symbol finds nothing; an area outside the image is an error.
    const ProcessRun empty = Read("--area 0,0,4,4 " + Quote(png));
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.out.empty());
    const ProcessRun outside = Read("--area 0,0,100000,10 " + Quote(png));
    EXPECT_EQ(outside.exitCode, 2);
    EXPECT_NE(outside.err.find("is not inside"), std::string::npos) << outside.err;
}

TEST_F(CorvaneRead, ColourAndGreyFilesAreSeenAsTheLibrarySeesThem)
{
    // Pure green bars are dark for the library's (b + g + r) / 3 but only middling for a luma
    // conversion; the file's colour must reach the library unchanged.
    const std::string green = Zint(20, "Green128", "green.png", "--fg=00FF00");
    const ProcessRun colour = Read(Quote(green));
    EXPECT_EQ(colour.exitCode, 0) << colour.err;
    EXPECT_EQ(colour.out, green + "\tCode128\tGreen128\t100\n");

    const std::string grey = GreyPgm(8, "GREY39", "grey.pgm");
    const ProcessRun plain = Read(Quote(grey));
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.out, grey + "\tCode39\tGREY39\t100\n");
}

TEST_F(CorvaneRead, EffortZeroPrintsWhatThePlainReadPrints)
{
    // Symbols of several families, one turned, a photographed label that only higher efforts
    // read, a page holding nothing, and two areas.
    std::string files = " " + Quote(Photographed(BARCODE_CODE128, "Tilt-128", "photo.pgm"));
    for (const Symbol& s : kSymbols)
        files += " " + Quote(Zint(s.zintType, s.data, std::string(s.type) + ".png"));
    files += " " + Quote(Zint(20, "Turned", "turned.png", "--rotate=90"));
    const std::string blank = (dir_ / "blank.pgm").string();
    std::ofstream(blank, std::ios::binary) << "P5 20 10 255\n" << std::string(200, '\xff');
    files += " " + Quote(blank);

    for (const std::string options : {"", "--json ", "--area 0,0,300,60 ", "--area 0,0,4,4 "}) {
        SCOPED_TRACE(options);
        const ProcessRun plain = Read(options + files);
        const ProcessRun effort = Read(options + "--effort 0" + files);
        EXPECT_EQ(effort.exitCode, plain.exitCode);
        EXPECT_EQ(effort.out, plain.out);
        EXPECT_EQ(effort.err, plain.err);
    }
    const std::string lines = Read(files).out;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 12) << lines;  // a line per symbol
}

TEST_F(CorvaneRead, APhotographedLabelIsReadOnlyByTryingHarder)
{
    const std::string photo = Photographed(BARCODE_CODE128, "Tilt-128", "photo.pgm");
    const ProcessRun plain = Read(Quote(photo));
    EXPECT_EQ(plain.exitCode, 1) << plain.out;
    const ProcessRun zero = Read("--effort 0 " + Quote(photo));
    EXPECT_EQ(zero.exitCode, 1) << zero.out;

    const ProcessRun harder = Read("--effort " + std::to_string(CORVANE_EFFORT_MAX) + " " + Quote(photo));
    EXPECT_EQ(harder.exitCode, 0) << harder.err;
    EXPECT_EQ(harder.out, photo + "\tCode128\tTilt-128\t100\n");
    const ProcessRun json = Read("--json --effort " + std::to_string(CORVANE_EFFORT_MAX) + " " + Quote(photo));
    EXPECT_NE(json.out.find("\"type\": \"Code128\", \"value\": \"Tilt-128\", \"score\": 100"), std::string::npos)
        << json.out;
}

TEST_F(CorvaneRead, VersionIsPrintedAndNothingRead)
{
    const std::string good = Zint(8, "GOOD", "good.png");
    for (const std::string& args : {std::string("--version"), "--version " + Quote(good), Quote(good) + " --json --version"}) {
        const ProcessRun run = Read(args);
        EXPECT_EQ(run.exitCode, 0) << args << run.err;
        EXPECT_EQ(run.out, "corvane-read " CORVANE_VERSION "\n") << args;
        EXPECT_TRUE(run.err.empty()) << args << run.err;
    }
    const ProcessRun help = Read("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("\n  --version "), std::string::npos) << help.out;
    // Still an option like the others: a misspelling is refused.
    EXPECT_EQ(Read("--versions " + Quote(good)).exitCode, 2);
}

TEST_F(CorvaneRead, NoSymbolExitsOne)
{
    const std::string blank = (dir_ / "blank.pgm").string();
    std::ofstream(blank, std::ios::binary) << "P5 20 10 255\n" << std::string(200, '\xff');
    const ProcessRun run = Read(Quote(blank));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(run.err.empty());
}

TEST_F(CorvaneRead, UnreadableFilesAndBadArgumentsExitTwo)
{
    const std::string good = Zint(8, "GOOD", "good.png");
    const std::string whole = ReadText(good);
    const std::string truncated = (dir_ / "truncated.png").string();
    std::ofstream(truncated, std::ios::binary) << whole.substr(0, whole.size() / 2);
    const std::string zeroSize = (dir_ / "empty.png").string();
    std::ofstream(zeroSize, std::ios::binary).flush();
    const std::string missing = (dir_ / "missing.png").string();

    const std::pair<std::string, std::string> cases[] = {
        {truncated, "not a readable image"},
        {dir_.string(), "is a directory"},
        {missing, "no such file"},
        {zeroSize, "not a readable image"},
    };
    for (const auto& [file, reason] : cases) {
        // The good file is still read and printed; the bad one makes the exit status 2.
        const ProcessRun run = Read(Quote(file) + " " + Quote(good));
        EXPECT_EQ(run.exitCode, 2) << file;
        EXPECT_EQ(run.err.rfind("corvane-read: " + file + ": " + reason, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.out.find(good + "\tCode39\tGOOD"), std::string::npos);
    }

    for (const char* args : {"", "--rotations 4 x.png", "--scan-lines 0 x.png", "--area 1,2,3 x.png", "--bogus x.png",
                             "--scan-lines"}) {
        const ProcessRun run = Read(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_EQ(run.err.rfind("corvane-read: ", 0), 0u) << args;
    }

    // Efforts outside the library's range or not numbers, a missing effort, and the band options
    // beside a try-harder read are refused with the reason; nothing is read.
    const std::string good2 = Quote(good);
    const std::pair<std::string, std::string> refused[] = {
        {"--effort " + std::to_string(CORVANE_EFFORT_MAX + 1) + " " + good2, "--effort wants a whole number from 0 to 3, not 4"},
        {"--effort -1 " + good2, "not -1"},
        {"--effort two " + good2, "not two"},
        {"--effort 1x " + good2, "not 1x"},
        {good2 + " --effort", "--effort needs a value"},
        {"--try-harder --scan-lines 5 " + good2, "tune only the plain read"},
        {"--rotations 0 --effort 1 " + good2, "tune only the plain read"},
    };
    for (const auto& [args, reason] : refused) {
        const ProcessRun run = Read(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_EQ(run.err.rfind("corvane-read: ", 0), 0u) << args;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    // The last of --try-harder and --effort counts, and both read the good file.
    for (const char* args : {"--try-harder --effort 0 ", "--effort 0 --try-harder ", "--effort 3 "}) {
        const ProcessRun run = Read(args + good2);
        EXPECT_EQ(run.exitCode, 0) << args << run.err;
        EXPECT_EQ(run.out, good + "\tCode39\tGOOD\t100\n") << args;
    }
}
