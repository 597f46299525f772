#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "control_place.h"
#include "start_window_fixture.h"
#include "ui/start_window.h"
#include "window_lookup.h"

using redox::RedoxT;

class StartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void windowOpensMaximisedWithItsCaption();
  void controls_data();
  void controls();
  void picturesAreDrawn();
  void menusStartWithTheirStates();

  void buttonShowsItsWorkingWindow_data();
  void buttonShowsItsWorkingWindow();
  void workingWindowIsCreatedOnceAndKeepsItsState();
  void hauptfensterBringsTheStartWindowBack();
  void closingAWorkingWindowByItsFrameHidesIt();
  void closingTheStartWindowEndsTheProgram();
  void endeQuitsTheEventLoop_data();
  void endeQuitsTheEventLoop();

  void startMessagesAreShownOnceAfterTheFirstShowing_data();
  void startMessagesAreShownOnceAfterTheFirstShowing();
  void secondStartWindowStartsFresh();

 private:
  RedoxT& makeWindow();

  std::unique_ptr<StartWindowFixture> fixture_;
  redox::RedoxT* window_ = nullptr;
};

void StartWindowTest::init() {
  fixture_ = std::make_unique<StartWindowFixture>(
      QStringList{QStringLiteral("Eisen#Fe"), QStringLiteral("Chlor#Cl2"),
                  QStringLiteral("Eisen(III)-Ion#Fe3+")});
}

void StartWindowTest::cleanup() {
  window_ = nullptr;
  fixture_.reset();
}

RedoxT& StartWindowTest::makeWindow() {
  window_ = &fixture_->makeStartWindow();
  return *window_;
}

void StartWindowTest::windowOpensMaximisedWithItsCaption() {
  RedoxT& window = makeWindow();
  window.show();
  QCOMPARE(window.objectName(), QStringLiteral("RedoxT"));
  QCOMPARE(window.windowTitle(), QStringLiteral("Redox"));
  QVERIFY(window.isMaximized());
}

void StartWindowTest::controls_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("text");
  QTest::addColumn<qreal>("pointSize");

  QTest::newRow("lblTW") << "lblTW" << pxRect(4080, 3000, 4095, 375)
                         << "Bitte wählen Sie ein Programm aus !" << 12.0;
  QTest::newRow("cmdRZUe") << "cmdRZUe" << pxRect(4440, 4200, 2895, 615) << " Oxidationszahl  "
                           << 13.5;
  QTest::newRow("cmdUebungG") << "cmdUebungG" << pxRect(4440, 5520, 2895, 615) << " Redox-Gleichung"
                              << 13.5;
  QTest::newRow("cmdRZ") << "cmdRZ" << pxRect(4680, 6840, 2175, 495) << "Oxidationszahl 2" << 8.25;
}

void StartWindowTest::controls() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, text);
  QFETCH(qreal, pointSize);

  RedoxT& window = makeWindow();
  window.show();
  auto* control = window.centralWidget()->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QVERIFY2(standsAt(*control, place), qPrintable(name));
  QCOMPARE(control->property("text").toString(), text);
  QCOMPARE(control->font().families().value(0), QStringLiteral("MS Sans Serif"));
  QCOMPARE(control->font().pointSizeF(), pointSize);
  QVERIFY(control->isVisible());
}

void StartWindowTest::picturesAreDrawn() {
  RedoxT& window = makeWindow();
  window.show();
  const std::vector<std::pair<QString, QRect>> pictures = {
      {QStringLiteral("Picture1"), pxRect(480, 4080, 3135, 2295)},
      {QStringLiteral("Picture2"), pxRect(8280, 4200, 3015, 2175)},
      {QStringLiteral("Picture3"), pxRect(2160, 480, 7095, 2055)}};
  for (const auto& [name, place] : pictures) {
    auto* picture = window.centralWidget()->findChild<QLabel*>(name);
    QVERIFY2(picture != nullptr, qPrintable(name));
    QCOMPARE(picture->geometry(), place);
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), place.size());
    const QImage image = picture->grab().toImage();
    QVERIFY2(image.pixelColor(image.rect().center()) != window.palette().color(QPalette::Window) ||
                 image.pixelColor(image.width() / 3, image.height() / 2) !=
                     window.palette().color(QPalette::Window),
             qPrintable(name));
  }
}

