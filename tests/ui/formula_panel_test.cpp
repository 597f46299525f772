#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "control_place.h"
#include "engine/formula_analysis.h"
#include "start_window_fixture.h"
#include "ui/formula_panel.h"
#include "ui/start_window.h"
#include "ui/ui_fonts.h"
#include "window_lookup.h"

namespace {

struct IndexCell {
  QString text;
  int left;  // twips; only looked at when the index is shown
};

}  // namespace

Q_DECLARE_METATYPE(QList<IndexCell>)

// The panel as the pupil sees it in the educt row of the oxidation-number
// window, where its layout rules are spelt out with worked examples.
class FormulaPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void panelIsEmptyBeforeTheFirstFormula();
  void workedDisplay_data();
  void workedDisplay();
  void resultOfZeroAfterANonZeroResultHasNoSign();
  void nonWholeNumberUsesTheLocale_data();
  void nonWholeNumberUsesTheLocale();
  void longSymbolIsDrawnWide();
  void fewerGroupsEmptyTheSlotsLeftOver();
  void emptyTextClearsOnlyTheCharge();
  void formulaWithoutElementEmptiesTheResult();
  void panelWithoutCaptionAndElementLabels();

 private:
  void enter(const QString& formula);
  QLabel* label(const QString& name) const;

  std::unique_ptr<StartWindowFixture> fixture_;
  redox::RedoxT* start_ = nullptr;
  QWidget* redox_ = nullptr;
};

void FormulaPanelTest::initTestCase() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void FormulaPanelTest::init() {
  fixture_ = std::make_unique<StartWindowFixture>(QStringList{QStringLiteral("Eisen#Fe")});
  start_ = &fixture_->makeStartWindow();
  start_->show();
  start_->findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  redox_ = topLevelWindow(QStringLiteral("Redox"));
}

void FormulaPanelTest::cleanup() {
  start_ = nullptr;
  fixture_.reset();
}

void FormulaPanelTest::enter(const QString& formula) {
  auto* formelEin = redox_->findChild<QLineEdit*>(QStringLiteral("FormelEin"));
  formelEin->setText(formula);
  QTest::keyClick(formelEin, Qt::Key_Return);
}

QLabel* FormulaPanelTest::label(const QString& name) const {
  auto* found = redox_->findChild<QLabel*>(name);
  if (found == nullptr) qFatal("no label %s", qPrintable(name));
  return found;
}

void FormulaPanelTest::panelIsEmptyBeforeTheFirstFormula() {
  for (const char* name :
       {"lblE(0)", "lblE(1)", "lblE(2)", "lblIndex(0)", "lblIndex(1)", "lblIndex(2)", "lblL(0)",
        "lblVzL(0)", "lblGesE(0)", "lblVzOxZ(0)", "lblOxZ(0)"}) {
    QVERIFY2(label(QLatin1String(name))->text().isEmpty(), name);
  }
  QVERIFY(label(QStringLiteral("Label2(0)"))->isHidden());
  QCOMPARE(label(QStringLiteral("Label2(0)"))->text(),
           QStringLiteral("Oxidationszahl von                  ="));
}

