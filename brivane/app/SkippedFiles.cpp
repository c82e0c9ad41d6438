#include "app/SkippedFiles.h"

#include <QMessageBox>
#include <QWidget>

QString SkippedFilesText(const QStringList& skipped)
{
    QString text = skipped.size() == 1
                       ? QStringLiteral("This file was not added: it does not exist or is not an image file "
                                        "Brivane can convert.\n")
                       : QStringLiteral("These %1 files were not added: they do not exist or are not image "
                                        "files Brivane can convert.\n")
                             .arg(skipped.size());
    for (const QString& name : skipped.mid(0, kMaxNamedSkipped))
        text += QStringLiteral("\n") + name;
    if (skipped.size() > kMaxNamedSkipped)
        text += QStringLiteral("\n... and %1 more").arg(skipped.size() - kMaxNamedSkipped);
    return text;
}

void ShowSkippedFiles(QWidget* owner, const QStringList& skipped)
{
    QMessageBox::warning(owner, owner != nullptr ? owner->windowTitle() : QString(), SkippedFilesText(skipped));
}
