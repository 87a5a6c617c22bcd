#include "MessageDisplay.h"

namespace zorvel {
namespace {
MessageDisplay* installed = nullptr;
}  // namespace

MessageDisplay* InstallMessageDisplay(MessageDisplay* display) {
  MessageDisplay* const previous = installed;
  installed = display;
  return previous;
}

void ShowMessage(std::string_view text) {
  if (installed != nullptr) installed->ShowMessage(text);
}

}  // namespace zorvel
