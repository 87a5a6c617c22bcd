#include "StepsModel.h"

#include "Cp1250.h"

namespace zorvel {

void StepsModel::SetSteps(std::unique_ptr<Step> steps) {
  beginResetModel();
  root_ = std::move(steps);
  fetched_.clear();
  if (root_) fetched_.insert(root_.get());  // its first level is worked out already
  endResetModel();
}

Step* StepsModel::StepAt(const QModelIndex& index) const {
  return index.isValid() ? static_cast<Step*>(index.internalPointer()) : root_.get();
}

QModelIndex StepsModel::index(int row, int column, const QModelIndex& parent) const {
  Step* step = StepAt(parent);
  if (step == nullptr || column != 0 || row < 0 || row >= rowCount(parent)) return {};
  return createIndex(row, 0, &step->Line(static_cast<std::size_t>(row)));
}

QModelIndex StepsModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  Step* parent = static_cast<Step*>(child.internalPointer())->Parent();
  if (parent == nullptr || parent == root_.get()) return {};
  return createIndex(parent->Index(), 0, parent);
}

int StepsModel::rowCount(const QModelIndex& parent) const {
  Step* step = StepAt(parent);
  if (step == nullptr || !fetched_.contains(step)) return 0;
  return static_cast<int>(step->Count());
}

int StepsModel::columnCount(const QModelIndex& /*parent*/) const { return 1; }

bool StepsModel::hasChildren(const QModelIndex& parent) const {
  const Step* step = StepAt(parent);
  return step != nullptr && step->CanOpen();
}

bool StepsModel::canFetchMore(const QModelIndex& parent) const {
  const Step* step = StepAt(parent);
  return step != nullptr && step->CanOpen() && !fetched_.contains(step);
}

void StepsModel::fetchMore(const QModelIndex& parent) {
  Step* step = StepAt(parent);
  if (step == nullptr || fetched_.contains(step)) return;
  const int count = static_cast<int>(step->Count());  // worked out now
  if (count == 0) {
    fetched_.insert(step);
    return;
  }
  beginInsertRows(parent, 0, count - 1);
  fetched_.insert(step);
  endInsertRows();
}

QVariant StepsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return FromCp1250(StepAt(index)->Text());
    default: return {};
  }
}

}  // namespace zorvel
