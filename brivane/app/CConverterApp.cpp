#include "app/CConverterApp.h"

#include "app/CMainDlg.h"
#include "res/ColorRef.h"
#include "viewer/CViewerDlg.h"

const FileListModel::RowColors& CConverterApp::ListRowColors()
{
    static const FileListModel::RowColors colors{ColorFromColorRef(kEvenRowBack), ColorFromColorRef(kOddRowBack),
                                                 ColorFromColorRef(kRowText)};
    return colors;
}

int CConverterApp::Run()
{
    // The window saves the profile when it is destroyed, at the end of this scope.
    CMainDlg dialog;
    // A double click on the preview opens the file in the viewer, modally.
    QObject::connect(&dialog, &CMainDlg::ViewerRequested, &dialog, [&dialog](const QString& path) {
        CViewerDlg viewer(path, &dialog);
        viewer.exec();
    });
    dialog.exec();
    return 0;
}
