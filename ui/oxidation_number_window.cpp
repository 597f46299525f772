#include "ui/oxidation_number_window.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>

#include "engine/formula_analysis.h"
#include "engine/product_candidates.h"
#include "ui/catalogue_messages.h"
#include "ui/control_setup.h"
#include "ui/row_choice.h"
#include "ui/ui_fonts.h"

namespace redox {
namespace {

// Groups kept when reading a formula; only the first three count.
constexpr std::size_t kKeptGroups = 5;

const QColor kResultRed(255, 0, 0);
const QColor kEductListColour(255, 224, 192);
const QColor kProductListColour(255, 128, 0);

QFont windowFont() { return sansSerifFont(13.5); }
QFont smallFont() { return sansSerifFont(8.25); }
QFont symbolFont() { return monospaceFont(24, true); }
QFont indexFont() { return monospaceFont(12, true); }

QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

struct PanelPlaces {
  int firstSymbol;  // number of the first symbol label, lblE(firstSymbol)
  const char* indexName;
  int firstIndex;
  int panel;  // number of the charge and result labels
  std::array<int, 3> symbolLefts;
  int symbolTop;
  std::array<int, 3> indexLefts;
  std::array<int, 3> indexWidths;
  int indexTop;
  TwipsRect charge, chargeSign, caption, element, oxidationSign, oxidationNumber;
  int chargeSignLeft;
};

FormulaPanelLayout panelLayout(const PanelPlaces& places) {
  FormulaPanelLayout layout;
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const int number = static_cast<int>(slot);
    layout.symbols[slot] = {indexed("lblE", places.firstSymbol + number),
                            {places.symbolLefts[slot], places.symbolTop, 615, 495},
                            symbolFont(),
                            {}};
    layout.indices[slot] = {
        indexed(places.indexName, places.firstIndex + number),
        {places.indexLefts[slot], places.indexTop, places.indexWidths[slot], 255},
        indexFont(),
        {}};
  }
  layout.charge = {indexed("lblL", places.panel), places.charge, windowFont(), {}};
  layout.chargeSign = {indexed("lblVzL", places.panel), places.chargeSign, windowFont(), {}};
  layout.caption =
      PanelLabelLayout{indexed("Label2", places.panel), places.caption, windowFont(), {}};
  layout.element = PanelLabelLayout{
      indexed("lblGesE", places.panel), places.element, sansSerifFont(18, true), {}};
  layout.oxidationSign = {indexed("lblVzOxZ", places.panel), places.oxidationSign, windowFont(),
                          kResultRed};
  layout.oxidationNumber = {indexed("lblOxZ", places.panel), places.oxidationNumber,
                            sansSerifFont(18), kResultRed};
  layout.chargeSignLeft = places.chargeSignLeft;
  return layout;
}

FormulaPanelLayout eductPanelLayout() {
  return panelLayout({.firstSymbol = 0,
                      .indexName = "lblIndex",
                      .firstIndex = 0,
                      .panel = 0,
                      .symbolLefts = {360, 1320, 2280},
                      .symbolTop = 1080,
                      .indexLefts = {1080, 2040, 3000},
                      .indexWidths = {135, 255, 255},
                      .indexTop = 1440,
                      .charge = {3240, 840, 495, 375},
                      .chargeSign = {3840, 840, 375, 375},
                      .caption = {360, 2040, 4095, 375},
                      .element = {3120, 1965, 735, 495},
                      .oxidationSign = {4560, 2040, 375, 375},
                      .oxidationNumber = {5040, 1980, 735, 495},
                      .chargeSignLeft = 2400});
}

FormulaPanelLayout productPanelLayout() {
  return panelLayout({.firstSymbol = 3,
                      .indexName = "lblI",
                      .firstIndex = 3,
                      .panel = 1,
                      .symbolLefts = {360, 1200, 2160},
                      .symbolTop = 3600,
                      .indexLefts = {960, 1920, 2880},
                      .indexWidths = {255, 255, 135},
                      .indexTop = 3960,
                      .charge = {3120, 3360, 495, 375},
                      .chargeSign = {3960, 3360, 375, 375},
                      .caption = {240, 4560, 4095, 375},
                      .element = {3000, 4485, 735, 495},
                      .oxidationSign = {4440, 4560, 375, 375},
                      .oxidationNumber = {4920, 4500, 735, 495},
                      .chargeSignLeft = 2600});
}

QWidget* makeClientArea() {
  auto* client = new QWidget;
  client->setFont(windowFont());
  return client;
}

QListWidget* addList(QWidget& client, const QString& name, const TwipsRect& place,
                     const QColor& background) {
  auto* list = new QListWidget(&client);
  placeControl(*list, name, place);
  list->setFont(smallFont());
  setBackgroundColour(*list, background);
  return list;
}

}  // namespace

