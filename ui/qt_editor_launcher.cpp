#include "ui/qt_editor_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace redox {

bool QtEditorLauncher::openCatalogue(const QString& path) {
  const QFileInfo file(path);
#ifdef Q_OS_WIN
  return QProcess::startDetached(QStringLiteral("wordpad"), {file.fileName()}, file.absolutePath());
#else
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
#endif
}

}  // namespace redox
