#pragma once
// The JPEG page: quality, with arrows that step it from 1 to 100, and whether EXIF tags are kept.

#include "settings/CSettingPage.h"

class CJpegPage : public CSettingPage {
    Q_OBJECT
public:
    explicit CJpegPage(QWidget* parent = nullptr);

    int m_quality = 0;
    int m_keepExif = 0;

    void DataToControls() override;
    void ControlsToData() override;

protected:
    std::span<const int> NumberBoxes() const override;
};
