// PDF output as poppler's pdfinfo and qpdf's command line read it: document information,
// RC4 security with its permissions and passwords, PDF/A identification, and the image data as
// poppler extracts it.
#include "Fixtures.h"
#include "OutputProbe.h"

#include "imaging/ImagingControl.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class ImagingPdf : public testing::Test {
protected:
    ImagingPdf() { control_->SetImageFile(files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48))); }

    QString Save()
    {
        const QString base = files_.Path(QStringLiteral("doc-%1").arg(++count_));
        EXPECT_EQ(control_->SaveImage(base, QStringLiteral("pdf")), 1) << control_->LastError().toStdString();
        return base + QStringLiteral(".pdf");
    }

    // The whole file as qpdf rewrites it for reading: objects in the open, streams inflated.
    static QString Readable(const QString& path)
    {
        return RunTool(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), path,
                                                QStringLiteral("-")}).output;
    }

    static QString Encryption(const QString& path, const QString& password)
    {
        return RunTool(QStringLiteral("qpdf"), {QStringLiteral("--show-encryption"), QStringLiteral("--password=") + password, path}).output;
    }

    Fixtures files_;
    std::unique_ptr<IImagingControl> control_ = CreateHeadlessImagingControl();
    int count_ = 0;
};

TEST_F(ImagingPdf, InfoFieldsKeepEveryCharacter)
{
    control_->SetPdfTitle(QStringLiteral("Größe – 東京"));
    control_->SetPdfAuthor(QStringLiteral("Zoë"));
    control_->SetPdfSubject(QStringLiteral("Subject (with parentheses)"));
    control_->SetPdfKeywords(QStringLiteral("a, b; c"));
    control_->SetPdfCreator(QStringLiteral("Creator"));
    control_->SetPdfProducer(QStringLiteral("Producer \\ backslash"));
    const ToolRun info = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), Save()});
    ASSERT_EQ(info.exitCode, 0) << info.output.toStdString();
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Title")), QStringLiteral("Größe – 東京"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Author")), QStringLiteral("Zoë"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Subject")), QStringLiteral("Subject (with parentheses)"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Keywords")), QStringLiteral("a, b; c"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Creator")), QStringLiteral("Creator"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Producer")), QStringLiteral("Producer \\ backslash"));
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Encrypted")), QStringLiteral("no"));
}

TEST_F(ImagingPdf, FortyBitSecurityWithItsFourPermissions)
{
    control_->SetPdfPasswords(QStringLiteral("owner40"), QStringLiteral("user40"));
    control_->SetPdf40BitPermissions(false, true, false, true);
    const QString path = Save();
    const QString report = Encryption(path, QStringLiteral("owner40"));
    EXPECT_TRUE(report.contains(QStringLiteral("R = 2"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Supplied password is owner password")));
    EXPECT_EQ(ReportValue(report, QStringLiteral("print low resolution")), QStringLiteral("not allowed"));
    EXPECT_EQ(ReportValue(report, QStringLiteral("modify other")), QStringLiteral("allowed"));
    EXPECT_EQ(ReportValue(report, QStringLiteral("extract for any purpose")), QStringLiteral("not allowed"));
    EXPECT_EQ(ReportValue(report, QStringLiteral("modify annotations")), QStringLiteral("allowed"));

    // The user password is enforced: without it the file does not open.
    EXPECT_NE(RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}).exitCode, 0);
    EXPECT_EQ(RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), QStringLiteral("--password=user40"), path}).exitCode, 0);
    EXPECT_TRUE(Encryption(path, QStringLiteral("user40")).contains(QStringLiteral("Supplied password is user password")));
}

