#include "ui/placeholder_window.h"

#include <QWidget>

namespace redox {

std::unique_ptr<WorkingWindow> makePlaceholderWindow(const QString& name, const QString& caption,
                                                     const TwipsRect& restored) {
  auto window = std::make_unique<WorkingWindow>(name, caption, restored);
  window->setCentralWidget(new QWidget);
  return window;
}

}  // namespace redox