Redox::Redox(const FormulaCatalogue& catalogue, PlatformSeams seams, const QString& cataloguePath)
    : WorkingWindow(QStringLiteral("Redox"), QStringLiteral("Redoxzahl"), {165, 735, 11010, 7995}),
      catalogue_(catalogue),
      seams_(seams),
      cataloguePath_(cataloguePath),
      client_(makeClientArea()),
      educt_(*client_, eductPanelLayout()),
      product_(*client_, productPanelLayout()) {
  setCentralWidget(client_);
  addControls(*client_);
  addMenus();
  connectEvents();
  fillCompoundList();
}

void Redox::addControls(QWidget& client) {
  formelEin_ = new QLineEdit(&client);
  placeControl(*formelEin_, QStringLiteral("FormelEin"), {120, 120, 1695, 375});
  formelEin_->setFont(smallFont());

  addLabel(client, QStringLiteral("Label1"),
           QStringLiteral("Bitte eine Formel eingegeben (+ Eingabetaste) oder Verbindung aus der "
                          "Liste auswählen !"),
           {2160, 240, 6495, 255}, smallFont());

  cmdFormel_ = new QPushButton(QStringLiteral("Formel und Oxidationszahl anzeigen"), &client);
  placeControl(*cmdFormel_, QStringLiteral("cmdFormel"), {7080, 720, 1455, 255});
  cmdFormel_->setFont(smallFont());
  cmdFormel_->hide();

  addLabel(client, QStringLiteral("lblEdukt"), QStringLiteral("  Edukt"), {9480, 360, 1095, 375},
           windowFont());
  list1_ = addList(client, QStringLiteral("List1"), {9120, 840, 2415, 3765}, kEductListColour);
  addLabel(client, QStringLiteral("lblProdukt"), QStringLiteral("  Produkt"),
           {9480, 4920, 1575, 495}, sansSerifFont(18));
  list2_ = addList(client, QStringLiteral("List2"), {9120, 5520, 2415, 2010}, kProductListColour);
}

void Redox::addMenus() {
  QMenu* datei = addMenu(*menuBar(), QStringLiteral("menDatei"), QStringLiteral("Datei"));
  connect(addMenuCommand(*datei, QStringLiteral("menFormnelL"), QStringLiteral("Formel-Liste")),
          &QAction::triggered, this, &Redox::openCatalogueInEditor);
  connect(addMenuCommand(*menuBar(), QStringLiteral("menHF"), QStringLiteral("Hauptfenster")),
          &QAction::triggered, this, &Redox::startWindowRequested);
  connect(addMenuCommand(*menuBar(), QStringLiteral("menEnde"), QStringLiteral("Ende")),
          &QAction::triggered, this, &Redox::programEndRequested);
}

void Redox::connectEvents() {
  connect(formelEin_, &QLineEdit::returnPressed, cmdFormel_, &QPushButton::click);
  connect(cmdFormel_, &QPushButton::clicked, this, &Redox::analyseEduct);
  connect(new RowChoice(*list1_), &RowChoice::chosen, this, &Redox::chooseEduct);
  connect(new RowChoice(*list2_), &RowChoice::chosen, this, &Redox::analyseProduct);
}

void Redox::fillCompoundList() {
  QStringList names;
  names.reserve(catalogue_.count());
  for (int slot = 0; slot < catalogue_.count(); ++slot) {
    names << QString::fromStdString(catalogue_.entry(slot).name);
  }
  list1_->addItems(names);
}

void Redox::chooseEduct(int row) {
  if (row < 0 || row >= catalogue_.count()) return;
  formelEin_->setText(QString::fromStdString(catalogue_.entry(row).formula));
  cmdFormel_->click();
}

// The product panel keeps the last chosen product; only the candidates go.
void Redox::analyseEduct() {
  educt_.clearCharge();
  list2_->clear();
  const std::string text = formelEin_->text().toStdString();
  if (text.empty()) return;
  const FormulaAnalysis analysis = analyseFormula(text, kKeptGroups);
  educt_.showAnalysis(analysis);
  QStringList candidates;
  for (const std::string& line :
       findProductCandidates(analysis.formula, analysis.element, catalogue_)) {
    candidates << QString::fromStdString(line);
  }
  list2_->addItems(candidates);
}

void Redox::analyseProduct(int row) {
  product_.clearCharge();
  const QListWidgetItem* item = list2_->item(row);
  if (item == nullptr) return;
  const QString line = item->text();
  const qsizetype hash = line.indexOf(QLatin1Char('#'));
  const QString formula = hash < 0 ? QString() : line.mid(hash + 1);
  if (formula.isEmpty()) return;
  product_.showAnalysis(analyseFormula(formula.toStdString(), kKeptGroups));
}

void Redox::openCatalogueInEditor() {
  const QString fileName = QFileInfo(cataloguePath_).fileName();
  if (!QFileInfo::exists(cataloguePath_)) {
    seams_.boxes.showMessage(catalogueMissingForEditorMessage(fileName));
    return;
  }
  if (!seams_.editor.openCatalogue(cataloguePath_)) {
    seams_.boxes.showMessage(editorNotStartedMessage(fileName));
  }
}

}  // namespace redox
