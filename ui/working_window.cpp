#include "ui/working_window.h"

#include <QCloseEvent>

namespace redox {

WorkingWindow::WorkingWindow(const QString& name, const QString& caption,
                             const TwipsRect& restored) {
  setObjectName(name);
  setWindowTitle(caption);
  setGeometry(pixelRect(restored));
  setWindowState(Qt::WindowMaximized);
}

void WorkingWindow::closeWithProgram() {
  programEnding_ = true;
  close();
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
  if (programEnding_) {
    event->accept();
    return;
  }
  event->ignore();
  emit startWindowRequested();
}

}  // namespace redox
