#pragma once

#include <QString>

#include <string_view>

namespace zorvel {

// A message of the core (a Windows-1250 text) as the window shows it: in the
// language of the window when its translation has the message.
QString ShownCoreText(std::string_view text);

// A value the core wrote as the window and zorvel-calc show it: the message
// written in place of a number too large to write ("Príliš veľké číslo") in
// the language of the window, the numbers as they are. Inside the core the
// message stays Slovak, as the reading of results knows it.
QString ShownValueText(std::string_view text);
QString ShownValueText(QString text);  // a value already made Unicode

// Why a value is too large to write, and what to do: shown beside results
// that hold the message.
QString TooLargeHint();
// The same for the exact mode, where the limit is what a cell holds.
QString TooLongHint();

}  // namespace zorvel
