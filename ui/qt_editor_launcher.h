#pragma once

#include "ui/editor_launcher.h"

namespace redox {

// On Windows the word processor "wordpad"; elsewhere whatever the desktop
// opens text files with.
class QtEditorLauncher final : public EditorLauncher {
 public:
  bool openCatalogue(const QString& path) override;
};

}  // namespace redox
