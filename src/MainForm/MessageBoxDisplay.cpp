#include "MessageBoxDisplay.h"

#include "Cp1250.h"
#include "Dialogs.h"

namespace zorvel {

void MessageBoxDisplay::ShowMessage(std::string_view text) { ShowMessageBox(FromCp1250(text)); }

}  // namespace zorvel
