#pragma once
// The one message that names the files left out of the list when several were added at once
// (named on the command line or dropped), so that a long batch does not ask once per file.

#include <QString>
#include <QStringList>

class QWidget;

// The text of the message; at most kMaxNamedSkipped names, then how many more there were.
inline constexpr int kMaxNamedSkipped = 20;
QString SkippedFilesText(const QStringList& skipped);

// Shows SkippedFilesText in a warning box over `owner`.
void ShowSkippedFiles(QWidget* owner, const QStringList& skipped);
