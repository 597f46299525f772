#pragma once

#include <QPoint>
#include <QString>
#include <optional>

namespace redox {

enum class BoxIcon { None, Critical };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// The program's boxes carry a short exclamation as their text and the
// explaining sentence as their title.
struct MessageBoxRequest {
  QString text;
  QString title;
  BoxIcon icon = BoxIcon::None;
  BoxButtons buttons = BoxButtons::Ok;
};

struct InputBoxRequest {
  QString prompt;
  QString title;
  std::optional<QPoint> framePosition;  // top-left corner of the box's frame on the screen
};

// Every modal box the windows open goes through here, so that tests can
// answer them without a user.
class ModalBoxes {
 public:
  virtual ~ModalBoxes() = default;

  virtual BoxAnswer showMessage(const MessageBoxRequest& request) = 0;

  // The typed text; an empty text when the box is cancelled.
  virtual QString askText(const InputBoxRequest& request) = 0;
};

}  // namespace redox
