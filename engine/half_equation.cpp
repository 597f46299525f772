#include "engine/half_equation.h"

#include <array>
#include <charconv>
#include <cmath>

namespace redox {
namespace {

double digitValue(char c) { return c >= '1' && c <= '9' ? c - '0' : 0.0; }

// The number as the equation writes it: a whole number without decimals,
// others with up to 15 significant digits and a point.
void appendPlainNumber(std::string& text, double value) {
  std::array<char, 32> buffer{};
  char* const first = buffer.data();
  char* const last = first + buffer.size();
  // Counts are almost always whole; integer formatting is much cheaper.
  const bool wholeAndExact = std::trunc(value) == value && std::abs(value) < 1e15;
  const auto result = wholeAndExact
                          ? std::to_chars(first, last, static_cast<long long>(value))
                          : std::to_chars(first, last, value, std::chars_format::general, 15);
  text.append(first, result.ptr);
}

std::string term(std::string_view before, double count, std::string_view after) {
  std::string text;
  text += before;
  text += ' ';
  appendPlainNumber(text, count);
  text += after;
  return text;
}

void countElectrons(const EductSummary& educt, HalfEquation& equation, double& eductCharge,
                    double& productCharge) {
  equation.electrons = std::abs(equation.productOxidationTotal - educt.oxidationTotal);
  if (equation.productOxidationTotal > educt.oxidationTotal) {
    equation.kind = RedoxKind::Oxidation;
    equation.kindText = " Oxidation";
    equation.electronSide = EquationSide::Product;
    productCharge -= equation.electrons;
  } else if (equation.productOxidationTotal < educt.oxidationTotal) {
    equation.kind = RedoxKind::Reduction;
    equation.kindText = " Reduktion ";
    equation.electronSide = EquationSide::Educt;
    eductCharge -= equation.electrons;
  } else {
    equation.kind = RedoxKind::None;
    equation.kindText = " keine Redoxreaktion ";
  }
  if (equation.electronSide != EquationSide::None) {
    equation.electronText = term(" + ", equation.electrons, " e- ");
  }
}

void countHydronium(HalfEquation& equation, double eductCharge, double productCharge) {
  equation.hydronium = std::abs(eductCharge - productCharge);
  if (productCharge < eductCharge) {
    equation.hydroniumSide = EquationSide::Product;
  } else if (productCharge > eductCharge) {
    equation.hydroniumSide = EquationSide::Educt;
  }
  if (equation.hydroniumSide != EquationSide::None) {
    equation.hydroniumText = term(" + ", equation.hydronium, "  H3O+ ");
  }
}

// Each hydronium ion brings one oxygen; water makes up the rest.
void countWater(const EductSummary& educt, HalfEquation& equation) {
  double eductOxygen = educt.oxygenCount;
  double productOxygen = equation.productOxygenCount;
  if (equation.hydroniumSide == EquationSide::Educt) eductOxygen += equation.hydronium;
  if (equation.hydroniumSide == EquationSide::Product) productOxygen += equation.hydronium;
  if (productOxygen > eductOxygen) {
    equation.waterEduct = productOxygen - eductOxygen;
    equation.waterEductText = term("+ ", equation.waterEduct, "  H2O");
  } else if (eductOxygen > productOxygen) {
    equation.waterProduct = eductOxygen - productOxygen;
    equation.waterProductText = term("+ ", equation.waterProduct, "  H2O");
  }
}

}  // namespace

double readElementIndex(std::string_view formula, std::string_view element) {
  if (element.empty()) return 0.0;
  const std::size_t position = formula.find(element);
  if (position == std::string_view::npos) return 0.0;
  const std::size_t after = position + element.size();
  return after < formula.size() ? digitValue(formula[after]) : 0.0;
}

double readOxygenCount(std::string_view formula) {
  const std::size_t position = formula.find('O');
  if (position == std::string_view::npos) return 0.0;
  const double digit = position + 1 < formula.size() ? digitValue(formula[position + 1]) : 0.0;
  return digit > 0.0 ? digit : 1.0;
}

EductSummary summariseEduct(const FormulaAnalysis& educt) {
  EductSummary summary;
  summary.elementIndex = readElementIndex(educt.formula, educt.element);
  const double atoms = summary.elementIndex > 0.0 ? summary.elementIndex : 1.0;
  summary.oxidationTotal = educt.oxidationNumber * atoms;
  summary.charge = educt.charge;
  summary.oxygenCount = readOxygenCount(educt.formula);
  return summary;
}

HalfEquation buildHalfEquation(const EductSummary& educt, const FormulaAnalysis& product) {
  HalfEquation equation;
  equation.productIndex = readElementIndex(product.formula, product.element);
  const bool coefficientRuleApplies = equation.productIndex == 0.0 && educt.elementIndex > 0.0;
  if (coefficientRuleApplies) {
    equation.coefficient = educt.elementIndex;
    appendPlainNumber(equation.coefficientText, equation.coefficient);
  }
  // A product written with the educt's own index (Cr2O7 2- to Cr2O3) holds
  // as many atoms of the element as the educt: its total counts them all.
  const bool sharesEductIndex =
      equation.productIndex > 0.0 && equation.productIndex == educt.elementIndex;
  const double productAtoms = sharesEductIndex ? equation.productIndex : equation.coefficient;
  equation.productOxidationTotal = productAtoms * product.oxidationNumber;
  equation.warning = equation.productIndex > 0.0 && equation.productIndex != educt.elementIndex;
  equation.productCharge = equation.coefficient * product.charge;
  equation.productOxygenCount = equation.coefficient * readOxygenCount(product.formula);

  double eductCharge = educt.charge;
  double productCharge = equation.productCharge;
  countElectrons(educt, equation, eductCharge, productCharge);
  countHydronium(equation, eductCharge, productCharge);
  countWater(educt, equation);
  return equation;
}

std::string countText(double count) { return term("", count, ""); }

}  // namespace redox
