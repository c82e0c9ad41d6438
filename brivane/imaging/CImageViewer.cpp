#include "imaging/CImageViewer.h"

#include <QMouseEvent>
#include <QScrollArea>

class CImageCanvas : public QWidget {};

CImageViewer::CImageViewer(QWidget* parent) : CImageViewer(CreateImageEngine(), parent) {}
CImageViewer::CImageViewer(std::unique_ptr<IImageEngine> engine, QWidget* parent)
    : QWidget(parent), engine_(std::move(engine)) {}
CImageViewer::~CImageViewer() = default;
void CImageViewer::SetImageFile(const QString& path) { imageFile_ = path; }
QString CImageViewer::GetImageFile() const { return imageFile_; }
void CImageViewer::SetDisplayMode(short mode) { displayMode_ = mode; }
short CImageViewer::GetDisplayMode() const { return displayMode_; }
void CImageViewer::SetDisplayStyle(long style) { displayStyle_ = style; }
void CImageViewer::SetDisplayFlag(bool on) { displayFlag_ = on; }
void CImageViewer::SetDisplayParamA(short v) { displayParamA_ = v; }
void CImageViewer::SetDisplayParamB(short v) { displayParamB_ = v; }
short CImageViewer::ExifCount() { return 0; }
QString CImageViewer::ExifName(short) { return {}; }
QString CImageViewer::ExifValue(short) { return {}; }
short CImageViewer::LoadPage(const QString& path, short) { imageFile_ = path; return 0; }
short CImageViewer::PageCount() { return 0; }
void CImageViewer::ZoomIn() {}
void CImageViewer::ZoomOut() {}
bool CImageViewer::HasImage() const { return false; }
QSize CImageViewer::ImageSize() const { return {}; }
QSize CImageViewer::DisplayedSize() const { return {}; }
void CImageViewer::mousePressEvent(QMouseEvent*) {}
void CImageViewer::mouseReleaseEvent(QMouseEvent*) {}
void CImageViewer::mouseDoubleClickEvent(QMouseEvent*) {}
void CImageViewer::resizeEvent(QResizeEvent*) {}
void CImageViewer::Show(std::unique_ptr<LoadedImage>, const QString&) {}
void CImageViewer::UpdateLayout() {}
