#include "profile/ConversionProfile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// The keys of section MYPROFILE in the order the program loads and writes them.
constexpr std::array<const char*, 43> kLoadOrder{
    "Prefix", "Suffix", "OverWrite", "OpenFolder", "OutputFolder", "ResizeKeepOrg", "ResizeWidth",
    "ResizeHeight", "BmpDPIX", "BmpDPIY", "BmpBppIndex", "JPEGQuality", "KeepEXIF", "TIFCompIndex",
    "TIFBppIndex", "GIFMaxColorIndex", "GIFQuanIndex", "GIFErrorDiff", "GIFcolorTranColorR",
    "GIFcolorTranColorG", "GIFcolorTranColorB", "PDFTitle", "PDFSubject", "PDFAuthor", "PDFCreator",
    "PDFKeyword", "PDFProducer", "OutputPDFA", "OutputPDFAType", "PDFA128EnableAnno",
    "PDFA128EnableAssDoc", "PDFA128EnableEdit", "PDFA128EnableExtractor", "PDFA128EnableExtractText",
    "PDFA128EnableFillForm", "PDFA128EnableHighPrint", "PDFA128EnablePrint", "PDFA40EnableAnno",
    "PDFA40EnableEdit", "PDFA40EnableExtractor", "PDFA40EnablePrint", "PDFAOwnerPassword",
    "PDFAUserPassword"};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Loads a profile from a file holding section MYPROFILE with `body`.
ConversionProfile LoadFrom(const TempDir& dir, const std::string& body)
{
    const fs::path file = dir / "mysetting.ini";
    WriteText(file, "[MYPROFILE]\n" + body);
    ConversionProfile p;
    LoadProfile(p, file);
    return p;
}

ConversionProfile NonDefaultProfile()
{
    ConversionProfile p;
    p.Prefix = "pre_";
    p.Suffix = "_suf";
    p.OverWrite = 1;
    p.OpenFolder = 1;
    p.TIFBppIndex = 3;
    p.TIFCompIndex = 2;
    p.BmpBppIndex = 1;
    p.BmpDPIX = 300;
    p.BmpDPIY = -72;
    p.KeepEXIF = 0;
    p.JPEGQuality = 55;
    p.OutputFolder = "/home/u/out put";
    p.ResizeWidth = 1024;
    p.ResizeHeight = 768;
    p.ResizeKeepOrg = 0;
    p.GIFMaxColorIndex = 2;
    p.GIFQuanIndex = 3;
    p.GIFErrorDiff = 1;
    p.GIFTranColor = 0x00C08040;
    p.PDFTitle = "Title";
    p.PDFAuthor = "Author";
    p.PDFCreator = "Creator";
    p.PDFKeyword = "cat, dog";
    p.PDFProducer = "Producer";
    p.PDFSubject = "Subject";
    p.PDFA40EnablePrint = 0;
    p.PDFA40EnableAnno = 0;
    p.PDFA128EnableHighPrint = 0;
    p.PDFA128EnableAssDoc = 0;
    p.PDFAOwnerPassword = "owner";
    p.PDFAUserPassword = "user";
    p.OutputPDFA = 1;
    p.OutputPDFAType = 4;
    return p;
}

}  // namespace

