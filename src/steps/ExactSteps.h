#pragma once

#include <string>

#include "ExactMatrix.h"
#include "Step.h"

namespace zorvel {

// An exact value written in full: the decimal where it ends ("0,125+2i"),
// a reduced fraction where it does not ("1/3", "2i/7", "(1+2i)/3"), the
// too-large message for no number.
std::string ExactValueText(const ExactValue& value);

// The exact mode's steps of one shown value: "name = " its exact value,
// then the shown text, that value rounded once to `places`.
void AddExactSteps(Step& step, const std::string& name, const ExactValue& value, int places);

}  // namespace zorvel
