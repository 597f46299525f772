#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace redox {

// One element symbol of a formula with its single index digit and the left
// edge, in twips, at which the formula panel draws it.
struct ElementGroup {
  std::string symbol;
  std::string index;  // empty, or one digit "1" to "9"
  int offset = 0;
};

struct FormulaAnalysis {
  std::string formula;  // normalised text: "F2O" rewritten, charge suffix removed
  int charge = 0;
  std::vector<ElementGroup> groups;
  std::string element;   // empty: no element reported
  int elementCount = 0;  // 0 when no element is reported
  int fixedTotal = 0;
  double oxidationNumber = 0.0;  // only meaningful when element is not empty
};

// Groups beyond maxGroups are read and dropped; the offsets of the kept ones
// and everything else come out as if they had been kept.
FormulaAnalysis readFormula(std::string_view text, std::size_t maxGroups = 10);

void assignOxidationNumbers(FormulaAnalysis& analysis);

FormulaAnalysis analyseFormula(std::string_view text, std::size_t maxGroups = 10);

}  // namespace redox
