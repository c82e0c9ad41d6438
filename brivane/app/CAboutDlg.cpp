#include "app/CAboutDlg.h"

#include "res/DialogBuilder.h"
#include "res/Icons.h"
#include "res/Layouts.h"
#include "res/ResourceIds.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    BuildDialog(*this, res::AboutLayout());
    setWindowIcon(LoadResIcon(res::IDI_APP));
}
