#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zorvel {

// The core keeps every text as Windows-1250 bytes; Qt holds Unicode. These
// two convert wherever a core text meets Qt. Three characters of the cell
// forms that the code page lacks ("∠", "μ" and the narrow no-break space)
// travel in bytes it leaves unassigned (ExtraCharacters.h), so they survive
// typing, pasting, files, the session and copies.
QString FromCp1250(std::string_view bytes);

// Other characters that Windows-1250 cannot write become "?", a lone
// surrogate too.
std::string ToCp1250(const QString& text);

}  // namespace zorvel
