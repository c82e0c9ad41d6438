#pragma once
// The imaging control: loads an image file through its engine, shows it, reports its EXIF, and
// converts and saves it (ImagingControlBase). Operation names follow the control's automation
// interface (see OperationTable.h).

#include "imaging/ImageEngine.h"
#include "imaging/ImagingControlBase.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QScrollArea;
class CImageCanvas;

class CImageViewer : public QWidget, public ImagingControlBase {
    Q_OBJECT
public:
    explicit CImageViewer(QWidget* parent = nullptr);
    // For tests and later extensions: drive the control with another engine.
    explicit CImageViewer(std::unique_ptr<IImageEngine> engine, QWidget* parent = nullptr);
    ~CImageViewer() override;

    // Put loads the file and shows its first page; "" empties the control. A file that cannot
    // be read leaves the control empty, with the reason in LastError(). Get returns the path last
    // put (or given to LoadPage).
    void SetImageFile(const QString& path) override;
    QString GetImageFile() const override;

    // 9 = scaled to fit the control (aspect ratio kept, centred); 5 and every other value =
    // original size (centred, scroll bars when larger). Setting a mode drops any zoom steps.
    void SetDisplayMode(short mode);
    short GetDisplayMode() const;
    void SetDisplayStyle(long style);
    void SetDisplayFlag(bool on);
    void SetDisplayParamA(short v);
    void SetDisplayParamB(short v);

    // EXIF of the loaded file; 0 entries when nothing is loaded. Out-of-range indices give "".
    short ExifCount();
    QString ExifName(short index);
    QString ExifValue(short index);

    // The largest size (device-independent pixels) the control will be asked to show. With one
    // set, a page is decoded only as large as that needs where the format allows it cheaply (a
    // JPEG, by libjpeg's scaling); everything the control reports still describes the file, and
    // saves, zooming past it or growing the control past it decode the page in full. Empty (the
    // default): every page is decoded in full. Takes effect from the next load.
    void SetMaxShownSize(QSize size);
    QSize MaxShownSize() const;

    // Loads and shows page `page` (from 1) of a PDF, TIFF or other multi-page file; 1 on success.
    short LoadPage(const QString& path, short page);
    // Pages of the file last loaded by either call (0 when none or unreadable).
    short PageCount();

    // One zoom step (factor 1.25) in or out, on top of the display mode's scale; kept while
    // pages or files change, so paging through a document keeps its zoom.
    void ZoomIn();
    void ZoomOut();

    // With DisplayStyle 1 and DisplayFlag on, a drag with the left button draws one selection
    // rectangle, kept in image pixels so that zooming does not move it; a new file clears it.
    // SaveSelection writes just that part, and returns 0 when there is none.
    short SaveSelection(const QString& base, const QString& format);
    QRect Selection() const { return selection_; }
    void SetSelection(const QRect& rect);

    // Introspection for the host and tests.
    bool HasImage() const;
    QSize ImageSize() const;      // size of the loaded page in the file; empty when nothing is loaded
    QSize DecodedSize() const;    // size of the picture held for it: ImageSize() or, under a MaxShownSize, less
    QSize DisplayedSize() const;  // size the page is drawn at; empty when nothing is loaded
    // The loaded page, for operations beyond showing it, decoded in full (now, if only a reduced
    // picture was held); nullptr when the control is empty or the file can no longer be read.
    LoadedImage* Document() const;

signals:
    void Click();
    void DblClick();

protected:
    LoadedImage* SaveSource() const override { return FullDocument(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CImageCanvas;
    void Open(const QString& path, int page);
    LoadedImage* FullDocument() const;
    // Whether the page held is a reduced picture of the file's page.
    bool Reduced() const { return doc_ && doc_->Size() != pageSize_; }
    QSize DeviceSize(QSize logical) const;
    void UpdateLayout();
    void Zoom(int delta);
    const std::vector<ExifEntry>& Exif();
    const QImage& Pixels();
    bool Selecting() const;
    QRect ShownRect() const;  // where the page is drawn, in canvas coordinates
    QPoint ToImage(const QPoint& global) const;

    std::unique_ptr<IImageEngine> engine_;
    // The loaded page, or a reduced picture of it (Reduced()) that is replaced by the whole page
    // when something needs it; hence mutable.
    mutable std::unique_ptr<LoadedImage> doc_;
    mutable bool fullLoadFailed_ = false;  // the file changed or went since: keep the reduced picture
    mutable QSize pageSize_;
    int page_ = 0;
    QSize maxShown_;
    QImage pixels_;  // doc_ converted for display on first paint; hidden instances never need it
    QString imageFile_;
    std::vector<ExifEntry> exif_;
    bool exifRead_ = false;
    int pageCount_ = -1;  // -1: not counted yet
    short displayMode_ = 9;
    long displayStyle_ = 0;
    bool displayFlag_ = false;
    short displayParamA_ = 0;
    short displayParamB_ = 0;
    int zoomSteps_ = 0;
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint anchor_;    // image pixels where the drag began
    QRect selection_;  // image pixels
    QScrollArea* scroll_ = nullptr;  // owned by this widget
    CImageCanvas* canvas_ = nullptr; // owned by scroll_
};
