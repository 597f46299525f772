#include "engine/formula_analysis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace redox {
namespace {

struct ExpectedGroup {
  std::string symbol;
  std::string index;
  int offset;
};

struct ReadingCase {
  std::string input;
  std::string formula;
  int charge;
  std::vector<ExpectedGroup> groups;
};

void PrintTo(const ReadingCase& c, std::ostream* out) { *out << '"' << c.input << '"'; }

class FormulaReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(FormulaReading, GivesFormulaChargeAndGroups) {
  const ReadingCase& expected = GetParam();
  const FormulaAnalysis analysis = readFormula(expected.input);
  EXPECT_EQ(analysis.formula, expected.formula);
  EXPECT_EQ(analysis.charge, expected.charge);
  ASSERT_EQ(analysis.groups.size(), expected.groups.size());
  for (std::size_t i = 0; i < expected.groups.size(); ++i) {
    SCOPED_TRACE("group " + std::to_string(i));
    EXPECT_EQ(analysis.groups[i].symbol, expected.groups[i].symbol);
    EXPECT_EQ(analysis.groups[i].index, expected.groups[i].index);
    EXPECT_EQ(analysis.groups[i].offset, expected.groups[i].offset);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedReadings, FormulaReading,
    testing::Values(
        ReadingCase{"KMnO4", "KMnO4", 0, {{"K", "", 720}, {"Mn", "", 1030}, {"O", "4", 1650}}},
        ReadingCase{"H2SO4", "H2SO4", 0, {{"H", "2", 720}, {"S", "", 1240}, {"O", "4", 1550}}},
        ReadingCase{"SO4 2-", "SO4 ", -2, {{"S", "", 720}, {"O", "4", 1030}}},
        ReadingCase{"Fe3+", "Fe", 3, {{"Fe", "", 720}}},
        ReadingCase{"Na+", "Na", 1, {{"Na", "", 720}}},
        ReadingCase{"NH4+", "NH", 4, {{"N", "", 720}, {"H", "", 1030}}},
        ReadingCase{"MnO4-", "MnO", -4, {{"Mn", "", 720}, {"O", "", 1340}}},
        ReadingCase{"(NH4)+", "(NH4)", 1, {{"N", "", 720}, {"H", "4", 1030}}},
        ReadingCase{"F2O", "OF2", 0, {{"O", "", 720}, {"F", "2", 1030}}},
        ReadingCase{"Ca(OH)2", "Ca(OH)2", 0, {{"Ca", "", 720}, {"O", "", 1340}, {"H", "2", 1650}}},
        ReadingCase{
            "C12H22O11", "C12H22O11", 0, {{"C", "2", 720}, {"H", "2", 1450}, {"O", "1", 2180}}}));

INSTANTIATE_TEST_SUITE_P(
    EdgeReadings, FormulaReading,
    testing::Values(
        // Only the exact text F2O is rewritten.
        ReadingCase{"F2O+", "F2O", 1, {{"F", "2", 720}, {"O", "", 1240}}},
        ReadingCase{"f2o", "f2o", 0, {}},
        ReadingCase{"NH4 +", "NH4 ", 1, {{"N", "", 720}, {"H", "4", 1030}}},
        // A 0 is neither a charge digit nor an index and takes no room.
        ReadingCase{"X0+", "X0", 1, {{"X", "", 720}}},
        ReadingCase{"C10H8", "C10H8", 0, {{"C", "1", 720}, {"H", "8", 1240}}},
        ReadingCase{"5+", "", 5, {}}, ReadingCase{"H2o", "H2o", 0, {{"Ho", "2", 720}}},
        ReadingCase{"co2", "co2", 0, {}}, ReadingCase{"xyz", "xyz", 0, {}},
        ReadingCase{"123", "123", 0, {}}, ReadingCase{"()", "()", 0, {}},
        // A sign alone has nothing before it: a charge of one and nothing else.
        ReadingCase{"+", "", 1, {}}, ReadingCase{"-", "", -1, {}},
        // The negative suffix is read after the positive one and replaces it.
        ReadingCase{"Fe-+", "Fe", -1, {{"Fe", "", 720}}},
        ReadingCase{"S2-+", "S", -2, {{"S", "", 720}}},
        ReadingCase{"Cr0-", "Cr0", -1, {{"Cr", "", 720}}},
        ReadingCase{"O2+-", "O2+", -1, {{"O", "2", 720}}},
        // Bytes outside ASCII letters and digits are skipped like brackets.
        ReadingCase{"Fe\xC3\xA4O", "Fe\xC3\xA4O", 0, {{"Fe", "", 720}, {"O", "", 1340}}}));

TEST(FormulaReading, KeepsOnlyAsManyGroupsAsAsked) {
  const FormulaAnalysis analysis = readFormula("KNaLiHOFMgCa", 5);
  ASSERT_EQ(analysis.groups.size(), 5U);
  EXPECT_EQ(analysis.groups[4].symbol, "O");
  EXPECT_EQ(analysis.groups[4].offset, 720 + 6 * 310);

  const FormulaAnalysis wide = readFormula("ABCDEFGHIJKLMN");
  EXPECT_EQ(wide.groups.size(), 10U);
}

TEST(FormulaReading, StartsFreshForEveryFormula) {
  readFormula("KMnO4");
  const FormulaAnalysis analysis = readFormula("Fe3+");
  ASSERT_EQ(analysis.groups.size(), 1U);
  EXPECT_EQ(analysis.groups[0].index, "");
}

struct RulesCase {
  std::string input;
  std::string element;
  int elementCount;
  int fixedTotal;
  double oxidationNumber;
};

void PrintTo(const RulesCase& c, std::ostream* out) { *out << '"' << c.input << '"'; }

class OxidationNumbers : public testing::TestWithParam<RulesCase> {};

TEST_P(OxidationNumbers, ReportTheOpenElement) {
  const RulesCase& expected = GetParam();
  const FormulaAnalysis analysis = analyseFormula(expected.input);
  EXPECT_EQ(analysis.element, expected.element);
  EXPECT_EQ(analysis.elementCount, expected.elementCount);
  EXPECT_EQ(analysis.fixedTotal, expected.fixedTotal);
  EXPECT_EQ(analysis.oxidationNumber, expected.oxidationNumber);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, OxidationNumbers,
    testing::Values(RulesCase{"KMnO4", "Mn", 1, -7, 7}, RulesCase{"K2Cr2O7", "Cr", 2, -12, 6},
                    RulesCase{"H2SO4", "S", 1, -6, 6}, RulesCase{"SO4 2-", "S", 1, -8, 6},
                    RulesCase{"NH4 +", "N", 1, 4, -3}, RulesCase{"NH4+", "N", 1, 1, 3},
                    RulesCase{"HCl", "Cl", 1, 1, -1}, RulesCase{"Cl2", "Cl", 2, 0, 0},
                    RulesCase{"Fe", "Fe", 1, 0, 0}, RulesCase{"Fe2O3", "Fe", 2, -6, 3},
                    RulesCase{"Fe3O4", "Fe", 3, -8, 8.0 / 3.0}, RulesCase{"H2O", "O", 1, 2, -2},
                    RulesCase{"H2O2", "O", 1, 1, -1}, RulesCase{"F2O", "O", 1, -2, 2},
                    RulesCase{"MgH2", "H", 1, 1, -1}, RulesCase{"FeS", "S", 1, 0, 0},
                    RulesCase{"CuSO4", "S", 1, -8, 8}, RulesCase{"NaHCO3", "C", 1, 2, -2}));

INSTANTIATE_TEST_SUITE_P(EdgeResults, OxidationNumbers,
                         testing::Values(
                             // An exception still adds the charge.
                             RulesCase{"H2O+", "O", 1, 2, -1}, RulesCase{"LiH", "H", 1, 1, -1},
                             RulesCase{"NaH", "H", 1, 1, -1}, RulesCase{"OF2", "O", 1, -2, 2},
                             // Fixed symbols match whole: Ho and Co are open.
                             RulesCase{"H2o", "Ho", 2, 0, 0}, RulesCase{"CoO", "Co", 1, -2, 2},
                             // Fixed symbols past the third group are not counted.
                             RulesCase{"CHCOOH", "C", 1, 1, -1}));

class NoReportedElement : public testing::TestWithParam<std::string> {};

TEST_P(NoReportedElement, LeavesElementEmpty) {
  const FormulaAnalysis analysis = analyseFormula(GetParam());
  EXPECT_EQ(analysis.element, "");
  EXPECT_EQ(analysis.elementCount, 0);
  EXPECT_EQ(analysis.oxidationNumber, 0.0);
}

INSTANTIATE_TEST_SUITE_P(FixedOnly, NoReportedElement,
                         testing::Values("H2", "O2", "Na", "NaOH", "Ca(OH)2", "KH", "CaH2", "OH-",
                                         "H3O+", "co2", "123", "+", "-", "()"));

TEST(OxidationNumbers, FixedTotalCountsTheFirstThreeGroupsOnly) {
  const FormulaAnalysis analysis = analyseFormula("NaHCO3");
  EXPECT_EQ(analysis.fixedTotal, 2);
  EXPECT_EQ(analysis.groups.size(), 4U);
}

}  // namespace
}  // namespace redox
