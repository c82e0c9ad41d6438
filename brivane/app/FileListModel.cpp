#include "app/FileListModel.h"

#include "res/Icons.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct ColumnDef {
    std::string_view heading;
    int width;  // pixels
    QString FileEntry::*text;
};

constexpr std::array<ColumnDef, FileListModel::kColumnCount> kColumns{{
    {"List of File to Convert", 177, &FileEntry::name},
    {"Format", 55, &FileEntry::format},
    {"Size(MB)", 80, &FileEntry::size},
    {"Containing Folder", 420, &FileEntry::folder},
    {"", 0, nullptr},
}};

bool IsColumn(int column) { return column >= 0 && column < FileListModel::kColumnCount; }

// The first column reads from the left, the others are right-aligned.
Qt::Alignment AlignmentOf(int column)
{
    return (column == FileListModel::kName ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

}  // namespace

FileListModel::FileListModel(const RowColors& colors, QObject* parent)
    : QAbstractTableModel(parent), colors_(colors), rowIcon_(LoadResIcon(res::IDI_LIST_ROW))
{
}

int FileListModel::ColumnWidth(int column) { return IsColumn(column) ? kColumns[column].width : 0; }

int FileListModel::Insert(int row, FileEntry entry)
{
    row = std::clamp(row, 0, Count());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, std::move(entry));
    endInsertRows();
    return row;
}

void FileListModel::Remove(int row)
{
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void FileListModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

const FileEntry* FileListModel::Entry(int row) const
{
    return row >= 0 && row < Count() ? &rows_[static_cast<std::size_t>(row)] : nullptr;
}

QString FileListModel::Text(int row, int column) const
{
    const FileEntry* entry = Entry(row);
    if (entry == nullptr || !IsColumn(column) || kColumns[column].text == nullptr)
        return {};
    return entry->*kColumns[column].text;
}

int FileListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || Entry(index.row()) == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole: return Text(index.row(), index.column());
    case Qt::DecorationRole: return index.column() == kName ? QVariant(rowIcon_) : QVariant();
    case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(index.column()));
    case Qt::BackgroundRole: return index.row() % 2 == 0 ? colors_.evenBack : colors_.oddBack;
    case Qt::ForegroundRole: return colors_.text;
    default: return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !IsColumn(section))
        return {};
    if (role == Qt::DisplayRole) {
        const std::string_view heading = kColumns[section].heading;
        return QString::fromLatin1(heading.data(), static_cast<qsizetype>(heading.size()));
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(section));
    return {};
}
