#pragma once

#include <QLayout>
#include <QList>

namespace zorvel {

// How a child takes its place in its container. None: the program places it.
enum class Align { None, Top, Bottom, Left, Right, Client };

// Places children along the edges of their container: Top children take the
// top edge in the order they were added (full width, `extent` high), Bottom
// children the bottom edge upward in the order added (the first added is the
// lowest), then Left children from the left and Right children from the right
// edge leftward (the first added is the rightmost), and every Client child
// gets the rectangle that remains. Hidden children take no space. The layout
// re-flows at once when a child is shown, hidden, re-aligned or resized through
// it, and imposes no minimum size on the window.
class AlignLayout : public QLayout {
  Q_OBJECT

 public:
  // Installs itself on `container`.
  explicit AlignLayout(QWidget* container);
  ~AlignLayout() override;

  // `extent` is the height of a Top or Bottom child and the width of a Left or
  // Right one. Adding a managed widget again changes its alignment and extent.
  void Add(QWidget* widget, Align how, int extent = 0);
  // An unmanaged widget is added with its present width or height as extent.
  void SetAlign(QWidget* widget, Align how);
  [[nodiscard]] Align AlignOf(const QWidget* widget) const;
  [[nodiscard]] int Extent(const QWidget* widget) const;
  void SetExtent(QWidget* widget, int extent);

  // The rectangle the Client children get (in container coordinates).
  [[nodiscard]] QRect ClientRect() const;

  // QLayout
  void addItem(QLayoutItem* item) override;  // managed as Align::None
  [[nodiscard]] QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  [[nodiscard]] int count() const override;
  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSize() const override;
  [[nodiscard]] Qt::Orientations expandingDirections() const override;
  void setGeometry(const QRect& rect) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QLayoutItem* item;
    Align align;
    int extent;
  };

  // The widget's entry, or -1; named apart from the virtual QLayout::indexOf.
  [[nodiscard]] int EntryOf(const QWidget* widget) const;
  // Lays the children out in `area`; with apply false it only computes the
  // client rectangle.
  QRect Arrange(const QRect& area, bool apply) const;
  [[nodiscard]] QRect Area() const;
  void Reflow();

  QList<Entry> entries_;
};

}  // namespace zorvel
