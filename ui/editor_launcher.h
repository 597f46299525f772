#pragma once

#include <QString>

namespace redox {

// Opens the catalogue file in an editor outside the program, which runs on
// its own: the program neither waits for it nor watches it.
class EditorLauncher {
 public:
  virtual ~EditorLauncher() = default;

  // False when no editor could be started.
  virtual bool openCatalogue(const QString& path) = 0;
};

}  // namespace redox
