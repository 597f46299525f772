#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "control_place.h"
#include "start_window_fixture.h"
#include "ui/start_window.h"
#include "window_lookup.h"

namespace {

QStringList rowsOf(const QListWidget& list) {
  QStringList rows;
  for (int row = 0; row < list.count(); ++row) rows << list.item(row)->text();
  return rows;
}

const QStringList kCatalogue = {"Kaliumpermanganat#KMnO4",
                                "Mangan(II)-Ion#Mn2+",
                                "Braunstein#MnO2",
                                "Sulfat-Ion#SO4 2-",
                                "Schwefel#S",
                                "Eisen#Fe",
                                "Eisen(III)-Ion#Fe3+",
                                "Chlorid-Ion#Cl-",
                                "Chlor#Cl2",
                                "Dichlorheptoxid#Cl2O7",
                                "Sauerstoffdifluorid#F2O",
                                "leer#"};

}  // namespace

class OxidationNumberWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void windowOpensMaximisedWithItsCaption();
  void controls_data();
  void controls();
  void panelLabels_data();
  void panelLabels();
  void menus();
  void compoundListShowsTheCatalogueInFileOrder();
  void emptyCatalogueGivesAnEmptyList();

  void enterAnalysesTheFormula();
  void otherKeysAreTyping();
  void enterTwiceGivesTheSameProducts();
  void enterOnAnEmptyBoxClearsProductsAndCharge();
  void compoundRowPutsItsFormulaIntoTheBox_data();
  void compoundRowPutsItsFormulaIntoTheBox();
  void formulaWithoutElementListsNoProducts();
  void productRowShowsTheProductBelow();
  void newEductKeepsTheChosenProduct();
  void moreGroupsThanTheWindowKeeps();

  void clickRunsTheRowOnce();
  void clickOnTheChosenRowRunsItAgain();
  void doubleClickRunsTheRowOnce();
  void keyboardChoiceRunsTheRowOnce();
  void productClickRunsOnce();

  void formelListeOpensTheCatalogueInTheEditor();
  void formelListeTellsWhenNoEditorStarts();
  void formelListeTellsWhenTheFileIsMissing();

 private:
  void openWindow();
  void enter(const QString& formula);
  void clickRow(QListWidget& list, int row);
  QLabel& label(const char* name) const;
  QListWidget& list(const char* name) const;

  std::unique_ptr<StartWindowFixture> fixture_;
  redox::RedoxT* start_ = nullptr;
  QWidget* redox_ = nullptr;
  QLineEdit* formelEin_ = nullptr;
};

void OxidationNumberWindowTest::init() {
  fixture_ = std::make_unique<StartWindowFixture>(kCatalogue);
}

void OxidationNumberWindowTest::cleanup() {
  start_ = nullptr;
  fixture_.reset();
}

void OxidationNumberWindowTest::openWindow() {
  start_ = &fixture_->makeStartWindow();
  start_->show();
  start_->findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  redox_ = topLevelWindow(QStringLiteral("Redox"));
  QVERIFY(redox_ != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(redox_));
  formelEin_ = redox_->findChild<QLineEdit*>(QStringLiteral("FormelEin"));
}

void OxidationNumberWindowTest::enter(const QString& formula) {
  formelEin_->setText(formula);
  QTest::keyClick(formelEin_, Qt::Key_Return);
}

void OxidationNumberWindowTest::clickRow(QListWidget& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(row)).center());
}

QLabel& OxidationNumberWindowTest::label(const char* name) const {
  return *redox_->findChild<QLabel*>(QLatin1String(name));
}

QListWidget& OxidationNumberWindowTest::list(const char* name) const {
  return *redox_->findChild<QListWidget*>(QLatin1String(name));
}

void OxidationNumberWindowTest::windowOpensMaximisedWithItsCaption() {
  openWindow();
  QCOMPARE(redox_->windowTitle(), QStringLiteral("Redoxzahl"));
  QVERIFY(redox_->isMaximized());
  QCOMPARE(redox_->normalGeometry(), pxRect(165, 735, 11010, 7995));
}

