#pragma once

namespace zorvel {

// Libraries elsewhere in the process (font shaping and painting among them)
// may return with the upper halves of the AVX registers in use. Until they
// are cleared, every SSE instruction of the arithmetic waits on them: after a
// repaint, a keystroke's determinants took about 1.8 times as long. Clearing
// them is one instruction, done where long arithmetic starts; on a processor
// without AVX it does nothing.
void ClearUpperVectorState();

}  // namespace zorvel
