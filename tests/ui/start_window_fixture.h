#pragma once

#include <QStringList>
#include <memory>

#include "catalogue_folder.h"
#include "scripted_boxes.h"
#include "scripted_editor.h"
#include "ui/start_window.h"

// What every window test starts from: a catalogue in a temporary folder, boxes
// and an editor that answer from a script, and a start window made on them.
class StartWindowFixture {
 public:
  explicit StartWindowFixture(const QStringList& catalogueLines);

  // A new start window, as at a new start of the program; an earlier one
  // ends first.
  redox::RedoxT& makeStartWindow();

  CatalogueFolder folder;
  ScriptedBoxes boxes;
  ScriptedEditor editor;

 private:
  std::unique_ptr<redox::RedoxT> startWindow_;
};