TEST_F(ImagingPdf, HundredTwentyEightBitSecurityMapsEveryPermission)
{
    struct Case {
        std::array<bool, 8> flags;  // print, high print, edit, extract, annotate, fill forms, extract text, assemble
        const char* printLow;
        const char* printHigh;
    };
    const std::array<Case, 3> cases{{
        {{true, false, false, true, false, true, false, true}, "allowed", "not allowed"},
        {{true, true, true, false, true, false, true, false}, "allowed", "allowed"},
        {{false, true, false, false, false, false, false, false}, "not allowed", "not allowed"},
    }};
    const auto word = [](bool on) { return on ? QStringLiteral("allowed") : QStringLiteral("not allowed"); };
    for (const Case& c : cases) {
        const auto& f = c.flags;
        control_->SetPdfPasswords(QStringLiteral("owner128"), QString());
        control_->SetPdf128BitPermissions(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
        const QString report = Encryption(Save(), QStringLiteral("owner128"));
        EXPECT_TRUE(report.contains(QStringLiteral("R = 3"))) << report.toStdString();
        EXPECT_EQ(ReportValue(report, QStringLiteral("print low resolution")), QString::fromLatin1(c.printLow));
        EXPECT_EQ(ReportValue(report, QStringLiteral("print high resolution")), QString::fromLatin1(c.printHigh));
        EXPECT_EQ(ReportValue(report, QStringLiteral("modify other")), word(f[2]));
        EXPECT_EQ(ReportValue(report, QStringLiteral("extract for any purpose")), word(f[3]));
        EXPECT_EQ(ReportValue(report, QStringLiteral("modify annotations")), word(f[4]));
        EXPECT_EQ(ReportValue(report, QStringLiteral("modify forms")), word(f[5]));
        EXPECT_EQ(ReportValue(report, QStringLiteral("extract for accessibility")), word(f[6]));
        EXPECT_EQ(ReportValue(report, QStringLiteral("modify document assembly")), word(f[7]));
    }
}

TEST_F(ImagingPdf, EmptyOwnerPasswordBecomesOneNobodyKnows)
{
    control_->SetPdfPasswords(QString(), QString());
    control_->SetPdf40BitPermissions(false, false, false, false);
    const QString report = Encryption(Save(), QString());
    // An empty password opens the file, but only as its user: the permissions hold.
    EXPECT_TRUE(report.contains(QStringLiteral("Supplied password is user password"))) << report.toStdString();
}

TEST_F(ImagingPdf, SecurityAppliesToOneSaveOnly)
{
    control_->SetPdfPasswords(QStringLiteral("o"), QStringLiteral("u"));
    control_->SetPdf40BitPermissions(true, true, true, true);
    Save();
    const ToolRun info = RunTool(QStringLiteral("pdfinfo"), {Save()});
    EXPECT_EQ(ReportValue(info.output, QStringLiteral("Encrypted")), QStringLiteral("no")) << info.output.toStdString();
}

TEST_F(ImagingPdf, PdfAIdentificationOnlyWithoutEncryption)
{
    control_->SetOutputPdfA(true);
    control_->SetPdfTitle(QStringLiteral("Archive <copy> & more"));
    const QString plain = Save();
    const QString meta = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), plain}).output;
    EXPECT_TRUE(meta.contains(QStringLiteral("pdfaid:part=\"2\""))) << meta.toStdString();
    EXPECT_TRUE(meta.contains(QStringLiteral("pdfaid:conformance=\"B\"")));
    EXPECT_TRUE(meta.contains(QStringLiteral("Archive &lt;copy&gt; &amp; more")));  // XML-escaped
    const QString trailer = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--show-object=trailer"), plain}).output;
    EXPECT_TRUE(trailer.contains(QStringLiteral("/ID"))) << trailer.toStdString();
    const QString catalog = Readable(plain);
    EXPECT_TRUE(catalog.contains(QStringLiteral("/GTS_PDFA1")));
    EXPECT_TRUE(catalog.contains(QStringLiteral("sRGB IEC61966-2.1")));

    control_->SetPdfPasswords(QStringLiteral("o"), QStringLiteral("u"));
    control_->SetPdf128BitPermissions(true, true, true, true, true, true, true, true);
    const QString encrypted = Save();
    const QString encryptedMeta = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), QStringLiteral("-upw"), QStringLiteral("u"), encrypted}).output;
    EXPECT_FALSE(encryptedMeta.contains(QStringLiteral("pdfaid"))) << encryptedMeta.toStdString();
    EXPECT_EQ(ReportValue(RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-upw"), QStringLiteral("u"), encrypted}).output,
                          QStringLiteral("Encrypted")).left(3),
              QStringLiteral("yes"));
}

// The image and its soft mask as poppler's pdfimages extracts them hold exactly the source's
// samples (a soft mask only where there is alpha), also when RC4 encrypts the compressed streams.
TEST_F(ImagingPdf, ImageAndMaskDecodeToTheSourcePixels)
{
    QImage colour(97, 61, QImage::Format_ARGB32);
    QImage grey(97, 61, QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y) {
        for (int x = 0; x < colour.width(); ++x) {
            colour.setPixel(x, y, qRgba(x * 255 / 96, y * 255 / 60, (x * y) % 256, (x * 7 + y * 3) % 256));
            grey.scanLine(y)[x] = static_cast<uchar>((x * 5 + y * 11) % 256);
        }
    }
    const QString colourPath = files_.Path(QStringLiteral("colour.png"));
    const QString greyPath = files_.Path(QStringLiteral("grey.png"));
    ASSERT_TRUE(colour.save(colourPath));
    ASSERT_TRUE(grey.save(greyPath));
    for (const bool encrypted : {false, true}) {
        for (const QString& source : {colourPath, greyPath}) {
            SCOPED_TRACE(source.toStdString() + (encrypted ? " encrypted" : ""));
            control_->SetImageFile(source);
            if (encrypted) {
                control_->SetPdfPasswords(QStringLiteral("o"), QStringLiteral("u"));
                control_->SetPdf128BitPermissions(true, true, true, true, true, true, true, true);
            }
            const QString pdf = Save();
            const QString prefix = files_.Path(QStringLiteral("image-%1").arg(count_));
            const ToolRun run = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), QStringLiteral("-upw"), QStringLiteral("u"), pdf, prefix});
            ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
            const QImage image(prefix + QStringLiteral("-000.png"));
            ASSERT_EQ(image.size(), colour.size());
            const bool withMask = source == colourPath;
            const QImage mask(prefix + QStringLiteral("-001.png"));
            EXPECT_EQ(mask.isNull(), !withMask);
            const QImage& expected = withMask ? colour : grey;
            int wrong = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb want = expected.pixel(x, y);
                    wrong += (image.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF);
                    wrong += withMask && qGray(mask.pixel(x, y)) != qAlpha(want);
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

}  // namespace
