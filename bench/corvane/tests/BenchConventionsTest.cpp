// How the benchmark decides that a reader read a picture, and the child process that runs a
// reader which may abort.
#include "Results.h"
#include "Samples.h"
#include "Symbologies.h"
#include "Timing.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bench {
namespace {

Sample RetailSample(const std::string& symbology, const std::string& expected, bool upcE = false)
{
    Sample s;
    s.symbology = symbology;
    s.upcE = upcE;
    s.expected = {expected, expected, expected};
    return s;
}

TEST(BenchConventions, ExpectedTextsFollowEachReader)
{
    EXPECT_EQ(Expected("*BENCH39*", Convention::NoStars), "BENCH39");
    EXPECT_EQ(Expected("A40156B", Convention::NoStartStop), "40156");
    EXPECT_EQ(Expected("12345670", Convention::LeadingZero), "012345670");
    EXPECT_EQ(Expected("A40156B", Convention::AsZint), "A40156B");
    const Symbology& codabar = kSymbologies[1];
    ASSERT_STREQ(codabar.name, "Codabar");
    EXPECT_EQ(codabar.For(ReaderFamily::ZBar), Convention::AsZint);
    EXPECT_EQ(codabar.For(ReaderFamily::ZXing), Convention::NoStartStop);
}

TEST(BenchConventions, UpcEExpandsToItsUpcA)
{
    EXPECT_EQ(ExpandUpcE("04252614"), "042100005264");  // last digit 0-2: manufacturer keeps it
    EXPECT_EQ(ExpandUpcE("01234565"), "012345000065");  // 5-9: product ends in it
    EXPECT_EQ(ExpandUpcE("00123457"), "001234000057");
    EXPECT_EQ(ExpandUpcE("01234531"), "012300000451");  // 3
    EXPECT_EQ(ExpandUpcE("01234546"), "012340000056");  // 4
    EXPECT_EQ(ExpandUpcE("0123456"), "");
    EXPECT_EQ(ExpandUpcE("0123456X"), "");
}

TEST(BenchConventions, AcceptanceTakesTheOtherUpcEFormAndAddOnsOfRetailCodesOnly)
{
    const Sample upcE = RetailSample("UPC-E", "0012345000065", true);
    EXPECT_TRUE(Accepts(upcE, ReaderFamily::Corvane, "0012345000065"));
    EXPECT_TRUE(Accepts(upcE, ReaderFamily::Corvane, "01234565"));
    EXPECT_FALSE(Accepts(upcE, ReaderFamily::Corvane, "01234566"));

    const Sample ean = RetailSample("EAN-13", "9780393058673");
    EXPECT_TRUE(Accepts(ean, ReaderFamily::ZBar, "978039305867352595"));  // a 5-digit add-on
    EXPECT_TRUE(Accepts(ean, ReaderFamily::ZBar, "978039305867312"));     // a 2-digit one
    EXPECT_FALSE(Accepts(ean, ReaderFamily::ZBar, "9780393058673123"));
    EXPECT_FALSE(Accepts(ean, ReaderFamily::ZBar, "978039305867"));

    const Sample itf = RetailSample("Interleaved 2 of 5", "123456");
    EXPECT_FALSE(Accepts(itf, ReaderFamily::ZBar, "12345678"));
    EXPECT_FALSE(Accepts(Sample{}, ReaderFamily::Corvane, ""));  // a negative accepts nothing
}

TEST(BenchConventions, JudgeCountsWrongResultsAndThoseAtScore100)
{
    const Sample sample = RetailSample("EAN-13", "5901234123457");
    const BenchReader corvane{"c", "", nullptr, ReaderFamily::Corvane, 1, false};
    Reading reading;
    reading.found = {{"5901234123457", 100}, {"5901234123457", 100}, {"59012341?3457", 80}, {"4006381333931", 100}};
    const Outcome o = Judge(sample, corvane, reading);
    EXPECT_TRUE(o.read);
    EXPECT_EQ(o.wrong, 2);  // the same symbol read twice is not wrong
    EXPECT_EQ(o.wrongAt100, 1);

    const Outcome none = Judge(Sample{}, corvane, reading);  // on a picture without a barcode
    EXPECT_FALSE(none.read);
    EXPECT_EQ(none.wrong, 4);
    EXPECT_EQ(none.wrongAt100, 3);
}

TEST(BenchTiming, AChildHandsBackAnyTextAndAnAbortIsCounted)
{
    Grey page{4, 4, std::vector<std::uint8_t>(16, 255)};
    const Reader odd = [](Grey&) { return std::vector<Decoded>{{"two\nlines 7 8\n", 90}, {"", -1}, {"\xc3\xb3", 100}}; };
    const Reading fine = Isolated(odd, page, 2);
    EXPECT_FALSE(fine.aborted);
    ASSERT_EQ(fine.found.size(), 3u);
    EXPECT_EQ(fine.found[0].text, "two\nlines 7 8\n");
    EXPECT_EQ(fine.found[0].score, 90);
    EXPECT_EQ(fine.found[1].text, "");
    EXPECT_EQ(fine.found[2].text, "\xc3\xb3");
    EXPECT_GE(fine.microseconds, 0);

    const Reader aborting = [](Grey&) -> std::vector<Decoded> { std::abort(); };
    const Reading lost = Isolated(aborting, page, 1);
    EXPECT_TRUE(lost.aborted);
    EXPECT_TRUE(lost.found.empty());
}

}  // namespace
}  // namespace bench
