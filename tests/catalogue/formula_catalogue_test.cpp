#include "catalogue/formula_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace redox {
namespace {

TEST(FormulaCatalogue, SplitsEachLineAtItsFirstHash) {
  const FormulaCatalogue catalogue =
      FormulaCatalogue::fromLines({"Eisen#Fe", "#", "a#b#c", " Blei # Pb2+ ", "#Cl2", "Name#"});
  ASSERT_EQ(catalogue.count(), 6);
  const std::vector<CatalogueEntry> expected = {
      {"Eisen#Fe", "Eisen", "Fe"},           {"#", "", ""},       {"a#b#c", "a", "b#c"},
      {" Blei # Pb2+ ", " Blei ", " Pb2+ "}, {"#Cl2", "", "Cl2"}, {"Name#", "Name", ""}};
  for (int slot = 0; slot < catalogue.count(); ++slot) {
    const CatalogueEntry& entry = catalogue.entry(slot);
    EXPECT_EQ(entry.line, expected[slot].line);
    EXPECT_EQ(entry.name, expected[slot].name);
    EXPECT_EQ(entry.formula, expected[slot].formula);
    EXPECT_EQ(entry.line, entry.name + "#" + entry.formula);
  }
}

TEST(FormulaCatalogue, HoldsAtMostItsCapacityAndNoLinesWithoutHash) {
  std::vector<std::string> lines;
  for (int i = 0; i < 305; ++i)
    lines.push_back(i == 2 ? "ohne Raute" : "N" + std::to_string(i) + "#Fe");
  const FormulaCatalogue catalogue = FormulaCatalogue::fromLines(lines);
  ASSERT_EQ(catalogue.count(), FormulaCatalogue::capacity);
  EXPECT_EQ(catalogue.entry(2).name, "N3");
  EXPECT_EQ(catalogue.entry(300).name, "N301");
  EXPECT_EQ(FormulaCatalogue::fromLines({}).count(), 0);
}

}  // namespace
}  // namespace redox
