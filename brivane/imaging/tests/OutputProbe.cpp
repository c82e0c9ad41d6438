#include "OutputProbe.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <functional>

namespace {

int U8(const QByteArray& b, qsizetype at) { return static_cast<unsigned char>(b[at]); }
int Le16(const QByteArray& b, qsizetype at) { return U8(b, at) | (U8(b, at + 1) << 8); }
qint32 Le32(const QByteArray& b, qsizetype at) { return static_cast<qint32>(Le16(b, at) | (quint32(Le16(b, at + 2)) << 16)); }
int Be16(const QByteArray& b, qsizetype at) { return (U8(b, at) << 8) | U8(b, at + 1); }
qint64 Be32(const QByteArray& b, qsizetype at) { return (qint64(Be16(b, at)) << 16) | Be16(b, at + 2); }

bool Starts(const QByteArray& b, std::string_view magic)
{
    return b.size() >= static_cast<qsizetype>(magic.size()) && std::string_view(b.constData(), magic.size()) == magic;
}

std::optional<QSize> BmpSize(const QByteArray& b)
{
    if (!Starts(b, "BM") || b.size() < 54)
        return std::nullopt;
    return QSize(Le32(b, 18), std::abs(Le32(b, 22)));
}

std::optional<QSize> JpegSize(const QByteArray& b)
{
    if (!Starts(b, "\xff\xd8"))
        return std::nullopt;
    for (qsizetype at = 2; at + 9 < b.size();) {
        if (U8(b, at) != 0xFF)
            return std::nullopt;
        const int marker = U8(b, at + 1);
        if (marker >= 0xC0 && marker <= 0xC3)
            return QSize(Be16(b, at + 7), Be16(b, at + 5));
        at += 2 + Be16(b, at + 2);
    }
    return std::nullopt;
}

std::optional<QSize> GifSize(const QByteArray& b)
{
    if ((!Starts(b, "GIF87a") && !Starts(b, "GIF89a")) || b.size() < 13)
        return std::nullopt;
    return QSize(Le16(b, 6), Le16(b, 8));
}

std::optional<QSize> PngSize(const QByteArray& b)
{
    if (!Starts(b, "\x89PNG\r\n\x1a\n") || b.size() < 24 || b.mid(12, 4) != "IHDR")
        return std::nullopt;
    return QSize(static_cast<int>(Be32(b, 16)), static_cast<int>(Be32(b, 20)));
}

std::optional<QSize> IcoSize(const QByteArray& b)
{
    // Reserved 0, type 1 (icon), one or more entries; width and height bytes, 0 meaning 256.
    if (b.size() < 22 || Le16(b, 0) != 0 || Le16(b, 2) != 1 || Le16(b, 4) < 1)
        return std::nullopt;
    return QSize(U8(b, 6) == 0 ? 256 : U8(b, 6), U8(b, 7) == 0 ? 256 : U8(b, 7));
}

std::optional<QSize> Jp2Size(const QByteArray& b)
{
    if (!Starts(b, std::string_view("\0\0\0\x0cjP  \r\n\x87\n", 12)))
        return std::nullopt;
    const qsizetype ihdr = b.indexOf("ihdr");
    if (ihdr < 0 || ihdr + 12 > b.size())
        return std::nullopt;
    return QSize(static_cast<int>(Be32(b, ihdr + 8)), static_cast<int>(Be32(b, ihdr + 4)));
}

std::optional<QSize> JpcSize(const QByteArray& b)
{
    // SOC, then SIZ: Lsiz, Rsiz, Xsiz, Ysiz, XOsiz, YOsiz.
    if (!Starts(b, "\xff\x4f\xff\x51") || b.size() < 24)
        return std::nullopt;
    return QSize(static_cast<int>(Be32(b, 8) - Be32(b, 16)), static_cast<int>(Be32(b, 12) - Be32(b, 20)));
}

std::optional<QSize> PcxSize(const QByteArray& b)
{
    if (b.size() < 128 || U8(b, 0) != 0x0A)
        return std::nullopt;
    return QSize(Le16(b, 8) - Le16(b, 4) + 1, Le16(b, 10) - Le16(b, 6) + 1);
}

std::optional<QSize> TgaSize(const QByteArray& b)
{
    // Image types 1, 2, 3 and their RLE forms 9, 10, 11.
    if (b.size() < 18 || (U8(b, 2) & ~8) < 1 || (U8(b, 2) & ~8) > 3)
        return std::nullopt;
    return QSize(Le16(b, 12), Le16(b, 14));
}

std::optional<QSize> RasSize(const QByteArray& b)
{
    if (!Starts(b, "\x59\xa6\x6a\x95") || b.size() < 32)
        return std::nullopt;
    return QSize(static_cast<int>(Be32(b, 4)), static_cast<int>(Be32(b, 8)));
}

std::optional<QSize> PnmSize(const QByteArray& b)
{
    static const QRegularExpression header(QStringLiteral("^P[1-6]\\s+(?:#[^\\n]*\\n\\s*)*(\\d+)\\s+(\\d+)"));
    const auto match = header.match(QString::fromLatin1(b.left(256)));
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<QSize> PgxSize(const QByteArray& b)
{
    // "PG ML + 8 w h": a single component, so no count of components exists in the format.
    static const QRegularExpression header(QStringLiteral("^PG (ML|LM) [+-]? ?(\\d+) (\\d+) (\\d+)\\s"));
    const auto match = header.match(QString::fromLatin1(b.left(64)));
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(3).toInt(), match.captured(4).toInt());
}

std::optional<QSize> WbmpSize(const QByteArray& b)
{
    // Type 0, fixed header 0, then width and height as multi-byte integers.
    if (b.size() < 4 || U8(b, 0) != 0 || U8(b, 1) != 0)
        return std::nullopt;
    qsizetype at = 2;
    const auto next = [&]() {
        int value = 0;
        while (at < b.size()) {
            const int byte = U8(b, at++);
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0)
                break;
        }
        return value;
    };
    const int w = next();
    const int h = next();
    if (b.size() - at != static_cast<qsizetype>((w + 7) / 8) * h)
        return std::nullopt;  // the rest must be exactly the bit rows
    return QSize(w, h);
}

