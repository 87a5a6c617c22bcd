#pragma once

#include <memory>

#include "TMain.h"

namespace zorvel {

// Gives the application its name, which message boxes carry as their title.
void InitialiseApplication();

// Creates the main window and runs its start-up (FormCreate), centred on the
// desktop and ready to be shown. An error of the start-up is reported like
// any escaped error, and the window is still returned.
std::unique_ptr<TMain> CreateMain();

}  // namespace zorvel
