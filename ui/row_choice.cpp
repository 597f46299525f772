#include "ui/row_choice.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QListWidget>

namespace redox {

RowChoice::RowChoice(QListWidget& list) : QObject(&list), list_(list) {
  list.viewport()->installEventFilter(this);
  connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &RowChoice::takeSelection);
  connect(&list, &QListWidget::clicked, this,
          [this](const QModelIndex& index) { takeClick(index.row()); });
}

bool RowChoice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) pressHandled_ = false;
  return QObject::eventFilter(watched, event);
}

// A press that moves the selection has made its choice already; the click
// that follows on release must not make it twice.
void RowChoice::takeSelection() {
  pressHandled_ = true;
  const QList<QListWidgetItem*> selected = list_.selectedItems();
  if (!selected.isEmpty()) emit chosen(list_.row(selected.first()));
}

void RowChoice::takeClick(int row) {
  if (pressHandled_) return;
  pressHandled_ = true;
  emit chosen(row);
}

}  // namespace redox
