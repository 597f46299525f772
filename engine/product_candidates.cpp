#include "engine/product_candidates.h"

namespace redox {

std::vector<std::string> findProductCandidates(std::string_view exclusion, std::string_view element,
                                               const FormulaCatalogue& catalogue) {
  std::vector<std::string> candidates;
  if (element.empty()) return candidates;
  for (int slot = 0; slot < catalogue.count(); ++slot) {
    const CatalogueEntry& entry = catalogue.entry(slot);
    const bool isExcluded = entry.line.find(exclusion) != std::string::npos;
    if (!isExcluded && entry.formula.find(element) != std::string::npos) {
      candidates.push_back(entry.line);
    }
  }
  return candidates;
}

std::string productSearchText(const FormulaAnalysis& educt) {
  if (educt.charge > 0 && educt.formula == educt.element) {
    return educt.formula + std::to_string(educt.charge) + "+";
  }
  return educt.formula;
}

}  // namespace redox
