#include "Step.h"

#include <exception>
#include <utility>

namespace zorvel {

Step::Step(std::string text, Opener opener, Step* parent)
    : text_(std::move(text)), opener_(std::move(opener)), parent_(parent) {}

void Step::Open() {
  if (opened_) return;
  opened_ = true;
  if (!opener_) return;
  const Opener opener = std::move(opener_);
  opener_ = nullptr;
  try {
    opener(*this);
  } catch (const std::exception& error) {
    // The calculation stopped here too: its error is the last thing written.
    Add(std::string(error.what()) + '.');
  }
}

std::size_t Step::Count() {
  Open();
  return lines_.size();
}

Step& Step::Line(std::size_t index) {
  Open();
  return *lines_.at(index);
}

Step& Step::Add(std::string text, Opener opener) {
  opened_ = true;
  auto& line = lines_.emplace_back(std::make_unique<Step>(std::move(text), std::move(opener), this));
  line->index_ = static_cast<int>(lines_.size()) - 1;
  return *line;
}

Step& Step::SetLinesBelow(LineCount count) {
  linesBelow_ = std::move(count);
  return *this;
}

std::uint64_t Step::LinesBelow(int levels) const {
  if (levels <= 0) return 0;
  if (!opened_) return linesBelow_ ? linesBelow_(levels) : 0;
  std::uint64_t lines = 0;
  for (const std::unique_ptr<Step>& line : lines_) lines += 1 + line->LinesBelow(levels - 1);
  return lines;
}

}  // namespace zorvel
