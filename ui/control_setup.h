#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "ui/twips.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace redox {

// Names a control and puts it at its fixed place in its window's client area.
void placeControl(QWidget& control, const QString& name, const TwipsRect& place);

// A label as the windows use them: text at the top left, transparent so that
// overlapping labels all show; wide enough for the text it is made with.
QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, const TwipsRect& place,
                 const QFont& font);

// A named menu on the menu bar, and a named command on a menu or on the bar
// itself.
QMenu* addMenu(QMenuBar& bar, const QString& name, const QString& text);
QAction* addMenuCommand(QWidget& menuOrBar, const QString& name, const QString& text);

void setTextColour(QWidget& control, const QColor& colour);
void setBackgroundColour(QWidget& control, const QColor& colour);

}  // namespace redox
