#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <optional>

#include "engine/formula_analysis.h"
#include "ui/twips.h"

class QLabel;
class QWidget;

namespace redox {

// Where one label of a panel stands and how it looks; an invalid colour
// keeps the window's text colour.
struct PanelLabelLayout {
  QString name;
  TwipsRect place;
  QFont font;
  QColor textColour;
};

// Each window gives its panels their own places, fonts and colours. A window
// without caption or element label leaves those empty.
struct FormulaPanelLayout {
  std::array<PanelLabelLayout, 3> symbols;
  std::array<PanelLabelLayout, 3> indices;
  PanelLabelLayout charge;
  PanelLabelLayout chargeSign;
  std::optional<PanelLabelLayout> caption;
  std::optional<PanelLabelLayout> element;
  PanelLabelLayout oxidationSign;
  PanelLabelLayout oxidationNumber;
  int chargeSignLeft = 0;  // twips, while a charge is shown
};

// The labels that draw one analysed formula: up to three symbols with their
// index digits, the charge, and the line "Oxidationszahl von ... =" with the
// reported element and its signed oxidation number.
class FormulaPanel {
 public:
  FormulaPanel(QWidget& parent, const FormulaPanelLayout& layout);

  // Called at the start of every analysis, also when there is nothing to analyse.
  void clearCharge();

  // A formula without a reported element is drawn with its charge, and its
  // result line is emptied so that no earlier result stands beside it.
  void showAnalysis(const FormulaAnalysis& analysis);

 private:
  void showGroups(const FormulaAnalysis& analysis);
  void showCharge(int charge);
  void showResult(const FormulaAnalysis& analysis);
  void clearResult();

  std::array<QLabel*, 3> symbols_{};
  std::array<QLabel*, 3> indices_{};
  QLabel* charge_ = nullptr;
  QLabel* chargeSign_ = nullptr;
  QLabel* caption_ = nullptr;
  QLabel* element_ = nullptr;
  QLabel* oxidationSign_ = nullptr;
  QLabel* oxidationNumber_ = nullptr;
  int chargeSignLeft_ = 0;
};

}  // namespace redox
