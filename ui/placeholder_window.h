#pragma once

#include <QString>
#include <memory>

#include "ui/working_window.h"

namespace redox {

// An empty working window that stands in for one not built yet.
std::unique_ptr<WorkingWindow> makePlaceholderWindow(const QString& name, const QString& caption,
                                                     const TwipsRect& restored);

}  // namespace redox
