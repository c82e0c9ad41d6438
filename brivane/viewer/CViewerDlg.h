#pragma once
// The image viewer: shows one file at original size, zooms, pages through PDF and TIFF files,
// and exports the image or the part inside a rectangle drawn on it.

#include "res/DialogBuilder.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class CComboBox;
class CImageViewer;
class QLabel;
class QLineEdit;

class CViewerDlg : public QDialog {
    Q_OBJECT
public:
    CViewerDlg(QString path, QWidget* parent = nullptr);

    // PDF and TIFF files page; the text after the last dot decides, in any letter case.
    static bool IsPaged(const QString& path);

    CImageViewer* Image() const { return image_; }
    CComboBox* FormatList() const { return formats_; }
    const DialogControls& Controls() const { return *controls_; }
    int CurrentPage() const { return currentPage_; }

    void OnZoomIn();
    void OnZoomOut();
    void OnOriginal();
    void OnNextPage();
    void OnPreviousPage();
    void OnExportImage();
    void OnCropImage();

protected:
    // Enter closes the viewer as OK, Esc as Cancel, wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The save dialog for the selected format; the chosen path without its extension, or ""
    // when cancelled.
    QString ChooseBase(QString* format);
    void ShowPage(int page);
    // Saves the whole image or the selection under a name from the save dialog.
    void Export(bool selectionOnly);

    std::optional<DialogControls> controls_;
    CImageViewer* image_ = nullptr;
    CComboBox* formats_ = nullptr;
    QLabel* pageCount_ = nullptr;
    QLineEdit* pageBox_ = nullptr;
    QString path_;
    bool paged_ = false;
    int currentPage_ = 1;
};
