#pragma once

#include <QStringList>

#include "ui/editor_launcher.h"

// Keeps the files it was asked to open instead of starting an editor.
class ScriptedEditor final : public redox::EditorLauncher {
 public:
  bool openCatalogue(const QString& path) override {
    openedPaths << path;
    return starts;
  }

  bool starts = true;
  QStringList openedPaths;
};
