#include "MessageBoxDisplay.h"

#include "CoreTexts.h"
#include "Dialogs.h"

namespace zorvel {

void MessageBoxDisplay::ShowMessage(std::string_view text) { ShowMessageBox(ShownCoreText(text)); }

}  // namespace zorvel
