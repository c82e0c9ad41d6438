#pragma once
// The TIFF page: compression, and the colour depth that only LZW compression lets the user choose.

#include "settings/CSettingPage.h"

class CTiffPage : public CSettingPage {
    Q_OBJECT
public:
    explicit CTiffPage(QWidget* parent = nullptr);

    int m_compIndex = 0;  // "LZW", "CCITT3", "CCITT4", "Packbits", "None"
    int m_bppIndex = 0;   // "1 bpp" .. "24 bpp", with "8 bpp (GrayScale)" at 3

    void DataToControls() override;
    void ControlsToData() override;

private:
    // The depth list is enabled only for LZW; disabled, it keeps (and reads back) its entry.
    void ApplyCompressionRule() const;
};
