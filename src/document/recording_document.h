#pragma once
// The open recording as a document: the sound buffer (samples, format, path, recording
// number, was-stereo flag, changed flag, visible range), the client it belongs to, the
// marked selection, the edit memory and the text labels. Controllers change it through
// these operations; the renderer draws it; observers hear what changed.
//
// Life: empty -> open(loaded buffer) -> selections, one level of zoom, edits (changed)
// -> close() -> empty. Opening shows the whole file with nothing marked; closing forgets
// the selection, the zoom, the edit memory and the labels.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/sound_buffer.h"
#include "document/document_observer.h"
#include "document/edit_state.h"
#include "document/label_set.h"
#include "document/sample_range.h"

namespace velmora {

class RecordingDocument {
 public:
  RecordingDocument() = default;
  RecordingDocument(const RecordingDocument&) = delete;
  RecordingDocument& operator=(const RecordingDocument&) = delete;

  // Takes a freshly loaded buffer: the whole file visible, nothing marked, no edit memory.
  void open(SoundBuffer&& loaded, int clientCode);
  // Frees the samples and forgets everything about the recording.
  void close();

  const SoundBuffer& sound() const { return sound_; }
  bool isOpen() const { return sound_.isOpen(); }
  int32_t sampleCount() const { return sound_.sampleCount(); }
  int sampleRate() const { return static_cast<int>(sound_.sampleRate()); }
  const std::filesystem::path& path() const { return sound_.path; }
  int recordingNumber() const { return sound_.recordingNumber; }
  int clientCode() const { return clientCode_; }
  bool wasStereo() const { return sound_.wasStereo; }

  // The changed flag: set by edits, cleared by a successful save.
  bool isChanged() const { return sound_.modified; }
  void setChanged(bool changed);
  // The samples were written to `path` (recording `number`, or kNoRecordingNumber): the
  // document now stands for that file and is no longer changed.
  void savedAs(const std::filesystem::path& path, int number);

  // The marked stretch, ends as the user made them (either order), held inside the file.
  SampleRange selection() const { return selection_; }
  bool hasSelection() const { return !selection_.empty(); }
  void select(int32_t startSample, int32_t endSample);
  void selectAll();
  void clearSelection();

  // The visible range: the whole file, or one level of zoom into a stretch of it.
  SampleRange visibleRange() const { return {sound_.visibleStart, sound_.visibleEnd}; }
  bool isZoomed() const;
  // Zooms into the stretch (ordered and held inside the file); refused (false) when
  // already zoomed, nothing is open or the stretch is empty.
  bool zoomTo(SampleRange range);
  void showAll();
  // Shows a stretch directly, zoomed or not (a label's marker takes the view back to the
  // range its label was made in); the whole file counts as not zoomed. False when empty.
  bool showRange(SampleRange range);

  const EditState& editState() const { return edit_; }
  EditState& editState() { return edit_; }
  const LabelSet& labels() const { return labels_; }
  LabelSet& labels() { return labels_; }
  // Called after changing the edit memory or the labels in place.
  void editStateChanged() { notify(ChangeEdit); }
  void labelsChanged() { notify(ChangeLabels); }

  // Replaces the samples after an edit (the format stays); marks the document changed.
  void replaceSamples(std::vector<int16_t> samples);
  // An edit in place on the samples (no copy of the block): afterwards the whole file is
  // shown, nothing is marked and the document is changed.
  template <class Edit>
  void editSamples(Edit&& edit) {
    beforeSamplesChange();
    edit(sound_.samples);
    afterEdit();
  }

  // Observing does not change the document: a reader of a const document may observe it.
  void addObserver(DocumentObserver* observer) const;
  void removeObserver(DocumentObserver* observer) const;

 private:
  void beforeSamplesChange();
  void notify(unsigned changes);
  void afterEdit();

  SoundBuffer sound_;
  int clientCode_ = -1;
  SampleRange selection_;
  EditState edit_;
  LabelSet labels_;
  mutable std::vector<DocumentObserver*> observers_;
};

}  // namespace velmora
