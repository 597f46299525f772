#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "catalogue/catalogue_file.h"
#include "engine/formula_analysis.h"

namespace redox {
namespace {

// The catalogue is teaching material: a pupil takes the number it shows for
// the truth, so every entry is checked against the chemistry, not against
// what the rules happen to compute.
struct Expectation {
  std::string_view element;
  int oxidationNumber;
};

// The chemically right oxidation number of the element each compound is
// about. Where one element stands in two positions of a structure (N2O,
// S2O3 2-), the number is the mean that school chemistry gives it.
const std::map<std::string, Expectation>& expectations() {
  static const std::map<std::string, Expectation> table{
      // Manganese
      {"Mn", {"Mn", 0}},
      {"Mn2+", {"Mn", 2}},
      {"MnO2", {"Mn", 4}},
      {"MnO4 2-", {"Mn", 6}},
      {"K2MnO4", {"Mn", 6}},
      {"MnO4 -", {"Mn", 7}},
      {"KMnO4", {"Mn", 7}},
      {"Mn2O7", {"Mn", 7}},
      // Chromium
      {"Cr", {"Cr", 0}},
      {"Cr3+", {"Cr", 3}},
      {"Cr2O3", {"Cr", 3}},
      {"CrO3", {"Cr", 6}},
      {"CrO4 2-", {"Cr", 6}},
      {"Cr2O7 2-", {"Cr", 6}},
      {"K2Cr2O7", {"Cr", 6}},
      // Iron
      {"Fe", {"Fe", 0}},
      {"Fe2+", {"Fe", 2}},
      {"FeO", {"Fe", 2}},
      {"Fe3+", {"Fe", 3}},
      {"Fe2O3", {"Fe", 3}},
      // Copper, zinc, silver
      {"Cu", {"Cu", 0}},
      {"Cu+", {"Cu", 1}},
      {"Cu2O", {"Cu", 1}},
      {"Cu2+", {"Cu", 2}},
      {"CuO", {"Cu", 2}},
      {"Zn", {"Zn", 0}},
      {"Zn2+", {"Zn", 2}},
      {"ZnO", {"Zn", 2}},
      {"Ag", {"Ag", 0}},
      {"Ag+", {"Ag", 1}},
      {"Ag2O", {"Ag", 1}},
      // Lead and tin
      {"Pb", {"Pb", 0}},
      {"Pb2+", {"Pb", 2}},
      {"PbO", {"Pb", 2}},
      {"PbO2", {"Pb", 4}},
      {"Sn", {"Sn", 0}},
      {"Sn2+", {"Sn", 2}},
      {"Sn4+", {"Sn", 4}},
      // Sulfur
      {"S2-", {"S", -2}},
      {"H2S", {"S", -2}},
      {"HS -", {"S", -2}},
      {"S", {"S", 0}},
      {"S2O3 2-", {"S", 2}},
      {"Na2S2O3", {"S", 2}},
      {"SO2", {"S", 4}},
      {"SO3 2-", {"S", 4}},
      {"H2SO3", {"S", 4}},
      {"SO3", {"S", 6}},
      {"SO4 2-", {"S", 6}},
      {"HSO4 -", {"S", 6}},
      {"H2SO4", {"S", 6}},
      {"Na2SO4", {"S", 6}},
      // Nitrogen
      {"NH3", {"N", -3}},
      {"NH4 +", {"N", -3}},
      {"N2H4", {"N", -2}},
      {"N2", {"N", 0}},
      {"N2O", {"N", 1}},
      {"NO", {"N", 2}},
      {"NO2 -", {"N", 3}},
      {"HNO2", {"N", 3}},
      {"NaNO2", {"N", 3}},
      {"NO2", {"N", 4}},
      {"NO3 -", {"N", 5}},
      {"HNO3", {"N", 5}},
      {"KNO3", {"N", 5}},
      // Phosphorus
      {"PH3", {"P", -3}},
      {"P4", {"P", 0}},
      {"P2O5", {"P", 5}},
      {"H3PO4", {"P", 5}},
      {"H2PO4 -", {"P", 5}},
      {"HPO4 2-", {"P", 5}},
      {"PO4 3-", {"P", 5}},
      // Carbon
      {"CH4", {"C", -4}},
      {"CH4O", {"C", -2}},
      {"C", {"C", 0}},
      {"CH2O", {"C", 0}},
      {"CO", {"C", 2}},
      {"CH2O2", {"C", 2}},
      {"C2H2O4", {"C", 3}},
      {"C2O4 2-", {"C", 3}},
      {"CO2", {"C", 4}},
      {"H2CO3", {"C", 4}},
      {"HCO3 -", {"C", 4}},
      {"CO3 2-", {"C", 4}},
      // Chlorine
      {"Cl-", {"Cl", -1}},
      {"HCl", {"Cl", -1}},
      {"NaCl", {"Cl", -1}},
      {"Cl2", {"Cl", 0}},
      {"ClO -", {"Cl", 1}},
      {"HClO", {"Cl", 1}},
      {"NaClO", {"Cl", 1}},
      {"ClO2 -", {"Cl", 3}},
      {"ClO2", {"Cl", 4}},
      {"ClO3 -", {"Cl", 5}},
      {"HClO3", {"Cl", 5}},
      {"KClO3", {"Cl", 5}},
      {"ClO4 -", {"Cl", 7}},
      {"HClO4", {"Cl", 7}},
      // Bromine and iodine
      {"Br-", {"Br", -1}},
      {"KBr", {"Br", -1}},
      {"Br2", {"Br", 0}},
      {"BrO3 -", {"Br", 5}},
      {"I-", {"I", -1}},
      {"HI", {"I", -1}},
      {"KI", {"I", -1}},
      {"I2", {"I", 0}},
      {"IO3 -", {"I", 5}},
      {"KIO3", {"I", 5}},
      // Oxygen and hydrogen
      {"H2O", {"O", -2}},
      {"H2O2", {"O", -1}},
      {"OF2", {"O", 2}},
      {"LiH", {"H", -1}},
      {"NaH", {"H", -1}},
      // Further metals and semimetals
      {"Al", {"Al", 0}},
      {"Al3+", {"Al", 3}},
      {"Al2O3", {"Al", 3}},
      {"Hg", {"Hg", 0}},
      {"Hg2 2+", {"Hg", 1}},
      {"Hg2+", {"Hg", 2}},
      {"Au", {"Au", 0}},
      {"Au3+", {"Au", 3}},
      {"Co", {"Co", 0}},
      {"Co2+", {"Co", 2}},
      {"Ni", {"Ni", 0}},
      {"Ni2+", {"Ni", 2}},
      {"Ti", {"Ti", 0}},
      {"TiO2", {"Ti", 4}},
      {"V2+", {"V", 2}},
      {"V3+", {"V", 3}},
      {"VO 2+", {"V", 4}},
      {"VO2 +", {"V", 5}},
      {"As", {"As", 0}},
      {"As2O3", {"As", 3}},
      {"Sb", {"Sb", 0}},
      {"Sb2O3", {"Sb", 3}},
      {"Bi3+", {"Bi", 3}},
      {"NaBiO3", {"Bi", 5}},
      {"Se", {"Se", 0}},
      {"SeO2", {"Se", 4}},
  };
  return table;
}

std::string readFileBytes(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class ShippedCatalogue : public ::testing::Test {
 protected:
  const CatalogueLoad load = loadCatalogue(REDOX_SHIPPED_CATALOGUE);
  const FormulaCatalogue& catalogue = load.catalogue;
};

TEST_F(ShippedCatalogue, LoadsEveryLineAsAnEntry) {
  ASSERT_EQ(load.state, CatalogueFileState::Read);
  EXPECT_TRUE(load.linesWithoutHash.empty());
  EXPECT_EQ(load.linesPastCapacity, 0);
  EXPECT_EQ(static_cast<std::size_t>(catalogue.count()), load.lines.size());
  EXPECT_GE(catalogue.count(), 100);
}

TEST_F(ShippedCatalogue, NamesAreUnique) {
  std::set<std::string> names;
  for (int slot = 0; slot < catalogue.count(); ++slot) {
    const std::string& name = catalogue.entry(slot).name;
    EXPECT_FALSE(name.empty()) << "line " << slot + 1;
    EXPECT_TRUE(names.insert(name).second) << "name shipped twice: " << name;
  }
}

TEST_F(ShippedCatalogue, ShipsExactlyTheFormulasWithAnExpectation) {
  std::set<std::string> shipped;
  for (int slot = 0; slot < catalogue.count(); ++slot) {
    const std::string& formula = catalogue.entry(slot).formula;
    EXPECT_TRUE(shipped.insert(formula).second) << "formula shipped twice: " << formula;
    EXPECT_TRUE(expectations().contains(formula)) << "no expectation for: " << formula;
  }
  for (const auto& [formula, expectation] : expectations()) {
    EXPECT_TRUE(shipped.contains(formula)) << "expected but not shipped: " << formula;
  }
}

TEST_F(ShippedCatalogue, EveryEntryShowsTheChemicallyRightOxidationNumber) {
  for (int slot = 0; slot < catalogue.count(); ++slot) {
    const CatalogueEntry& entry = catalogue.entry(slot);
    const auto expected = expectations().find(entry.formula);
    if (expected == expectations().end()) continue;
    const FormulaAnalysis analysis = analyseFormula(entry.formula);
    EXPECT_EQ(analysis.element, expected->second.element) << entry.line;
    EXPECT_DOUBLE_EQ(analysis.oxidationNumber, expected->second.oxidationNumber) << entry.line;
  }
}

TEST(ShippedCatalogueFile, EndsEveryLineWithCrLfAndHasNoEmptyLine) {
  const std::string bytes = readFileBytes(REDOX_SHIPPED_CATALOGUE);
  ASSERT_FALSE(bytes.empty());
  EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << "byte order mark";
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_FALSE(bytes.starts_with("\r\n")) << "empty first line";
  EXPECT_NE(bytes.find("Schwefels\xE4ure#"), std::string::npos) << "umlauts as single bytes";
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == '\r') {
      EXPECT_TRUE(at + 1 < bytes.size() && bytes[at + 1] == '\n') << "bare CR at byte " << at;
    } else if (bytes[at] == '\n') {
      EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "bare LF at byte " << at;
      EXPECT_FALSE(bytes.compare(at + 1, 2, "\r\n") == 0) << "empty line after byte " << at;
    }
  }
}

}  // namespace
}  // namespace redox
