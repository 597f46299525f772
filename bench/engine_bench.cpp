#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "engine/formula_analysis.h"
#include "engine/half_equation.h"
#include "engine/leading_number.h"
#include "engine/product_candidates.h"

namespace {

// Formulas as pupils type them and as the catalogue holds them.
const std::vector<std::string> kFormulas = {
    "KMnO4",  "MnO4 -",  "Mn2+",      "MnO2",  "K2Cr2O7", "Cr2O7 2-", "Cr3+", "CrO4 2-",
    "H2SO4",  "SO4 2-",  "SO3 2-",    "H2S",   "S",       "H2O2",     "H2O",  "Fe3+",
    "Fe2O3",  "Fe3O4",   "NH4 +",     "NO3 -", "HNO3",    "NO2",      "Cl2",  "HCl",
    "ClO3 -", "Ca(OH)2", "C12H22O11", "Cu2+",  "Zn",      "Ag+",      "PbO2", "I2"};

std::vector<std::string> catalogueLines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back("Verbindung Nummer " + std::to_string(i) + "#" +
                    kFormulas[static_cast<std::size_t>(i) % kFormulas.size()]);
  }
  return lines;
}

void analyseFormula(benchmark::State& state) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(redox::analyseFormula(kFormulas[next]));
    next = (next + 1) % kFormulas.size();
  }
}
BENCHMARK(analyseFormula);

void findProductCandidates(benchmark::State& state) {
  const redox::FormulaCatalogue catalogue = redox::FormulaCatalogue::fromLines(catalogueLines(301));
  const redox::FormulaAnalysis educt = redox::analyseFormula("Cr2O7 2-");
  for (auto _ : state) {
    benchmark::DoNotOptimize(redox::findProductCandidates(educt.formula, educt.element, catalogue));
  }
}
BENCHMARK(findProductCandidates);

void buildHalfEquation(benchmark::State& state) {
  const redox::EductSummary educt = redox::summariseEduct(redox::analyseFormula("Cr2O7 2-"));
  const std::vector<redox::FormulaAnalysis> products = {
      redox::analyseFormula("Cr3+"), redox::analyseFormula("CrO4 2-"),
      redox::analyseFormula("Cr2O3"), redox::analyseFormula("Cr")};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(redox::buildHalfEquation(educt, products[next]));
    next = (next + 1) % products.size();
  }
}
BENCHMARK(buildHalfEquation);

void readLeadingNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(redox::readLeadingNumber(" - 2.5E1 "));
}
BENCHMARK(readLeadingNumber);

void loadCatalogueFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "redox-bench-Redox-F.txt";
  {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : catalogueLines(301)) file << line << "\r\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(redox::loadCatalogue(path));
  std::filesystem::remove(path);
}
BENCHMARK(loadCatalogueFile);

}  // namespace