void StartWindowTest::menusStartWithTheirStates() {
  RedoxT& window = makeWindow();
  const QList<QAction*> bar = window.menuBar()->actions();
  QCOMPARE(bar.size(), 2);
  QCOMPARE(bar[0]->text(), QStringLiteral("Datei"));
  QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("menDateiT"));
  QCOMPARE(bar[1]->text(), QStringLiteral("Ende"));
  QCOMPARE(bar[1]->objectName(), QStringLiteral("menEndeT"));
  QVERIFY(bar[1]->menu() == nullptr);

  const QList<QAction*> datei = bar[0]->menu()->actions();
  QCOMPARE(datei.size(), 3);
  const QStringList names = {"menEl", "menEe", "menEs"};
  const QStringList texts = {"Edukte laden", "Edukt einfügen", "Edukte speichern"};
  const QList<bool> enabled = {true, false, false};
  for (int item = 0; item < 3; ++item) {
    QCOMPARE(datei[item]->objectName(), names[item]);
    QCOMPARE(datei[item]->text(), texts[item]);
    QCOMPARE(datei[item]->isEnabled(), enabled[item]);
  }
}

void StartWindowTest::buttonShowsItsWorkingWindow_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");

  QTest::newRow("cmdRZUe") << "cmdRZUe"
                           << "Uebung"
                           << "Übung";
  QTest::newRow("cmdUebungG") << "cmdUebungG"
                              << "frmGleichung"
                              << "Redox - Teilgleichung";
  QTest::newRow("cmdRZ") << "cmdRZ"
                         << "Redox"
                         << "Redoxzahl";
}

void StartWindowTest::buttonShowsItsWorkingWindow() {
  QFETCH(QString, button);
  QFETCH(QString, name);
  QFETCH(QString, caption);

  RedoxT& window = makeWindow();
  window.show();
  QVERIFY(topLevelWindow(name) == nullptr);
  QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
  QWidget* working = topLevelWindow(name);
  QVERIFY(working != nullptr);
  QCOMPARE(working->windowTitle(), caption);
  QVERIFY(working->isVisible());
  QVERIFY(working->isMaximized());
  QVERIFY(working->parentWidget() == nullptr);
  QVERIFY2(window.isVisible(), "the start window stays beneath");
}

void StartWindowTest::workingWindowIsCreatedOnceAndKeepsItsState() {
  RedoxT& window = makeWindow();
  window.show();
  auto* cmdRZ = window.findChild<QPushButton*>(QStringLiteral("cmdRZ"));
  cmdRZ->click();
  QWidget* redox = topLevelWindow(QStringLiteral("Redox"));
  auto* formelEin = redox->findChild<QLineEdit*>(QStringLiteral("FormelEin"));
  formelEin->setText(QStringLiteral("Fe2O3"));
  QTest::keyClick(formelEin, Qt::Key_Return);
  redox->findChild<QAction*>(QStringLiteral("menHF"))->trigger();
  QVERIFY(!redox->isVisible());

  cmdRZ->click();
  QCOMPARE(topLevelWindow(QStringLiteral("Redox")), redox);
  QVERIFY(redox->isVisible());
  QCOMPARE(formelEin->text(), QStringLiteral("Fe2O3"));
  QCOMPARE(redox->findChild<QLabel*>(QStringLiteral("lblOxZ(0)"))->text(), QStringLiteral("3"));
  QCOMPARE(redox->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 3);
  QCOMPARE(redox->findChild<QListWidget*>(QStringLiteral("List2"))->count(), 2);
}