void OxidationNumberWindowTest::controls_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("text");
  QTest::addColumn<qreal>("pointSize");
  QTest::addColumn<bool>("visible");
  QTest::addColumn<QColor>("background");

  QTest::newRow("FormelEin") << "FormelEin" << pxRect(120, 120, 1695, 375) << "" << 8.25 << true
                             << QColor();
  QTest::newRow("Label1")
      << "Label1" << pxRect(2160, 240, 6495, 255)
      << "Bitte eine Formel eingegeben (+ Eingabetaste) oder Verbindung aus der Liste auswählen !"
      << 8.25 << true << QColor();
  QTest::newRow("cmdFormel") << "cmdFormel" << pxRect(7080, 720, 1455, 255)
                             << "Formel und Oxidationszahl anzeigen" << 8.25 << false << QColor();
  QTest::newRow("lblEdukt") << "lblEdukt" << pxRect(9480, 360, 1095, 375) << "  Edukt" << 13.5
                            << true << QColor();
  QTest::newRow("List1") << "List1" << pxRect(9120, 840, 2415, 3765) << "" << 8.25 << true
                         << QColor(255, 224, 192);
  QTest::newRow("lblProdukt") << "lblProdukt" << pxRect(9480, 4920, 1575, 495) << "  Produkt"
                              << 18.0 << true << QColor();
  QTest::newRow("List2") << "List2" << pxRect(9120, 5520, 2415, 2010) << "" << 8.25 << true
                         << QColor(255, 128, 0);
}

void OxidationNumberWindowTest::controls() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, text);
  QFETCH(qreal, pointSize);
  QFETCH(bool, visible);
  QFETCH(QColor, background);

  openWindow();
  auto* control = redox_->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->parentWidget(), static_cast<QMainWindow*>(redox_)->centralWidget());
  QVERIFY2(standsAt(*control, place), qPrintable(name));
  QCOMPARE(control->property("text").toString(), text);
  QCOMPARE(control->font().families().value(0), QStringLiteral("MS Sans Serif"));
  QCOMPARE(control->font().pointSizeF(), pointSize);
  QCOMPARE(control->isVisible(), visible);
  if (background.isValid()) QCOMPARE(control->palette().color(QPalette::Base), background);
}

void OxidationNumberWindowTest::panelLabels_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("family");
  QTest::addColumn<qreal>("pointSize");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<bool>("red");

  const QString mono = QStringLiteral("Courier New");
  const QString sans = QStringLiteral("MS Sans Serif");
  struct Row {
    const char* name;
    QRect place;
    QString family;
    qreal size;
    bool bold;
    bool red;
  };
  const Row rows[] = {
      {"lblE(0)", pxRect(360, 1080, 615, 495), mono, 24, true, false},
      {"lblE(1)", pxRect(1320, 1080, 615, 495), mono, 24, true, false},
      {"lblE(2)", pxRect(2280, 1080, 615, 495), mono, 24, true, false},
      {"lblIndex(0)", pxRect(1080, 1440, 135, 255), mono, 12, true, false},
      {"lblIndex(1)", pxRect(2040, 1440, 255, 255), mono, 12, true, false},
      {"lblIndex(2)", pxRect(3000, 1440, 255, 255), mono, 12, true, false},
      {"lblL(0)", pxRect(3240, 840, 495, 375), sans, 13.5, false, false},
      {"lblVzL(0)", pxRect(3840, 840, 375, 375), sans, 13.5, false, false},
      {"Label2(0)", pxRect(360, 2040, 4095, 375), sans, 13.5, false, false},
      {"lblGesE(0)", pxRect(3120, 1965, 735, 495), sans, 18, true, false},
      {"lblVzOxZ(0)", pxRect(4560, 2040, 375, 375), sans, 13.5, false, true},
      {"lblOxZ(0)", pxRect(5040, 1980, 735, 495), sans, 18, false, true},
      {"lblE(3)", pxRect(360, 3600, 615, 495), mono, 24, true, false},
      {"lblE(4)", pxRect(1200, 3600, 615, 495), mono, 24, true, false},
      {"lblE(5)", pxRect(2160, 3600, 615, 495), mono, 24, true, false},
      {"lblI(3)", pxRect(960, 3960, 255, 255), mono, 12, true, false},
      {"lblI(4)", pxRect(1920, 3960, 255, 255), mono, 12, true, false},
      {"lblI(5)", pxRect(2880, 3960, 135, 255), mono, 12, true, false},
      {"lblL(1)", pxRect(3120, 3360, 495, 375), sans, 13.5, false, false},
      {"lblVzL(1)", pxRect(3960, 3360, 375, 375), sans, 13.5, false, false},
      {"Label2(1)", pxRect(240, 4560, 4095, 375), sans, 13.5, false, false},
      {"lblGesE(1)", pxRect(3000, 4485, 735, 495), sans, 18, true, false},
      {"lblVzOxZ(1)", pxRect(4440, 4560, 375, 375), sans, 13.5, false, true},
      {"lblOxZ(1)", pxRect(4920, 4500, 735, 495), sans, 18, false, true},
  };
  for (const Row& row : rows) {
    QTest::newRow(row.name) << row.name << row.place << row.family << row.size << row.bold
                            << row.red;
  }
}

