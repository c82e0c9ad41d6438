#pragma once
// The Resize page: keep the original size, or resize to a width and height in pixels.

#include "settings/CSettingPage.h"

class CResizePage : public CSettingPage {
    Q_OBJECT
public:
    explicit CResizePage(QWidget* parent = nullptr);

    int m_keepOrg = 1;
    int m_width = 0;
    int m_height = 0;

    void DataToControls() override;
    void ControlsToData() override;

protected:
    std::span<const int> NumberBoxes() const override;

private:
    // Width and Height can be edited only when the original size is not kept; they keep their
    // numbers either way.
    void ApplyKeepRule() const;
};
