#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace zorvel {

// How a cell's text is read, for the tooltip, the status line and the
// command line's warnings, in the language of the window: nothing for a text
// read by the program's own rules; the value, to the places, for a text read
// in another form ("199,186+115i") or read only in part, with the reason
// where one can be told ("1 (delenie nulou)").
std::optional<QString> CellReadAs(std::string_view text, int places);

// Whether the text is marked: read neither by the program's own rules nor in
// another form, or not by hand.
bool CellMarked(std::string_view text);

}  // namespace zorvel
