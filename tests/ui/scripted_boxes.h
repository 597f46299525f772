#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/modal_boxes.h"

// Answers the input boxes from a script and every message box with OK, and
// keeps every box asked for.
class ScriptedBoxes final : public redox::ModalBoxes {
 public:
  redox::BoxAnswer showMessage(const redox::MessageBoxRequest& request) override {
    messages.push_back(request);
    return redox::BoxAnswer::Ok;
  }

  // Once the script has run out, every box is cancelled.
  QString askText(const redox::InputBoxRequest& request) override {
    inputs.push_back(request);
    if (typedTexts.empty()) return {};
    const QString text = typedTexts.front();
    typedTexts.pop_front();
    return text;
  }

  std::deque<QString> typedTexts;
  std::vector<redox::MessageBoxRequest> messages;
  std::vector<redox::InputBoxRequest> inputs;
};
