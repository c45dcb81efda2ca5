#pragma once
// The open recording's labels on disk: the label file beside the recording (read when the
// recording opens, written when it closes if the labels changed, removed by Clean Texts)
// and Praat TextGrids the user exports to or imports from.
#include <filesystem>

#include "core/interaction.h"
#include "document/recording_document.h"

namespace velmora {

class LabelFiles {
 public:
  LabelFiles(RecordingDocument& document, Interaction& ui);

  std::filesystem::path labelPath() const;
  // After a recording opened: the labels of its file, or none.
  void load();
  // When the recording closes: labels changed since loading are written, or the file is
  // removed when none is left (a deleted label must not come back). A file that cannot be
  // written says so ("Error saving File!") and keeps the previous one whole.
  bool store();
  // Clean Texts: the file goes and the band empties.
  void clean();
  // Files > Export Labels...: the labels as one interval tier of a TextGrid.
  void exportTextGrid();
  // Files > Import Labels...: the first interval tier of a TextGrid becomes the labels.
  void importTextGrid();

 private:
  RecordingDocument& document_;
  Interaction& ui_;
};

}  // namespace velmora