void FormulaPanelTest::workedDisplay_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QStringList>("symbols");
  QTest::addColumn<QList<int>>("symbolLefts");
  QTest::addColumn<QList<int>>("symbolWidths");
  QTest::addColumn<QList<IndexCell>>("indices");  // empty text: hidden
  QTest::addColumn<QString>("charge");
  QTest::addColumn<QString>("chargeSign");
  QTest::addColumn<QStringList>("result");  // element, sign, number

  QTest::newRow("KMnO4") << "KMnO4" << QStringList{"K", "Mn", "O"} << QList<int>{720, 1030, 1650}
                         << QList<int>{307, 620, 307}
                         << QList<IndexCell>{{"", 0}, {"", 0}, {"4", 1960}} << ""
                         << "" << QStringList{"Mn", "+", "7"};
  QTest::newRow("SO4 2-") << "SO4 2-" << QStringList{"S", "O", ""} << QList<int>{720, 1030, 0}
                          << QList<int>{307, 307, 620}
                          << QList<IndexCell>{{"", 0}, {"4", 1340}, {"", 0}} << "2"
                          << "-" << QStringList{"S", "+", "6"};
  QTest::newRow("Fe3+") << "Fe3+" << QStringList{"Fe", "", ""} << QList<int>{720, 0, 0}
                        << QList<int>{620, 620, 620} << QList<IndexCell>{{"", 0}, {"", 0}, {"", 0}}
                        << "3"
                        << "+" << QStringList{"Fe", "+", "3"};
  QTest::newRow("Cl-") << "Cl-" << QStringList{"Cl", "", ""} << QList<int>{720, 0, 0}
                       << QList<int>{620, 620, 620} << QList<IndexCell>{{"", 0}, {"", 0}, {"", 0}}
                       << "1"
                       << "-" << QStringList{"Cl", "-", "1"};
  QTest::newRow("Cl2") << "Cl2" << QStringList{"Cl", "", ""} << QList<int>{720, 0, 0}
                       << QList<int>{620, 620, 620}
                       << QList<IndexCell>{{"2", 1340}, {"", 0}, {"", 0}} << ""
                       << "" << QStringList{"Cl", "", "0"};
  QTest::newRow("Li+: the digit 1, no element")
      << "Li+" << QStringList{"Li", "", ""} << QList<int>{720, 0, 0} << QList<int>{620, 620, 620}
      << QList<IndexCell>{{"", 0}, {"", 0}, {"", 0}} << "1"
      << "+" << QStringList{"", "", ""};
}

void FormulaPanelTest::workedDisplay() {
  QFETCH(QString, input);
  QFETCH(QStringList, symbols);
  QFETCH(QList<int>, symbolLefts);
  QFETCH(QList<int>, symbolWidths);
  QFETCH(QList<IndexCell>, indices);
  QFETCH(QString, charge);
  QFETCH(QString, chargeSign);
  QFETCH(QStringList, result);

  enter(QStringLiteral("H2SO4"));  // every slot filled first, so nothing passes by staying put
  enter(input);

  for (int slot = 0; slot < 3; ++slot) {
    const QLabel* symbol = label(QStringLiteral("lblE(%1)").arg(slot));
    QCOMPARE(symbol->text(), symbols[slot]);
    QCOMPARE(symbol->geometry(),
             QRect(px(symbolLefts[slot]), px(1080), px(symbolWidths[slot]), px(495)));
    const QLabel* index = label(QStringLiteral("lblIndex(%1)").arg(slot));
    QCOMPARE(index->isHidden(), indices[slot].text.isEmpty());
    if (!index->isHidden()) {
      QCOMPARE(index->text(), indices[slot].text);
      QCOMPARE(index->pos(), QPoint(px(indices[slot].left), px(1440)));
    }
  }
  QCOMPARE(label(QStringLiteral("lblL(0)"))->text(), charge);
  QCOMPARE(label(QStringLiteral("lblVzL(0)"))->text(), chargeSign);
  if (!charge.isEmpty()) {
    QCOMPARE(label(QStringLiteral("lblL(0)"))->pos(), QPoint(px(2000), px(840)));
    QCOMPARE(label(QStringLiteral("lblVzL(0)"))->pos(), QPoint(px(2400), px(840)));
  }
  QCOMPARE(label(QStringLiteral("lblGesE(0)"))->text(), result[0]);
  QCOMPARE(label(QStringLiteral("lblVzOxZ(0)"))->text(), result[1]);
  QCOMPARE(label(QStringLiteral("lblOxZ(0)"))->text(), result[2]);
  QVERIFY(!label(QStringLiteral("Label2(0)"))->isHidden());
}

void FormulaPanelTest::resultOfZeroAfterANonZeroResultHasNoSign() {
  enter(QStringLiteral("KMnO4"));
  enter(QStringLiteral("Fe"));
  QCOMPARE(label(QStringLiteral("lblVzOxZ(0)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblOxZ(0)"))->text(), QStringLiteral("0"));
}

void FormulaPanelTest::nonWholeNumberUsesTheLocale_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("number");

  QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "2,66666666666667";
  QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                           << "2.66666666666667";
}

