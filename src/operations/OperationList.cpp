#include "OperationList.h"

#include <vector>

namespace zorvel {

// Each defined in its own file.
const OperationDescription& InverseOperation();
const OperationDescription& SumOperation();
const OperationDescription& DifferenceOperation();
const OperationDescription& ProductOperation();
const OperationDescription& SolveOperation();

namespace {

const std::vector<const OperationDescription*>& List() {
  static const std::vector<const OperationDescription*> list{
      &InverseOperation(), &SumOperation(), &DifferenceOperation(), &ProductOperation(), &SolveOperation(),
  };
  return list;
}

}  // namespace

std::span<const OperationDescription* const> Operations() { return List(); }

int OperationCount() { return static_cast<int>(List().size()); }

const OperationDescription& DescriptionOf(Operation operation) {
  return *List().at(static_cast<std::size_t>(operation));
}

std::optional<Operation> OperationWithVerb(std::string_view verb) {
  for (std::size_t i = 0; i < List().size(); ++i) {
    if (List()[i]->Verb() == verb) return static_cast<Operation>(i);
  }
  return std::nullopt;
}

}  // namespace zorvel
