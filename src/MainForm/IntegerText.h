#pragma once

#include <QStringView>

#include <optional>

namespace zorvel {

// Reads a whole text as a 32-bit integer, the way the number readers of the
// core read one, but gives nothing instead of a partial value: blanks around,
// an optional "+" or "-", then decimal digits within the 32-bit range, or up to
// eight hexadecimal digits after "$", "x" or "0x" (a 32-bit pattern, so
// $FFFFFFFF is -1; a sign before it is ignored, as in the core).
std::optional<int> ReadInteger(QStringView text);

}  // namespace zorvel