void FormulaPanelTest::nonWholeNumberUsesTheLocale() {
  QFETCH(QLocale, locale);
  QFETCH(QString, number);

  QLocale::setDefault(locale);
  enter(QStringLiteral("Fe3O4"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QCOMPARE(label(QStringLiteral("lblOxZ(0)"))->text(), number);
  QCOMPARE(label(QStringLiteral("lblVzOxZ(0)"))->text(), QStringLiteral("+"));
}

void FormulaPanelTest::longSymbolIsDrawnWide() {
  enter(QStringLiteral("Uuo3"));
  const QLabel* symbol = label(QStringLiteral("lblE(0)"));
  QCOMPARE(symbol->text(), QStringLiteral("Uuo"));
  QCOMPARE(symbol->width(), px(620));
  QCOMPARE(label(QStringLiteral("lblIndex(0)"))->x(), px(720 + 620));
}

void FormulaPanelTest::fewerGroupsEmptyTheSlotsLeftOver() {
  enter(QStringLiteral("H2SO4"));
  enter(QStringLiteral("NO2"));
  QCOMPARE(label(QStringLiteral("lblE(2)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblIndex(2)"))->text(), QString());
  QVERIFY(label(QStringLiteral("lblIndex(2)"))->isHidden());
  QCOMPARE(label(QStringLiteral("lblIndex(1)"))->text(), QStringLiteral("2"));
}

void FormulaPanelTest::emptyTextClearsOnlyTheCharge() {
  enter(QStringLiteral("SO4 2-"));
  enter(QString());
  QCOMPARE(label(QStringLiteral("lblL(0)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblVzL(0)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblE(0)"))->text(), QStringLiteral("S"));
  QCOMPARE(label(QStringLiteral("lblIndex(1)"))->text(), QStringLiteral("4"));
  QCOMPARE(label(QStringLiteral("lblGesE(0)"))->text(), QStringLiteral("S"));
  QCOMPARE(label(QStringLiteral("lblVzOxZ(0)"))->text(), QStringLiteral("+"));
  QCOMPARE(label(QStringLiteral("lblOxZ(0)"))->text(), QStringLiteral("6"));
}

// No stale result may stand beside a new formula.
void FormulaPanelTest::formulaWithoutElementEmptiesTheResult() {
  enter(QStringLiteral("KMnO4"));
  enter(QStringLiteral("OH-"));
  QCOMPARE(label(QStringLiteral("lblE(0)"))->text(), QStringLiteral("O"));
  QCOMPARE(label(QStringLiteral("lblE(1)"))->text(), QStringLiteral("H"));
  QCOMPARE(label(QStringLiteral("lblL(0)"))->text(), QStringLiteral("1"));
  QCOMPARE(label(QStringLiteral("lblVzL(0)"))->text(), QStringLiteral("-"));
  QCOMPARE(label(QStringLiteral("lblGesE(0)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblVzOxZ(0)"))->text(), QString());
  QCOMPARE(label(QStringLiteral("lblOxZ(0)"))->text(), QString());
}

void FormulaPanelTest::panelWithoutCaptionAndElementLabels() {
  QWidget window;
  redox::FormulaPanelLayout layout;
  for (int slot = 0; slot < 3; ++slot) {
    layout.symbols[slot] = {QStringLiteral("s%1").arg(slot), {0, 0, 615, 495}, {}, {}};
    layout.indices[slot] = {QStringLiteral("i%1").arg(slot), {0, 360, 255, 255}, {}, {}};
  }
  layout.charge = {QStringLiteral("charge"), {3000, 0, 495, 375}, {}, {}};
  layout.chargeSign = {QStringLiteral("sign"), {3600, 0, 375, 375}, {}, {}};
  layout.oxidationSign = {QStringLiteral("oxSign"), {4500, 900, 375, 375}, {}, QColor(255, 0, 0)};
  layout.oxidationNumber = {QStringLiteral("ox"), {4800, 900, 735, 495}, {}, QColor(255, 0, 0)};
  layout.chargeSignLeft = 2500;
  redox::FormulaPanel panel(window, layout);
  QCOMPARE(window.findChildren<QLabel*>().size(), 10);

  panel.showAnalysis(redox::analyseFormula("Cr2O7 2-"));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("s0"))->text(), QStringLiteral("Cr"));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("sign"))->x(), px(2500));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("ox"))->text(), QStringLiteral("6"));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("ox"))->palette().color(QPalette::WindowText),
           QColor(255, 0, 0));
  panel.showAnalysis(redox::analyseFormula("H2"));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("ox"))->text(), QString());
}

QTEST_MAIN(FormulaPanelTest)
#include "formula_panel_test.moc"
