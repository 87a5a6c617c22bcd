#include "BorderShare.h"

#include "AlignLayout.h"

namespace zorvel {

BorderShare::BorderShare(AlignLayout& layout, QWidget* sized)
    : layout_(layout), sized_(sized), built_(layout.Extent(sized)), placed_(built_) {}

bool BorderShare::Dragged() {
  if (layout_.Extent(sized_) != placed_) dragged_ = true;  // its splitter moved it
  return dragged_;
}

void BorderShare::Place(int extent) {
  if (Dragged()) return;
  layout_.SetExtent(sized_, extent);
  placed_ = layout_.Extent(sized_);
}

}  // namespace zorvel
