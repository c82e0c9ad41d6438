// From a band string to candidate windows and module strings.

#include "reader/RunExtraction.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

std::u16string U(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::string Light(int n) { return std::string(static_cast<std::size_t>(n), 'y'); }
std::string Dark(int n) { return std::string(static_cast<std::size_t>(n), 'x'); }

// Bars and spaces of a module string, each module `width` pixels.
std::string Draw(const std::string& modules, int width = 1)
{
    std::string out;
    for (char m : modules)
        out += m == '1' ? Dark(width) : Light(width);
    return out;
}

// A module string of `n` modules (n odd), all elements one module wide: 1010...1.
std::string Narrow(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += i % 2 == 0 ? '1' : '0';
    return s;
}

TEST(NarrowestRuns, FirstRunCountsOneShortAndTheLastIsNotMeasured)
{
    const NarrowestRuns a = MeasureNarrowestRuns(U("yxxyyyxy"));
    EXPECT_EQ(a.bar, 1);
    EXPECT_EQ(a.space, 3);

    // A leading bar of one pixel is not measured at all; the trailing space never is.
    const NarrowestRuns b = MeasureNarrowestRuns(U("xyyxxy"));
    EXPECT_EQ(b.bar, 2);
    EXPECT_EQ(b.space, 2);

    const NarrowestRuns none = MeasureNarrowestRuns(U("yyyy"));
    EXPECT_EQ(none.bar, kNoRun);
    EXPECT_EQ(none.space, kNoRun);
}

TEST(ModuleString, WorkedQuantisation)
{
    // Bars of 2, 3, 4 and 6 pixels, spaces of 2.
    const std::u16string window = U("yy" + Dark(2) + Light(2) + Dark(3) + Light(2) + Dark(4) + Light(2) + Dark(6) + Light(7));
    EXPECT_EQ(BuildModuleString(window, 2, 2, 1.0f), u"1" u"0" u"11" u"0" u"11" u"0" u"111");
    EXPECT_EQ(BuildModuleString(window, 2, 2, 0.9f), u"11" u"00" u"11" u"00" u"111" u"00" u"1111");
    // Spaces scale by the narrowest space, not the narrowest bar.
    EXPECT_EQ(BuildModuleString(window, 2, 1, 1.0f), u"1" u"00" u"11" u"00" u"11" u"00" u"111");
}

TEST(ModuleString, TwentyTwoFactorsEndingJustBelowThree)
{
    const std::vector<float> f = ModuleFactors();
    ASSERT_EQ(f.size(), 22u);
    EXPECT_EQ(f.front(), 0.9f);
    EXPECT_LT(f.back(), 3.0f);
    EXPECT_EQ(f.back(), 2.9999993f);
    // A module of exactly three narrowest runs therefore needs two characters at the last factor.
    EXPECT_EQ(BuildModuleString(U("y" + Dark(3) + Light(7)), 1, 1, f.back()), u"11");
}

TEST(Extraction, EmptyWithoutBarsOrWithCoarseRuns)
{
    EXPECT_TRUE(ExtractRuns(U(Light(200))).empty());
    EXPECT_TRUE(ExtractRuns(u"").empty());
    // Thirty-one one-pixel bars whose spaces are all `gap` pixels wide.
    const auto spaced = [](int gap) {
        std::string s = Light(1500);
        for (int i = 0; i < 31; ++i)
            s += Dark(1) + Light(i < 30 ? gap : 1500);
        return U(s);
    };
    EXPECT_TRUE(ExtractRuns(spaced(101)).empty());
    EXPECT_FALSE(ExtractRuns(spaced(100)).empty());
}

TEST(Extraction, WindowPositionsIndexThePaddedString)
{
    const int firstBar = 25;
    const std::string modules = Narrow(31);
    const std::u16string band = U(Light(firstBar) + Draw(modules) + Light(25));
    const std::vector<Candidate> c = ExtractRuns(band);
    ASSERT_EQ(c.size(), 22u);  // one line per factor: every factor reads 31 one-pixel modules
    const int padLength = 10 * 1;
    const int lastBar = firstBar + static_cast<int>(modules.size()) - 1;
    for (const Candidate& line : c) {
        EXPECT_EQ(line.start, firstBar + 4);  // the pad length cancels
        EXPECT_EQ(line.end, lastBar + 4 + padLength);
    }
    EXPECT_EQ(c.back().modules, U(modules));
    EXPECT_EQ(c.front().modules.size(), 62u);  // factor 0.9 doubles every module
}

TEST(Extraction, ModuleStringsShorterThanThirtyAreDropped)
{
    // At factor 0.9 each one-pixel module becomes two characters; from 1.0 on, one.
    EXPECT_EQ(ExtractRuns(U(Light(30) + Draw(Narrow(29)) + Light(30))).size(), 1u);

    // Ending in a two-pixel bar: 30 characters from factor 1.0 to 1.9, 29 from 2.0 on.
    const std::vector<Candidate> c = ExtractRuns(U(Light(30) + Draw(Narrow(29) + "1") + Light(30)));
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(c[0].modules.size(), 28u * 2 + 3);  // 2 / 0.9 rounds up to 3
    for (std::size_t i = 1; i < c.size(); ++i)
        EXPECT_EQ(c[i].modules.size(), 30u) << i;
}

TEST(Extraction, AllWindowsOfOneFactorComeBeforeTheNextFactor)
{
    const std::string bars = Draw(Narrow(31));
    const std::vector<Candidate> c = ExtractRuns(U(Light(20) + bars + Light(40) + bars + Light(20)));
    ASSERT_EQ(c.size(), 44u);
    EXPECT_LT(c[0].start, c[1].start);
    EXPECT_EQ(c[2].start, c[0].start);
    EXPECT_EQ(c[3].start, c[1].start);
    EXPECT_EQ(c[1].start - c[0].start, 31 + 40);
}

TEST(Extraction, SymbolsCloserThanTheQuietZoneFormOneWindow)
{
    const std::string bars = Draw(Narrow(31));
    const std::vector<Candidate> c = ExtractRuns(U(Light(20) + bars + Light(9) + bars + Light(20)));
    ASSERT_FALSE(c.empty());
    for (const Candidate& line : c)
        EXPECT_EQ(line.start, c.front().start);
    EXPECT_EQ(c[1].modules.size(), 31u + 9u + 31u);  // factor 1.0
    // At the last factor the gap of nine is just over three modules.
    EXPECT_EQ(c.back().modules.size(), 31u + 4u + 31u);
}

TEST(Extraction, ACoarseWindowEndsTheWholeBand)
{
    // The second window is one bar 150 pixels wide; the band itself measures finer because of
    // the first window, so extraction gets as far as the second window and stops there.
    const std::string fine = Draw(Narrow(31));
    const std::string coarse = Dark(150);
    const std::vector<Candidate> c = ExtractRuns(U(Light(20) + fine + Light(20) + coarse + Light(20)));
    ASSERT_EQ(c.size(), 1u);  // the first window at factor 0.9 only
    EXPECT_EQ(c[0].modules.size(), 62u);
}

}  // namespace
}  // namespace corvane
