#pragma once
// The GIF page: palette size, quantizer, error diffusion and the transparent colour.

#include "settings/CSettingPage.h"

#include <cstdint>

class CColorButton;

class CGifPage : public CSettingPage {
    Q_OBJECT
public:
    explicit CGifPage(QWidget* parent = nullptr);

    int m_maxColorIndex = 0;  // "16", "32", "64", "128", "256"
    int m_quanIndex = 0;      // "Basic", "Octree", "Mediancut", "NeuralNet"
    int m_errorDiff = 0;
    std::uint32_t m_transColor = 0;  // 0x00BBGGRR

    void DataToControls() override;
    // Reads the lists and the check box. The picker's colour is not read here: the dialog takes
    // it at OK (TakePickerColor).
    void ControlsToData() override;
    void TakePickerColor();

    CColorButton* ColorPicker() const;
};
