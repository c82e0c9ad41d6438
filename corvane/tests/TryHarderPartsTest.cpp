// The try-harder reader's parts: merging findings, and which readings hold up.

#include "ZintSymbol.h"
#include "corvane_tryharder.h"
#include "reader/ScanDriver.h"
#include "tryharder/Acceptance.h"
#include "tryharder/BandStep.h"
#include "tryharder/Findings.h"
#include "tryharder/frontend/CheckCharacters.h"
#include "tryharder/Ladder.h"
#include "tryharder/PlacedImage.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <string>
#include <vector>

namespace corvane::tryharder {
namespace {

Finding Found(const std::u16string& type, const std::u16string& text, int score, int step = CorvaneStepPrepared)
{
    return Finding{type, text, score, 1, 2, 3, 4, step};
}

TEST(Findings, SameTypeAndTextKeepTheBestScoreInItsFirstPlace)
{
    Findings f;
    EXPECT_FALSE(f.Complete());
    f.Add(Found(u"Code39", u"AB?D", 75, CorvaneStepBands));
    f.Add(Found(u"Code128", u"WXYZ", 100));
    f.Add(Found(u"Code39", u"AB?D", 75, CorvaneStepScanLines));  // equal: the first stays
    f.Add(Found(u"Code39", u"ABCD", 100));                       // another text: its own result
    f.Add(Found(u"Code128", u"ABCD", 100));                      // another type: its own result
    ASSERT_EQ(f.All().size(), 4u);
    EXPECT_EQ(f.All()[0].step, CorvaneStepBands);
    EXPECT_FALSE(f.Complete());

    Finding better = Found(u"Code39", u"AB?D", 90, CorvaneStepAngled);
    better.x0 = 77;
    f.Add(better);
    ASSERT_EQ(f.All().size(), 4u);
    EXPECT_EQ(f.All()[0].score, 90);
    EXPECT_EQ(f.All()[0].step, CorvaneStepAngled);
    EXPECT_EQ(f.All()[0].x0, 77);
    f.Add(Found(u"Code39", u"AB?D", 80));  // worse than the kept one
    EXPECT_EQ(f.All()[0].score, 90);
    EXPECT_FALSE(f.Complete());
}

TEST(Findings, CompleteOnlyWhenEveryResultIsFullyRead)
{
    Findings f;
    f.Add(Found(u"Code39", u"ABCD", 100));
    EXPECT_TRUE(f.Complete());
    f.Add(Found(u"Code39", u"AB?D", 75));
    EXPECT_FALSE(f.Complete());
}

// The module string the band reader reads from a clean zint symbol.
std::u16string ModulesOf(int symbology, const std::string& data)
{
    auto page = test::PageWithSymbol(test::RenderSymbol(symbology, data, 2, 20), 30);
    CorvaneBitmap bmp = page.Bitmap();
    ReadContext context;
    EXPECT_EQ(ReadImageInto(context, &bmp, 0, 0, page.Height(), page.Width(), 10, 0), 1) << data;
    return context.barcodes.empty() ? std::u16string() : context.barcodes.front().modules;
}

Reading ReadingOf(const std::u16string& type, const std::u16string& text, const std::u16string& modules, long line)
{
    Reading r;
    r.modules = modules;
    r.finding = Found(type, text, 100);
    r.before = r.after = Margin{kQuietZoneModules, false};
    r.line = line;
    return r;
}

TEST(Acceptance, TwoOfFiveNeedsTwoScanLinesWholeCharactersAndQuietZones)
{
    const std::u16string modules = ModulesOf(BARCODE_C25INTER, "123456");
    ASSERT_TRUE(HasWholeTwoOfFiveLength(u"Interleaved25", modules));
    Findings findings;
    Acceptance acceptance(findings);
    acceptance.Offer(ReadingOf(u"Interleaved25", u"123456", modules, 1));
    acceptance.Offer(ReadingOf(u"Interleaved25", u"123456", modules, 1));  // the same line again
    EXPECT_TRUE(findings.All().empty());
    acceptance.Offer(ReadingOf(u"Interleaved25", u"123465", modules, 2));  // another text
    EXPECT_TRUE(findings.All().empty());
    acceptance.Offer(ReadingOf(u"Interleaved25", u"123456", modules, 3));
    ASSERT_EQ(findings.All().size(), 1u);
    EXPECT_EQ(findings.All()[0].text, u"123456");

    // A band record that several bands agreed on is two lines by itself.
    Findings counted;
    Acceptance fromBands(counted);
    Reading agreed = ReadingOf(u"Interleaved25", u"123456", modules, 9);
    agreed.lines = 2;
    fromBands.Offer(agreed);
    EXPECT_EQ(counted.All().size(), 1u);

    // Two lines but no quiet zone, a cut-off symbol, or a partial read: never.
    Findings none;
    Acceptance strict(none);
    for (long line : {1, 2}) {
        Reading noQuiet = ReadingOf(u"Interleaved25", u"123456", modules, line);
        noQuiet.after = Margin{4, false};
        strict.Offer(noQuiet);
        Reading atEdge = ReadingOf(u"Interleaved25", u"123456", modules, line + 10);
        atEdge.before = Margin{3, true};
        strict.Offer(atEdge);
        strict.Offer(ReadingOf(u"Interleaved25", u"1234", modules.substr(0, modules.size() - 9) + u"1101", line + 20));
        Reading partial = ReadingOf(u"Interleaved25", u"12345?", modules, line + 30);
        partial.finding.score = 83;
        strict.Offer(partial);
    }
    EXPECT_TRUE(none.All().empty());

    // Cropped close: light running into the image's edge is quiet when no 2 of 5 symbol could
    // hold that much light inside it.
    Findings cropped;
    Acceptance closeCrop(cropped);
    for (long line : {1, 2}) {
        Reading atEdge = ReadingOf(u"Interleaved25", u"123456", modules, line);
        atEdge.after = Margin{6, true};
        closeCrop.Offer(atEdge);
    }
    EXPECT_EQ(cropped.All().size(), 1u);
}

TEST(Acceptance, TwoOfFiveQuietZonesAreEightModulesOnFrontEndLinesAndTenOnBands)
{
    // The front end counts margins in the modules beside them, where a curved label shows fewer
    // than ten; the band reader's lines may enter a tilted symbol through its bars' tops.
    const std::u16string modules = ModulesOf(BARCODE_C25IND, "123456");
    const auto accepted = [&](int step, double margin) {
        Findings findings;
        Acceptance acceptance(findings);
        for (long line : {1, 2}) {
            Reading r = ReadingOf(u"Industrial25", u"123456", modules, line);
            r.finding.step = step;
            r.after = Margin{margin, false};
            acceptance.Offer(r);
        }
        return findings.All().size() == 1;
    };
    for (const int step : {CorvaneStepScanLines, CorvaneStepAngled}) {
        EXPECT_TRUE(accepted(step, 8.5)) << step;
        EXPECT_FALSE(accepted(step, 7.5)) << step;
    }
    for (const int step : {CorvaneStepBands, CorvaneStepPrepared}) {
        EXPECT_FALSE(accepted(step, 8.5)) << step;
        EXPECT_TRUE(accepted(step, 10)) << step;
    }
}

TEST(Acceptance, WholeTwoOfFiveLengthsOfRealSymbols)
{
    for (const auto& [symbology, type] : {std::pair{BARCODE_C25INTER, u"Interleaved25"},
                                         std::pair{BARCODE_C25IND, u"Industrial25"},
                                         std::pair{BARCODE_C25STANDARD, u"Matrix25"}}) {
        for (const char* data : {"1234", "12345", "9876543210"}) {
            const std::u16string modules = ModulesOf(symbology, data);
            EXPECT_TRUE(HasWholeTwoOfFiveLength(type, modules)) << symbology << " " << data;
            // One bar short of the last character, with the stop kept.
            const std::size_t stop = std::u16string_view(type) == u"Interleaved25" ? 4 : 6;
            std::u16string cut = modules.substr(0, modules.size() - stop);
            cut = cut.substr(0, cut.find_last_of(u'0', cut.size() - 1));
            cut = cut.substr(0, cut.find_last_of(u'1') + 1);
            cut = cut.substr(0, cut.find_last_of(u'0') + 1) + modules.substr(modules.size() - stop);
            EXPECT_FALSE(HasWholeTwoOfFiveLength(type, cut)) << data;
        }
    }
    EXPECT_FALSE(HasWholeTwoOfFiveLength(u"Code39", u"1010101010101010"));
}

TEST(Acceptance, ShortRetailSymbolsNeedLightBesideThemAndASecondLine)
{
    // The left half of an EAN-13 reads as a UPC-E whose check may pass; bars follow it.
    const std::u16string modules = ModulesOf(BARCODE_UPCE, "0123456");
    Findings findings;
    Acceptance acceptance(findings);
    for (long line : {1, 2}) {
        Reading inside = ReadingOf(u"UPC-E", u"01234565", modules, line);
        inside.after = Margin{1.5, false};
        acceptance.Offer(inside);
    }
    EXPECT_TRUE(findings.All().empty());
    Reading tight = ReadingOf(u"UPC-E", u"01234565", modules, 3);
    tight.after = Margin{2, true};  // cropped close: the image ends in light
    acceptance.Offer(tight);
    EXPECT_TRUE(findings.All().empty());  // one line is not enough
    tight.line = 4;
    acceptance.Offer(tight);
    EXPECT_EQ(findings.All().size(), 1u);
}

TEST(Acceptance, BandReadingsWithoutCheckCharactersNeedTwoBands)
{
    const std::u16string modules = ModulesOf(BARCODE_CODABAR, "A123456B");
    Findings findings;
    Acceptance acceptance(findings);
    Reading band = ReadingOf(u"Codabar", u"123456", modules, 1);
    band.finding.step = CorvaneStepPrepared;
    acceptance.Offer(band);
    EXPECT_TRUE(findings.All().empty());
    band.lines = 2;  // a record two bands agreed on
    acceptance.Offer(band);
    EXPECT_EQ(findings.All().size(), 1u);
    // The front end's fitted widths are trusted on one line.
    Findings fine;
    Acceptance fromFrontEnd(fine);
    Reading line = ReadingOf(u"Codabar", u"123456", modules, 1);
    line.finding.step = CorvaneStepScanLines;
    fromFrontEnd.Offer(line);
    EXPECT_EQ(fine.All().size(), 1u);
}

TEST(Acceptance, ACode11TextThatOnlyItsCCharacterVouchesForNeedsASecondLine)
{
    // "-904720-95" ends in C and K; "-904720-40", a misread of its last two characters seen on a
    // photographed label, still passes C as "-904720-4" + "0".
    ASSERT_TRUE(PassesStrongCheck(u"Code11", u"-904720-95"));
    ASSERT_FALSE(PassesStrongCheck(u"Code11", u"-904720-40"));
    const std::u16string modules = ModulesOf(BARCODE_CODE11, "-904720-");
    Findings findings;
    Acceptance acceptance(findings);
    acceptance.Offer(ReadingOf(u"Code11", u"-904720-95", modules, 1));
    EXPECT_EQ(findings.All().size(), 1u);  // both checks: one line is enough
    acceptance.Offer(ReadingOf(u"Code11", u"-904720-40", modules, 1));
    EXPECT_EQ(findings.All().size(), 1u);
    acceptance.Offer(ReadingOf(u"Code11", u"-904720-40", modules, 2));
    EXPECT_EQ(findings.All().size(), 2u);
}

TEST(Acceptance, AnEanWithAWrongCheckDigitIsReportedOnlyAtEffortZero)
{
    // 5901234123457 with its last digit printed as 8 (right-half pattern of 8: 1001000).
    std::u16string modules = ModulesOf(BARCODE_EANX, "590123412345");
    ASSERT_GT(modules.size(), 10u);
    modules.replace(modules.size() - 10, 7, u"1001000");
    test::TestPage page(static_cast<int>(modules.size()) * 2 + 80, 120);
    page.DrawModules(40, 20, modules, 2, 80);
    const CorvaneBitmap bmp = page.Bitmap();

    const auto texts = [&](int effort) {
        std::vector<std::u16string> out;
        CorvaneBitmap copy = bmp;
        const std::vector<Finding> found =
            effort == 0 ? ReadAsBands(copy, 0, 0, page.Height(), page.Width())
                        : ReadWithSteps(copy, 0, 0, page.Height(), page.Width(), StepsFor(effort));
        for (const Finding& f : found)
            out.push_back(f.text);
        return out;
    };
    EXPECT_EQ(texts(0), std::vector<std::u16string>{u"5901234123458"});
    for (int effort = 1; effort <= CORVANE_EFFORT_MAX; ++effort)
        EXPECT_TRUE(texts(effort).empty()) << effort;
}

TEST(BandStep, MarginsCountLightModulesAndTheEdge)
{
    GreyImage image(100, 5, 255);
    for (int x = 30; x < 60; x += 2)
        for (int y = 0; y < 5; ++y)
            image.At(x, y) = 0;  // bars of one module (1 px) from 30 to 58
    image.At(25, 2) = 0;         // a dark speck 5 px before the first bar
    const BandLine line{30, 2, 58, 2};
    const auto [before, after] = MarginsOf(image, line, 29);
    EXPECT_NEAR(before.modules, 4.5, 1.0);
    EXPECT_FALSE(before.edge);
    EXPECT_DOUBLE_EQ(after.modules, kQuietZoneModules);
    const auto [nearEdge, unused] = MarginsOf(image, BandLine{3, 2, 58, 2}, 55);
    EXPECT_TRUE(nearEdge.edge);
    EXPECT_LT(nearEdge.modules, 4);
}

TEST(BandStep, OneBandReadInTwoCopiesIsOneScanLine)
{
    // A symbol only a few rows high: one band of twenty crosses it. Each prepared copy reads that
    // band again, and the copies must not confirm each other.
    const std::u16string modules = ModulesOf(BARCODE_C25IND, "2053010151");
    ASSERT_FALSE(modules.empty());
    test::TestPage page(static_cast<int>(modules.size()) * 2 + 120, 200);
    page.DrawModules(60, 101, modules, 2, 4);
    const CorvaneBitmap bmp = page.Bitmap();
    const PlacedImage placed{GreyFromArea(bmp, 0, 0, page.Width(), page.Height()), 0, 0};

    CorvaneBitmap copy = placed.image.Bitmap();
    ReadContext context;
    ReadImageInto(context, &copy, 0, 0, page.Height(), page.Width(), 20, 3);
    ASSERT_EQ(context.barcodes.size(), 1u);
    ASSERT_EQ(context.barcodes.front().value, u"2053010151");
    ASSERT_EQ(context.barcodes.front().bands, 1);

    Findings findings;
    Acceptance acceptance(findings);
    OfferBandReadings(placed, 20, CorvaneStepBands, acceptance);
    OfferBandReadings(placed, 20, CorvaneStepPrepared, acceptance);
    EXPECT_TRUE(findings.All().empty());
}

}  // namespace
}  // namespace corvane::tryharder
