#pragma once

#include <memory>

#include "ComputationSteps.h"
#include "Step.h"

namespace zorvel {

// The whole system by Cramer's rule by hand (matrix 1 square and its
// determinant not reading as 0, as the caller has checked): the
// determinant once, then for each unknown (and each column of matrix 2)
// the determinant with that column replaced and the quotient, so that any
// one unknown can be found on its own. Every determinant opens into its
// steps; the texts are those the result shows.
std::unique_ptr<Step> CramerSystemSteps(const StepRequest& request);

}  // namespace zorvel
