// Scoring, merging and closing of results.

#include "reader/BarcodeResults.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

class Results : public ::testing::Test {
protected:
    // Keeps, merges or drops a reading of the window start..end in this test's context.
    void Collect(const std::u16string& modules, const std::u16string& typeName, const std::u16string& text, int start,
                 int end)
    {
        CollectResult(context, modules, typeName, text, {start, end});
    }

    ReadContext context;

    std::vector<std::u16string> Values() const
    {
        std::vector<std::u16string> v;
        for (const BarcodesInfo& r : context.barcodes)
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
    Collect(u"", u"Code39", u"ABC", 0, 50);         // three characters
    Collect(u"", u"Code39", u"A?C?", 100, 150);     // 50
    Collect(u"", u"Code39", u"AB?D?F?", 200, 250);  // 57
    EXPECT_TRUE(context.barcodes.empty());
    Collect(u"", u"Code39", u"A??DE", 300, 350);  // 60 is kept
    Collect(u"", u"Code39", u"AB?D", 400, 450);   // 75
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"A??DE", u"AB?D"}));
    EXPECT_EQ(context.barcodes.front().score, 60);
}

TEST_F(Results, AnEqualScoreKeepsTheFirstReadingAndABetterOneMovesToTheTail)
{
    Collect(u"m1", u"Code39", u"ABCD?", 100, 200);  // 80
    Collect(u"m2", u"Code128", u"WXYZ", 500, 600);
    Collect(u"m3", u"Code39", u"ABCE?", 110, 190);  // 80 again, within 10: ignored
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"ABCD?", u"WXYZ"}));

    Collect(u"m4", u"Code39", u"ABCDE", 92, 210);  // 100: replaces it, at the tail
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"WXYZ", u"ABCDE"}));
    EXPECT_EQ(context.barcodes.back().modules, u"m4");
    EXPECT_EQ(context.barcodes.back().start, 92);
}

TEST_F(Results, OnlyOpenRecordsOfTheSameTypePassAndPlaceMerge)
{
    Collect(u"", u"Code39", u"ABCD", 100, 200);
    Collect(u"", u"Code128", u"ABCD", 100, 200);  // another type
    Collect(u"", u"Code39", u"ABCD", 111, 200);   // 11 away
    Collect(u"", u"Code39", u"ABCD", 100, 189);
    context.currentPass = 1;
    Collect(u"", u"Code39", u"ABCD", 100, 200);  // another pass
    EXPECT_EQ(context.barcodes.size(), 5u);

    context.barcodes.back().closed = true;
    Collect(u"", u"Code39", u"ABCD", 100, 200);  // its match is closed: a new record
    EXPECT_EQ(context.barcodes.size(), 6u);
    EXPECT_EQ(context.barcodes.back().pass, 1);
    EXPECT_FALSE(context.barcodes.back().closed);
}

TEST_F(Results, ABandAtMostOneFifthDarkClosesTheRecord)
{
    Collect(u"", u"Code39", u"AAAA", 0, 10);
    Collect(u"", u"Code39", u"BBBB", 20, 30);
    Collect(u"", u"Code39", u"CCCC", 500, 600);  // beyond the band string
    context.currentPass = 1;
    Collect(u"", u"Code39", u"DDDD", 40, 50);  // another pass's record closes too
    std::u16string band(60, u'y');
    band.replace(0, 2, u"xx");    // two dark of ten: closes
    band.replace(20, 3, u"xxx");  // three dark of ten: stays open
    CloseFinishedResults(context, band);
    std::vector<bool> closed;
    for (const BarcodesInfo& r : context.barcodes)
        closed.push_back(r.closed);
    EXPECT_EQ(closed, (std::vector<bool>{true, false, true, true}));
}

}  // namespace
}  // namespace corvane
