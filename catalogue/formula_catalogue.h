#pragma once

#include <string>
#include <vector>

namespace redox {

struct CatalogueEntry {
  std::string line;     // the whole line, without its line end
  std::string name;     // the text before the first "#"
  std::string formula;  // the text after the first "#"
};

// The catalogue in memory: read-only after it has been filled.
class FormulaCatalogue {
 public:
  static constexpr int capacity = 301;

  int count() const { return static_cast<int>(entries_.size()); }

  // 0 <= slot < count()
  const CatalogueEntry& entry(int slot) const {
    return entries_.at(static_cast<std::size_t>(slot));
  }

  // Each line that holds a "#" becomes an entry, split at its first "#", in
  // order, until the catalogue is full; lines without "#" are not entries.
  static FormulaCatalogue fromLines(const std::vector<std::string>& lines);

 private:
  std::vector<CatalogueEntry> entries_;
};

}  // namespace redox
