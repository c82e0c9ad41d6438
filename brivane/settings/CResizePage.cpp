#include "settings/CResizePage.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"

#include <QCheckBox>

namespace {
constexpr int kNumberBoxes[] = {res::IDC_RESIZE_WIDTH, res::IDC_RESIZE_HEIGHT};
}

CResizePage::CResizePage(QWidget* parent) : CSettingPage(res::ResizePageLayout(), parent)
{
    connect(Controls().Get<QCheckBox>(res::IDC_RESIZE_KEEP_ORG), &QCheckBox::clicked, this, [this] { ApplyKeepRule(); });
}

std::span<const int> CResizePage::NumberBoxes() const { return kNumberBoxes; }

void CResizePage::DataToControls()
{
    PutCheck(res::IDC_RESIZE_KEEP_ORG, m_keepOrg);
    PutNumber(res::IDC_RESIZE_WIDTH, m_width);
    PutNumber(res::IDC_RESIZE_HEIGHT, m_height);
    ApplyKeepRule();
}

void CResizePage::ControlsToData()
{
    m_keepOrg = GetCheck(res::IDC_RESIZE_KEEP_ORG);
    GetNumber(res::IDC_RESIZE_WIDTH, m_width);
    GetNumber(res::IDC_RESIZE_HEIGHT, m_height);
}

void CResizePage::ApplyKeepRule() const
{
    EnableControls(kNumberBoxes, GetCheck(res::IDC_RESIZE_KEEP_ORG) == 0);
}