struct HeaderReader {
    std::string_view format;
    std::optional<QSize> (*read)(const QByteArray&);
};
constexpr std::array<HeaderReader, 13> kReaders{{
    {"bmp", BmpSize}, {"jpg", JpegSize}, {"gif", GifSize}, {"png", PngSize}, {"ico", IcoSize},
    {"jp2", Jp2Size}, {"jpc", JpcSize}, {"pcx", PcxSize}, {"tga", TgaSize}, {"ras", RasSize},
    {"pnm", PnmSize}, {"pgx", PgxSize}, {"wbmp", WbmpSize},
}};

// The standard luminance quantization table, in the zig-zag order files store it in.
constexpr std::array<int, 64> kLuminance{
    16, 11, 12, 14, 12, 10, 16, 14, 13, 14, 18, 17, 16, 19, 24, 40, 26, 24, 22, 22, 24, 49,
    35, 37, 29, 40, 58, 51, 61, 60, 57, 51, 56, 55, 64, 72, 92, 78, 64, 68, 87, 69, 55, 56,
    80, 109, 81, 87, 95, 98, 103, 104, 103, 62, 77, 113, 121, 112, 100, 120, 92, 101, 103, 99,
};

}  // namespace

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QSize> HeaderSize(std::string_view format, const QByteArray& bytes)
{
    for (const HeaderReader& reader : kReaders) {
        if (reader.format == format)
            return reader.read(bytes);
    }
    return std::nullopt;
}

std::optional<BmpHeader> ParseBmp(const QByteArray& b)
{
    if (!BmpSize(b))
        return std::nullopt;
    return BmpHeader{Le16(b, 28), Le32(b, 30), Le32(b, 38), Le32(b, 42)};
}

std::optional<GifHeader> ParseGif(const QByteArray& b)
{
    if (!GifSize(b))
        return std::nullopt;
    GifHeader header;
    const int flags = U8(b, 10);
    header.globalColors = (flags & 0x80) ? 1 << ((flags & 7) + 1) : 0;
    const qsizetype gce = b.indexOf(QByteArray("\x21\xf9\x04", 3), 13 + 3 * header.globalColors);
    if (gce >= 0 && gce + 7 < b.size() && (U8(b, gce + 3) & 1))
        header.transparentIndex = U8(b, gce + 6);
    return header;
}

std::optional<int> JpegQuality(const QByteArray& b)
{
    const qsizetype dqt = b.indexOf("\xff\xdb");
    if (dqt < 0 || dqt + 5 + 64 > b.size() || (U8(b, dqt + 4) >> 4) != 0)
        return std::nullopt;  // only 8-bit tables are written for 8-bit images
    for (int q = 1; q <= 100; ++q) {
        const int scale = q < 50 ? 5000 / q : 200 - 2 * q;
        bool same = true;
        for (int i = 0; i < 64 && same; ++i)
            same = std::clamp((kLuminance[static_cast<std::size_t>(i)] * scale + 50) / 100, 1, 255) == U8(b, dqt + 5 + i);
        if (same)
            return q;
    }
    return std::nullopt;
}

bool JpegHasSegment(const QByteArray& b, int marker, std::string_view signature)
{
    for (qsizetype at = 2; at + 4 <= b.size();) {
        if (U8(b, at) != 0xFF || U8(b, at + 1) == 0xDA)
            return false;  // start of scan: no more headers
        const int length = Be16(b, at + 2);
        if (U8(b, at + 1) == marker && b.mid(at + 4, static_cast<qsizetype>(signature.size())) ==
                                           QByteArray(signature.data(), static_cast<qsizetype>(signature.size())))
            return true;
        at += 2 + length;
    }
    return false;
}

ToolRun RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000))
        return {-1, QStringLiteral("%1 did not run: %2").arg(program, process.errorString())};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString ReportValue(const QString& report, const QString& key)
{
    const QRegularExpression line(QStringLiteral("(?:^|\\n)\\s*%1:\\s*([^\\n]*)").arg(QRegularExpression::escape(key)));
    const auto match = line.match(report);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}
