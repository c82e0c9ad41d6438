#include "profile/IniFile.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsWindowsStyleLines)
{
    IniFile ini;
    ini.Parse("\xEF\xBB\xBF; comment=not a key\r\n"
              "[ Main ]  ; trailing note\r\n"
              "  Key = spaced value  \r\n"
              "Eq=a=b\r\n"
              "Quoted=\"  kept  \"\r\n"
              "Single=' also kept '\r\n"
              "Half=\"open\r\n"
              "key=second occurrence loses\r\n"
              "[main]\r\n"
              "Other=in a repeated section\r\n");
    EXPECT_EQ(ini.Get("MAIN", "key"), "spaced value");
    EXPECT_EQ(ini.Get("main", "EQ"), "a=b");
    EXPECT_EQ(ini.Get("Main", "Quoted"), "  kept  ");
    EXPECT_EQ(ini.Get("Main", "Single"), " also kept ");
    EXPECT_EQ(ini.Get("Main", "Half"), "\"open");
    EXPECT_EQ(ini.Get("Main", "; comment"), std::nullopt);
    EXPECT_EQ(ini.Get("Main", "Other"), std::nullopt);  // only the first section of a name counts
    EXPECT_EQ(ini.Get("Missing", "Key"), std::nullopt);
}

TEST(IniFile, SetKeepsEverythingElseAndTheLineEndings)
{
    const std::string original = "\xEF\xBB\xBF[A]\r\nx=1\r\n\r\n[B]\r\n; note\r\ny=2\r\n\r\n[C]\r\n";
    IniFile ini;
    ini.Parse(original);
    ini.Set("b", "Y", "3");    // replaced in place, under the caller's spelling
    ini.Set("B", "z", "4");    // new key after the section's last line, before the blank line
    ini.Set("D", "w", "5");    // new section at the end
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[A]\r\nx=1\r\n\r\n[B]\r\n; note\r\nY=3\r\nz=4\r\n\r\n[C]\r\n\r\n[D]\r\nw=5\r\n");

    IniFile empty;
    empty.Set("S", "k", "v");
    EXPECT_EQ(empty.Text(), "[S]\nk=v\n");
}

TEST(IniFile, EveryValueSurvivesSetAndGet)
{
    for (const std::string value : {"", " ", "  lead", "trail  ", "\"both\"", "'both'", "\"left", "right\"",
                                    "a, b; c \\ d \"e\"", "=", "[x]", "; not a comment"}) {
        IniFile ini;
        ini.Set("S", "k", value);
        IniFile reread;
        reread.Parse(ini.Text());
        EXPECT_EQ(reread.Get("S", "k"), value) << "written as: " << ini.Text();
    }
}

TEST(IniFile, ValueIsCutAtALineBreakInsteadOfCorruptingTheFile)
{
    IniFile ini;
    ini.Set("S", "k", "first\nInjected=1");
    ini.Set("S", "after", "x");
    IniFile reread;
    reread.Parse(ini.Text());
    EXPECT_EQ(reread.Get("S", "k"), "first");
    EXPECT_EQ(reread.Get("S", "Injected"), std::nullopt);
    EXPECT_EQ(reread.Get("S", "after"), "x");
}
