#pragma once

#include "ui/modal_boxes.h"

namespace redox {

// Real QMessageBox and QInputDialog objects, opened modally over the active
// window.
class QtModalBoxes final : public ModalBoxes {
 public:
  BoxAnswer showMessage(const MessageBoxRequest& request) override;
  QString askText(const InputBoxRequest& request) override;
};

}  // namespace redox
