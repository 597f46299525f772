#pragma once

#include <QFont>

namespace redox {

// The windows are designed for "MS Sans Serif" and "Courier New"; where those
// are missing, metric-compatible free families stand in at the same size.
QFont sansSerifFont(qreal pointSize, bool bold = false);
QFont monospaceFont(qreal pointSize, bool bold = false);

}  // namespace redox
