#pragma once
// Helpers shared by the app tests: files of a given size, the names a file list shows, and
// answering modal boxes.

#include "app/CFileListCtrl.h"
#include "app/FileListModel.h"
#include "tests/ModalTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>

namespace test {

// Creates `dir`/`name` holding `size` bytes (sparse, so gigabytes cost nothing); returns its path.
inline QString MakeFile(const QDir& dir, const QString& name, qint64 size = 0)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        qFatal("cannot create %s", qPrintable(path));
    return path;
}

// The names the list shows, top to bottom.
inline QStringList ListedNames(const CFileListCtrl& list)
{
    QStringList names;
    for (int row = 0; row < list.GetItemCount(); ++row)
        names << list.GetItemText(row, FileListModel::kName);
    return names;
}

// The whole content of a file; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small real picture at `path`, in the format its extension names.
inline QString MakeImage(const QString& path)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 200));
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Clicks `button` of the next message box; stores the box's text and buttons.
inline void AnswerMessageBox(QMessageBox::StandardButton button, QString* text = nullptr,
                             QMessageBox::StandardButtons* offered = nullptr)
{
    OnNextModal([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        if (text != nullptr)
            *text = box->text();
        if (offered != nullptr)
            *offered = box->standardButtons();
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

}  // namespace test
