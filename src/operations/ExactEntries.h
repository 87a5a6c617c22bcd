#pragma once

#include <string>

#include "ExactComplex.h"

namespace zorvel {

// How the exact entries of a row reduction, a transpose or a general
// solution are written: rounded once to the places where they are a result,
// in full (fractions) in a step line. Every such entry is written here, so
// a choice of how results are written applies to all of them at once.
enum class EntryUse { Result, Step };
std::string WriteExactEntry(const ExactComplex& value, int places, EntryUse use);

}  // namespace zorvel
