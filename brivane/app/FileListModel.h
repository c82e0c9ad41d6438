#pragma once
// The rows of the file list. Each row owns its FileEntry; the columns show its texts.

#include "app/FileEntry.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QIcon>

#include <vector>

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct RowColors {
        QColor evenBack;
        QColor oddBack;
        QColor text;
    };

    enum Column { kName = 0, kFormat = 1, kSize = 2, kFolder = 3, kColumnCount = 5 };

    explicit FileListModel(const RowColors& colors, QObject* parent = nullptr);

    // Column width in pixels; 0 for the hidden column.
    static int ColumnWidth(int column);

    // Inserts at `row`; a row beyond the last appends. Returns the row used.
    int Insert(int row, FileEntry entry);
    void Remove(int row);
    void Clear();
    int Count() const { return static_cast<int>(rows_.size()); }
    // nullptr when `row` is out of range.
    const FileEntry* Entry(int row) const;
    // The text column `column` shows in `row`; "" out of range.
    QString Text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RowColors colors_;
    QIcon rowIcon_;
    std::vector<FileEntry> rows_;
};
