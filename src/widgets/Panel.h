#pragma once

#include "AlignLayout.h"

#include <QColor>
#include <QFrame>
#include <QString>

namespace zorvel {

// Colours the about panel uses.
inline const QColor kSkyBlue{166, 202, 240};
inline const QColor kMaroon{128, 0, 0};

enum class Bevel { None, Raised, Lowered };

// A container with a bevel, a background colour of its own and a caption
// painted in its middle, beneath its children: it shows only where no visible
// child covers it. When its
// children are hidden the caption is what the user reads, so a long caption
// wraps. Children are placed by the panel's AlignLayout.
class Panel : public QFrame {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent = nullptr);

  [[nodiscard]] QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  [[nodiscard]] Bevel BevelStyle() const { return bevel_; }
  void SetBevel(Bevel bevel);

  // The button-face colour until set. Children that do not paint their own
  // background show it too.
  [[nodiscard]] QColor Color() const;
  void SetColor(const QColor& color);

  // Bold font for the panel: its caption and the children that take the
  // panel's font.
  void SetBold(bool bold);

  [[nodiscard]] AlignLayout& Layout() { return *layout_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AlignLayout* layout_;
  QString caption_;
  Bevel bevel_ = Bevel::Raised;
};

}  // namespace zorvel
