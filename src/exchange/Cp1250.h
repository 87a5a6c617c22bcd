#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zorvel {

// The core keeps every text as Windows-1250 bytes; Qt holds Unicode. These
// two convert wherever a core text meets Qt.
QString FromCp1250(std::string_view bytes);

// Characters that Windows-1250 cannot write become "?".
std::string ToCp1250(const QString& text);

}  // namespace zorvel