void OxidationNumberWindowTest::panelLabels() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, family);
  QFETCH(qreal, pointSize);
  QFETCH(bool, bold);
  QFETCH(bool, red);

  openWindow();
  auto* panelLabel = redox_->findChild<QLabel*>(name);
  QVERIFY(panelLabel != nullptr);
  QCOMPARE(panelLabel->geometry(), place);
  QCOMPARE(panelLabel->font().families().value(0), family);
  QCOMPARE(panelLabel->font().pointSizeF(), pointSize);
  QCOMPARE(panelLabel->font().bold(), bold);
  const QColor text = panelLabel->palette().color(QPalette::WindowText);
  QCOMPARE(text == QColor(255, 0, 0), red);
  QCOMPARE(panelLabel->isVisible(), !name.startsWith(QStringLiteral("Label2")));
}

void OxidationNumberWindowTest::menus() {
  openWindow();
  const QList<QAction*> bar = static_cast<QMainWindow*>(redox_)->menuBar()->actions();
  QCOMPARE(bar.size(), 3);
  QCOMPARE(bar[0]->text(), QStringLiteral("Datei"));
  QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("menDatei"));
  QCOMPARE(bar[0]->menu()->actions().size(), 1);
  QCOMPARE(bar[0]->menu()->actions()[0]->objectName(), QStringLiteral("menFormnelL"));
  QCOMPARE(bar[0]->menu()->actions()[0]->text(), QStringLiteral("Formel-Liste"));
  QCOMPARE(bar[1]->objectName(), QStringLiteral("menHF"));
  QCOMPARE(bar[1]->text(), QStringLiteral("Hauptfenster"));
  QCOMPARE(bar[2]->objectName(), QStringLiteral("menEnde"));
  QCOMPARE(bar[2]->text(), QStringLiteral("Ende"));
}

void OxidationNumberWindowTest::compoundListShowsTheCatalogueInFileOrder() {
  openWindow();
  QStringList names;
  for (const QString& line : kCatalogue) names << line.section(QLatin1Char('#'), 0, 0);
  QCOMPARE(rowsOf(list("List1")), names);
  QCOMPARE(list("List2").count(), 0);
}

void OxidationNumberWindowTest::emptyCatalogueGivesAnEmptyList() {
  fixture_->folder.writeBytes(QByteArray());
  openWindow();
  QCOMPARE(list("List1").count(), 0);
}

void OxidationNumberWindowTest::enterAnalysesTheFormula() {
  openWindow();
  enter(QStringLiteral("KMnO4"));
  QCOMPARE(label("lblE(1)").text(), QStringLiteral("Mn"));
  QCOMPARE(label("lblOxZ(0)").text(), QStringLiteral("7"));
  QCOMPARE(rowsOf(list("List2")), (QStringList{"Mangan(II)-Ion#Mn2+", "Braunstein#MnO2"}));
  QCOMPARE(formelEin_->text(), QStringLiteral("KMnO4"));
}

void OxidationNumberWindowTest::otherKeysAreTyping() {
  openWindow();
  formelEin_->setFocus();
  QTest::keyClicks(formelEin_, QStringLiteral("Cl2"));
  QCOMPARE(formelEin_->text(), QStringLiteral("Cl2"));
  QCOMPARE(label("lblE(0)").text(), QString());
  QTest::keyClick(formelEin_, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(label("lblE(0)").text(), QStringLiteral("Cl"));
}

void OxidationNumberWindowTest::enterTwiceGivesTheSameProducts() {
  openWindow();
  enter(QStringLiteral("MnO2"));
  const QStringList first = rowsOf(list("List2"));
  QCOMPARE(first, (QStringList{"Kaliumpermanganat#KMnO4", "Mangan(II)-Ion#Mn2+"}));
  QTest::keyClick(formelEin_, Qt::Key_Return);
  QCOMPARE(rowsOf(list("List2")), first);
}

void OxidationNumberWindowTest::enterOnAnEmptyBoxClearsProductsAndCharge() {
  openWindow();
  enter(QStringLiteral("SO4 2-"));
  clickRow(list("List2"), 0);
  enter(QString());
  QCOMPARE(list("List2").count(), 0);
  QCOMPARE(label("lblL(0)").text(), QString());
  QCOMPARE(label("lblVzL(0)").text(), QString());
  QCOMPARE(label("lblE(0)").text(), QStringLiteral("S"));
  QCOMPARE(label("lblOxZ(0)").text(), QStringLiteral("6"));
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("S"));
}

