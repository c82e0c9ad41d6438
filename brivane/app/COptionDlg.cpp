#include "app/COptionDlg.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"

#include <QCheckBox>
#include <QLineEdit>

COptionDlg::COptionDlg(QWidget* parent) : QDialog(parent)
{
    controls_.emplace(BuildDialog(*this, res::OptionLayout()));
}

void COptionDlg::DataToControls()
{
    controls_->Get<QLineEdit>(res::IDC_PREFIX)->setText(m_prefix);
    controls_->Get<QLineEdit>(res::IDC_SUFFIX)->setText(m_suffix);
    controls_->Get<QCheckBox>(res::IDC_PROMPT_OVERWRITE)->setChecked(m_overWrite);
    controls_->Get<QCheckBox>(res::IDC_OPEN_FOLDER)->setChecked(m_openFolder);
}

void COptionDlg::ControlsToData()
{
    m_prefix = controls_->Get<QLineEdit>(res::IDC_PREFIX)->text();
    m_suffix = controls_->Get<QLineEdit>(res::IDC_SUFFIX)->text();
    m_overWrite = controls_->Get<QCheckBox>(res::IDC_PROMPT_OVERWRITE)->isChecked();
    m_openFolder = controls_->Get<QCheckBox>(res::IDC_OPEN_FOLDER)->isChecked();
}

void COptionDlg::showEvent(QShowEvent* event)
{
    DataToControls();
    QDialog::showEvent(event);
}

void COptionDlg::accept()
{
    ControlsToData();  // any text is accepted, empty included
    QDialog::accept();
}
