#include "res/ListControls.h"

#include <algorithm>

namespace {

bool SortsBefore(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

}  // namespace

int SortedInsertIndex(const QStringList& entries, const QString& text)
{
    const auto it = std::upper_bound(entries.begin(), entries.end(), text, SortsBefore);
    return static_cast<int>(it - entries.begin());
}

CListBox::CListBox(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int CListBox::AddString(const QString& text)
{
    const int index = sorted_ ? SortedInsertIndex(Strings(), text) : count();
    insertItem(index, text);
    return index;
}

QStringList CListBox::Strings() const
{
    QStringList entries;
    entries.reserve(count());
    for (int i = 0; i < count(); ++i)
        entries.append(item(i)->text());
    return entries;
}

CComboBox::CComboBox(bool sorted, QWidget* parent) : QComboBox(parent), sorted_(sorted) {}

int CComboBox::AddString(const QString& text)
{
    const int index = sorted_ ? SortedInsertIndex(Strings(), text) : count();
    insertItem(index, text);
    return index;
}

QStringList CComboBox::Strings() const
{
    QStringList entries;
    entries.reserve(count());
    for (int i = 0; i < count(); ++i)
        entries.append(itemText(i));
    return entries;
}
