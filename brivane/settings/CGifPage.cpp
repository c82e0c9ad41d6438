#include "settings/CGifPage.h"

#include "res/CColorButton.h"
#include "res/ColorRef.h"
#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace {
constexpr std::string_view kPaletteSizes[] = {"16", "32", "64", "128", "256"};
constexpr std::string_view kQuantizers[] = {"Basic", "Octree", "Mediancut", "NeuralNet"};
}  // namespace

CGifPage::CGifPage(QWidget* parent) : CSettingPage(res::GifPageLayout(), parent)
{
    FillList(res::IDC_GIF_MAX_COLOR, kPaletteSizes);
    FillList(res::IDC_GIF_QUANTIZER, kQuantizers);
}

CColorButton* CGifPage::ColorPicker() const { return Controls().Get<CColorButton>(res::IDC_GIF_TRANSPARENT); }

void CGifPage::DataToControls()
{
    PutListIndex(res::IDC_GIF_MAX_COLOR, m_maxColorIndex);
    PutListIndex(res::IDC_GIF_QUANTIZER, m_quanIndex);
    PutCheck(res::IDC_GIF_ERROR_DIFFUSION, m_errorDiff);
    ColorPicker()->SetColor(ColorFromColorRef(m_transColor));
}

void CGifPage::ControlsToData()
{
    m_maxColorIndex = GetListIndex(res::IDC_GIF_MAX_COLOR);
    m_quanIndex = GetListIndex(res::IDC_GIF_QUANTIZER);
    m_errorDiff = GetCheck(res::IDC_GIF_ERROR_DIFFUSION);
}

void CGifPage::TakePickerColor() { m_transColor = ColorRefFromColor(ColorPicker()->Color()); }
