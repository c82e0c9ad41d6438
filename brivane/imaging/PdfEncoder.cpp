#include "imaging/PdfEncoder.h"

#include "imaging/Deflate.h"
#include "imaging/PngScanlines.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <QColorSpace>
#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <span>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMinPageSide = 3.0;      // points; smaller pages are not allowed
constexpr double kMaxPageSide = 14400.0;  // points; larger ones are not portable
constexpr int kOwnerPasswordBytes = 24;
// The image's rows go through the PNG filters first (a predictor every PDF reader knows since
// PDF 1.2). On 12-megapixel photos, level 1 of the filtered rows gives files 42 % smaller than
// raw samples deflated by zlib, at half the time; levels 2 to 6 save a further 5 % at up to
// twice the time.
constexpr int kImageLevel = 1;
// Soft masks are mostly flat; they stay unfiltered.
constexpr int kMaskLevel = 9;

std::string Utf8(const QString& text) { return text.toStdString(); }

QPDFObjectHandle Name(const char* name) { return QPDFObjectHandle::newName(name); }

// Page size in points: the image's own resolution when it has one, else 72 pixels per inch.
std::pair<double, double> PageSize(const Magick::Image& image)
{
    double dpiX = kPointsPerInch, dpiY = kPointsPerInch;
    const double resX = image.xResolution(), resY = image.yResolution();
    if (resX > 0 && resY > 0 && image.resolutionUnits() != Magick::UndefinedResolution) {
        const double toInch = image.resolutionUnits() == Magick::PixelsPerCentimeterResolution ? 2.54 : 1.0;
        dpiX = resX * toInch;
        dpiY = resY * toInch;
    }
    double w = static_cast<double>(image.columns()) * kPointsPerInch / dpiX;
    double h = static_cast<double>(image.rows()) * kPointsPerInch / dpiY;
    const double grow = std::max(1.0, kMinPageSide / std::min(w, h));
    const double shrink = std::min(1.0, kMaxPageSide / (std::max(w, h) * grow));
    return {w * grow * shrink, h * grow * shrink};
}

std::string Number(double v) { return QString::number(v, 'f', 3).toStdString(); }

