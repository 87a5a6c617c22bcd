#pragma once

#include <string>
#include <string_view>

namespace zorvel {

// `text` without its leading and trailing characters with codes 0 to 32, as
// every reader of numbers takes it.
std::string_view TrimControls(std::string_view text);

// Upper case of a Central European (Windows-1250) text: a-z and the Slovak and
// Czech lower-case letters; every other character stays.
std::string UpperCaseCE(std::string_view text);
char UpperCaseCE(char c);

// `text` with every occurrence of `sub` removed, including the occurrences
// that a removal creates by joining its neighbours. Linear in the text.
std::string DeleteAll(std::string_view sub, std::string_view text);

}  // namespace zorvel
