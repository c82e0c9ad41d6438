#pragma once
// The Encoder Setting dialog: six pages (Resize, BMP, JPEG, TIFF, GIF, PDF) in one frame, one
// shown at a time, switched by the buttons down the left side. The dialog holds no settings of
// its own: its caller fills the pages' values before running it and reads them after OK.

#include "res/DialogBuilder.h"

#include <QDialog>

#include <array>
#include <optional>

class CSettingPage;
class CResizePage;
class CBmpPage;
class CJpegPage;
class CTiffPage;
class CGifPage;
class CPdfPage;

class CEncoderSettingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEncoderSettingDlg(QWidget* parent = nullptr);

    CResizePage& Resize() const { return *resize_; }
    CBmpPage& Bmp() const { return *bmp_; }
    CJpegPage& Jpeg() const { return *jpeg_; }
    CTiffPage& Tiff() const { return *tiff_; }
    CGifPage& Gif() const { return *gif_; }
    CPdfPage& Pdf() const { return *pdf_; }

    const DialogControls& Controls() const { return *controls_; }
    // The page on show.
    CSettingPage* CurrentPage() const;
    void ShowPage(CSettingPage* page);

    // Reads every page back and closes with OK, unless a number box does not hold an integer:
    // then that box's page comes up with the box selected and the dialog stays open, with no
    // value read back.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<DialogControls> controls_;
    CResizePage* resize_;
    CBmpPage* bmp_;
    CJpegPage* jpeg_;
    CTiffPage* tiff_;
    CGifPage* gif_;
    CPdfPage* pdf_;
    std::array<CSettingPage*, 6> pages_{};  // in the order they are made and read back
    bool pagesFilled_ = false;
};
