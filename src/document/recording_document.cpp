#include "document/recording_document.h"

#include <algorithm>

namespace velmora {

void RecordingDocument::open(SoundBuffer&& loaded, int clientCode) {
  beforeSamplesChange();
  sound_ = std::move(loaded);
  sound_.showAll();
  clientCode_ = clientCode;
  selection_ = {};
  edit_.clear();
  labels_.clear();
  notify(ChangeSamples | ChangeSelection | ChangeZoom | ChangeModified | ChangeEdit | ChangeLabels);
}

void RecordingDocument::close() {
  beforeSamplesChange();
  sound_.clear();
  sound_.path.clear();
  sound_.recordingNumber = kNoRecordingNumber;
  sound_.wasStereo = false;
  sound_.modified = false;
  sound_.visibleStart = sound_.visibleEnd = 0;
  clientCode_ = -1;
  selection_ = {};
  edit_.clear();
  labels_.clear();
  notify(ChangeSamples | ChangeSelection | ChangeZoom | ChangeModified | ChangeEdit | ChangeLabels);
}

void RecordingDocument::setChanged(bool changed) {
  if (sound_.modified == changed) return;
  sound_.modified = changed;
  notify(ChangeModified);
}

void RecordingDocument::savedAs(const std::filesystem::path& path, int number) {
  sound_.path = path;
  sound_.recordingNumber = number;
  sound_.modified = false;
  notify(ChangeModified);
}

void RecordingDocument::select(int32_t startSample, int32_t endSample) {
  const int32_t n = sampleCount();
  const SampleRange next{std::clamp(startSample, 0, n), std::clamp(endSample, 0, n)};
  if (next == selection_) return;
  selection_ = next;
  notify(ChangeSelection);
}

void RecordingDocument::selectAll() { select(0, sampleCount()); }

void RecordingDocument::clearSelection() {
  if (selection_ == SampleRange{}) return;
  selection_ = {};
  notify(ChangeSelection);
}

bool RecordingDocument::isZoomed() const {
  return isOpen() && (sound_.visibleStart != 0 || sound_.visibleEnd != sound_.sampleCount());
}

bool RecordingDocument::zoomTo(SampleRange range) {
  if (!isOpen() || isZoomed()) return false;
  const SampleRange r = range.clampedTo(sampleCount());
  if (r.empty()) return false;
  sound_.visibleStart = r.start;
  sound_.visibleEnd = r.end;
  notify(ChangeZoom);
  return true;
}

void RecordingDocument::showAll() {
  if (sound_.visibleStart == 0 && sound_.visibleEnd == sound_.sampleCount()) return;
  sound_.showAll();
  notify(ChangeZoom);
}

bool RecordingDocument::showRange(SampleRange range) {
  if (!isOpen()) return false;
  const SampleRange r = range.clampedTo(sampleCount());
  if (r.empty()) return false;
  if (r.start == sound_.visibleStart && r.end == sound_.visibleEnd) return true;
  sound_.visibleStart = r.start;
  sound_.visibleEnd = r.end;
  notify(ChangeZoom);
  return true;
}

void RecordingDocument::replaceSamples(std::vector<int16_t> samples) {
  beforeSamplesChange();
  sound_.samples = std::move(samples);
  const int32_t n = sampleCount();
  // An edit never leaves the shown or marked range past the end.
  sound_.visibleStart = std::min(sound_.visibleStart, n);
  sound_.visibleEnd = std::min(sound_.visibleEnd, n);
  if (sound_.visibleEnd <= sound_.visibleStart) sound_.showAll();
  selection_ = selection_.clampedTo(n);
  sound_.modified = true;
  notify(ChangeSamples | ChangeSelection | ChangeZoom | ChangeModified);
}

void RecordingDocument::afterEdit() {
  sound_.showAll();
  selection_ = {};
  sound_.modified = true;
  notify(ChangeSamples | ChangeSelection | ChangeZoom | ChangeModified | ChangeEdit | ChangeLabels);
}

void RecordingDocument::addObserver(DocumentObserver* observer) const {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void RecordingDocument::removeObserver(DocumentObserver* observer) const {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void RecordingDocument::beforeSamplesChange() {
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* o : observers) o->samplesWillChange(*this);
}

void RecordingDocument::notify(unsigned changes) {
  // A copy: an observer may remove itself while hearing the change.
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* o : observers) o->documentChanged(*this, changes);
}

}  // namespace velmora
