#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/formula_analysis.h"
#include "engine/half_equation.h"

// The first half of the input is the educt, the rest the product, as the
// half-equation window would take them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view eductText = input.substr(0, size / 2);
  const std::string_view productText = input.substr(size / 2);

  const redox::FormulaAnalysis educt = redox::analyseFormula(eductText);
  const redox::FormulaAnalysis product = redox::analyseFormula(productText, 5);
  for (const redox::ElementGroup& group : product.groups) {
    if (group.symbol.empty() || group.index.size() > 1) std::abort();
  }
  if (educt.charge < -9 || educt.charge > 9) std::abort();

  const redox::HalfEquation equation =
      redox::buildHalfEquation(redox::summariseEduct(educt), product);
  if (equation.waterEduct > 0 && equation.waterProduct > 0) std::abort();
  if (!std::isfinite(equation.electrons) || equation.hydronium < 0) std::abort();
  return 0;
}
