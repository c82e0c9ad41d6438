#include "app/CConverterApp.h"

#include "app/CMainDlg.h"
#include "res/ColorRef.h"

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
    dialog.exec();
    return 0;
}
