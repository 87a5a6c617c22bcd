#pragma once

#include <QObject>

#include <array>
#include <optional>

namespace zorvel {

class TMain;

// The results get at least half of the window's height while a result is
// shown, as far as the matrices above keep the room the window was built to
// give them: the calculation area grows when a result appears and when the
// window grows or is maximised, and gets its height back when the window is
// restored. A height the user drags stays until the sizes of the matrices
// change.
class ResultHeight : public QObject {
  Q_OBJECT

 public:
  explicit ResultHeight(TMain& window);

  // Gives the results their half, when the window shows one.
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] int Extent() const;
  void SetExtent(int extent);
  [[nodiscard]] std::array<int, 4> Sizes() const;

  TMain& window_;
  // The calculation area's height as built, and before the window was
  // maximised.
  int built_;
  std::optional<int> beforeMaximised_;
  // The height this class last left; another one was dragged by the user.
  std::optional<int> left_;
  bool byHand_ = false;
  std::array<int, 4> sizes_{};  // of the matrices, when the user dragged
};

}  // namespace zorvel