// An 8-bit image XObject holding `samples` (one or three a pixel), deflated here; the writer
// keeps Flate data as it is.
// `decodeParms` says how the samples were filtered before deflating; null for not at all.
QPDFObjectHandle ImageXObject(QPDF& pdf, const ByteBuffer& deflated, QPDFObjectHandle decodeParms, size_t w, size_t h,
                              const char* colorSpace)
{
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
    stream.replaceStreamData(std::string(deflated.View()), Name("/FlateDecode"), decodeParms);
    QPDFObjectHandle dict = stream.getDict();
    dict.replaceKey("/Type", Name("/XObject"));
    dict.replaceKey("/Subtype", Name("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(static_cast<long long>(w)));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(static_cast<long long>(h)));
    dict.replaceKey("/ColorSpace", Name(colorSpace));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    return stream;
}

// The image, with its alpha channel as a soft mask when it has one.
QPDFObjectHandle ImageStream(QPDF& pdf, Magick::Image& image, bool grey, bool withAlpha)
{
    const auto w = image.columns(), h = image.rows();
    // Predictor 15: every row starts with the PNG filter chosen for it.
    QPDFObjectHandle parms = QPDFObjectHandle::parse("<< /Predictor 15 /BitsPerComponent 8 >>");
    parms.replaceKey("/Colors", QPDFObjectHandle::newInteger(grey ? 1 : 3));
    parms.replaceKey("/Columns", QPDFObjectHandle::newInteger(static_cast<long long>(w)));
    const PngForm form{grey ? PngColourType::Grey : PngColourType::Rgb, 8};
    QPDFObjectHandle stream = ImageXObject(pdf, ZlibCompressor(kImageLevel).Compress(FilteredScanlines(image, form).Span()),
                                           parms, w, h, grey ? "/DeviceGray" : "/DeviceRGB");
    if (withAlpha) {
        const ByteBuffer alpha(w * h);
        image.write(0, 0, w, h, "A", Magick::CharPixel, alpha.data.get());
        stream.getDict().replaceKey("/SMask", ImageXObject(pdf, ZlibCompressor(kMaskLevel).Compress(alpha.Span()),
                                                           QPDFObjectHandle::newNull(), w, h, "/DeviceGray"));
    }
    return stream;
}

void AddPage(QPDF& pdf, const QPDFObjectHandle& image, std::pair<double, double> size)
{
    const std::string w = Number(size.first), h = Number(size.second);
    QPDFObjectHandle contents = QPDFObjectHandle::newStream(&pdf, "q " + w + " 0 0 " + h + " 0 0 cm /Im0 Do Q\n");
    QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 " + w + " " + h +
                                                    "] /Resources << /XObject << >> >> >>");
    page.getKey("/Resources").getKey("/XObject").replaceKey("/Im0", image);
    page.replaceKey("/Contents", contents);
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
}

struct InfoField {
    const char* key;
    QString PdfInfo::*member;
};
constexpr std::array<InfoField, 6> kInfoFields{{
    {"/Title", &PdfInfo::title},
    {"/Author", &PdfInfo::author},
    {"/Subject", &PdfInfo::subject},
    {"/Keywords", &PdfInfo::keywords},
    {"/Creator", &PdfInfo::creator},
    {"/Producer", &PdfInfo::producer},
}};

void AddInfo(QPDF& pdf, const PdfInfo& info, const QDateTime& now)
{
    QPDFObjectHandle dict = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    for (const InfoField& field : kInfoFields) {
        const QString& value = info.*field.member;
        if (!value.isEmpty())
            dict.replaceKey(field.key, QPDFObjectHandle::newUnicodeString(Utf8(value)));
    }
    const std::string date = Utf8(now.toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")));
    dict.replaceKey("/CreationDate", QPDFObjectHandle::newString(date));
    dict.replaceKey("/ModDate", QPDFObjectHandle::newString(date));
    pdf.getTrailer().replaceKey("/Info", dict);
}

QString Xml(const QString& text) { return text.toHtmlEscaped(); }

// XMP that mirrors the Info dictionary, as PDF/A requires, and carries the PDF/A identification.
std::string XmpPacket(const PdfInfo& info, const QDateTime& now)
{
    const QString date = now.toString(Qt::ISODate);
    QString dc = QStringLiteral("<dc:format>application/pdf</dc:format>");
    if (!info.title.isEmpty())
        dc += QStringLiteral("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>").arg(Xml(info.title));
    if (!info.author.isEmpty())
        dc += QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>").arg(Xml(info.author));
    if (!info.subject.isEmpty())
        dc += QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:description>").arg(Xml(info.subject));
    QString pdfNs;
    if (!info.producer.isEmpty())
        pdfNs += QStringLiteral(" pdf:Producer=\"%1\"").arg(Xml(info.producer));
    if (!info.keywords.isEmpty())
        pdfNs += QStringLiteral(" pdf:Keywords=\"%1\"").arg(Xml(info.keywords));
    QString xmpNs = QStringLiteral(" xmp:CreateDate=\"%1\" xmp:ModifyDate=\"%1\"").arg(date);
    if (!info.creator.isEmpty())
        xmpNs += QStringLiteral(" xmp:CreatorTool=\"%1\"").arg(Xml(info.creator));
    const QString packet =
        QStringLiteral("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\""
                       " pdfaid:part=\"2\" pdfaid:conformance=\"B\"/>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">%1</rdf:Description>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"%2/>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"%3/>\n"
                       "</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>\n")
            .arg(dc, pdfNs, xmpNs);
    return Utf8(packet);
}

void AddPdfAIdentification(QPDF& pdf, const PdfInfo& info, const QDateTime& now)
{
    QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, XmpPacket(info, now));
    metadata.getDict().replaceKey("/Type", Name("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", Name("/XML"));
    pdf.getRoot().replaceKey("/Metadata", metadata);

    const QByteArray icc = QColorSpace(QColorSpace::SRgb).iccProfile();
    QPDFObjectHandle profile = QPDFObjectHandle::newStream(&pdf, std::string(icc.constData(), static_cast<size_t>(icc.size())));
    profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
    QPDFObjectHandle intent = QPDFObjectHandle::parse(
        "<< /Type /OutputIntent /S /GTS_PDFA1 /OutputConditionIdentifier (sRGB IEC61966-2.1)"
        " /Info (sRGB IEC61966-2.1) >>");
    intent.replaceKey("/DestOutputProfile", profile);
    QPDFObjectHandle intents = QPDFObjectHandle::newArray();
    intents.appendItem(intent);
    pdf.getRoot().replaceKey("/OutputIntents", intents);
}

// RC4 passwords are bytes in PDFDocEncoding; nullopt when `text` has characters it lacks.
std::optional<std::string> PdfDocPassword(const QString& text)
{
    std::string encoded;
    if (!QUtil::utf8_to_pdf_doc(Utf8(text), encoded))
        return std::nullopt;
    return encoded;
}

// An empty owner password would let anyone lift the permissions; use one nobody knows.
QString RandomOwnerPassword()
{
    QString password;
    for (int i = 0; i < kOwnerPasswordBytes; ++i)
        password += QString::number(QRandomGenerator::system()->bounded(16), 16);
    return password;
}

QString ApplySecurity(QPDFWriter& writer, const PdfSecurity& security)
{
    const auto owner = PdfDocPassword(security.owner.isEmpty() ? RandomOwnerPassword() : security.owner);
    const auto user = PdfDocPassword(security.user);
    if (!owner || !user)
        return QStringLiteral("a PDF password holds characters that RC4 encryption cannot store");
    const auto& a = security.allow;
    if (security.kind == PdfSecurity::Kind::Rc4Bits40) {
        writer.setR2EncryptionParametersInsecure(user->c_str(), owner->c_str(), a[0], a[1], a[2], a[3]);
        return {};
    }
    // print, high-quality print, edit, extract, annotate, fill forms, extract text, assemble
    const qpdf_r3_print_e print = !a[0] ? qpdf_r3p_none : a[1] ? qpdf_r3p_full : qpdf_r3p_low;
    writer.setR3EncryptionParametersInsecure(user->c_str(), owner->c_str(), /*accessibility*/ a[6],
                                             /*extract*/ a[3], /*assemble*/ a[7], /*annotate and form*/ a[4],
                                             /*form filling*/ a[5], /*modify other*/ a[2], print);
    return {};
}

}  // namespace

EncodeResult EncodePdf(Magick::Image& image, const PdfInfo& info, bool pdfA, const PdfSecurity& security)
{
    try {
        if (image.colorSpace() == Magick::CMYKColorspace)
            image.colorSpace(Magick::sRGBColorspace);
        const bool grey = image.colorSpace() == Magick::GRAYColorspace;
        const bool withAlpha = image.matte() && !image.isOpaque();
        const bool encrypt = security.kind != PdfSecurity::Kind::None;
        const QDateTime now = QDateTime::currentDateTimeUtc();

        QPDF pdf;
        pdf.emptyPDF();
        AddPage(pdf, ImageStream(pdf, image, grey, withAlpha), PageSize(image));
        AddInfo(pdf, info, now);
        if (pdfA && !encrypt)
            AddPdfAIdentification(pdf, info, now);

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setCompressStreams(true);     // the page contents and metadata
        writer.setRecompressFlate(false);    // the images, deflated already
        writer.setMinimumPDFVersion(pdfA && !encrypt ? "1.7" : "1.4");  // soft masks need 1.4
        if (encrypt) {
            if (QString error = ApplySecurity(writer, security); !error.isEmpty())
                return {{}, error};
        }
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        return {QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), static_cast<qsizetype>(buffer->getSize())), {}};
    } catch (const std::exception& e) {
        return {{}, QStringLiteral("PDF: %1").arg(QString::fromUtf8(e.what()))};
    }
}
