#pragma once
// What a recording document tells those who draw or act on it. Changes come as a set of
// flags so one operation (opening a file changes samples, selection and zoom at once)
// gives one call.
namespace velmora {

enum DocumentChange : unsigned {
  ChangeSamples = 1u << 0,    // samples or format replaced: opened, closed or edited
  ChangeSelection = 1u << 1,  // the marked stretch
  ChangeZoom = 1u << 2,       // the visible range
  ChangeModified = 1u << 3,   // the changed flag (the save question depends on it)
  ChangeLabels = 1u << 4,
  ChangeEdit = 1u << 5,       // the edit memory (what Paste and Undo may do)
};

class RecordingDocument;

class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void documentChanged(const RecordingDocument&, unsigned /*changes*/) {}
  // The samples are about to be replaced, edited in place or freed: whoever still reads
  // them from another thread lets go first.
  virtual void samplesWillChange(const RecordingDocument&) {}
};

}  // namespace velmora
