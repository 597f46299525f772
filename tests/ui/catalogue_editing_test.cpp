#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "start_window_fixture.h"
#include "ui/start_window.h"
#include "window_lookup.h"

using redox::RedoxT;

namespace {

QStringList rowsOf(const QListWidget& list) {
  QStringList rows;
  for (int row = 0; row < list.count(); ++row) rows << list.item(row)->text();
  return rows;
}

QByteArray fileOf(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += windows1252(line) + "\r\n";
  return bytes;
}

}  // namespace

class CatalogueEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void editListIsFilledSortedButHidden();
  void menuStatesFollowTheEditList();
  void insertionAsksNameThenFormula();
  void insertionPlacesTheRowInOrder_data();
  void insertionPlacesTheRowInOrder();
  void emptyAnswerAddsNothing_data();
  void emptyAnswerAddsNothing();
  void entryWindows1252CannotHoldIsRefused();
  void saveWritesEveryRowSortedWithCrLf();
  void saveCreatesAMissingFile();
  void unreadableFileIsNeverOverwritten();
  void failedSaveKeepsTheListOpen();
  void endeLosesUnsavedEntriesAndLeavesTheFile();
  void newEntryReachesWorkingWindowsOnlyAfterRestart();
  void shippedCatalogueKeepsItsOrderInTheEditList();

 private:
  RedoxT& makeWindow();
  QListWidget& editList() const;
  void trigger(const char* command) const;

  std::unique_ptr<StartWindowFixture> fixture_;
  redox::RedoxT* window_ = nullptr;
};

void CatalogueEditingTest::init() {
  fixture_ = std::make_unique<StartWindowFixture>(QStringList{
      QStringLiteral("Zink#Zn"), QStringLiteral("ammoniak#NH3"), QStringLiteral("Öl ohne Formel"),
      QStringLiteral("Eisen#Fe"), QStringLiteral("Ozon#O3")});
}

void CatalogueEditingTest::cleanup() {
  window_ = nullptr;
  fixture_.reset();
}

RedoxT& CatalogueEditingTest::makeWindow() {
  window_ = &fixture_->makeStartWindow();
  window_->show();
  QCoreApplication::processEvents();
  return *window_;
}

QListWidget& CatalogueEditingTest::editList() const {
  return *window_->findChild<QListWidget*>(QStringLiteral("List1"));
}

void CatalogueEditingTest::trigger(const char* command) const {
  window_->findChild<QAction*>(QLatin1String(command))->trigger();
}

// German readers find umlauts beside their plain letters and ignore case.
void CatalogueEditingTest::editListIsFilledSortedButHidden() {
  makeWindow();
  QCOMPARE(rowsOf(editList()),
           (QStringList{"ammoniak#NH3", "Eisen#Fe", "Öl ohne Formel", "Ozon#O3", "Zink#Zn"}));
  QVERIFY(editList().isHidden());
  QCOMPARE(editList().geometry(), QRect(608, 216, 145, 303));
  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{1});  // the line without "#"
}

void CatalogueEditingTest::menuStatesFollowTheEditList() {
  makeWindow();
  auto enabled = [this](const char* name) {
    return window_->findChild<QAction*>(QLatin1String(name))->isEnabled();
  };
  struct Step {
    const char* command;
    bool listShown;
  };
  const Step steps[] = {{"menEl", true},  {"menEl", true}, {"menEe", true},
                        {"menEs", false}, {"menEl", true}, {"menEs", false}};
  for (const Step& step : steps) {
    trigger(step.command);
    QVERIFY2(editList().isVisible() == step.listShown, step.command);
    QVERIFY(enabled("menEl"));
    QCOMPARE(enabled("menEe"), step.listShown);
    QCOMPARE(enabled("menEs"), step.listShown);
  }
}

void CatalogueEditingTest::insertionAsksNameThenFormula() {
  makeWindow();
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Kupfer"), QStringLiteral("Cu")};
  trigger("menEe");
  QCOMPARE(fixture_->boxes.inputs.size(), std::size_t{2});
  QCOMPARE(fixture_->boxes.inputs[0].prompt, QStringLiteral("Chemikalien-Erweiterung"));
  QCOMPARE(fixture_->boxes.inputs[0].title, QStringLiteral("Namen eingegeben"));
  QCOMPARE(fixture_->boxes.inputs[1].prompt, QStringLiteral("Chemikalien-Erweiterung"));
  QCOMPARE(fixture_->boxes.inputs[1].title, QStringLiteral("Formel eingegeben"));
  QVERIFY(!fixture_->boxes.inputs[0].framePosition && !fixture_->boxes.inputs[1].framePosition);
  QVERIFY(rowsOf(editList()).contains(QStringLiteral("Kupfer#Cu")));
}

