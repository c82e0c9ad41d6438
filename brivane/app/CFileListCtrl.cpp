#include "app/CFileListCtrl.h"

#include "app/CConverterApp.h"
#include "app/ImageExtensions.h"
#include "app/WaitCursor.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int kRowIconSize = 32;

bool HasLocalFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// Accepts a drag of local files as a copy: a file manager that proposed a move must never
// delete the sources because the list took them.
void AcceptAsCopy(QDropEvent* event)
{
    if (HasLocalFile(event->mimeData()) && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace

CFileListCtrl::CFileListCtrl(QWidget* parent) : CFileListCtrl(CConverterApp::ListRowColors(), parent) {}

CFileListCtrl::CFileListCtrl(const FileListModel::RowColors& colors, QWidget* parent)
    : QTableView(parent), model_(colors)
{
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setIconSize(QSize(kRowIconSize, kRowIconSize));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(kRowIconSize + 2, fontMetrics().height() + 6));

    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int column = 0; column < FileListModel::kColumnCount; ++column) {
        const int width = FileListModel::ColumnWidth(column);
        setColumnWidth(column, width);
        setColumnHidden(column, width == 0);
    }

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) { OnSelectionChanged(selected); });
}

int CFileListCtrl::AddFile(const QString& path, int row) { return model_.Insert(row, MakeFileEntry(path)); }

void CFileListCtrl::AddFiles(const QStringList& paths)
{
    for (int k = 0; k < paths.size(); ++k)
        AddFile(paths[k], k);
}

int CFileListCtrl::AddFolder(const QString& folder, int row)
{
    const WaitCursor wait;
    QString prefix = folder;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix += QLatin1Char('/');

    // Listing order as the file system gives it; folders, "." and ".." are not listed.
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    int added = 0;
    for (const QString& name : names) {
        if (!HasImageExtension(name))
            continue;
        AddFile(prefix + name, row);
        ++added;
    }
    return added;
}

QStringList CFileListCtrl::AddPaths(const QStringList& paths)
{
    QStringList skipped;
    int row = 0;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            row += AddFolder(info.absoluteFilePath(), row);
        else if (info.isFile() && HasImageExtension(info.fileName()))
            AddFile(info.absoluteFilePath(), row++);
        else
            skipped << path;
    }
    return skipped;
}

int CFileListCtrl::GetSelectionMark() const { return mark_.isValid() ? mark_.row() : -1; }

void CFileListCtrl::SelectItem(int row)
{
    if (row < 0 || row >= model_.Count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model_.index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CFileListCtrl::RemoveMarked()
{
    const int row = GetSelectionMark();
    if (row < 0)
        return;
    // Drop selection and current row first, so that the view does not move them onto a
    // neighbour (and preview it) while the row goes away.
    selectionModel()->clear();
    model_.Remove(row);
    setFocus();
    SelectItem(row);
}

void CFileListCtrl::RemoveAll()
{
    selectionModel()->clear();
    model_.Clear();
}

void CFileListCtrl::mousePressEvent(QMouseEvent* event)
{
    const int before = GetSelectionMark();
    const bool onSelected = before >= 0 && indexAt(event->position().toPoint()).row() == before &&
                            selectionModel()->isRowSelected(before, QModelIndex());
    QTableView::mousePressEvent(event);
    // A click on the row already selected changes no selection, so it is announced here.
    if (onSelected && event->button() == Qt::LeftButton && GetSelectionMark() == before)
        emit ItemSelected(before);
}

void CFileListCtrl::dragEnterEvent(QDragEnterEvent* event) { AcceptAsCopy(event); }

void CFileListCtrl::dragMoveEvent(QDragMoveEvent* event) { AcceptAsCopy(event); }

void CFileListCtrl::dropEvent(QDropEvent* event)
{
    AcceptAsCopy(event);
    if (event->isAccepted())
        emit UrlsDropped(event->mimeData()->urls());
}

void CFileListCtrl::OnSelectionChanged(const QItemSelection& selected)
{
    const QModelIndexList rows = selected.indexes();
    if (rows.isEmpty())
        return;
    const int row = rows.first().row();
    mark_ = QPersistentModelIndex(model_.index(row, 0));
    emit ItemSelected(row);
}