void StartWindowTest::hauptfensterBringsTheStartWindowBack() {
  RedoxT& window = makeWindow();
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  QWidget* redox = topLevelWindow(QStringLiteral("Redox"));
  QVERIFY(QTest::qWaitForWindowActive(redox));

  redox->findChild<QAction*>(QStringLiteral("menHF"))->trigger();
  QVERIFY(!redox->isVisible());
  QVERIFY(window.isVisible());
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

void StartWindowTest::closingAWorkingWindowByItsFrameHidesIt() {
  RedoxT& window = makeWindow();
  window.show();
  const std::vector<std::pair<const char*, const char*>> windows = {
      {"cmdRZUe", "Uebung"}, {"cmdUebungG", "frmGleichung"}, {"cmdRZ", "Redox"}};
  for (const auto& [button, name] : windows) {
    window.findChild<QPushButton*>(button)->click();
    QWidget* working = topLevelWindow(name);
    QVERIFY(QTest::qWaitForWindowActive(working));
    QVERIFY(working->close() == false);
    QVERIFY2(!working->isVisible(), name);
    QCOMPARE(topLevelWindow(name), working);
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }
}

void StartWindowTest::closingTheStartWindowEndsTheProgram() {
  RedoxT& window = makeWindow();
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  window.findChild<QPushButton*>(QStringLiteral("cmdRZUe"))->click();
  QVERIFY(window.close());
  QVERIFY(!window.isVisible());
  QVERIFY(!topLevelWindow(QStringLiteral("Redox"))->isVisible());
  QVERIFY(!topLevelWindow(QStringLiteral("Uebung"))->isVisible());
}

void StartWindowTest::endeQuitsTheEventLoop_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("command");

  QTest::newRow("start window") << "RedoxT"
                                << ""
                                << "menEndeT";
  QTest::newRow("Redox") << "Redox"
                         << "cmdRZ"
                         << "menEnde";
}

// Windows closed by themselves would end the loop too, so only the
// program's own end can make this pass.
void StartWindowTest::endeQuitsTheEventLoop() {
  QFETCH(QString, window);
  QFETCH(QString, button);
  QFETCH(QString, command);

  RedoxT& start = makeWindow();
  start.show();
  if (!button.isEmpty()) start.findChild<QPushButton*>(button)->click();
  QApplication::setQuitOnLastWindowClosed(false);
  QTimer::singleShot(0, &start,
                     [&] { topLevelWindow(window)->findChild<QAction*>(command)->trigger(); });
  QTimer::singleShot(5000, &start, [] { QCoreApplication::exit(1); });
  const int exitCode = QCoreApplication::exec();
  QApplication::setQuitOnLastWindowClosed(true);

  QCOMPARE(exitCode, 0);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
  }
}

