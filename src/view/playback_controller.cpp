#include "view/playback_controller.h"

#include <algorithm>

#include "audio/input_buffer_bytes.h"
#include "bars/transport_buttons.h"
#include "view/analysis_view.h"

namespace velmora {

PlaybackController::PlaybackController(AnalysisView& view, SoundPlayer& player, std::function<void()> stateChanged)
    : view_(view), player_(player), stateChanged_(std::move(stateChanged)) {}

PlaybackController::~PlaybackController() {
  // The player would otherwise report its last blocks to a view that is gone. The frame may
  // be half destroyed already: it hears nothing more.
  stateChanged_ = nullptr;
  if (isPlaying()) {
    player_.stop();
    player_.waitClosed();
  }
}

void PlaybackController::playCommand() {
  if (player_.isOpen()) {
    player_.stop();
    player_.waitClosed();
  } else {
    startPlaying();
  }
  if (stateChanged_) stateChanged_();
}

bool PlaybackController::startPlaying() {
  if (!view_.hasSamples() || view_.isRecording()) return false;
  const SoundBuffer& b = view_.buffer();
  const int64_t count = b.sampleCount();
  const bool zoomed = b.visibleStart != 0 || b.visibleEnd != b.sampleCount();
  const int64_t selStart = std::clamp<int64_t>(std::min(view_.selectionStart(), view_.selectionEnd()), 0, count);
  const int64_t selEnd = std::clamp<int64_t>(std::max(view_.selectionStart(), view_.selectionEnd()), 0, count);
  const bool marked = selEnd > selStart;
  wholeRecording_ = false;
  if (!zoomed && !marked) return playFrom(0);
  // The buffer holds mono samples whatever the file carried.
  if (!player_.open(WaveFormat::pcm(b.sampleRate()), this)) return false;
  if (!zoomed) {
    const bool ok = player_.playSingle(b.samples.data() + selStart, static_cast<size_t>(selEnd - selStart) * 2);
    if (ok) setBarsPlaying(false);
    return ok;
  }
  BlockPlayRequest request;
  request.blockSamples = std::max(inputBufferBytes() / 2, 1);
  request.zoomed = true;
  request.waveformMode = view_.mode() == ModeSpectrogram;
  request.paneWidthPixels = view_.geometry().graphWidth;
  request.startSample = marked ? selStart : b.visibleStart;
  request.lengthSamples = marked ? selEnd - selStart : b.visibleEnd - b.visibleStart;
  view_.setPlayCursor(request.startSample);
  // A failed start has been reported by the player, which closes by itself.
  if (!player_.playBlocks(b.samples.data(), count, request)) return false;
  setBarsPlaying(true);
  return true;
}

bool PlaybackController::playFrom(int64_t startSample) {
  const SoundBuffer& b = view_.buffer();
  const int64_t count = b.sampleCount();
  if (!player_.open(WaveFormat::pcm(b.sampleRate()), this)) return false;
  BlockPlayRequest request;
  request.blockSamples = std::max(inputBufferBytes() / 2, 1);
  request.waveformMode = view_.mode() == ModeSpectrogram;
  request.paneWidthPixels = view_.geometry().graphWidth;
  request.startSample = startSample;
  request.lengthSamples = count - startSample;
  view_.setPlayCursor(startSample);
  wholeRecording_ = true;
  view_.beginPlaybackDisplay();
  live_.start(static_cast<int>(b.sampleRate()), view_.geometry().graphWidth);
  if (!player_.playBlocks(b.samples.data(), count, request)) return false;
  setBarsPlaying(true);
  return true;
}

void PlaybackController::blockSizeChanged() {
  if (!isPlaying() || !wholeRecording_ || !view_.hasSamples()) return;
  const int64_t from = player_.playPositionSamples();
  player_.reset();
  player_.waitClosed();
  if (from < view_.buffer().sampleCount()) playFrom(from);
  if (stateChanged_) stateChanged_();
}

void PlaybackController::stop() {
  if (!isPlaying()) return;
  player_.stop();
  player_.waitClosed();
}

void PlaybackController::pauseOrResume() {
  if (!player_.isOpen()) return;
  if (player_.isPaused())
    player_.restart();
  else
    player_.pause();
  for (TransportButtons* t : view_.transports())
    t->playPauseButton()->setIcon(barIcon(player_.isPaused() ? BarIcon::Play : BarIcon::Pause));
  if (stateChanged_) stateChanged_();
}

void PlaybackController::blockPlayed(const PlayedBlock& block) {
  if (block.single) return;
  if (wholeRecording_ && !block.stopping) {
    view_.drawLiveBlock(live_, block.samples, static_cast<size_t>(std::max<int64_t>(block.blockSamples, 0)));
    if (view_.showsF0() && !isPowerSpectrumMode(view_.mode())) view_.setF0Readout(view_.f0At(block.playPositionSamples));
  }
  view_.setPlayCursor(block.playPositionSamples);
}

void PlaybackController::playbackClosed() {
  view_.setF0Readout(0);
  view_.endPlaybackDisplay();
  view_.setPlayCursor(-1);
  setBarsIdle();
  if (stateChanged_) stateChanged_();
}

void PlaybackController::setBarsPlaying(bool blocks) {
  for (TransportButtons* t : view_.transports()) {
    t->playButton()->setIcon(barIcon(BarIcon::Stop));
    t->playButton()->setEnabled(true);
    t->playPauseButton()->setIcon(barIcon(BarIcon::Pause));
    t->playPauseButton()->setEnabled(blocks);
    t->recordButton()->setEnabled(false);
  }
}

void PlaybackController::setBarsIdle() {
  for (TransportButtons* t : view_.transports()) {
    t->playButton()->setIcon(barIcon(BarIcon::Play));
    t->playButton()->setEnabled(view_.hasSamples());
    t->playPauseButton()->setIcon(barIcon(BarIcon::Pause));
    t->playPauseButton()->setEnabled(false);
    t->recordButton()->setEnabled(view_.mode() != ModeEmpty && !view_.isRecording());
  }
}

}  // namespace velmora
