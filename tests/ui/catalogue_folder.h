#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary working folder with the catalogue file in it, written and read
// as raw bytes so that tests see exactly what lands on disk.
class CatalogueFolder {
 public:
  CatalogueFolder();

  QString cataloguePath() const;

  // Lines joined with CR LF, encoded as Windows-1252.
  void writeLines(const QStringList& lines) const;
  void writeBytes(const QByteArray& bytes) const;
  QByteArray readBytes() const;
  void removeCatalogue() const;

 private:
  QTemporaryDir folder_;
};

// Windows-1252 bytes of a text (Latin-1 covers every character the tests use).
QByteArray windows1252(const QString& text);
