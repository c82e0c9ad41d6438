#pragma once
// Copies the encoder fields of a profile into the Encoder Setting dialog's pages and back: the
// resize, BMP, JPEG, TIFF and GIF fields, the PDF texts, switch, security choice, passwords and
// permissions. Output naming, overwrite, folder opening and the output folder are not touched.

#include "profile/ConversionProfile.h"

class CEncoderSettingDlg;
class QWidget;

void CopyProfileToPages(const ConversionProfile& profile, CEncoderSettingDlg& dialog);
void CopyPagesToProfile(const CEncoderSettingDlg& dialog, ConversionProfile& profile);

// Runs the dialog over `profile`; the profile changes only when the user leaves with OK.
bool RunEncoderSettings(ConversionProfile& profile, QWidget* parent);
