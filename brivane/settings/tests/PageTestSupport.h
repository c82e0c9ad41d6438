#pragma once
// Opening the Encoder Setting dialog over a profile without running it modally, finding page
// controls, and profiles to open it on.

#include "profile/ConversionProfile.h"
#include "settings/CEncoderSettingDlg.h"
#include "settings/CSettingPage.h"
#include "settings/EncoderProfileExchange.h"
#include "res/ResourceIds.h"
#include "tests/ModalTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace test {

// The dialog shown (so that its pages hold the profile's values) but not run modally.
inline std::unique_ptr<CEncoderSettingDlg> OpenDialog(const ConversionProfile& profile)
{
    auto dialog = std::make_unique<CEncoderSettingDlg>();
    CopyProfileToPages(profile, *dialog);
    dialog->show();
    return dialog;
}

// Presses OK and, when the dialog closed with OK, copies the pages back into `profile`.
inline bool PressOk(CEncoderSettingDlg& dialog, ConversionProfile& profile)
{
    dialog.Controls().Get<QPushButton>(res::IDOK)->click();
    if (dialog.isVisible() || dialog.result() != QDialog::Accepted)
        return false;
    CopyPagesToProfile(dialog, profile);
    return true;
}

inline void ShowPageOf(CEncoderSettingDlg& dialog, int buttonId)
{
    dialog.Controls().Get<QPushButton>(buttonId)->click();
}

template <class T = QWidget>
T* Control(const CSettingPage& page, int id)
{
    return page.Controls().Get<T>(id);
}

inline QLineEdit* Edit(const CSettingPage& page, int id) { return Control<QLineEdit>(page, id); }
inline QComboBox* List(const CSettingPage& page, int id) { return Control<QComboBox>(page, id); }
inline QAbstractButton* Check(const CSettingPage& page, int id) { return Control<QAbstractButton>(page, id); }

// A profile whose encoder fields all differ from the defaults.
inline ConversionProfile UnusualProfile()
{
    ConversionProfile p;
    p.ResizeKeepOrg = 0;
    p.ResizeWidth = 1234;
    p.ResizeHeight = -7;
    p.BmpDPIX = 300;
    p.BmpDPIY = 72;
    p.BmpBppIndex = 2;
    p.JPEGQuality = 150;  // outside the arrows' range, stored as typed
    p.KeepEXIF = 0;
    p.TIFCompIndex = 2;   // CCITT4: the depth list is disabled but keeps its entry
    p.TIFBppIndex = 3;
    p.GIFMaxColorIndex = 1;
    p.GIFQuanIndex = 3;
    p.GIFErrorDiff = 1;
    p.GIFTranColor = 0x00FF0000;  // pure blue
    p.PDFTitle = "Title \xc3\xa9";
    p.PDFSubject = "Subject";
    p.PDFCreator = "Creator";
    p.PDFAuthor = "Author";
    p.PDFProducer = "Producer";
    p.PDFKeyword = "a, b";
    p.OutputPDFA = 1;
    p.OutputPDFAType = 2;
    p.PDFAOwnerPassword = "owner";
    p.PDFAUserPassword = "user";
    p.PDFA40EnablePrint = 0;
    p.PDFA40EnableAnno = 0;
    p.PDFA128EnableHighPrint = 0;
    p.PDFA128EnableAssDoc = 0;
    return p;
}

}  // namespace test
