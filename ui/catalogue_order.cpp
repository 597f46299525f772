#include "ui/catalogue_order.h"

#include <QLocale>
#include <algorithm>

namespace redox {

CatalogueOrder::CatalogueOrder() : collator_(QLocale(QLocale::German, QLocale::Germany)) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
  collator_.setIgnorePunctuation(false);
  collator_.setNumericMode(false);
}

bool CatalogueOrder::comesBefore(const QString& left, const QString& right) const {
  return collator_.compare(left, right) < 0;
}

void CatalogueOrder::sort(QStringList& rows) const {
  std::stable_sort(rows.begin(), rows.end(), [this](const QString& left, const QString& right) {
    return comesBefore(left, right);
  });
}

qsizetype CatalogueOrder::insertionRow(const QStringList& rows, const QString& row) const {
  const auto position = std::upper_bound(
      rows.begin(), rows.end(), row,
      [this](const QString& left, const QString& right) { return comesBefore(left, right); });
  return position - rows.begin();
}

}  // namespace redox
