#include "view/playback_controller.h"

#include <algorithm>

#include "audio/input_buffer_bytes.h"

namespace velmora {

PlaybackController::PlaybackController(const RecordingDocument& document, ViewDisplay& display, ViewHost& host,
                                       SoundPlayer& player, std::function<void()> stateChanged)
    : document_(document), display_(display), host_(host), player_(player), stateChanged_(std::move(stateChanged)) {}

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
  if (!document_.isOpen() || takeRunning()) return false;
  const SoundBuffer& b = document_.sound();
  const int64_t count = b.sampleCount();
  const bool zoomed = document_.isZoomed();
  const SampleRange selection = document_.selection().clampedTo(b.sampleCount());
  const int64_t selStart = selection.start;
  const int64_t selEnd = selection.end;
  const bool marked = selEnd > selStart;
  wholeRecording_ = false;
  display_.setRestCursor(-1);
  playedEnd_ = marked ? selEnd : (zoomed ? b.visibleEnd : count);
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
  request.waveformMode = display_.mode() == ModeSpectrogram;
  request.paneWidthPixels = display_.geometry().graphWidth;
  request.startSample = marked ? selStart : b.visibleStart;
  request.lengthSamples = marked ? selEnd - selStart : b.visibleEnd - b.visibleStart;
  display_.setPlayCursor(request.startSample);
  // A failed start has been reported by the player, which closes by itself.
  if (!player_.playBlocks(b.samples.data(), count, request)) return false;
  setBarsPlaying(true);
  return true;
}

bool PlaybackController::playFrom(int64_t startSample) {
  const SoundBuffer& b = document_.sound();
  const int64_t count = b.sampleCount();
  if (!player_.open(WaveFormat::pcm(b.sampleRate()), this)) return false;
  BlockPlayRequest request;
  request.blockSamples = std::max(inputBufferBytes() / 2, 1);
  request.waveformMode = display_.mode() == ModeSpectrogram;
  request.paneWidthPixels = display_.geometry().graphWidth;
  request.startSample = startSample;
  request.lengthSamples = count - startSample;
  display_.setPlayCursor(startSample);
  wholeRecording_ = true;
  display_.beginPlaybackDisplay();
  live_.start(static_cast<int>(b.sampleRate()), display_.geometry().graphWidth);
  if (!player_.playBlocks(b.samples.data(), count, request)) return false;
  setBarsPlaying(true);
  return true;
}

void PlaybackController::blockSizeChanged() {
  if (!isPlaying() || !wholeRecording_ || !document_.isOpen()) return;
  const int64_t from = player_.playPositionSamples();
  player_.reset();
  player_.waitClosed();
  if (from < document_.sampleCount()) playFrom(from);
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
  host_.setTransportImage(TransportControl::PlayPause, player_.isPaused() ? TransportImage::Play : TransportImage::Pause);
  if (stateChanged_) stateChanged_();
}

void PlaybackController::blockPlayed(const PlayedBlock& block) {
  if (block.single) return;
  if (wholeRecording_ && !block.stopping) {
    display_.drawLiveBlock(live_, block.samples, static_cast<size_t>(std::max<int64_t>(block.blockSamples, 0)));
    if (display_.showsF0() && !isPowerSpectrumMode(display_.mode()))
      display_.setF0Readout(display_.f0At(block.playPositionSamples));
  }
  display_.setPlayCursor(block.playPositionSamples);
}

bool PlaybackController::playTake(std::vector<int16_t> samples, int sampleRateHz) {
  if (samples.empty() || player_.isOpen()) return false;
  takeSamples_ = std::move(samples);
  if (!player_.open(WaveFormat::pcm(static_cast<uint32_t>(sampleRateHz)), this) ||
      !player_.playSingle(takeSamples_.data(), takeSamples_.size() * 2)) {
    if (!player_.isOpen()) takeSamples_.clear();
    return false;
  }
  host_.setTransportEnabled(TransportControl::RecordPause, false);
  if (stateChanged_) stateChanged_();
  return true;
}

void PlaybackController::playbackClosed() {
  if (!takeSamples_.empty()) {
    // The take goes on from its pause: only its pause button comes back.
    takeSamples_.clear();
    host_.setTransportEnabled(TransportControl::RecordPause, true);
    if (stateChanged_) stateChanged_();
    return;
  }
  display_.setRestCursor(playedEnd_);
  display_.setF0Readout(0);
  display_.endPlaybackDisplay();
  display_.setPlayCursor(-1);
  setBarsIdle();
  if (stateChanged_) stateChanged_();
}

void PlaybackController::setBarsPlaying(bool blocks) {
  host_.setTransportImage(TransportControl::Play, TransportImage::Stop);
  host_.setTransportEnabled(TransportControl::Play, true);
  host_.setTransportImage(TransportControl::PlayPause, TransportImage::Pause);
  host_.setTransportEnabled(TransportControl::PlayPause, blocks);
  host_.setTransportEnabled(TransportControl::Record, false);
}

void PlaybackController::setBarsIdle() {
  host_.setTransportImage(TransportControl::Play, TransportImage::Play);
  host_.setTransportEnabled(TransportControl::Play, document_.isOpen());
  host_.setTransportImage(TransportControl::PlayPause, TransportImage::Pause);
  host_.setTransportEnabled(TransportControl::PlayPause, false);
  host_.setTransportEnabled(TransportControl::Record, display_.mode() != ModeEmpty && !takeRunning());
}

}  // namespace velmora
