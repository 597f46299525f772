#include "engine/half_equation.h"

#include <gtest/gtest.h>

#include <string>

namespace redox {
namespace {

HalfEquation build(const std::string& educt, const std::string& product) {
  return buildHalfEquation(summariseEduct(analyseFormula(educt)), analyseFormula(product));
}

struct SummaryCase {
  std::string educt;
  EductSummary expected;
};

TEST(EductSummaries, MatchTheWorkedBuilds) {
  const SummaryCase cases[] = {
      {"MnO4 -", {7, -1, 0, 4}}, {"Cr2O7 2-", {12, -2, 2, 7}}, {"SO3 2-", {4, -2, 0, 3}},
      {"H2O2", {-2, 0, 2, 2}},   {"HCl", {-1, 0, 0, 0}},
  };
  for (const SummaryCase& c : cases) {
    const EductSummary summary = summariseEduct(analyseFormula(c.educt));
    EXPECT_EQ(summary.oxidationTotal, c.expected.oxidationTotal) << c.educt;
    EXPECT_EQ(summary.charge, c.expected.charge) << c.educt;
    EXPECT_EQ(summary.elementIndex, c.expected.elementIndex) << c.educt;
    EXPECT_EQ(summary.oxygenCount, c.expected.oxygenCount) << c.educt;
  }
}

struct BuildCase {
  std::string educt;
  std::string product;
  RedoxKind kind;
  std::string kindText;
  std::string coefficientText;
  std::string electronText;
  EquationSide electronSide;
  std::string hydroniumText;
  EquationSide hydroniumSide;
  std::string waterEductText;
  std::string waterProductText;
  bool warning;
};

void PrintTo(const BuildCase& c, std::ostream* out) {
  *out << '"' << c.educt << "\" -> \"" << c.product << '"';
}

class HalfEquationBuild : public testing::TestWithParam<BuildCase> {};

TEST_P(HalfEquationBuild, WritesEveryTermExactly) {
  const BuildCase& expected = GetParam();
  const HalfEquation equation = build(expected.educt, expected.product);
  EXPECT_EQ(equation.kind, expected.kind);
  EXPECT_EQ(equation.kindText, expected.kindText);
  EXPECT_EQ(equation.coefficientText, expected.coefficientText);
  EXPECT_EQ(equation.electronText, expected.electronText);
  EXPECT_EQ(equation.electronSide, expected.electronSide);
  EXPECT_EQ(equation.hydroniumText, expected.hydroniumText);
  EXPECT_EQ(equation.hydroniumSide, expected.hydroniumSide);
  EXPECT_EQ(equation.waterEductText, expected.waterEductText);
  EXPECT_EQ(equation.waterProductText, expected.waterProductText);
  EXPECT_EQ(equation.warning, expected.warning);
  EXPECT_FALSE(equation.waterEduct > 0 && equation.waterProduct > 0);
}

constexpr auto Educt = EquationSide::Educt;
constexpr auto Product = EquationSide::Product;
constexpr auto NoSide = EquationSide::None;

INSTANTIATE_TEST_SUITE_P(
    WorkedBuilds, HalfEquationBuild,
    testing::Values(BuildCase{"MnO4 -", "Mn2+", RedoxKind::Reduction, " Reduktion ", "",
                              " +  5 e- ", Educt, " +  8  H3O+ ", Educt, "", "+  12  H2O", false},
                    BuildCase{"Cr2O7 2-", "Cr3+", RedoxKind::Reduction, " Reduktion ", "2",
                              " +  6 e- ", Educt, " +  14  H3O+ ", Educt, "", "+  21  H2O", false},
                    BuildCase{"SO3 2-", "SO4 2-", RedoxKind::Oxidation, " Oxidation", "",
                              " +  2 e- ", Product, " +  2  H3O+ ", Product, "+  3  H2O", "",
                              false},
                    BuildCase{"H2O2", "H2O", RedoxKind::Reduction, " Reduktion ", "2", " +  2 e- ",
                              Educt, " +  2  H3O+ ", Educt, "", "+  2  H2O", false},
                    BuildCase{"Cr2O7 2-", "CrO4 2-", RedoxKind::None, " keine Redoxreaktion ", "2",
                              "", NoSide, " +  2  H3O+ ", Product, "+  3  H2O", "", false},
                    BuildCase{"HCl", "Cl2", RedoxKind::Oxidation, " Oxidation", "", " +  1 e- ",
                              Product, " +  1  H3O+ ", Product, "+  1  H2O", "", true}));

INSTANTIATE_TEST_SUITE_P(
    EdgeBuilds, HalfEquationBuild,
    testing::Values(
        // The product written with the educt's own index holds as many atoms.
        BuildCase{"Cr2O7 2-", "Cr2O3", RedoxKind::Reduction, " Reduktion ", "", " +  6 e- ", Educt,
                  " +  8  H3O+ ", Educt, "", "+  12  H2O", false},
        // Educt without an index and a product with one: a warning, still a full equation.
        BuildCase{"Cl-", "Cl2", RedoxKind::Oxidation, " Oxidation", "", " +  1 e- ", Product, "",
                  NoSide, "", "", true},
        // Index 3 against 2.
        BuildCase{"Fe3O4", "Fe2O3", RedoxKind::Reduction, " Reduktion ", "", " +  5 e- ", Educt,
                  " +  5  H3O+ ", Educt, "", "+  6  H2O", true},
        // Neither side written with an index.
        BuildCase{"Fe2+", "Fe3+", RedoxKind::Oxidation, " Oxidation", "", " +  1 e- ", Product, "",
                  NoSide, "", "", false},
        // Opposite signs add up.
        BuildCase{"Cl-", "ClO-", RedoxKind::Oxidation, " Oxidation", "", " +  2 e- ", Product,
                  " +  2  H3O+ ", Product, "+  3  H2O", "", false}));

TEST(HalfEquationBuild, CoefficientScalesTheProductOnly) {
  const HalfEquation equation = build("Cr2O7 2-", "Cr3+");
  EXPECT_EQ(equation.coefficient, 2);
  EXPECT_EQ(equation.productOxidationTotal, 6);
  EXPECT_EQ(equation.productCharge, 6);
  EXPECT_EQ(equation.productOxygenCount, 0);
  EXPECT_EQ(equation.electrons, 6);
  EXPECT_EQ(equation.hydronium, 14);
  EXPECT_EQ(equation.waterProduct, 21);
}

TEST(HalfEquationBuild, RepeatedBuildsFromOneSummaryAgree) {
  const EductSummary summary = summariseEduct(analyseFormula("MnO4 -"));
  const FormulaAnalysis manganese = analyseFormula("Mn2+");
  const FormulaAnalysis first = analyseFormula("MnO2");
  const HalfEquation alone = buildHalfEquation(summary, manganese);
  buildHalfEquation(summary, first);
  const HalfEquation again = buildHalfEquation(summary, manganese);
  EXPECT_EQ(again.electronText, alone.electronText);
  EXPECT_EQ(again.hydroniumText, alone.hydroniumText);
  EXPECT_EQ(again.waterProductText, alone.waterProductText);
}

TEST(ElementIndex, ReadsTheCharacterAfterTheFirstOccurrence) {
  EXPECT_EQ(readElementIndex("Cr2O7 ", "Cr"), 2);
  EXPECT_EQ(readElementIndex("C12H22O11", "C"), 1);
  EXPECT_EQ(readElementIndex("C0", "C"), 0);
  EXPECT_EQ(readElementIndex("CaC2", "C"), 0);
  EXPECT_EQ(readElementIndex("Cl", "Cl"), 0);
  // Absent symbols read nothing, not the start of the text.
  EXPECT_EQ(readElementIndex("H2o", "Ho"), 0);
  EXPECT_EQ(readElementIndex("2Fe", "Cu"), 0);
  EXPECT_EQ(readElementIndex("2Fe", ""), 0);
}

TEST(OxygenCount, ReadsTheFirstCapitalO) {
  EXPECT_EQ(readOxygenCount("NaClO"), 1);
  EXPECT_EQ(readOxygenCount("Ca(OH)2"), 1);
  EXPECT_EQ(readOxygenCount("Cr2O7 "), 7);
  EXPECT_EQ(readOxygenCount("O"), 1);
  EXPECT_EQ(readOxygenCount("3Fe"), 0);
  EXPECT_EQ(readOxygenCount("co2"), 0);
}

TEST(CountText, WritesALeadingBlankAndAPoint) {
  EXPECT_EQ(countText(12), " 12");
  EXPECT_EQ(countText(0.5), " 0.5");
  EXPECT_EQ(countText(8.0 / 3.0), " 2.66666666666667");
}

}  // namespace
}  // namespace redox
