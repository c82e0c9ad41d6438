#include "imaging/CImageViewer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr short kFitMode = 9;
constexpr double kZoomStep = 1.25;
constexpr int kMaxZoomSteps = 20;      // 1.25^20 is about 87 times
constexpr int kMaxShownSide = 32'767;  // beyond this, zooming in stops

short ToShort(std::size_t n)
{
    return static_cast<short>(std::min<std::size_t>(n, std::numeric_limits<short>::max()));
}

// Keeps the point at the centre of the view in place while the content changes size.
class ViewCentre {
public:
    explicit ViewCentre(const QScrollArea& area)
        : h_(Fraction(*area.horizontalScrollBar())), v_(Fraction(*area.verticalScrollBar()))
    {
    }
    void Restore(QScrollArea& area) const
    {
        Apply(*area.horizontalScrollBar(), h_);
        Apply(*area.verticalScrollBar(), v_);
    }

private:
    static double Fraction(const QScrollBar& bar)
    {
        const int total = bar.maximum() - bar.minimum() + bar.pageStep();
        return total > 0 ? (bar.value() - bar.minimum() + bar.pageStep() / 2.0) / total : 0.5;
    }
    static void Apply(QScrollBar& bar, double fraction)
    {
        const int total = bar.maximum() - bar.minimum() + bar.pageStep();
        bar.setValue(bar.minimum() + static_cast<int>(std::lround(fraction * total - bar.pageStep() / 2.0)));
    }
    double h_;
    double v_;
};

}  // namespace

// Paints the loaded page at the viewer's display size, centred in itself. Mouse events pass
// through to the viewer.
class CImageCanvas final : public QWidget {
public:
    explicit CImageCanvas(CImageViewer& viewer) : viewer_(viewer) {}

    void Invalidate()
    {
        reduced_ = QImage();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QSize shown = viewer_.DisplayedSize();
        if (shown.isEmpty())
            return;
        const QImage& pixels = viewer_.Pixels();
        if (pixels.isNull())
            return;
        const QRect target = viewer_.ShownRect();
        QPainter painter(this);
        if (shown.width() < pixels.width() || shown.height() < pixels.height()) {
            // Reduce once with area averaging; painting with a scaled transform would alias.
            if (reduced_.size() != shown)
                reduced_ = pixels.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(target.topLeft(), reduced_);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, pixels);
        }
        if (const QRect sel = viewer_.Selection(); !sel.isEmpty()) {
            const QSize image = viewer_.ImageSize();  // the selection is in the page's pixels, not the picture's
            const double sx = double(shown.width()) / image.width(), sy = double(shown.height()) / image.height();
            const QRectF onScreen(target.left() + sel.left() * sx, target.top() + sel.top() * sy, sel.width() * sx,
                                  sel.height() * sy);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.setPen(QPen(Qt::white, 1));
            painter.drawRect(onScreen);
            painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
            painter.drawRect(onScreen);
        }
    }

private:
    CImageViewer& viewer_;
    QImage reduced_;
};

CImageViewer::CImageViewer(QWidget* parent) : CImageViewer(CreateImageEngine(), parent) {}

CImageViewer::CImageViewer(std::unique_ptr<IImageEngine> engine, QWidget* parent)
    : QWidget(parent), engine_(engine ? std::move(engine) : CreateImageEngine()), scroll_(new QScrollArea(this)),
      canvas_(new CImageCanvas(*this))
{
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(canvas_);
    UpdateLayout();
}

CImageViewer::~CImageViewer() = default;

void CImageViewer::SetImageFile(const QString& path)
{
    Open(path, 1);
}

QString CImageViewer::GetImageFile() const
{
    return imageFile_;
}

short CImageViewer::LoadPage(const QString& path, short page)
{
    Open(path, page);
    return doc_ ? 1 : 0;
}

