#include "engine/product_candidates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace redox {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const FormulaCatalogue& sampleCatalogue() {
  static const FormulaCatalogue catalogue = FormulaCatalogue::fromLines({
      "Chlor#Cl2",
      "Dichlorheptoxid#Cl2O7",
      "Chlorid-Ion#Cl-",
      "Natriumchlorid#NaCl",
      "Eisen#Fe",
      "Eisen(II)-Ion#Fe2+",
      "Eisen(III)-Ion#Fe3+",
      "Eisen(III)-oxid#Fe2O3",
      "Silber#Ag",
      "Silber-Ion#Ag+",
      "Sulfat-Ion#SO4 2-",
      "Sulfit-Ion#SO3 2-",
      "Sauerstoffdifluorid#F2O",
      "Wasser#H2O",
      "Chlor#Cl2",
  });
  return catalogue;
}

std::vector<std::string> candidatesFor(const std::string& formula) {
  const FormulaAnalysis educt = analyseFormula(formula);
  return findProductCandidates(educt.formula, educt.element, sampleCatalogue());
}

std::vector<std::string> halfEquationCandidatesFor(const std::string& formula) {
  const FormulaAnalysis educt = analyseFormula(formula);
  return findProductCandidates(productSearchText(educt), educt.element, sampleCatalogue());
}

TEST(ProductCandidates, DropEveryLineThatContainsTheEductFormula) {
  EXPECT_THAT(candidatesFor("Cl2"), ElementsAre("Chlorid-Ion#Cl-", "Natriumchlorid#NaCl"));
}

TEST(ProductCandidates, FindTheElementInsideOtherSymbolsInSlotOrder) {
  // No element boundaries: C is found in Cl.
  const std::vector<std::string> lines = findProductCandidates("CO", "C", sampleCatalogue());
  EXPECT_THAT(lines, ElementsAre("Chlor#Cl2", "Dichlorheptoxid#Cl2O7", "Chlorid-Ion#Cl-",
                                 "Natriumchlorid#NaCl", "Chlor#Cl2"));
}

TEST(ProductCandidates, AnEductThatIsItsElementFindsNothingInTheOxidationWindow) {
  EXPECT_THAT(candidatesFor("Fe3+"), IsEmpty());
  EXPECT_THAT(candidatesFor("Cl-"), IsEmpty());
}

TEST(ProductCandidates, SearchTheNormalisedFormula) {
  // F2O is searched as OF2, so the line written with F2O stays.
  EXPECT_THAT(candidatesFor("F2O"),
              ElementsAre("Dichlorheptoxid#Cl2O7", "Eisen(III)-oxid#Fe2O3", "Sulfat-Ion#SO4 2-",
                          "Sulfit-Ion#SO3 2-", "Sauerstoffdifluorid#F2O", "Wasser#H2O"));
  // SO4 2- is searched with its trailing blank.
  EXPECT_THAT(candidatesFor("SO4 2-"), ElementsAre("Sulfit-Ion#SO3 2-"));
}

TEST(ProductCandidates, NeedAnElementAndACatalogue) {
  EXPECT_THAT(candidatesFor("H2"), IsEmpty());
  EXPECT_THAT(findProductCandidates("Fe", "Fe", FormulaCatalogue{}), IsEmpty());
}

TEST(HalfEquationSearch, WritesOutTheChargeOfAPositiveElementIon) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Fe3+", "Fe3+"}, {"Cu2+", "Cu2+"},   {"Ag+", "Ag1+"},  {"Cl-", "Cl"},
      {"Fe", "Fe"},     {"SO4 2-", "SO4 "}, {"NH4 +", "NH4 "}};
  for (const auto& [input, searchText] : cases) {
    EXPECT_EQ(productSearchText(analyseFormula(input)), searchText) << input;
  }
}

TEST(HalfEquationSearch, ListsTheOtherIonsOfTheElement) {
  EXPECT_THAT(halfEquationCandidatesFor("Fe3+"),
              ElementsAre("Eisen#Fe", "Eisen(II)-Ion#Fe2+", "Eisen(III)-oxid#Fe2O3"));
  // Ag1+ is in no line, so the educt itself is listed too.
  EXPECT_THAT(halfEquationCandidatesFor("Ag+"), ElementsAre("Silber#Ag", "Silber-Ion#Ag+"));
  EXPECT_THAT(halfEquationCandidatesFor("Cl-"), IsEmpty());
}

}  // namespace
}  // namespace redox
