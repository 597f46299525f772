#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/formula_catalogue.h"
#include "engine/formula_analysis.h"

namespace redox {

// The whole lines of the catalogue entries, in slot order, whose line does not
// contain `exclusion` and whose formula contains `element`; both are plain,
// case-sensitive substring tests. No element means no candidates.
std::vector<std::string> findProductCandidates(std::string_view exclusion, std::string_view element,
                                               const FormulaCatalogue& catalogue);

// The exclusion text of the half-equation window: a positive ion of the bare
// element is searched with its charge written out ("Fe3+", "Ag1+"), so that
// the other ions of the same element stay in the list.
std::string productSearchText(const FormulaAnalysis& educt);

}  // namespace redox
