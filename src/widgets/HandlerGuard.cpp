#include "HandlerGuard.h"

#include "Cp1250.h"
#include "Dialogs.h"

#include <QString>

#include <exception>

namespace zorvel {

void ReportEscapedException(std::exception_ptr error) noexcept {
  QString text = QStringLiteral("Unknown error");
  try {
    std::rethrow_exception(std::move(error));
  } catch (const std::exception& e) {
    text = FromCp1250(e.what());
  } catch (...) {
  }
  // The report opens a modal box with its own event loop; whatever goes wrong
  // in there must not leave this boundary either.
  try {
    ReportError(text);
  } catch (...) {
  }
}

}  // namespace zorvel
