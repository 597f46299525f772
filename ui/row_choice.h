#pragma once

#include <QObject>

class QListWidget;

namespace redox {

// Reports each choice of a list row exactly once, whether the row is clicked
// or reached with the keyboard. A click on the row that is already chosen
// chooses it again; the second click of a double-click does not.
class RowChoice : public QObject {
  Q_OBJECT

 public:
  explicit RowChoice(QListWidget& list);

 signals:
  void chosen(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void takeSelection();
  void takeClick(int row);

  QListWidget& list_;
  bool pressHandled_ = false;
};

}  // namespace redox
