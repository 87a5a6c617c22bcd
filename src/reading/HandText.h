#pragma once

#include <string>

#include "ComplexText.h"

namespace zorvel {

// A text in the program's own form that ParseComplex reads as exactly these
// two doubles: what the hand arithmetic works on for a cell written in
// another form ("1/3", "230∠30°").
std::string HandText(const Complex& value);

}  // namespace zorvel
