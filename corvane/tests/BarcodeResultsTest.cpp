// Scoring, merging and closing of results.

#include "reader/BarcodeResults.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

class Results : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_barcodes.clear();
        g_currentPass = 0;
    }
    void TearDown() override { g_barcodes.clear(); }

    static std::vector<std::u16string> Values()
    {
        std::vector<std::u16string> v;
        for (const BarcodesInfo& r : g_barcodes)
            v.push_back(r.value);
        return v;
    }
};

TEST_F(Results, ScoreIsTheShareOfReadCharactersTruncated)
{
    EXPECT_EQ(ScoreText(u"ABCD"), 100);
    EXPECT_EQ(ScoreText(u"ABCDEFGHI?"), 90);
    EXPECT_EQ(ScoreText(u"AB?D"), 75);
    EXPECT_EQ(ScoreText(u"A??DE"), 60);
    EXPECT_EQ(ScoreText(u"A?C?"), 50);
    EXPECT_EQ(ScoreText(u"AB?D?F?"), 57);  // 100 - 42.86
}

TEST_F(Results, ShortTextsAndLowScoresAreDropped)
{
    CollectResult(u"", u"Code39", u"ABC", 0, 50);         // three characters
    CollectResult(u"", u"Code39", u"A?C?", 100, 150);     // 50
    CollectResult(u"", u"Code39", u"AB?D?F?", 200, 250);  // 57
    EXPECT_TRUE(g_barcodes.empty());
    CollectResult(u"", u"Code39", u"A??DE", 300, 350);  // 60 is kept
    CollectResult(u"", u"Code39", u"AB?D", 400, 450);   // 75
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"A??DE", u"AB?D"}));
    EXPECT_EQ(g_barcodes.front().score, 60);
}

TEST_F(Results, AnEqualScoreKeepsTheFirstReadingAndABetterOneMovesToTheTail)
{
    CollectResult(u"m1", u"Code39", u"ABCD?", 100, 200);  // 80
    CollectResult(u"m2", u"Code128", u"WXYZ", 500, 600);
    CollectResult(u"m3", u"Code39", u"ABCE?", 110, 190);  // 80 again, within 10: ignored
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"ABCD?", u"WXYZ"}));

    CollectResult(u"m4", u"Code39", u"ABCDE", 92, 210);  // 100: replaces it, at the tail
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"WXYZ", u"ABCDE"}));
    EXPECT_EQ(g_barcodes.back().modules, u"m4");
    EXPECT_EQ(g_barcodes.back().start, 92);
}

TEST_F(Results, OnlyOpenRecordsOfTheSameTypePassAndPlaceMerge)
{
    CollectResult(u"", u"Code39", u"ABCD", 100, 200);
    CollectResult(u"", u"Code128", u"ABCD", 100, 200);  // another type
    CollectResult(u"", u"Code39", u"ABCD", 111, 200);   // 11 away
    CollectResult(u"", u"Code39", u"ABCD", 100, 189);
    g_currentPass = 1;
    CollectResult(u"", u"Code39", u"ABCD", 100, 200);  // another pass
    EXPECT_EQ(g_barcodes.size(), 5u);

    g_barcodes.back().closed = true;
    CollectResult(u"", u"Code39", u"ABCD", 100, 200);  // its match is closed: a new record
    EXPECT_EQ(g_barcodes.size(), 6u);
    EXPECT_EQ(g_barcodes.back().pass, 1);
    EXPECT_FALSE(g_barcodes.back().closed);
}

TEST_F(Results, ABandAtMostOneFifthDarkClosesTheRecord)
{
    CollectResult(u"", u"Code39", u"AAAA", 0, 10);
    CollectResult(u"", u"Code39", u"BBBB", 20, 30);
    CollectResult(u"", u"Code39", u"CCCC", 500, 600);  // beyond the band string
    g_currentPass = 1;
    CollectResult(u"", u"Code39", u"DDDD", 40, 50);  // another pass's record closes too
    std::u16string band(60, u'y');
    band.replace(0, 2, u"xx");    // two dark of ten: closes
    band.replace(20, 3, u"xxx");  // three dark of ten: stays open
    CloseFinishedResults(band);
    std::vector<bool> closed;
    for (const BarcodesInfo& r : g_barcodes)
        closed.push_back(r.closed);
    EXPECT_EQ(closed, (std::vector<bool>{true, false, true, true}));
}

}  // namespace
}  // namespace corvane
