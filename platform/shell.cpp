#include "platform/shell.h"

#include "platform/message_box.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace platform {

namespace {

// The freedesktop.org entry point that picks the user's browser or mail
// program for an address.
const char* const kOpener = "xdg-open";

}  // namespace

bool ShellExecuteA(void* /*owner*/, const char* /*operation*/, const char* file, const char* /*parameters*/,
                   const char* /*directory*/, int /*showCommand*/)
{
    const QString target = QString::fromLocal8Bit(file);
    const QString opener = QStandardPaths::findExecutable(QString::fromLatin1(kOpener));
    if (opener.isEmpty()) {
        ShowErrorMessage(QStringLiteral("%1 could not be opened: the program xdg-open, which opens addresses in "
                                        "the desktop's browser or mail program, was not found.\n"
                                        "Install the package xdg-utils, or open the address by hand.")
                             .arg(target));
        return false;
    }
    // Detached: the browser may run as long as it likes, and outlives this
    // program if it must.
    if (!QProcess::startDetached(opener, {target})) {
        ShowErrorMessage(QStringLiteral("%1 could not be opened: %2 did not start.\n"
                                        "Open the address by hand.")
                             .arg(target, opener));
        return false;
    }
    return true;
}

}  // namespace platform
