#pragma once

#include <cstddef>
#include <cstdint>
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
  // How many lines an opener adds down to `levels` levels below, all open.
  using LineCount = std::function<std::uint64_t(int levels)>;

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
  // Says how many lines this line's opener will add (LinesBelow), so that
  // a reader can be told before they are worked out.
  Step& SetLinesBelow(LineCount count);

  // The lines below down to `levels` levels, each branch open: counted
  // where they are worked out, told by the opener's count where not.
  [[nodiscard]] std::uint64_t LinesBelow(int levels) const;
  // Lets go of the lines below once they have been read: a reader that
  // passes over a large expansion once keeps only the branch it is in.
  void Release() { lines_.clear(); }

 private:
  void Open();

  std::string text_;
  Opener opener_;
  LineCount linesBelow_;
  Step* parent_;
  int index_ = 0;
  bool opened_ = false;
  std::vector<std::unique_ptr<Step>> lines_;
};

}  // namespace zorvel
