#include "settings/CSettingPage.h"

#include "res/ListControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <ranges>

std::optional<int> ParseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

CSettingPage::CSettingPage(const DialogLayout& layout, QWidget* parent)
    : QWidget(parent), controls_(BuildDialog(*this, layout))
{
    hide();
}

QLineEdit* CSettingPage::FirstNonInteger() const
{
    for (int id : NumberBoxes()) {
        auto* box = controls_.Get<QLineEdit>(id);
        // A disabled box cannot be corrected; reading it back keeps the stored value instead.
        if (box->isEnabledTo(this) && !ParseInteger(box->text()))
            return box;
    }
    return nullptr;
}

void CSettingPage::PutNumber(int id, int value) const { controls_.Get<QLineEdit>(id)->setText(QString::number(value)); }

void CSettingPage::GetNumber(int id, int& value) const
{
    if (const auto parsed = ParseInteger(controls_.Get<QLineEdit>(id)->text()))
        value = *parsed;
}

void CSettingPage::PutCheck(int id, int value) const { controls_.Get<QAbstractButton>(id)->setChecked(value != 0); }

int CSettingPage::GetCheck(int id) const { return controls_.Get<QAbstractButton>(id)->isChecked() ? 1 : 0; }

void CSettingPage::PutChecks(std::span<const int> ids, std::span<const int> values) const
{
    for (std::size_t i = 0; i < ids.size() && i < values.size(); ++i)
        PutCheck(ids[i], values[i]);
}

void CSettingPage::GetChecks(std::span<const int> ids, std::span<int> values) const
{
    for (std::size_t i = 0; i < ids.size() && i < values.size(); ++i)
        values[i] = GetCheck(ids[i]);
}

void CSettingPage::PutText(int id, const QString& text) const { controls_.Get<QLineEdit>(id)->setText(text); }

QString CSettingPage::GetText(int id) const { return controls_.Get<QLineEdit>(id)->text(); }

void CSettingPage::FillList(int id, std::span<const std::string_view> entries) const
{
    auto* list = controls_.Get<CComboBox>(id);
    for (std::string_view entry : entries)
        list->AddString(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
}

void CSettingPage::PutListIndex(int id, int index) const
{
    auto* list = controls_.Get<QComboBox>(id);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int CSettingPage::GetListIndex(int id) const { return controls_.Get<QComboBox>(id)->currentIndex(); }

void CSettingPage::PutRadioIndex(std::span<const int> ids, int index) const
{
    for (int position = 0; position < static_cast<int>(ids.size()); ++position) {
        auto* radio = controls_.Get<QAbstractButton>(ids[static_cast<std::size_t>(position)]);
        // An exclusive radio refuses to be unchecked; lift that for the moment of the change.
        const bool exclusive = radio->autoExclusive();
        radio->setAutoExclusive(false);
        radio->setChecked(position == index);
        radio->setAutoExclusive(exclusive);
    }
}

int CSettingPage::GetRadioIndex(std::span<const int> ids) const
{
    const auto checked = std::ranges::find_if(ids, [this](int id) { return controls_.Get<QAbstractButton>(id)->isChecked(); });
    return checked == ids.end() ? -1 : static_cast<int>(checked - ids.begin());
}

void CSettingPage::EnableControls(std::span<const int> ids, bool enable) const
{
    for (int id : ids)
        controls_.Get(id)->setEnabled(enable);
}
