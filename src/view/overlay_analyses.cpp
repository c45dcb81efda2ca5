#include "view/overlay_analyses.h"

#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {
std::function<void(std::function<void()>)> postThrough(ViewHost& host) {
  return [&host](std::function<void()> f) { host.postToUiThread(std::move(f)); };
}
}  // namespace

OverlayAnalyses::OverlayAnalyses(AnalysisResults& results, ViewHost& host, Interaction& ui)
    : results_(results), host_(host), ui_(ui), f0_(postThrough(host)), formants_(postThrough(host)), power_(postThrough(host)) {}

OverlayAnalyses::Samples OverlayAnalyses::samplesOf(const SoundBuffer& sound) {
  // One copy for all tracks, made by the first worker: the document's samples may be edited
  // in place or freed while the workers read. Copying a long recording here would keep the
  // window from answering.
  if (!samples_) samples_ = std::make_shared<SampleSnapshot>(sound.samples);
  return samples_;
}

void OverlayAnalyses::releaseSamples() {
  if (samples_ && !samples_->release()) stop();
}

void OverlayAnalyses::update(const SoundBuffer& sound, bool wantF0, bool wantFormants) {
  const bool wasRunning = running();
  if (!wantF0) f0_.stop();
  if (!wantFormants) formants_.stop();
  const int rate = static_cast<int>(sound.sampleRate());
  const bool startF0 = wantF0 && sound.isOpen() && !results_.hasF0() && !f0_.running();
  const bool startFormants = wantFormants && sound.isOpen() && !results_.hasFormants() && !formants_.running();
  if (startF0) {
    f0_.start(
        [snapshot = samplesOf(sound), rate](const StopFlag& stop) {
          F0Track track;
          if (const auto samples = snapshot->get()) track.compute(samples->data(), samples->size(), rate, &stop);
          return track;
        },
        [this](F0Track track) { f0Arrived(std::move(track)); });
  }
  if (startFormants) {
    formants_.start(
        [snapshot = samplesOf(sound), rate, tracker = results_.formantTracker()](const StopFlag& stop) mutable {
          FormantResult result{std::move(tracker), 0};
          if (const auto samples = snapshot->get())
            result.frames = result.track.compute(samples->data(), samples->size(), rate, &stop);
          return result;
        },
        [this](FormantResult result) { formantsArrived(std::move(result)); });
  }
  if (startF0 || startFormants || wasRunning != running()) showProgress(std::string());
}

void OverlayAnalyses::updatePower(const SoundBuffer& sound) {
  if (!sound.isOpen() || !results_.powerNeeded(sound)) return;
  const PowerSpectrum& engine = results_.power();
  // Already on its way for this range and size.
  if (power_.running() && powerRun_.start == sound.visibleStart && powerRun_.end == sound.visibleEnd &&
      powerRun_.engine.fftSize() == engine.fftSize())
    return;
  powerRun_ = PowerResult{engine, sound.visibleStart, sound.visibleEnd};
  power_.start(
      [snapshot = samplesOf(sound), run = powerRun_](const StopFlag& stop) mutable {
        run.engine.resetAverage();
        if (const auto samples = snapshot->get())
          run.engine.compute(samples->data() + run.start, run.end - run.start, &stop);
        return run;
      },
      [this](PowerResult result) { powerArrived(std::move(result)); });
  host_.showAnalysing(true);
}

void OverlayAnalyses::stopPower() {
  if (!power_.running()) return;
  power_.stop();
  host_.showAnalysing(running());
  if (!running()) samples_.reset();
}

void OverlayAnalyses::stop() {
  const bool wasRunning = running();
  f0_.stop();
  formants_.stop();
  power_.stop();
  if (wasRunning) showProgress(std::string());
}

void OverlayAnalyses::finish() {
  // F0 first: the formant dots are drawn only where it finds voice.
  f0_.finish();
  formants_.finish();
  power_.finish();
}

void OverlayAnalyses::powerArrived(PowerResult result) {
  results_.setPower(result.engine, result.start, result.end);
  // The status text is the tracks' alone.
  host_.showAnalysing(running());
  if (!running()) samples_.reset();
  host_.requestRepaint();
}

void OverlayAnalyses::f0Arrived(F0Track track) {
  const std::string diagnostic = track.diagnostics().empty() ? std::string() : track.diagnostics().back();
  results_.setF0(std::move(track));
  showProgress(diagnostic);
  host_.requestRepaint();
}

void OverlayAnalyses::formantsArrived(FormantResult result) {
  results_.setFormants(std::move(result.track));
  showProgress(std::string());
  host_.requestRepaint();
  if (result.frames == -1)
    ui_.showMessage(Message{0, results_.formantTracker().errorText(), {}, MessageIcon::Error});
}

void OverlayAnalyses::showProgress(const std::string& doneText) {
  if (f0_.running())
    host_.showStatusText(tr(str::CalculatingF0));
  else if (formants_.running())
    host_.showStatusText(tr(str::CalculatingFormants));
  else
    host_.showStatusText(doneText);
  host_.showAnalysing(running());
  if (!running()) samples_.reset();
}

}  // namespace velmora
