#pragma once

#include <QMainWindow>

#include "ui/twips.h"

namespace redox {

// A window opened from the start window. It asks the start window to come
// back or to end the program; closing it by its frame only hides it, because
// it keeps its state for the next showing until the program ends.
class WorkingWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `restored` is the window's place on the screen when it is not maximised.
  WorkingWindow(const QString& name, const QString& caption, const TwipsRect& restored);

  // Lets the window really close; the program is ending.
  void closeWithProgram();

 signals:
  void startWindowRequested();
  void programEndRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool programEnding_ = false;
};

}  // namespace redox
