#pragma once
// The one-step edit memory of the open recording: the stretch of the last edit or copy,
// the samples it removed, copied or overwrote, and which edit it was. One buffer serves
// both paste and undo, so a copy replaces what an undo would have restored.
#include <cstdint>
#include <vector>

#include "document/sample_range.h"

namespace velmora {

enum class LastEdit { None = 0, Cut = 1, Copy = 2, Paste = 3, Silence = 4 };

struct EditState {
  SampleRange range;                 // of the last edit or copy; after a paste, end - start is the pasted length
  std::vector<int16_t> editBuffer;   // removed, copied or overwritten samples
  LastEdit lastEdit = LastEdit::None;

  bool canPaste() const { return lastEdit == LastEdit::Copy; }
  bool canUndo() const {
    return lastEdit == LastEdit::Cut || lastEdit == LastEdit::Paste || lastEdit == LastEdit::Silence;
  }
  void clear() { *this = EditState{}; }
};

}  // namespace velmora
