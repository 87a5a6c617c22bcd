#pragma once

namespace zorvel {

class TMain;

// Whether any value the window shows now (the determinant strip, the
// adjugate and inverse, the result grid) holds the message written in place
// of a number too large to write.
bool ShowsTooLargeNumber(const TMain& window);

// Keeps the status line's notice on those values up to date after every
// recalculation: by hand it says why and points to the exact mode.
void FollowTooLargeNumbers(TMain& window);

}  // namespace zorvel
