#include "ui/general_number.h"

#include <QLocale>

namespace redox {

QString generalNumberText(double value) { return QLocale().toString(value, 'g', 15); }

}  // namespace redox