void CatalogueEditingTest::insertionPlacesTheRowInOrder_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("formula");
  QTest::addColumn<int>("row");

  QTest::newRow("first") << "Aluminium"
                         << "Al" << 0;
  QTest::newRow("case ignored") << "ZINN"
                                << "Sn" << 5;
  QTest::newRow("signs before letters") << "Eisen(III)-Ion"
                                        << "Fe3+" << 1;
  QTest::newRow("umlaut beside its letter") << "Ölsäure"
                                            << "C18H34O2" << 3;
  QTest::newRow("o before umlaut o") << "Oktan"
                                     << "C8H18" << 2;
  QTest::newRow("after an equal row") << "AMMONIAK"
                                      << "NH3" << 1;
  QTest::newRow("twice the same") << "Zink"
                                  << "Zn" << 5;
  QTest::newRow("blanks kept") << " Zinn "
                               << " Sn" << 0;
  QTest::newRow("# inside the name") << "Z#1"
                                     << "Zn" << 4;
}

void CatalogueEditingTest::insertionPlacesTheRowInOrder() {
  QFETCH(QString, name);
  QFETCH(QString, formula);
  QFETCH(int, row);

  makeWindow();
  trigger("menEl");
  fixture_->boxes.typedTexts = {name, formula};
  trigger("menEe");
  QCOMPARE(editList().count(), 6);
  QCOMPARE(editList().item(row)->text(), name + QLatin1Char('#') + formula);
}

void CatalogueEditingTest::emptyAnswerAddsNothing_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("formula");

  QTest::newRow("name cancelled") << ""
                                  << "Cu";
  QTest::newRow("formula cancelled") << "Kupfer"
                                     << "";
  QTest::newRow("both cancelled") << ""
                                  << "";
}

void CatalogueEditingTest::emptyAnswerAddsNothing() {
  QFETCH(QString, name);
  QFETCH(QString, formula);

  makeWindow();
  trigger("menEl");
  const QStringList before = rowsOf(editList());
  const std::size_t messagesBefore = fixture_->boxes.messages.size();
  fixture_->boxes.typedTexts = {name, formula};
  trigger("menEe");
  QCOMPARE(fixture_->boxes.inputs.size(), std::size_t{2});
  QCOMPARE(rowsOf(editList()), before);
  QCOMPARE(fixture_->boxes.messages.size(), messagesBefore);
}

void CatalogueEditingTest::entryWindows1252CannotHoldIsRefused() {
  makeWindow();
  trigger("menEl");
  const QStringList before = rowsOf(editList());
  fixture_->boxes.messages.clear();
  fixture_->boxes.typedTexts = {QStringLiteral("α-Eisen"), QStringLiteral("Fe")};
  trigger("menEe");
  QCOMPARE(rowsOf(editList()), before);
  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{1});
  QCOMPARE(fixture_->boxes.messages[0].text, QStringLiteral("Nicht eingefügt !"));
  QCOMPARE(fixture_->boxes.messages[0].title,
           QStringLiteral("Das Zeichen „α“ (U+03B1) kann in der Datei Redox-F.txt nicht "
                          "gespeichert werden; der Eintrag wurde nicht eingefügt."));

  fixture_->boxes.typedTexts = {QStringLiteral("Euro-Münze"), QStringLiteral("Cu€")};
  trigger("menEe");
  QVERIFY(rowsOf(editList()).contains(QStringLiteral("Euro-Münze#Cu€")));
}

// The line without "#" came from the file; saving must not lose it.
void CatalogueEditingTest::saveWritesEveryRowSortedWithCrLf() {
  makeWindow();
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Blei"), QStringLiteral("Pb")};
  trigger("menEe");
  trigger("menEs");
  QVERIFY(editList().isHidden());
  QCOMPARE(fixture_->folder.readBytes(),
           fileOf({"ammoniak#NH3", "Blei#Pb", "Eisen#Fe", "Öl ohne Formel", "Ozon#O3", "Zink#Zn"}));

  trigger("menEl");
  QCOMPARE(editList().count(), 6);
  QByteArray euro = fileOf(
      {"ammoniak#NH3", "Blei#Pb", "Eisen#Fe", "Euro#€", "Öl ohne Formel", "Ozon#O3", "Zink#Zn"});
  euro.replace("Euro#?", "Euro#\x80");
  fixture_->boxes.typedTexts = {QStringLiteral("Euro"), QStringLiteral("€")};
  trigger("menEe");
  trigger("menEs");
  QCOMPARE(fixture_->folder.readBytes(), euro);
}

void CatalogueEditingTest::saveCreatesAMissingFile() {
  fixture_->folder.removeCatalogue();
  makeWindow();
  QCOMPARE(editList().count(), 0);
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Eisen"), QStringLiteral("Fe")};
  trigger("menEe");
  trigger("menEs");
  QCOMPARE(fixture_->folder.readBytes(), QByteArray("Eisen#Fe\r\n"));
  QVERIFY(editList().isHidden());
}

