#pragma once
// Test doubles for the batch: an imaging control that records the calls it gets, and an
// observer that answers questions from a script and records everything it is told.

#include "app/BatchConverter.h"
#include "app/FileEntry.h"
#include "imaging/ImagingControl.h"

#include <QFileInfo>
#include <QStringList>

#include <functional>

namespace test {

class RecordingControl : public IImagingControl {
public:
    QStringList calls;

    void SetImageFile(const QString& path) override { file_ = path, calls << "ImageFile " + path; }
    QString GetImageFile() const override { return file_; }
    void SetJpegQuality(short q) override { calls << QStringLiteral("JpegQuality %1").arg(q); }
    void SetKeepExif(bool on) override { calls << QStringLiteral("KeepExif %1").arg(on); }
    void SetTiffCompression(long i) override { calls << QStringLiteral("TiffCompression %1").arg(i); }
    void SetBmpDpiX(short d) override { calls << QStringLiteral("BmpDpiX %1").arg(d); }
    void SetBmpDpiY(short d) override { calls << QStringLiteral("BmpDpiY %1").arg(d); }
    void SetGifMaxColors(short n) override { calls << QStringLiteral("GifMaxColors %1").arg(n); }
    void SetGifQuantizer(short i) override { calls << QStringLiteral("GifQuantizer %1").arg(i); }
    void SetGifErrorDiffusion(bool on) override { calls << QStringLiteral("GifErrorDiffusion %1").arg(on); }
    void SetGifTransparentColor(long c) override { calls << QStringLiteral("GifTransparentColor %1").arg(c); }
    void SetPdfCreator(const QString& t) override { calls << "PdfCreator " + t; }
    void SetPdfAuthor(const QString& t) override { calls << "PdfAuthor " + t; }
    void SetPdfProducer(const QString& t) override { calls << "PdfProducer " + t; }
    void SetPdfTitle(const QString& t) override { calls << "PdfTitle " + t; }
    void SetPdfSubject(const QString& t) override { calls << "PdfSubject " + t; }
    void SetPdfKeywords(const QString& t) override { calls << "PdfKeywords " + t; }
    void SetOutputPdfA(bool on) override { calls << QStringLiteral("OutputPdfA %1").arg(on); }
    void ConvertTo1Bpp() override { calls << "ConvertTo1Bpp"; }
    void ConvertTo4Bpp() override { calls << "ConvertTo4Bpp"; }
    void ConvertTo8Bpp() override { calls << "ConvertTo8Bpp"; }
    void ConvertTo8BppGray() override { calls << "ConvertTo8BppGray"; }
    void ConvertTo16Bpp() override { calls << "ConvertTo16Bpp"; }
    void ConvertTo24Bpp() override { calls << "ConvertTo24Bpp"; }
    void ConvertTo32Bpp() override { calls << "ConvertTo32Bpp"; }
    void SetPdfPasswords(const QString& o, const QString& u) override { calls << "SetPdfPasswords " + o + "," + u; }
    void SetPdf40BitPermissions(bool a, bool b, bool c, bool d) override
    {
        calls << QStringLiteral("SetPdf40BitPermissions %1%2%3%4").arg(a).arg(b).arg(c).arg(d);
    }
    void SetPdf128BitPermissions(bool a, bool b, bool c, bool d, bool e, bool f, bool g, bool h) override
    {
        calls << QStringLiteral("SetPdf128BitPermissions %1%2%3%4%5%6%7%8").arg(a).arg(b).arg(c).arg(d).arg(e).arg(f).arg(g).arg(h);
    }
    short SaveImage(const QString& base, const QString& f) override { calls << "SaveImage " + base + "," + f; return 1; }
    short SaveResized(const QString& base, const QString& f, int w, int h) override
    {
        calls << QStringLiteral("SaveResized %1,%2,%3,%4").arg(base, f).arg(w).arg(h);
        return 1;
    }
    QString LastError() const override { return {}; }

private:
    QString file_;
};

// One entry per path, in order.
inline std::vector<FileEntry> Entries(const QStringList& paths)
{
    std::vector<FileEntry> entries;
    for (const QString& path : paths)
        entries.push_back(MakeFileEntry(path));
    return entries;
}

class ScriptedObserver final : public IBatchObserver {
public:
    std::function<OverwriteAnswer(const QString& question)> answer = [](const QString&) { return OverwriteAnswer::No; };
    int stopBefore = -1;  // BeginFile returns false for this index
    bool keepWaiting = true;  // what KeepWaiting says: false is Cancel pressed
    QStringList questions;
    QStringList messages;
    QStringList openedFolders;
    QStringList begun;
    QStringList ended;  // "NAME OUTCOME" of the source, in the order reported

    bool BeginFile(int index, int count, const QString& name) override
    {
        begun << QStringLiteral("%1/%2 %3").arg(index + 1).arg(count).arg(name);
        return index != stopBefore;
    }
    OverwriteAnswer ConfirmOverwrite(const QString& question) override
    {
        questions << question;
        return answer(question);
    }
    void EndFile(const BatchFileResult& r) override
    {
        static const char* const kOutcomes[] = {"saved", "declined", "failed"};
        ended << QStringLiteral("%1 %2").arg(QFileInfo(r.source).fileName(), kOutcomes[static_cast<int>(r.outcome)]);
    }
    bool KeepWaiting() override { return keepWaiting; }
    void ShowMessage(BatchMessage, const QString& text) override { messages << text; }
    void OpenFolder(const QString& folder) override { openedFolders << folder; }

    // The file name each overwrite question asked about, in order.
    QStringList AskedAbout() const
    {
        QStringList names;
        for (const QString& q : questions)
            names << QFileInfo(q.section(' ', 4, 4)).fileName();
        return names;
    }
};

}  // namespace test