TEST(ProfileLoad, FirstStartWithoutFileGivesInitialValues)
{
    TempDir dir;
    ConversionProfile p;
    LoadProfile(p, dir / "mysetting.ini");

    EXPECT_EQ(p.JPEGQuality, 90);
    EXPECT_EQ(p.BmpDPIX, 96);
    EXPECT_EQ(p.BmpDPIY, 96);
    EXPECT_EQ(p.BmpBppIndex, 4);  // 24 bpp
    EXPECT_EQ(p.ResizeKeepOrg, 1);
    EXPECT_EQ(p.ResizeWidth, 320);
    EXPECT_EQ(p.ResizeHeight, 240);
    EXPECT_EQ(p.GIFMaxColorIndex, 4);  // 256 colours
    EXPECT_EQ(p.GIFQuanIndex, 1);      // Octree
    EXPECT_EQ(p.KeepEXIF, 1);
    EXPECT_EQ(p.OverWrite, 0);
    EXPECT_EQ(p.OutputPDFA, 0);
    EXPECT_EQ(p.GIFTranColor, 0u);
    EXPECT_TRUE(p.OutputFolder.empty());
    for (int right : {p.PDFA40EnablePrint, p.PDFA40EnableEdit, p.PDFA40EnableExtractor, p.PDFA40EnableAnno,
                      p.PDFA128EnablePrint, p.PDFA128EnableHighPrint, p.PDFA128EnableEdit,
                      p.PDFA128EnableExtractor, p.PDFA128EnableAnno, p.PDFA128EnableFillForm,
                      p.PDFA128EnableExtractText, p.PDFA128EnableAssDoc})
        EXPECT_EQ(right, 1);
    EXPECT_FALSE(fs::exists(dir / "mysetting.ini"));  // loading never creates the file
}

TEST(ProfileLoad, AbsentKeysAndOtherSectionsKeepCurrentValues)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    WriteText(file, "[OTHER]\nJPEGQuality=10\n[MYPROFILE]\nBmpDPIX=150\n");
    ConversionProfile p = NonDefaultProfile();
    LoadProfile(p, file);
    ConversionProfile expected = NonDefaultProfile();
    expected.BmpDPIX = 150;
    EXPECT_EQ(p, expected);
}

TEST(ProfileLoad, FlagIsSetOnlyByCapitalY)
{
    TempDir dir;
    const ConversionProfile p = LoadFrom(dir,
                                         "OverWrite=Y\nOpenFolder=y\nKeepEXIF=yes\nResizeKeepOrg=1\n"
                                         "GIFErrorDiff=Yes\nOutputPDFA=\nPDFA40EnablePrint=N\n");
    EXPECT_EQ(p.OverWrite, 1);
    EXPECT_EQ(p.OpenFolder, 0);
    EXPECT_EQ(p.KeepEXIF, 0);
    EXPECT_EQ(p.ResizeKeepOrg, 0);
    EXPECT_EQ(p.GIFErrorDiff, 0);
    EXPECT_EQ(p.OutputPDFA, 0);
    EXPECT_EQ(p.PDFA40EnablePrint, 0);
}

TEST(ProfileLoad, IntTakesLeadingDecimalNumber)
{
    TempDir dir;
    const ConversionProfile p = LoadFrom(dir,
                                         "JPEGQuality=12abc\nBmpDPIX=abc\nBmpDPIY=-7x\nResizeWidth=+15\n"
                                         "ResizeHeight=99999999999\nTIFBppIndex=-99999999999\n"
                                         "GIFQuanIndex=\nOutputPDFAType=0x3\n");
    EXPECT_EQ(p.JPEGQuality, 12);
    EXPECT_EQ(p.BmpDPIX, 0);
    EXPECT_EQ(p.BmpDPIY, -7);
    EXPECT_EQ(p.ResizeWidth, 15);
    EXPECT_EQ(p.ResizeHeight, INT_MAX);  // saturates instead of wrapping
    EXPECT_EQ(p.TIFBppIndex, INT_MIN);
    EXPECT_EQ(p.GIFQuanIndex, 0);
    EXPECT_EQ(p.OutputPDFAType, 0);
}

TEST(ProfileLoad, ColourComponentsAreReducedToTheirLowByte)
{
    TempDir dir;
    const ConversionProfile p =
        LoadFrom(dir, "GIFcolorTranColorR=300\nGIFcolorTranColorG=-1\nGIFcolorTranColorB=7\n");
    EXPECT_EQ(p.GIFTranColor & 0xFFu, 44u);  // 300 & 0xFF
    EXPECT_EQ(p.GIFTranColor, 0x0007FF2Cu);  // (B << 16) | (G << 8) | R
}

