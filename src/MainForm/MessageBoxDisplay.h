#pragma once

#include "MessageDisplay.h"

namespace zorvel {

// Shows the determinant's messages (Windows-1250 texts) in the modal message
// box. The window installs one with InstallMessageDisplay.
class MessageBoxDisplay : public MessageDisplay {
 public:
  void ShowMessage(std::string_view text) override;
};

}  // namespace zorvel
