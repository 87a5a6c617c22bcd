#pragma once

#include <QObject>

#include <optional>

namespace zorvel {

class TMain;

// A maximised window gives the results at least half of its height while a
// result is shown: the calculation area grows when the window is maximised
// and when a result appears in a maximised window, and gets its height back
// when the window is restored. A height the user drags while the window is
// maximised stays.
class ResultHeight : public QObject {
  Q_OBJECT

 public:
  explicit ResultHeight(TMain& window);

  // Gives the results their half, when the window is maximised and shows one.
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] int Extent() const;
  void SetExtent(int extent);

  TMain& window_;
  // The calculation area's height before the window was maximised.
  std::optional<int> beforeMaximised_;
  // The height this class last left; another one was dragged by the user.
  std::optional<int> left_;
  bool byHand_ = false;
};

}  // namespace zorvel
