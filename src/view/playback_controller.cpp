#include "view/playback_controller.h"

#include <algorithm>

#include "audio/input_buffer_bytes.h"
#include "bars/transport_buttons.h"
#include "view/analysis_view.h"

namespace velmora {

PlaybackController::PlaybackController(AnalysisView& view, SoundPlayer& player, std::function<void()> stateChanged)
    : view_(view), player_(player), stateChanged_(std::move(stateChanged)) {}

PlaybackController::~PlaybackController() {
  // The player would otherwise report its last blocks to a view that is gone.
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
  // The buffer holds mono samples whatever the file carried.
  if (!player_.open(WaveFormat::pcm(b.sampleRate()), this)) return false;
  if (!zoomed && marked) {
    const bool ok = player_.playSingle(b.samples.data() + selStart, static_cast<size_t>(selEnd - selStart) * 2);
    if (ok) setBarsPlaying(false);
    return ok;
  }
  BlockPlayRequest request;
  request.blockSamples = std::max(inputBufferBytes() / 2, 1);
  request.zoomed = zoomed;
  request.waveformMode = view_.mode() == ModeSpectrogram;
  request.paneWidthPixels = view_.geometry().graphWidth;
  if (!zoomed) {
    request.startSample = 0;
    request.lengthSamples = count;
  } else if (marked) {
    request.startSample = selStart;
    request.lengthSamples = selEnd - selStart;
  } else {
    request.startSample = b.visibleStart;
    request.lengthSamples = b.visibleEnd - b.visibleStart;
  }
  view_.setPlayCursor(request.startSample);
  if (!player_.playBlocks(b.samples.data(), count, request)) {
    // The player has said why and closes by itself.
    return false;
  }
  setBarsPlaying(true);
  return true;
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
  view_.setPlayCursor(block.playPositionSamples);
}

void PlaybackController::playbackClosed() {
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
