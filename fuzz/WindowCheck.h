#pragma once

// What the window shows after a step against what the calculations give
// afresh, with no kept work, for the input the window holds then: the
// determinant strip, and the chosen operation's result, the reason it
// cannot be shown, or the error that ended the recalculation.
namespace zorvel {
class TMain;
}

namespace zorvel::fuzz {

void CheckShownResults(const TMain& window);

}  // namespace zorvel::fuzz
