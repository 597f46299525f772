#pragma once

#include "ui/editor_launcher.h"
#include "ui/modal_boxes.h"

namespace redox {

// Everything through which the windows reach the platform beyond drawing
// themselves.
struct PlatformSeams {
  ModalBoxes& boxes;
  EditorLauncher& editor;
};

}  // namespace redox
