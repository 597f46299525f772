#include "catalogue_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CatalogueFolder::CatalogueFolder() = default;

QString CatalogueFolder::cataloguePath() const {
  return folder_.filePath(QStringLiteral("Redox-F.txt"));
}

void CatalogueFolder::writeLines(const QStringList& lines) const {
  QByteArray bytes;
  for (const QString& line : lines) bytes += windows1252(line) + "\r\n";
  writeBytes(bytes);
}

void CatalogueFolder::writeBytes(const QByteArray& bytes) const {
  QFile file(cataloguePath());
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray CatalogueFolder::readBytes() const {
  QFile file(cataloguePath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CatalogueFolder::removeCatalogue() const {
  QFileInfo info(cataloguePath());
  if (info.isDir()) {
    QDir(cataloguePath()).removeRecursively();
  } else {
    QFile::remove(cataloguePath());
  }
}

QByteArray windows1252(const QString& text) { return text.toLatin1(); }
