#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

// The top-level window of that name, or none while it has not been created.
inline QWidget* topLevelWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) return widget;
  }
  return nullptr;
}
