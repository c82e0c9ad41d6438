#include "settings/CEncoderSettingDlg.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"
#include "settings/CBmpPage.h"
#include "settings/CGifPage.h"
#include "settings/CJpegPage.h"
#include "settings/CPdfPage.h"
#include "settings/CResizePage.h"
#include "settings/CTiffPage.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Where a page's top-left corner sits relative to the frame's, in pixels.
constexpr int kPageOffsetX = 5;
constexpr int kPageOffsetY = 10;

// The page buttons in the order of the pages they show.
constexpr int kPageButtons[] = {res::IDC_PAGE_RESIZE, res::IDC_PAGE_BMP, res::IDC_PAGE_JPEG,
                                res::IDC_PAGE_TIFF,   res::IDC_PAGE_GIF, res::IDC_PAGE_PDF};

template <class Page>
Page* MakePage(QWidget* host, const QRect& frame)
{
    auto* page = new Page(host);
    page->move(frame.left() + kPageOffsetX, frame.top() + kPageOffsetY);
    return page;
}

}  // namespace

CEncoderSettingDlg::CEncoderSettingDlg(QWidget* parent) : QDialog(parent)
{
    controls_.emplace(BuildDialog(*this, res::EncoderLayout()));
    const QRect frame = controls_->Get(res::IDC_PAGE_FRAME)->geometry();
    resize_ = MakePage<CResizePage>(this, frame);
    bmp_ = MakePage<CBmpPage>(this, frame);
    jpeg_ = MakePage<CJpegPage>(this, frame);
    tiff_ = MakePage<CTiffPage>(this, frame);
    gif_ = MakePage<CGifPage>(this, frame);
    pdf_ = MakePage<CPdfPage>(this, frame);
    pages_ = {resize_, bmp_, jpeg_, tiff_, gif_, pdf_};

    for (std::size_t i = 0; i < pages_.size(); ++i) {
        auto* button = controls_->Get<QPushButton>(kPageButtons[i]);
        button->setAutoDefault(false);  // Enter in a page means OK, not the last page button
        connect(button, &QPushButton::clicked, this, [this, page = pages_[i]] { ShowPage(page); });
    }
    ShowPage(resize_);
}

CSettingPage* CEncoderSettingDlg::CurrentPage() const
{
    for (CSettingPage* page : pages_)
        if (!page->isHidden())
            return page;
    return nullptr;
}

void CEncoderSettingDlg::ShowPage(CSettingPage* page)
{
    for (CSettingPage* other : pages_)
        if (other != page)
            other->hide();
    page->show();
}

void CEncoderSettingDlg::showEvent(QShowEvent* event)
{
    // The caller sets the page values between construction and running the dialog.
    if (!pagesFilled_) {
        for (CSettingPage* page : pages_)
            page->DataToControls();
        pagesFilled_ = true;
    }
    QDialog::showEvent(event);
}

void CEncoderSettingDlg::accept()
{
    for (CSettingPage* page : pages_) {
        if (QLineEdit* box = page->FirstNonInteger()) {
            ShowPage(page);
            QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), tr("Please enter an integer."));
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    for (CSettingPage* page : pages_) {
        page->ControlsToData();
        if (page == gif_)
            gif_->TakePickerColor();  // the picker's colour counts only now
    }
    QDialog::accept();
}
