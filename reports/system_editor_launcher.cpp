#include "system_editor_launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace varnok::reports {

bool SystemEditorLauncher::start(const QString& filePath) {
#ifdef _WIN32
    return QProcess::startDetached(QStringLiteral("notepad.exe"),
                                   {QDir::toNativeSeparators(filePath)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
#endif
}

} // namespace varnok::reports
