#pragma once

#include <QCollator>
#include <QStringList>

namespace redox {

// The order of the catalogue's edit list and of the saved file: German
// collation, case ignored, punctuation counted. Rows that compare equal keep
// the order in which they came.
class CatalogueOrder {
 public:
  CatalogueOrder();

  void sort(QStringList& rows) const;

  // The position at which `row` joins the sorted `rows`: after every row that
  // does not sort behind it.
  qsizetype insertionRow(const QStringList& rows, const QString& row) const;

 private:
  bool comesBefore(const QString& left, const QString& right) const;

  QCollator collator_;
};

}  // namespace redox
