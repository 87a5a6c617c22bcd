#pragma once

#include <QAbstractItemModel>

#include <memory>
#include <unordered_set>

#include "Step.h"

namespace zorvel {

// A tree of step lines for a view: a line's lines are worked out when the
// view first opens it (fetchMore), never before. Each line's text is also
// its accessible name.
class StepsModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  using QAbstractItemModel::QAbstractItemModel;

  // Shows other steps (nothing for none).
  void SetSteps(std::unique_ptr<Step> steps);
  [[nodiscard]] const Step* Steps() const { return root_.get(); }

  [[nodiscard]] QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] bool hasChildren(const QModelIndex& parent = {}) const override;
  [[nodiscard]] bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

 private:
  [[nodiscard]] Step* StepAt(const QModelIndex& index) const;

  std::unique_ptr<Step> root_;
  // The steps whose lines the view has been given.
  std::unordered_set<const Step*> fetched_;
};

}  // namespace zorvel
