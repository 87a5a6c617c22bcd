#pragma once

#include <string_view>

namespace zorvel {

// Where the determinant's messages go: the window plugs in its modal message
// box, tests plug in a recorder. Without one, messages are dropped.
class MessageDisplay {
 public:
  virtual ~MessageDisplay() = default;
  virtual void ShowMessage(std::string_view text) = 0;
};

// Installs `display` (or none, with nullptr) and returns the one before.
MessageDisplay* InstallMessageDisplay(MessageDisplay* display);
void ShowMessage(std::string_view text);

}  // namespace zorvel
