#pragma once

#include <string>
#include <string_view>

#include "engine/formula_analysis.h"

namespace redox {

enum class RedoxKind { None, Oxidation, Reduction };
enum class EquationSide { None, Educt, Product };

// What the half-equation window keeps of its educt between builds.
struct EductSummary {
  double oxidationTotal = 0.0;
  double charge = 0.0;
  double elementIndex = 0.0;
  double oxygenCount = 0.0;
};

struct HalfEquation {
  double coefficient = 1.0;
  std::string coefficientText;
  double productIndex = 0.0;
  double productOxidationTotal = 0.0;
  double productCharge = 0.0;
  double productOxygenCount = 0.0;
  bool warning = false;
  RedoxKind kind = RedoxKind::None;
  std::string kindText;
  double electrons = 0.0;
  EquationSide electronSide = EquationSide::None;
  std::string electronText;
  double hydronium = 0.0;
  EquationSide hydroniumSide = EquationSide::None;
  std::string hydroniumText;
  double waterEduct = 0.0;
  double waterProduct = 0.0;
  std::string waterEductText;
  std::string waterProductText;
};

// The digit written right after the first occurrence of `element`; 0 when
// there is none or the element does not occur.
double readElementIndex(std::string_view formula, std::string_view element);

// The index of the first capital O: 1 without a digit, 0 without an O.
double readOxygenCount(std::string_view formula);

EductSummary summariseEduct(const FormulaAnalysis& educt);

// Needs a product with a reported element; see the half-equation window.
HalfEquation buildHalfEquation(const EductSummary& educt, const FormulaAnalysis& product);

// A count as the equation's terms write it: a blank, then the number, with a
// point as decimal separator and no decimals for a whole number.
std::string countText(double count);

}  // namespace redox