TEST(ProfileSave, WritesAll43KeysInLoadOrderIncludingEmptyOutputFolder)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    ASSERT_TRUE(SaveProfile(ConversionProfile{}, file));

    const std::vector<std::string> lines = Lines(ReadText(file));
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[0], "[MYPROFILE]");
    for (std::size_t i = 0; i < kLoadOrder.size(); ++i)
        EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kLoadOrder[i]) << "line " << i + 1;
    EXPECT_EQ(lines[5], "OutputFolder=");
    // Value forms: ints in decimal, flags as Y/N, colour bytes in decimal.
    EXPECT_EQ(lines[6], "ResizeKeepOrg=Y");
    EXPECT_EQ(lines[3], "OverWrite=N");
    EXPECT_EQ(lines[12], "JPEGQuality=90");
    EXPECT_EQ(lines[19], "GIFcolorTranColorR=0");
}

TEST(ProfileSave, ValueFormsOfNonDefaultFields)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    ConversionProfile p;
    p.BmpDPIY = -72;
    p.GIFTranColor = 0x00C08040;
    p.OverWrite = 1;
    ASSERT_TRUE(SaveProfile(p, file));
    const std::string text = ReadText(file);
    EXPECT_NE(text.find("\nBmpDPIY=-72\n"), std::string::npos);
    EXPECT_NE(text.find("\nOverWrite=Y\n"), std::string::npos);
    EXPECT_NE(text.find("\nGIFcolorTranColorR=64\nGIFcolorTranColorG=128\nGIFcolorTranColorB=192\n"),
              std::string::npos);
}

TEST(ProfileSave, EveryFieldSurvivesARoundTrip)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    const ConversionProfile saved = NonDefaultProfile();
    ASSERT_TRUE(SaveProfile(saved, file));
    ConversionProfile loaded;
    LoadProfile(loaded, file);
    EXPECT_EQ(loaded, saved);
}

TEST(ProfileSave, TextsWithSpecialCharactersSurviveARoundTrip)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    ConversionProfile saved;
    saved.PDFKeyword = "  cat, dog; \"bird\" \\fish\\ ";
    saved.Prefix = "\"quoted\"";
    saved.Suffix = "'single'";
    saved.PDFTitle = " ";
    saved.PDFAOwnerPassword = "p=w;#[x]";
    saved.PDFAUserPassword = "\tTab";
    saved.OutputFolder = "C:\\out\\";
    saved.PDFSubject = std::string(600, 'x') + "end";  // longer than any fixed buffer
    saved.PDFAuthor = "Ünïcödé ✓";
    ASSERT_TRUE(SaveProfile(saved, file));

    ConversionProfile loaded;
    LoadProfile(loaded, file);
    EXPECT_EQ(loaded.PDFKeyword, saved.PDFKeyword);
    EXPECT_EQ(loaded.Prefix, saved.Prefix);
    EXPECT_EQ(loaded.Suffix, saved.Suffix);
    EXPECT_EQ(loaded.PDFTitle, saved.PDFTitle);
    EXPECT_EQ(loaded.PDFAOwnerPassword, saved.PDFAOwnerPassword);
    EXPECT_EQ(loaded.PDFAUserPassword, saved.PDFAUserPassword);
    EXPECT_EQ(loaded.OutputFolder, saved.OutputFolder);
    EXPECT_EQ(loaded.PDFSubject, saved.PDFSubject);
    EXPECT_EQ(loaded.PDFAuthor, saved.PDFAuthor);
}