void OxidationNumberWindowTest::compoundRowPutsItsFormulaIntoTheBox_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("formula");
  QTest::addColumn<QString>("firstSymbol");
  QTest::addColumn<QStringList>("products");

  QTest::newRow("charge kept in the box") << 3 << "SO4 2-"
                                          << "S" << QStringList{"Schwefel#S"};
  QTest::newRow("F2O stays F2O") << 10 << "F2O"
                                 << "O"
                                 << QStringList{"Kaliumpermanganat#KMnO4", "Braunstein#MnO2",
                                                "Sulfat-Ion#SO4 2-", "Dichlorheptoxid#Cl2O7",
                                                "Sauerstoffdifluorid#F2O"};
  QTest::newRow("bare ion lists nothing") << 6 << "Fe3+"
                                          << "Fe" << QStringList{};
}

void OxidationNumberWindowTest::compoundRowPutsItsFormulaIntoTheBox() {
  QFETCH(int, row);
  QFETCH(QString, formula);
  QFETCH(QString, firstSymbol);
  QFETCH(QStringList, products);

  openWindow();
  clickRow(list("List1"), row);
  QCOMPARE(formelEin_->text(), formula);
  QCOMPARE(label("lblE(0)").text(), firstSymbol);
  QCOMPARE(rowsOf(list("List2")), products);
}

void OxidationNumberWindowTest::formulaWithoutElementListsNoProducts() {
  openWindow();
  enter(QStringLiteral("KMnO4"));
  enter(QStringLiteral("H2"));
  QCOMPARE(list("List2").count(), 0);
  QCOMPARE(label("lblE(0)").text(), QStringLiteral("H"));
  QCOMPARE(label("lblOxZ(0)").text(), QString());
}

void OxidationNumberWindowTest::productRowShowsTheProductBelow() {
  openWindow();
  enter(QStringLiteral("KMnO4"));
  const QStringList products = rowsOf(list("List2"));
  clickRow(list("List2"), 0);
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("Mn"));
  QCOMPARE(label("lblL(1)").text(), QStringLiteral("2"));
  QCOMPARE(label("lblL(1)").pos(), QPoint(px(2000), px(3360)));
  QCOMPARE(label("lblVzL(1)").text(), QStringLiteral("+"));
  QCOMPARE(label("lblVzL(1)").pos(), QPoint(px(2600), px(3360)));
  QCOMPARE(label("lblGesE(1)").text(), QStringLiteral("Mn"));
  QCOMPARE(label("lblOxZ(1)").text(), QStringLiteral("2"));
  QVERIFY(label("Label2(1)").isVisible());

  QCOMPARE(formelEin_->text(), QStringLiteral("KMnO4"));
  QCOMPARE(rowsOf(list("List2")), products);
  QCOMPARE(label("lblE(0)").text(), QStringLiteral("K"));
  QCOMPARE(label("lblOxZ(0)").text(), QStringLiteral("7"));
}

void OxidationNumberWindowTest::newEductKeepsTheChosenProduct() {
  openWindow();
  enter(QStringLiteral("Cl2"));
  clickRow(list("List2"), list("List2").count() - 1);
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("Cl"));
  QCOMPARE(label("lblL(1)").text(), QStringLiteral("1"));
  enter(QStringLiteral("Fe2O3"));
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("Cl"));
  QCOMPARE(label("lblL(1)").text(), QStringLiteral("1"));
  QCOMPARE(label("lblVzL(1)").text(), QStringLiteral("-"));
}

void OxidationNumberWindowTest::moreGroupsThanTheWindowKeeps() {
  openWindow();
  enter(QStringLiteral("KMnO4HCNaS"));
  QCOMPARE(label("lblE(0)").text(), QStringLiteral("K"));
  QCOMPARE(label("lblE(2)").text(), QStringLiteral("O"));
  QCOMPARE(label("lblGesE(0)").text(), QStringLiteral("Mn"));
  QCOMPARE(label("lblOxZ(0)").text(), QStringLiteral("7"));
}

void OxidationNumberWindowTest::clickRunsTheRowOnce() {
  openWindow();
  QSignalSpy runs(redox_->findChild<QPushButton*>(QStringLiteral("cmdFormel")),
                  &QPushButton::clicked);
  clickRow(list("List1"), 0);
  QCOMPARE(runs.count(), 1);
  clickRow(list("List1"), 5);
  QCOMPARE(runs.count(), 2);
  QCOMPARE(formelEin_->text(), QStringLiteral("Fe"));
}

