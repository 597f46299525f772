#include "ui/qt_modal_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace redox {
namespace {

QMessageBox::Icon iconOf(BoxIcon icon) {
  return icon == BoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(BoxButtons buttons) {
  return buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
}

BoxAnswer answerOf(int pressed, BoxButtons buttons) {
  if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
  return pressed == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace

BoxAnswer QtModalBoxes::showMessage(const MessageBoxRequest& request) {
  QMessageBox box(iconOf(request.icon), request.title, request.text, buttonsOf(request.buttons),
                  QApplication::activeWindow());
  return answerOf(box.exec(), request.buttons);
}

QString QtModalBoxes::askText(const InputBoxRequest& request) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(request.title);
  dialog.setLabelText(request.prompt);
  dialog.setTextValue(QString());
  if (request.framePosition) dialog.move(*request.framePosition);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

}  // namespace redox
