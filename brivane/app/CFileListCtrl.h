#pragma once
// The main window's list of source files: a report-style list with a flat header, grid lines,
// full-row single selection and alternating row colours. Rows are added one file at a time, as
// a set chosen in the open-file dialog, as the image files of a folder, or as files and folders
// named on the command line or dropped from a file manager.

#include "app/FileListModel.h"

#include <QPersistentModelIndex>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <QUrl>

class CFileListCtrl : public QTableView {
    Q_OBJECT
public:
    // Row colours come from the application object.
    explicit CFileListCtrl(QWidget* parent = nullptr);
    CFileListCtrl(const FileListModel::RowColors& colors, QWidget* parent);

    // Adds `path` at `row` (beyond the last row appends); returns the row used.
    int AddFile(const QString& path, int row);
    // The k-th path goes to row k: the files land at the top, in the given order.
    void AddFiles(const QStringList& paths);
    // Adds every file of `folder` (sub-folders are not entered) with an image extension, each at
    // `row`, so they end up above the rows from `row` on in the reverse of the folder's listing
    // order. Returns how many were added; a folder that cannot be read adds nothing.
    int AddFolder(const QString& folder, int row = 0);
    // Adds files and folders at the top, in the given order: a folder as AddFolder does, a file
    // with an image extension as itself. Returns the paths left out (missing, or no image file).
    QStringList AddPaths(const QStringList& paths);
    // Removes the row of the selection mark, then selects the row that takes its index.
    void RemoveMarked();
    void RemoveAll();

    int GetItemCount() const { return model_.Count(); }
    QString GetItemText(int row, int column) const { return model_.Text(row, column); }
    const FileEntry* GetEntry(int row) const { return model_.Entry(row); }
    // The row selected last (it follows the row as others are inserted or removed); -1 when
    // none was selected or it was removed.
    int GetSelectionMark() const;
    // Selects and focuses `row` and makes it the selection mark; -1 clears the selection.
    void SelectItem(int row);

signals:
    // A row became selected (by the user or by SelectItem), or the selected row was clicked
    // again (so that a preview that failed can be tried again).
    void ItemSelected(int row);
    // Files or folders were dropped on the list (at least one of `urls` is a local file).
    void UrlsDropped(const QList<QUrl>& urls);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnSelectionChanged(const QItemSelection& selected);

    FileListModel model_;
    QPersistentModelIndex mark_;
};
