#include "CramerMinors.h"

namespace zorvel {

std::string CramerMinors::Determinant(const Grid& replaced, int i, int j, int n, int k, int places) {
  if (n != n_ || k != k_) {  // another system: nothing kept fits it
    n_ = n;
    k_ = k;
    memos_.clear();
    memos_.resize(static_cast<std::size_t>(n) * static_cast<std::size_t>(k));
  }
  std::unique_ptr<MinorDeterminants>& memo =
      memos_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(k) + static_cast<std::size_t>(j - 1)];
  if (memo) {
    memo->Update(replaced, places);
  } else {
    memo = std::make_unique<MinorDeterminants>(replaced, places);
  }
  return memo->Whole();
}

}  // namespace zorvel
