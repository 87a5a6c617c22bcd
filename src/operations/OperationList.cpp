#include "OperationList.h"

#include <vector>

namespace zorvel {

// Each defined in its own file.
const OperationDescription& InverseOperation();
const OperationDescription& SumOperation();
const OperationDescription& DifferenceOperation();
const OperationDescription& ProductOperation();
const OperationDescription& SolveOperation();
const OperationDescription& EchelonOperation();
const OperationDescription& TransposeOperation();
const OperationDescription& ConjugateTransposeOperation();

namespace {

const std::vector<const OperationDescription*>& List() {
  static const std::vector<const OperationDescription*> list{
      &InverseOperation(),             // 0
      &SumOperation(),                 // 1
      &DifferenceOperation(),          // 2
      &ProductOperation(),             // 3
      &SolveOperation(),               // 4
      &EchelonOperation(),             // 5
      &TransposeOperation(),           // 6
      &ConjugateTransposeOperation(),  // 7
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
