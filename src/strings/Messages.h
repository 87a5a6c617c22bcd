#pragma once

#include <string_view>

namespace zorvel {

// "Príliš veľké číslo" in Windows-1250: written in place of a number whose
// integer part does not fit in 32 bits.
inline constexpr std::string_view kTooLargeNumber =
    "Pr\xED"
    "li\x9A ve\xBE"
    "k\xE9 \xE8\xED"
    "slo";

}  // namespace zorvel
