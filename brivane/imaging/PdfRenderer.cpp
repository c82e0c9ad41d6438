#include "imaging/PdfRenderer.h"

#include <poppler-qt6.h>

#include <QVariant>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

namespace {

constexpr double kMaxPixels = 64'000'000.0;
constexpr double kMaxSide = 16'000.0;
constexpr double kPointsPerInch = 72.0;

void Silence(const QString&, const QVariant&) {}

std::unique_ptr<Poppler::Document> Open(const QByteArray& data)
{
    static std::once_flag once;
    std::call_once(once, [] { Poppler::setDebugErrorFunction(Silence, QVariant()); });  // broken files are normal input
    std::unique_ptr<Poppler::Document> doc = Poppler::Document::loadFromData(data);
    if (!doc || doc->isLocked())
        return nullptr;
    return doc;
}

}  // namespace

QImage RenderPdfPage(const QByteArray& data, int page, double dpi)
{
    const std::unique_ptr<Poppler::Document> doc = Open(data);
    if (!doc || page < 1 || page > doc->numPages())
        return {};
    const std::unique_ptr<Poppler::Page> p = doc->page(page - 1);
    if (!p)
        return {};
    const QSizeF inches = p->pageSizeF() / kPointsPerInch;
    if (inches.isEmpty())
        return {};
    // Keep the rendering within the budget a raster file gets.
    const double byArea = std::sqrt(kMaxPixels / (inches.width() * inches.height()));
    const double bySide = kMaxSide / std::max(inches.width(), inches.height());
    dpi = std::min({dpi, byArea, bySide});
    doc->setRenderHint(Poppler::Document::Antialiasing);
    doc->setRenderHint(Poppler::Document::TextAntialiasing);
    return p->renderToImage(dpi, dpi);
}

int CountPdfPages(const QByteArray& data)
{
    const std::unique_ptr<Poppler::Document> doc = Open(data);
    return doc ? doc->numPages() : 0;
}
