#include "settings/CTiffPage.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"

#include <QComboBox>

namespace {
constexpr std::string_view kCompressions[] = {"LZW", "CCITT3", "CCITT4", "Packbits", "None"};
constexpr std::string_view kDepths[] = {"1 bpp", "4 bpp", "8 bpp", "8 bpp (GrayScale)", "16 bpp", "24 bpp"};
constexpr int kLzw = 0;
constexpr int kDepthList[] = {res::IDC_TIFF_BPP};
}  // namespace

CTiffPage::CTiffPage(QWidget* parent) : CSettingPage(res::TiffPageLayout(), parent)
{
    FillList(res::IDC_TIFF_COMPRESSION, kCompressions);
    FillList(res::IDC_TIFF_BPP, kDepths);
    connect(Controls().Get<QComboBox>(res::IDC_TIFF_COMPRESSION), &QComboBox::currentIndexChanged, this,
            [this] { ApplyCompressionRule(); });
}

void CTiffPage::DataToControls()
{
    PutListIndex(res::IDC_TIFF_COMPRESSION, m_compIndex);
    PutListIndex(res::IDC_TIFF_BPP, m_bppIndex);
    ApplyCompressionRule();
}

void CTiffPage::ControlsToData()
{
    m_compIndex = GetListIndex(res::IDC_TIFF_COMPRESSION);
    m_bppIndex = GetListIndex(res::IDC_TIFF_BPP);
}

void CTiffPage::ApplyCompressionRule() const
{
    EnableControls(kDepthList, GetListIndex(res::IDC_TIFF_COMPRESSION) == kLzw);
}