void CImageViewer::Open(const QString& path, int page)
{
    if (path != imageFile_) {
        exif_.clear();
        exifRead_ = false;
        pageCount_ = -1;
    }
    imageFile_ = path;
    selection_ = QRect();
    dragging_ = false;
    doc_.reset();  // release the old page before decoding the next
    pixels_ = QImage();
    page_ = page;
    pageSize_ = QSize();
    fullLoadFailed_ = false;
    QString error;
    if (!path.isEmpty() && page >= 1) {
        if (maxShown_.isEmpty())
            doc_ = engine_->Load(path, page, &error);
        else
            doc_ = engine_->LoadReduced(path, page, DeviceSize(maxShown_), &pageSize_, &error);
    }
    if (doc_ && pageSize_.isEmpty())
        pageSize_ = doc_->Size();
    if (!path.isEmpty() && !doc_ && error.isEmpty())
        error = QStringLiteral("no such page");
    SetLastError(error);
    UpdateLayout();
}

LoadedImage* CImageViewer::FullDocument() const
{
    if (Reduced() && !fullLoadFailed_) {
        if (std::unique_ptr<LoadedImage> full = engine_->Load(imageFile_, page_)) {
            doc_ = std::move(full);
            pageSize_ = doc_->Size();
        } else {
            fullLoadFailed_ = true;
        }
    }
    return Reduced() ? nullptr : doc_.get();
}

void CImageViewer::SetMaxShownSize(QSize size)
{
    maxShown_ = size;
}

QSize CImageViewer::MaxShownSize() const
{
    return maxShown_;
}

QSize CImageViewer::DeviceSize(QSize logical) const
{
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::ceil(logical.width() * ratio)), static_cast<int>(std::ceil(logical.height() * ratio))};
}

short CImageViewer::PageCount()
{
    if (imageFile_.isEmpty())
        return 0;
    if (pageCount_ < 0)
        pageCount_ = std::max(0, engine_->PageCount(imageFile_));
    return ToShort(static_cast<std::size_t>(pageCount_));
}

void CImageViewer::SetDisplayMode(short mode)
{
    displayMode_ = mode;
    zoomSteps_ = 0;
    UpdateLayout();
}

short CImageViewer::GetDisplayMode() const
{
    return displayMode_;
}

void CImageViewer::SetDisplayStyle(long style)
{
    displayStyle_ = style;
}

void CImageViewer::SetDisplayFlag(bool on)
{
    displayFlag_ = on;
}

void CImageViewer::SetDisplayParamA(short v)
{
    displayParamA_ = v;
}

void CImageViewer::SetDisplayParamB(short v)
{
    displayParamB_ = v;
}

const std::vector<ExifEntry>& CImageViewer::Exif()
{
    // Read on first request: the hidden worker instance never asks.
    if (!exifRead_ && doc_) {
        exif_ = engine_->ReadExif(imageFile_);
        exifRead_ = true;
    }
    static const std::vector<ExifEntry> kNone;
    return doc_ ? exif_ : kNone;
}

short CImageViewer::ExifCount()
{
    return ToShort(Exif().size());
}

QString CImageViewer::ExifName(short index)
{
    const auto& exif = Exif();
    return index >= 0 && static_cast<std::size_t>(index) < exif.size() ? exif[static_cast<std::size_t>(index)].name
                                                                        : QString();
}

QString CImageViewer::ExifValue(short index)
{
    const auto& exif = Exif();
    return index >= 0 && static_cast<std::size_t>(index) < exif.size() ? exif[static_cast<std::size_t>(index)].value
                                                                        : QString();
}

void CImageViewer::ZoomIn()
{
    Zoom(+1);
}

void CImageViewer::ZoomOut()
{
    Zoom(-1);
}

void CImageViewer::Zoom(int delta)
{
    const int before = zoomSteps_;
    zoomSteps_ = std::clamp(zoomSteps_ + delta, -kMaxZoomSteps, kMaxZoomSteps);
    const QSize shown = DisplayedSize();
    if (shown.width() > kMaxShownSide || shown.height() > kMaxShownSide)
        zoomSteps_ = before;
    if (zoomSteps_ == before)
        return;
    const ViewCentre centre(*scroll_);
    UpdateLayout();
    centre.Restore(*scroll_);
}

bool CImageViewer::HasImage() const
{
    return doc_ != nullptr;
}

QSize CImageViewer::ImageSize() const
{
    return doc_ ? pageSize_ : QSize();
}

QSize CImageViewer::DecodedSize() const
{
    return doc_ ? doc_->Size() : QSize();
}

