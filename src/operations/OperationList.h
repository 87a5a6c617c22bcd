#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "CalculationKinds.h"
#include "OperationDescription.h"

namespace zorvel {

// Every operation in the order of the window's list: a kept session stores
// the position, so a new operation goes last. An Operation is a position.
std::span<const OperationDescription* const> Operations();
int OperationCount();
const OperationDescription& DescriptionOf(Operation operation);
// The operation zorvel-calc's word names, if any.
std::optional<Operation> OperationWithVerb(std::string_view verb);

// The rank of matrix 1, as the row echelon form's caption gives it.
int RankOfMatrix1(MatrixCalculation& calculation);

}  // namespace zorvel
