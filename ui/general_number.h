#pragma once

#include <QString>

namespace redox {

// A number as the user reads it: whole numbers without decimals, others with
// at most 15 significant digits and the decimal separator of the locale.
QString generalNumberText(double value);

}  // namespace redox
