#pragma once
// The BMP page: resolution in dots per inch and colour depth.

#include "settings/CSettingPage.h"

class CBmpPage : public CSettingPage {
    Q_OBJECT
public:
    explicit CBmpPage(QWidget* parent = nullptr);

    int m_dpiX = 0;
    int m_dpiY = 0;
    int m_bppIndex = 0;  // position in the depth list: "1 bpp" .. "32 bpp"

    void DataToControls() override;
    void ControlsToData() override;

protected:
    std::span<const int> NumberBoxes() const override;
};
