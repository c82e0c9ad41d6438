#include "settings/CBmpPage.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace {
constexpr int kNumberBoxes[] = {res::IDC_BMP_DPI_X, res::IDC_BMP_DPI_Y};
constexpr std::string_view kDepths[] = {"1 bpp", "4 bpp", "8 bpp", "16 bpp", "24 bpp", "32 bpp"};
}  // namespace

CBmpPage::CBmpPage(QWidget* parent) : CSettingPage(res::BmpPageLayout(), parent)
{
    FillList(res::IDC_BMP_BPP, kDepths);
}

std::span<const int> CBmpPage::NumberBoxes() const { return kNumberBoxes; }

void CBmpPage::DataToControls()
{
    PutNumber(res::IDC_BMP_DPI_X, m_dpiX);
    PutNumber(res::IDC_BMP_DPI_Y, m_dpiY);
    PutListIndex(res::IDC_BMP_BPP, m_bppIndex);
}

void CBmpPage::ControlsToData()
{
    GetNumber(res::IDC_BMP_DPI_X, m_dpiX);
    GetNumber(res::IDC_BMP_DPI_Y, m_dpiY);
    m_bppIndex = GetListIndex(res::IDC_BMP_BPP);
}
