#include "ui/formula_panel.h"

#include <QLabel>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "ui/control_setup.h"
#include "ui/general_number.h"

namespace redox {
namespace {

constexpr int kChargeLeft = 2000;
constexpr int kNarrowSymbolWidth = 307;
constexpr int kWideSymbolWidth = 620;
constexpr int kNarrowIndexShift = 310;
constexpr int kWideIndexShift = 620;

const QString kCaptionText = QStringLiteral("Oxidationszahl von                  =");

QLabel* addPanelLabel(QWidget& parent, const PanelLabelLayout& layout) {
  QLabel* label = addLabel(parent, layout.name, QString(), layout.place, layout.font);
  if (layout.textColour.isValid()) setTextColour(*label, layout.textColour);
  return label;
}

QLabel* addOptionalPanelLabel(QWidget& parent, const std::optional<PanelLabelLayout>& layout) {
  return layout ? addPanelLabel(parent, *layout) : nullptr;
}

void moveLeftEdge(QLabel& label, int leftTwips) { label.move(twipsToPixels(leftTwips), label.y()); }

void setLeftEdgeAndWidth(QLabel& label, int leftTwips, int widthTwips) {
  label.setGeometry(twipsToPixels(leftTwips), label.y(), twipsToPixels(widthTwips), label.height());
}

QString signText(double value) {
  if (value > 0) return QStringLiteral("+");
  if (value < 0) return QStringLiteral("-");
  return QString();
}

}  // namespace

FormulaPanel::FormulaPanel(QWidget& parent, const FormulaPanelLayout& layout)
    : chargeSignLeft_(layout.chargeSignLeft) {
  for (std::size_t slot = 0; slot < symbols_.size(); ++slot) {
    symbols_[slot] = addPanelLabel(parent, layout.symbols[slot]);
    indices_[slot] = addPanelLabel(parent, layout.indices[slot]);
  }
  charge_ = addPanelLabel(parent, layout.charge);
  chargeSign_ = addPanelLabel(parent, layout.chargeSign);
  caption_ = addOptionalPanelLabel(parent, layout.caption);
  if (caption_ != nullptr) {
    caption_->setText(kCaptionText);
    caption_->hide();
  }
  element_ = addOptionalPanelLabel(parent, layout.element);
  oxidationSign_ = addPanelLabel(parent, layout.oxidationSign);
  oxidationNumber_ = addPanelLabel(parent, layout.oxidationNumber);
}

void FormulaPanel::clearCharge() {
  charge_->clear();
  chargeSign_->clear();
}

void FormulaPanel::showAnalysis(const FormulaAnalysis& analysis) {
  showGroups(analysis);
  showCharge(analysis.charge);
  if (analysis.element.empty()) {
    clearResult();
  } else {
    showResult(analysis);
  }
}

void FormulaPanel::showGroups(const FormulaAnalysis& analysis) {
  for (std::size_t slot = 0; slot < symbols_.size(); ++slot) {
    const ElementGroup group =
        slot < analysis.groups.size() ? analysis.groups[slot] : ElementGroup{};
    const bool narrow = group.symbol.size() == 1;
    QLabel& symbol = *symbols_[slot];
    symbol.setText(QString::fromStdString(group.symbol));
    setLeftEdgeAndWidth(symbol, group.offset, narrow ? kNarrowSymbolWidth : kWideSymbolWidth);
    QLabel& index = *indices_[slot];
    index.setText(QString::fromStdString(group.index));
    moveLeftEdge(index, group.offset + (narrow ? kNarrowIndexShift : kWideIndexShift));
    index.setVisible(!group.index.empty());
  }
}

void FormulaPanel::showCharge(int charge) {
  if (charge == 0) {
    clearCharge();
    return;
  }
  charge_->setText(QString::number(std::abs(charge)));
  moveLeftEdge(*charge_, kChargeLeft);
  chargeSign_->setText(signText(charge));
  moveLeftEdge(*chargeSign_, chargeSignLeft_);
}

void FormulaPanel::showResult(const FormulaAnalysis& analysis) {
  if (caption_ != nullptr) caption_->show();
  if (element_ != nullptr) element_->setText(QString::fromStdString(analysis.element));
  oxidationSign_->setText(signText(analysis.oxidationNumber));
  oxidationNumber_->setText(generalNumberText(std::abs(analysis.oxidationNumber)));
}

void FormulaPanel::clearResult() {
  if (element_ != nullptr) element_->clear();
  oxidationSign_->clear();
  oxidationNumber_->clear();
}

}  // namespace redox
