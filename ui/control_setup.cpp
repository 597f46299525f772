#include "ui/control_setup.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace redox {

void placeControl(QWidget& control, const QString& name, const TwipsRect& place) {
  control.setObjectName(name);
  control.setGeometry(pixelRect(place));
}

QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, const TwipsRect& place,
                 const QFont& font) {
  auto* label = new QLabel(text, &parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(font);
  placeControl(*label, name, place);
  // The substitute fonts run wider than the ones the layout was drawn for; a
  // fixed text is never cut off, its label grows to the right instead.
  if (!text.isEmpty()) {
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
  }
  return label;
}

QMenu* addMenu(QMenuBar& bar, const QString& name, const QString& text) {
  QMenu* menu = bar.addMenu(text);
  menu->setObjectName(name);
  return menu;
}

QAction* addMenuCommand(QWidget& menuOrBar, const QString& name, const QString& text) {
  QAction* command = menuOrBar.addAction(text);
  command->setObjectName(name);
  return command;
}

void setTextColour(QWidget& control, const QColor& colour) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::WindowText, colour);
  control.setPalette(palette);
}

void setBackgroundColour(QWidget& control, const QColor& colour) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::Base, colour);
  control.setPalette(palette);
}

}  // namespace redox
