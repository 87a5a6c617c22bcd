#pragma once

#include <string>

#include "ExactComplex.h"
#include "ShownForm.h"

namespace zorvel {

// How the exact entries of a row reduction, a transpose or a general
// solution are written: rounded once to the places where they are a result,
// in the form of results (`form`) where they are a result, in full
// (fractions) in a step line. Every such entry is written here.
enum class EntryUse { Result, Step };
std::string WriteExactEntry(const ExactComplex& value, int places, EntryUse use, const ShownForm& form = {});

}  // namespace zorvel
