#include "settings/CJpegPage.h"

#include "res/CSpinButton.h"
#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace {
constexpr int kNumberBoxes[] = {res::IDC_JPEG_QUALITY};
constexpr int kLowestQuality = 1;
constexpr int kHighestQuality = 100;
}  // namespace

CJpegPage::CJpegPage(QWidget* parent) : CSettingPage(res::JpegPageLayout(), parent)
{
    // Only the arrows keep to this range; a typed quality is stored as typed.
    Controls().Get<CSpinButton>(res::IDC_JPEG_SPIN)->SetRange(kLowestQuality, kHighestQuality);
}

std::span<const int> CJpegPage::NumberBoxes() const { return kNumberBoxes; }

void CJpegPage::DataToControls()
{
    PutNumber(res::IDC_JPEG_QUALITY, m_quality);
    PutCheck(res::IDC_JPEG_KEEP_EXIF, m_keepExif);
}

void CJpegPage::ControlsToData()
{
    GetNumber(res::IDC_JPEG_QUALITY, m_quality);
    m_keepExif = GetCheck(res::IDC_JPEG_KEEP_EXIF);
}