void StartWindowTest::startMessagesAreShownOnceAfterTheFirstShowing_data() {
  QTest::addColumn<QByteArray>("fileBytes");  // empty: no file at all
  QTest::addColumn<bool>("asFolder");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QStringList>("titles");

  QTest::newRow("file read whole")
      << QByteArray("Eisen#Fe\r\n") << false << QStringList() << QStringList();
  QTest::newRow("missing") << QByteArray() << false << QStringList{"Formel-Liste fehlt !"}
                           << QStringList{
                                  "Die Datei Redox-F.txt wurde nicht gefunden; das "
                                  "Programm beginnt mit einer leeren Formel-Liste."};
  QTest::newRow("unreadable")
      << QByteArray() << true << QStringList{"Formel-Liste nicht lesbar !"}
      << QStringList{
             "Die Datei Redox-F.txt kann nicht gelesen werden; das Programm beginnt mit "
             "einer leeren Formel-Liste und überschreibt die Datei nicht."};
  QTest::newRow("one line without #")
      << QByteArray("Eisen#Fe\r\nKupfer Cu\r\n") << false << QStringList{"Zeile ohne # !"}
      << QStringList{
             "Die Zeile 2 der Datei Redox-F.txt enthält kein #; sie fehlt in den Listen, "
             "bleibt beim Speichern aber erhalten."};
  QTest::newRow("three lines without #, empty lines counted")
      << QByteArray("a\r\nEisen#Fe\r\n\r\nb\nc\r") << false << QStringList{"Zeilen ohne # !"}
      << QStringList{
             "Die Zeilen 1, 4 und 5 der Datei Redox-F.txt enthalten kein #; sie fehlen "
             "in den Listen, bleiben beim Speichern aber erhalten."};
  QTest::newRow("twelve lines without #: ten are named")
      << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n") << false
      << QStringList{"Zeilen ohne # !"}
      << QStringList{
             "Die Zeilen 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 und 2 weitere der Datei Redox-F.txt "
             "enthalten kein #; sie fehlen in den Listen, bleiben beim Speichern aber erhalten."};

  QByteArray tooLong;
  for (int line = 1; line <= 303; ++line) tooLong += "Stoff " + QByteArray::number(line) + "#X\r\n";
  QTest::newRow("two lines past 301")
      << tooLong << false << QStringList{"Formel-Liste zu lang !"}
      << QStringList{
             "Die Datei Redox-F.txt hat mehr als 301 Einträge; 2 Einträge fehlen in den "
             "Listen, bleiben beim Speichern aber erhalten."};
  QTest::newRow("one line past 301 and one without #")
      << QByteArray("ohne\r\n" + tooLong.left(tooLong.lastIndexOf("Stoff 303"))) << false
      << QStringList{"Zeile ohne # !", "Formel-Liste zu lang !"}
      << QStringList{
             "Die Zeile 1 der Datei Redox-F.txt enthält kein #; sie fehlt in den Listen, "
             "bleibt beim Speichern aber erhalten.",
             "Die Datei Redox-F.txt hat mehr als 301 Einträge; 1 Eintrag fehlt in den "
             "Listen, bleibt beim Speichern aber erhalten."};
}

void StartWindowTest::startMessagesAreShownOnceAfterTheFirstShowing() {
  QFETCH(QByteArray, fileBytes);
  QFETCH(bool, asFolder);
  QFETCH(QStringList, texts);
  QFETCH(QStringList, titles);

  fixture_->folder.removeCatalogue();
  if (asFolder) QDir().mkdir(fixture_->folder.cataloguePath());
  if (!fileBytes.isEmpty()) fixture_->folder.writeBytes(fileBytes);

  RedoxT& window = makeWindow();
  QCoreApplication::processEvents();
  QVERIFY2(fixture_->boxes.messages.empty(), "nothing is said before the window shows");

  window.show();
  QTRY_COMPARE(fixture_->boxes.messages.size(), static_cast<std::size_t>(texts.size()));
  for (int message = 0; message < texts.size(); ++message) {
    QCOMPARE(fixture_->boxes.messages[message].text, texts[message]);
    QCOMPARE(fixture_->boxes.messages[message].title, titles[message]);
    QCOMPARE(fixture_->boxes.messages[message].buttons, redox::BoxButtons::Ok);
  }

  window.hide();
  window.show();
  QTest::qWait(20);
  QCOMPARE(fixture_->boxes.messages.size(), static_cast<std::size_t>(texts.size()));
}

void StartWindowTest::secondStartWindowStartsFresh() {
  RedoxT& first = makeWindow();
  first.show();
  first.findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  first.findChild<QAction*>(QStringLiteral("menEl"))->trigger();
  first.endProgram();

  RedoxT second({fixture_->boxes, fixture_->editor}, fixture_->folder.cataloguePath());
  second.show();
  QVERIFY(second.isVisible());
  QVERIFY(second.findChild<QListWidget*>(QStringLiteral("List1"))->isHidden());
  QVERIFY(!second.findChild<QAction*>(QStringLiteral("menEe"))->isEnabled());
  second.findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  QWidget* redox = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QStringLiteral("Redox") && widget->isVisible()) redox = widget;
  }
  QVERIFY(redox != nullptr);
  QVERIFY(redox->findChild<QLineEdit*>(QStringLiteral("FormelEin"))->text().isEmpty());
}

QTEST_MAIN(StartWindowTest)
#include "start_window_test.moc"
