#include "ui/catalogue_messages.h"

#include <QStringList>

#include "catalogue/formula_catalogue.h"

namespace redox {
namespace {

MessageBoxRequest problem(const QString& text, const QString& title) {
  return {text, title, BoxIcon::Critical, BoxButtons::Ok};
}

// Line numbers named in one title, so that a file of garbage still gives a
// box that fits on the screen.
constexpr std::size_t kNamedLineNumbers = 10;

// "3", "3 und 7", "3, 7 und 9", "1, 2, ..., 10 und 5 weitere"
QString enumeration(const std::vector<int>& numbers) {
  QStringList texts;
  for (std::size_t i = 0; i < numbers.size() && i < kNamedLineNumbers; ++i) {
    texts << QString::number(numbers[i]);
  }
  if (numbers.size() > kNamedLineNumbers) {
    return texts.join(QStringLiteral(", ")) +
           QStringLiteral(" und %1 weitere").arg(numbers.size() - kNamedLineNumbers);
  }
  const QString last = texts.takeLast();
  return texts.isEmpty() ? last : texts.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
}

QString writeFailureReason(std::error_code error) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return QStringLiteral("keine Schreibberechtigung");
  }
  if (error == std::errc::read_only_file_system) {
    return QStringLiteral("der Datenträger ist schreibgeschützt");
  }
  if (error == std::errc::no_space_on_device) return QStringLiteral("der Datenträger ist voll");
  if (error == std::errc::is_a_directory) {
    return QStringLiteral("an ihrer Stelle steht ein Ordner");
  }
  return QStringLiteral("Systemfehler %1").arg(error.value());
}

MessageBoxRequest linesWithoutHashMessage(const std::vector<int>& lineNumbers,
                                          const QString& fileName) {
  if (lineNumbers.size() == 1) {
    return problem(QStringLiteral("Zeile ohne # !"),
                   QStringLiteral("Die Zeile %1 der Datei %2 enthält kein #; sie fehlt in den "
                                  "Listen, bleibt beim Speichern aber erhalten.")
                       .arg(enumeration(lineNumbers), fileName));
  }
  return problem(QStringLiteral("Zeilen ohne # !"),
                 QStringLiteral("Die Zeilen %1 der Datei %2 enthalten kein #; sie fehlen in den "
                                "Listen, bleiben beim Speichern aber erhalten.")
                     .arg(enumeration(lineNumbers), fileName));
}

MessageBoxRequest linesPastCapacityMessage(int count, const QString& fileName) {
  const QString leftOut =
      count == 1 ? QStringLiteral("1 Eintrag fehlt in den Listen, bleibt")
                 : QStringLiteral("%1 Einträge fehlen in den Listen, bleiben").arg(count);
  return problem(QStringLiteral("Formel-Liste zu lang !"),
                 QStringLiteral("Die Datei %1 hat mehr als %2 Einträge; %3 beim Speichern aber "
                                "erhalten.")
                     .arg(fileName, QString::number(FormulaCatalogue::capacity), leftOut));
}

// The character in quotes with its code point, so that invisible ones can
// be found too.
QString characterText(const QString& character) {
  const QList<uint> codePoints = character.toUcs4();
  const uint codePoint = codePoints.isEmpty() ? 0 : codePoints.first();
  return QStringLiteral("„%1“ (U+%2)")
      .arg(character, QStringLiteral("%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper());
}

}  // namespace

std::vector<MessageBoxRequest> catalogueLoadMessages(const CatalogueLoad& load,
                                                     const QString& fileName) {
  switch (load.state) {
    case CatalogueFileState::Missing:
      return {problem(QStringLiteral("Formel-Liste fehlt !"),
                      QStringLiteral("Die Datei %1 wurde nicht gefunden; das Programm beginnt mit "
                                     "einer leeren Formel-Liste.")
                          .arg(fileName))};
    case CatalogueFileState::Unreadable:
      return {problem(QStringLiteral("Formel-Liste nicht lesbar !"),
                      QStringLiteral("Die Datei %1 kann nicht gelesen werden; das Programm beginnt "
                                     "mit einer leeren Formel-Liste und überschreibt die Datei "
                                     "nicht.")
                          .arg(fileName))};
    case CatalogueFileState::Read:
      break;
  }
  std::vector<MessageBoxRequest> messages;
  if (!load.linesWithoutHash.empty()) {
    messages.push_back(linesWithoutHashMessage(load.linesWithoutHash, fileName));
  }
  if (load.linesPastCapacity > 0) {
    messages.push_back(linesPastCapacityMessage(load.linesPastCapacity, fileName));
  }
  return messages;
}

MessageBoxRequest unreadableCatalogueKeptMessage(const QString& fileName) {
  return problem(QStringLiteral("Nicht gespeichert !"),
                 QStringLiteral("Die Datei %1 konnte beim Start nicht gelesen werden und wird "
                                "deshalb nicht überschrieben.")
                     .arg(fileName));
}

MessageBoxRequest catalogueNotWrittenMessage(const QString& fileName, std::error_code error) {
  return problem(QStringLiteral("Nicht gespeichert !"),
                 QStringLiteral("Die Datei %1 konnte nicht geschrieben werden (%2) und bleibt, wie "
                                "sie war.")
                     .arg(fileName, writeFailureReason(error)));
}

MessageBoxRequest rowNotEncodableMessage(const QString& fileName, int rowNumber,
                                         const QString& character) {
  return problem(QStringLiteral("Nicht gespeichert !"),
                 QStringLiteral("Zeile %1 der Liste enthält das Zeichen %2, das die Datei %3 nicht "
                                "aufnehmen kann; die Datei bleibt, wie sie war.")
                     .arg(QString::number(rowNumber), characterText(character), fileName));
}

MessageBoxRequest entryNotEncodableMessage(const QString& fileName, const QString& character) {
  return problem(QStringLiteral("Nicht eingefügt !"),
                 QStringLiteral("Das Zeichen %1 kann in der Datei %2 nicht gespeichert werden; "
                                "der Eintrag wurde nicht eingefügt.")
                     .arg(characterText(character), fileName));
}

MessageBoxRequest catalogueMissingForEditorMessage(const QString& fileName) {
  return problem(QStringLiteral("Formel-Liste fehlt !"),
                 QStringLiteral("Die Datei %1 gibt es nicht; „Edukte speichern“ im Hauptfenster "
                                "legt sie an.")
                     .arg(fileName));
}

MessageBoxRequest editorNotStartedMessage(const QString& fileName) {
  return problem(
      QStringLiteral("Kein Editor !"),
      QStringLiteral("Für die Datei %1 konnte kein Editor gestartet werden.").arg(fileName));
}

}  // namespace redox
