#pragma once

class QWidget;

namespace zorvel {

class AlignLayout;

// A border between two areas that the window places by what their texts
// need: the extent of the area it sizes in its layout. A border the user has
// dragged since the last placing stays where they put it until Forget.
class BorderShare {
 public:
  BorderShare(AlignLayout& layout, QWidget* sized);

  // The extent the area was built with.
  [[nodiscard]] int Built() const { return built_; }
  // Places the border at `extent`, unless the user has dragged it.
  void Place(int extent);
  [[nodiscard]] bool Dragged();
  // Sizes changed: the next Place holds again.
  void Forget() { dragged_ = false; }

 private:
  AlignLayout& layout_;
  QWidget* sized_;
  int built_;
  int placed_;  // the extent the last Place left
  bool dragged_ = false;
};

}  // namespace zorvel