LoadedImage* CImageViewer::Document() const
{
    return FullDocument();
}

QSize CImageViewer::DisplayedSize() const
{
    const QSize image = ImageSize();
    if (image.isEmpty())
        return {};
    double scale = std::pow(kZoomStep, zoomSteps_);
    if (displayMode_ == kFitMode) {
        if (width() <= 0 || height() <= 0)
            return {};
        scale *= std::min(double(width()) / image.width(), double(height()) / image.height());
    }
    return {std::max(1, static_cast<int>(std::lround(image.width() * scale))),
            std::max(1, static_cast<int>(std::lround(image.height() * scale)))};
}

const QImage& CImageViewer::Pixels()
{
    if (!doc_)
        return pixels_;
    // A reduced picture serves while it is at least as large as it is drawn; zoomed in, or in a
    // control grown past its maximum, it would look blurred, so the whole page is decoded.
    const QSize held = pixels_.isNull() ? doc_->Size() : pixels_.size();
    const QSize needed = DeviceSize(DisplayedSize());
    if (held != pageSize_ && (needed.width() > held.width() || needed.height() > held.height()) && FullDocument())
        pixels_ = QImage();
    if (pixels_.isNull())
        pixels_ = doc_->ToQImage();
    return pixels_;
}

void CImageViewer::UpdateLayout()
{
    scroll_->setGeometry(rect());
    // Scaled to fit: the canvas follows the view and never scrolls. Otherwise it has the page's
    // shown size and the view scrolls over it.
    const bool fit = displayMode_ == kFitMode && zoomSteps_ == 0;
    const Qt::ScrollBarPolicy bars = fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scroll_->setHorizontalScrollBarPolicy(bars);
    scroll_->setVerticalScrollBarPolicy(bars);
    scroll_->setWidgetResizable(fit);
    if (!fit)
        canvas_->resize(DisplayedSize());
    canvas_->Invalidate();
}

void CImageViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdateLayout();
}

bool CImageViewer::Selecting() const
{
    return displayStyle_ == 1 && displayFlag_ && doc_;
}

QRect CImageViewer::ShownRect() const
{
    const QSize shown = DisplayedSize();
    return {QPoint((canvas_->width() - shown.width()) / 2, (canvas_->height() - shown.height()) / 2), shown};
}

QPoint CImageViewer::ToImage(const QPoint& global) const
{
    const QRect shown = ShownRect();
    const QSize image = ImageSize();
    if (shown.isEmpty() || image.isEmpty())
        return {};
    const QPoint p = canvas_->mapFromGlobal(global) - shown.topLeft();
    const auto x = static_cast<int>(std::lround(p.x() * double(image.width()) / shown.width()));
    const auto y = static_cast<int>(std::lround(p.y() * double(image.height()) / shown.height()));
    return {std::clamp(x, 0, image.width()), std::clamp(y, 0, image.height())};
}

void CImageViewer::SetSelection(const QRect& rect)
{
    selection_ = rect.normalized().intersected(QRect(QPoint(0, 0), ImageSize()));
    canvas_->update();
}

short CImageViewer::SaveSelection(const QString& base, const QString& format)
{
    if (selection_.isEmpty()) {
        SetLastError(QStringLiteral("no selection"));
        return 0;
    }
    return SaveRegion(base, format, selection_);
}

void CImageViewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        if (Selecting()) {
            dragging_ = true;
            anchor_ = ToImage(event->globalPosition().toPoint());
            SetSelection(QRect());
        }
    }
    event->accept();
}

void CImageViewer::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) {
        // Corners are pixel boundaries: the rectangle spans from one to the other.
        const QPoint here = ToImage(event->globalPosition().toPoint());
        SetSelection(QRect(QPoint(std::min(anchor_.x(), here.x()), std::min(anchor_.y(), here.y())),
                           QSize(std::abs(here.x() - anchor_.x()), std::abs(here.y() - anchor_.y()))));
    }
    event->accept();
}

void CImageViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        dragging_ = false;
        if (rect().contains(mapFromGlobal(event->globalPosition().toPoint())))
            emit Click();
    }
    event->accept();
}

void CImageViewer::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;  // the release that follows ends the double click, not a new click
        emit DblClick();
    }
    event->accept();
}
