#pragma once
// Independent readers for the files the encoders write: header bytes parsed here, and the
// command-line tools of other projects (libtiff's tiffinfo, poppler's pdfinfo, qpdf, exiv2).

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

QByteArray ReadFileBytes(const QString& path);

// Pixel size from the header of a file in `format` ("bmp", "jpc", ...); nullopt when the
// header is not that format's. TIFF and PDF are left to the tools.
std::optional<QSize> HeaderSize(std::string_view format, const QByteArray& bytes);

struct BmpHeader {
    int bitCount = 0;
    int compression = -1;  // 0 BI_RGB, 1 RLE8, 2 RLE4, 3 BI_BITFIELDS
    int pelsPerMeterX = 0;
    int pelsPerMeterY = 0;
};
std::optional<BmpHeader> ParseBmp(const QByteArray& bytes);

struct GifHeader {
    int globalColors = 0;       // entries of the global colour table
    int transparentIndex = -1;  // from the first graphic control extension; -1 when none
};
std::optional<GifHeader> ParseGif(const QByteArray& bytes);

// The JPEG quality whose standard luminance table equals the file's first quantization table;
// nullopt when none does.
std::optional<int> JpegQuality(const QByteArray& bytes);
bool JpegHasSegment(const QByteArray& bytes, int marker, std::string_view signature);

struct ToolRun {
    int exitCode = -1;
    QString output;  // stdout and stderr together
};
ToolRun RunTool(const QString& program, const QStringList& arguments);

// "Key: value" lines of a tool's report (tiffinfo, pdfinfo); "" when absent.
QString ReportValue(const QString& report, const QString& key);
