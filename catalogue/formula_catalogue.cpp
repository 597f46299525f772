#include "catalogue/formula_catalogue.h"

namespace redox {

FormulaCatalogue FormulaCatalogue::fromLines(const std::vector<std::string>& lines) {
  FormulaCatalogue catalogue;
  for (const std::string& line : lines) {
    if (catalogue.count() == capacity) break;
    const std::size_t hash = line.find('#');
    if (hash == std::string::npos) continue;
    catalogue.entries_.push_back(CatalogueEntry{line, line.substr(0, hash), line.substr(hash + 1)});
  }
  return catalogue;
}

}  // namespace redox
