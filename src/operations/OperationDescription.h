#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CalculationKinds.h"
#include "Grid.h"
#include "Step.h"

namespace zorvel {

class MatrixCalculation;
struct StepRequest;

// One operation of the calculation area, described once: the window's list,
// the kept session (by position), zorvel-calc's verbs, the steps and the
// saved calculation all read it. A new operation is a file with its
// description and a line in OperationList.cpp.
class OperationDescription {
 public:
  OperationDescription() = default;
  virtual ~OperationDescription() = default;
  OperationDescription(const OperationDescription&) = delete;
  OperationDescription& operator=(const OperationDescription&) = delete;

  // Its name in the window's list, in Slovak and in English (UTF-8).
  [[nodiscard]] virtual std::string_view Slovak() const = 0;
  [[nodiscard]] virtual std::string_view English() const = 0;
  // zorvel-calc's word for it.
  [[nodiscard]] virtual std::string_view Verb() const = 0;
  // How many matrices it reads: 1 (matrix 1 alone) or 2.
  [[nodiscard]] virtual int Operands() const { return 2; }
  // Whether zorvel-calc takes a second matrix for an operation of one
  // operand, and works on [A | B] side by side.
  [[nodiscard]] virtual bool TakesMatrixBeside() const { return false; }
  // Whether it is shown in the inverse view (1/determinant, adjugate,
  // inverse) rather than in Pole5.
  [[nodiscard]] virtual bool InverseView() const { return false; }

  // Why its result cannot be shown for these sizes and this determinant
  // (Windows-1250), or nothing when it can.
  [[nodiscard]] virtual std::optional<std::string> Refusal(MatrixCalculation& calculation) const = 0;
  // Its result in the calculation's mode, with its shape and headers (for
  // the inverse view, the inverse). Asked only when not refused.
  virtual void Fill(MatrixCalculation& calculation, Grid& result) const = 0;
  // The line over the result (Windows-1250), empty for none.
  [[nodiscard]] virtual std::string Caption(MatrixCalculation& /*calculation*/) const { return {}; }

  // The steps of one cell of its result (request.row, request.col), the
  // first level worked out, the last line the cell's shown text; nothing
  // when the cell is not shown.
  [[nodiscard]] virtual std::unique_ptr<Step> Steps(const StepRequest& request) const = 0;
};

}  // namespace zorvel
