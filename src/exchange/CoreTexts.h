#pragma once

#include <QString>

#include <string_view>

namespace zorvel {

// A message of the core (a Windows-1250 text) as the window shows it: in the
// language of the window when its translation has the message.
QString ShownCoreText(std::string_view text);

}  // namespace zorvel
