#pragma once

#include <string>
#include <vector>

#include "MessageDisplay.h"

namespace zorvel::testing {

// Captures the messages that would go to the message box while it lives.
class MessageRecorder : public MessageDisplay {
 public:
  MessageRecorder() : previous_(InstallMessageDisplay(this)) {}
  ~MessageRecorder() override { InstallMessageDisplay(previous_); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

  std::vector<std::string> messages;

 private:
  MessageDisplay* previous_;
};

}  // namespace zorvel::testing
