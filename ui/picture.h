#pragma once

#include <QString>

#include "ui/twips.h"

class QLabel;
class QWidget;

namespace redox {

// A decorative picture of the program's resources (":/pictures/<image>.png",
// with a sharper "@2x" version for high-resolution screens) at its fixed place.
QLabel* addPicture(QWidget& parent, const QString& name, const QString& image,
                   const TwipsRect& place);

}  // namespace redox
