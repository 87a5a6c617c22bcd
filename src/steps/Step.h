#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvel {

// One line of a computation written out (a Windows-1250 text), with the
// lines it opens into: a minor's determinant opens into its own expansion.
// The lines below a line are worked out the first time they are asked for,
// so a large expansion costs only the branches that are opened. A step owns
// its lines; their addresses stay fixed for the step's life.
class Step {
 public:
  // Adds the lines below `step` (with Add); called at most once.
  using Opener = std::function<void(Step& step)>;

  explicit Step(std::string text, Opener opener = {}, Step* parent = nullptr);
  Step(const Step&) = delete;
  Step& operator=(const Step&) = delete;

  [[nodiscard]] const std::string& Text() const { return text_; }
  [[nodiscard]] Step* Parent() const { return parent_; }
  // The position among the parent's lines.
  [[nodiscard]] int Index() const { return index_; }
  // Whether the line has lines below it, known without working them out.
  [[nodiscard]] bool CanOpen() const { return opener_ != nullptr || !lines_.empty(); }
  [[nodiscard]] bool Opened() const { return opened_; }

  // The lines below, worked out now if they are not yet. A floating-point
  // error on the way becomes a last line with the error's text.
  std::size_t Count();
  Step& Line(std::size_t index);

  Step& Add(std::string text, Opener opener = {});

 private:
  void Open();

  std::string text_;
  Opener opener_;
  Step* parent_;
  int index_ = 0;
  bool opened_ = false;
  std::vector<std::unique_ptr<Step>> lines_;
};

}  // namespace zorvel
