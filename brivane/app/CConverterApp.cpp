#include "app/CConverterApp.h"

#include "app/CMainDlg.h"
#include "res/ColorRef.h"
#include "viewer/CViewerDlg.h"

#include <QTimer>

const FileListModel::RowColors& CConverterApp::ListRowColors()
{
    static const FileListModel::RowColors colors{ColorFromColorRef(kEvenRowBack), ColorFromColorRef(kOddRowBack),
                                                 ColorFromColorRef(kRowText)};
    return colors;
}

int CConverterApp::Run(const QStringList& paths)
{
    // The window saves the profile when it is destroyed, at the end of this scope.
    CMainDlg dialog;
    // A double click on the preview opens the file in the viewer, modally.
    QObject::connect(&dialog, &CMainDlg::ViewerRequested, &dialog, [&dialog](const QString& path) {
        CViewerDlg viewer(path, &dialog);
        viewer.exec();
    });
    // Queued, so that a message about files left out shows over the window, not before it.
    if (!paths.isEmpty())
        QTimer::singleShot(0, &dialog, [&dialog, paths] { dialog.AddPaths(paths); });
    dialog.exec();
    return 0;
}