void CatalogueEditingTest::unreadableFileIsNeverOverwritten() {
  fixture_->folder.removeCatalogue();
  QVERIFY(QDir().mkdir(fixture_->folder.cataloguePath()));
  makeWindow();
  QTRY_COMPARE(fixture_->boxes.messages.size(), std::size_t{1});
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Eisen"), QStringLiteral("Fe")};
  trigger("menEe");
  trigger("menEs");

  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{2});
  QCOMPARE(fixture_->boxes.messages[1].text, QStringLiteral("Nicht gespeichert !"));
  QCOMPARE(fixture_->boxes.messages[1].title,
           QStringLiteral("Die Datei Redox-F.txt konnte beim Start nicht gelesen werden und wird "
                          "deshalb nicht überschrieben."));
  QCOMPARE(fixture_->boxes.messages[1].icon, redox::BoxIcon::Critical);
  QVERIFY(editList().isVisible());
  QVERIFY(window_->findChild<QAction*>(QStringLiteral("menEs"))->isEnabled());
  QVERIFY(QFileInfo(fixture_->folder.cataloguePath()).isDir());
}

// A folder that has taken the file's place cannot be replaced by a file.
void CatalogueEditingTest::failedSaveKeepsTheListOpen() {
  makeWindow();
  fixture_->boxes.messages.clear();
  fixture_->folder.removeCatalogue();
  QVERIFY(QDir().mkpath(fixture_->folder.cataloguePath() + QStringLiteral("/inhalt")));
  trigger("menEl");
  trigger("menEs");

  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{1});
  QCOMPARE(fixture_->boxes.messages[0].text, QStringLiteral("Nicht gespeichert !"));
  QCOMPARE(fixture_->boxes.messages[0].title,
           QStringLiteral("Die Datei Redox-F.txt konnte nicht geschrieben werden (an ihrer Stelle "
                          "steht ein Ordner) und bleibt, wie sie war."));
  QVERIFY(editList().isVisible());
  QVERIFY(window_->findChild<QAction*>(QStringLiteral("menEe"))->isEnabled());
  QVERIFY(window_->findChild<QAction*>(QStringLiteral("menEs"))->isEnabled());
  QVERIFY(QFileInfo(fixture_->folder.cataloguePath() + QStringLiteral("/inhalt")).isDir());
  const QStringList leftOvers = QDir(QFileInfo(fixture_->folder.cataloguePath()).path())
                                    .entryList(QDir::Files | QDir::NoDotAndDotDot);
  QVERIFY2(leftOvers.isEmpty(), qPrintable(leftOvers.join(QLatin1Char(' '))));
}

void CatalogueEditingTest::endeLosesUnsavedEntriesAndLeavesTheFile() {
  const QByteArray before = fixture_->folder.readBytes();
  makeWindow();
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Blei"), QStringLiteral("Pb")};
  trigger("menEe");
  trigger("menEndeT");
  QVERIFY(!window_->isVisible());
  QCOMPARE(fixture_->folder.readBytes(), before);
}

void CatalogueEditingTest::newEntryReachesWorkingWindowsOnlyAfterRestart() {
  makeWindow();
  trigger("menEl");
  fixture_->boxes.typedTexts = {QStringLiteral("Blei"), QStringLiteral("Pb")};
  trigger("menEe");
  trigger("menEs");
  window_->findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  auto* compounds = topLevelWindow(QStringLiteral("Redox"))->findChild<QListWidget*>("List1");
  QCOMPARE(rowsOf(*compounds), (QStringList{"Zink", "ammoniak", "Eisen", "Ozon"}));

  makeWindow();
  window_->findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  compounds = topLevelWindow(QStringLiteral("Redox"))->findChild<QListWidget*>("List1");
  QCOMPARE(rowsOf(*compounds), (QStringList{"ammoniak", "Blei", "Eisen", "Ozon", "Zink"}));
}

// The shipped file is written in the order the program saves in.
void CatalogueEditingTest::shippedCatalogueKeepsItsOrderInTheEditList() {
  QFile shipped(QStringLiteral(REDOX_SHIPPED_CATALOGUE));
  QVERIFY(shipped.open(QIODevice::ReadOnly));
  QStringList lines;
  for (const QByteArray& line : shipped.readAll().split('\n')) {
    if (!line.trimmed().isEmpty()) lines << QString::fromLatin1(line).remove(QLatin1Char('\r'));
  }
  QVERIFY(lines.size() >= 100);

  RedoxT window({fixture_->boxes, fixture_->editor}, shipped.fileName());
  QCOMPARE(rowsOf(*window.findChild<QListWidget*>(QStringLiteral("List1"))), lines);
}

QTEST_MAIN(CatalogueEditingTest)
#include "catalogue_editing_test.moc"