TEST(ProfileSave, UnwritableLocationReturnsFalseAndKeepsEverything)
{
    TempDir dir;
    WriteText(dir / "blocker", "a file where a folder should be");
    const fs::path file = dir / "blocker" / "brivane" / "mysetting.ini";
    const ConversionProfile p = NonDefaultProfile();
    ConversionProfile copy = p;
    EXPECT_FALSE(SaveProfile(copy, file));
    EXPECT_EQ(copy, p);
    EXPECT_EQ(ReadText(dir / "blocker"), "a file where a folder should be");

    // A folder standing where the file should be cannot be replaced either.
    fs::create_directory(dir / "taken.ini");
    EXPECT_FALSE(SaveProfile(copy, dir / "taken.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "taken.ini"));
}

TEST(ProfileSave, FailedWriteLeavesTheOldFileWhole)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    const std::string old = "[MYPROFILE]\nJPEGQuality=42\n";
    WriteText(file, old);

    // Let the disk "fill up" after 64 bytes, as a full disk or quota would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = SaveProfile(NonDefaultProfile(), file);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(file), old);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "the temporary file must be removed";
}

TEST(ProfileSave, FileIsPrivateToItsOwner)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    ASSERT_TRUE(SaveProfile(ConversionProfile{}, file));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    // A file that others could read is made private when it is rewritten.
    ::chmod(file.c_str(), 0644);
    ASSERT_TRUE(SaveProfile(NonDefaultProfile(), file));
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST(ProfileSave, KeepsOtherSectionsCommentsAndUnknownKeys)
{
    TempDir dir;
    const fs::path file = dir / "mysetting.ini";
    WriteText(file,
              "; written by hand\n"
              "[Window]\n"
              "JPEGQuality=5\n"
              "\n"
              "[myprofile]\n"
              "jpegquality=75\n"
              "; keep me\n"
              "UnknownKey=abc\n"
              "\n"
              "[Later]\n"
              "x=1\n");
    ConversionProfile p;
    LoadProfile(p, file);
    EXPECT_EQ(p.JPEGQuality, 75);  // section and key names compare case-insensitively

    p.JPEGQuality = 80;
    ASSERT_TRUE(SaveProfile(p, file));
    const std::string text = ReadText(file);
    EXPECT_EQ(text.rfind("; written by hand\n[Window]\nJPEGQuality=5\n\n[myprofile]\n", 0), 0u) << text;
    EXPECT_NE(text.find("JPEGQuality=80\n"), std::string::npos);
    EXPECT_EQ(text.find("jpegquality=75"), std::string::npos);  // replaced, not duplicated
    EXPECT_NE(text.find("; keep me\nUnknownKey=abc\n"), std::string::npos);
    EXPECT_NE(text.find("\n\n[Later]\nx=1\n"), std::string::npos);

    ConversionProfile again;
    LoadProfile(again, file);
    EXPECT_EQ(again, p);
}

// One test, so that no parallel run sees the portable file of another.
TEST(ProfilePath, PortableFileBesideTheExecutableElseConfigFolder)
{
    TempDir dir;
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / "mysetting.ini";
    ASSERT_FALSE(fs::exists(beside));
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";

    ::setenv("XDG_CONFIG_HOME", (dir / "xdg").c_str(), 1);
    EXPECT_EQ(DefaultProfilePath(), dir / "xdg" / "brivane" / "mysetting.ini");
    // Saving creates the missing folders.
    EXPECT_TRUE(SaveProfile(ConversionProfile{}, DefaultProfilePath()));
    EXPECT_TRUE(fs::is_regular_file(dir / "xdg" / "brivane" / "mysetting.ini"));

    WriteText(beside, "");
    EXPECT_EQ(DefaultProfilePath(), beside);
    fs::remove(beside);

    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    ::setenv("HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(DefaultProfilePath(), dir / "home" / ".config" / "brivane" / "mysetting.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultProfilePath(), dir / "home" / ".config" / "brivane" / "mysetting.ini");

    if (oldXdg.empty())
        ::unsetenv("XDG_CONFIG_HOME");
    else
        ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
    ::setenv("HOME", oldHome.c_str(), 1);
}
