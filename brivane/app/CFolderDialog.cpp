#include "app/CFolderDialog.h"

CFolderDialog::CFolderDialog(QWidget* parent) : QFileDialog(parent)
{
    // Qt's own dialog: the desktop's native pickers cannot be told to return the shown folder.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
    setWindowTitle(QStringLiteral("Choose folder"));
    setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
}

void CFolderDialog::accept()
{
    result_ = directory().absolutePath();
    QDialog::accept();  // not QFileDialog's, which would enter a folder marked in the list
}