void OxidationNumberWindowTest::clickOnTheChosenRowRunsItAgain() {
  openWindow();
  QSignalSpy runs(redox_->findChild<QPushButton*>(QStringLiteral("cmdFormel")),
                  &QPushButton::clicked);
  clickRow(list("List1"), 0);
  formelEin_->setText(QStringLiteral("getippt"));
  clickRow(list("List1"), 0);
  QCOMPARE(runs.count(), 2);
  QCOMPARE(formelEin_->text(), QStringLiteral("KMnO4"));
}

void OxidationNumberWindowTest::doubleClickRunsTheRowOnce() {
  openWindow();
  QSignalSpy runs(redox_->findChild<QPushButton*>(QStringLiteral("cmdFormel")),
                  &QPushButton::clicked);
  QListWidget& compounds = list("List1");
  const QPoint centre = compounds.visualItemRect(compounds.item(2)).center();
  // As the window system delivers it: press, release, double-click, release.
  auto doubleClick = [&] {
    QTest::mouseClick(compounds.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(compounds.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(compounds.viewport(), Qt::LeftButton, {}, centre);
  };
  doubleClick();
  QCOMPARE(runs.count(), 1);
  doubleClick();
  QCOMPARE(runs.count(), 2);
}

void OxidationNumberWindowTest::keyboardChoiceRunsTheRowOnce() {
  openWindow();
  QSignalSpy runs(redox_->findChild<QPushButton*>(QStringLiteral("cmdFormel")),
                  &QPushButton::clicked);
  QListWidget& compounds = list("List1");
  compounds.setFocus();
  QCOMPARE(runs.count(), 0);
  clickRow(compounds, 2);
  QTest::keyClick(&compounds, Qt::Key_Down);
  QCOMPARE(runs.count(), 2);
  QCOMPARE(formelEin_->text(), QStringLiteral("SO4 2-"));
  QTest::keyClick(&compounds, Qt::Key_End);
  QCOMPARE(runs.count(), 3);
  QCOMPARE(formelEin_->text(), QString());
  QCOMPARE(list("List2").count(), 0);
}

// Between press and release the product panel is marked: a second run on
// release would overwrite the mark.
void OxidationNumberWindowTest::productClickRunsOnce() {
  openWindow();
  enter(QStringLiteral("Cl2"));
  QListWidget& products = list("List2");
  const QPoint centre = products.visualItemRect(products.item(0)).center();
  QTest::mousePress(products.viewport(), Qt::LeftButton, {}, centre);
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("Cl"));
  label("lblE(3)").setText(QStringLiteral("mark"));
  QTest::mouseRelease(products.viewport(), Qt::LeftButton, {}, centre);
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("mark"));

  QTest::mouseClick(products.viewport(), Qt::LeftButton, {}, centre);
  QCOMPARE(label("lblE(3)").text(), QStringLiteral("Cl"));
}

void OxidationNumberWindowTest::formelListeOpensTheCatalogueInTheEditor() {
  openWindow();
  redox_->findChild<QAction*>(QStringLiteral("menFormnelL"))->trigger();
  QCOMPARE(fixture_->editor.openedPaths, QStringList{fixture_->folder.cataloguePath()});
  QVERIFY(fixture_->boxes.messages.empty());
}

void OxidationNumberWindowTest::formelListeTellsWhenNoEditorStarts() {
  openWindow();
  fixture_->editor.starts = false;
  redox_->findChild<QAction*>(QStringLiteral("menFormnelL"))->trigger();
  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{1});
  QCOMPARE(fixture_->boxes.messages[0].text, QStringLiteral("Kein Editor !"));
  QCOMPARE(fixture_->boxes.messages[0].title,
           QStringLiteral("Für die Datei Redox-F.txt konnte kein Editor gestartet werden."));
  QCOMPARE(fixture_->boxes.messages[0].icon, redox::BoxIcon::Critical);
}

void OxidationNumberWindowTest::formelListeTellsWhenTheFileIsMissing() {
  openWindow();
  fixture_->folder.removeCatalogue();
  redox_->findChild<QAction*>(QStringLiteral("menFormnelL"))->trigger();
  QVERIFY(fixture_->editor.openedPaths.isEmpty());
  QCOMPARE(fixture_->boxes.messages.size(), std::size_t{1});
  QCOMPARE(fixture_->boxes.messages[0].text, QStringLiteral("Formel-Liste fehlt !"));
  QCOMPARE(fixture_->boxes.messages[0].title,
           QStringLiteral("Die Datei Redox-F.txt gibt es nicht; „Edukte speichern“ im "
                          "Hauptfenster legt sie an."));
}

QTEST_MAIN(OxidationNumberWindowTest)
#include "oxidation_number_window_test.moc"
