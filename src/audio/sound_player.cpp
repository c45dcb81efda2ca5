#include "audio/sound_player.h"

#include <algorithm>
#include <new>

#include "core/message_ids.h"

namespace velmora {

namespace {
constexpr int64_t kMaxBlockBytes = 0x7FFFFFFE;
}  // namespace

SoundPlayer::SoundPlayer(WaveOutDevice& device, Interaction& ui) : device_(device), ui_(ui) {}

SoundPlayer::~SoundPlayer() {
  if (device_.isOpen()) {
    device_.reset();
    for (auto& h : blockHeaders_) device_.unprepare(&h);
    for (auto& h : singleHeaders_)
      if (h) device_.unprepare(h.get());
    device_.close();
  }
  device_.forget(this);
}

bool SoundPlayer::open(const WaveFormat& format, PlayerObserver* observer) {
  userStopped_ = false;
  if (open_) {
    // A paused device would never come back by itself: reset it so the wait can end.
    reset();
    waitClosed();
  }
  stopping_ = false;
  paused_ = false;
  savedVolume_ = 0;
  if (open_) return true;
  if (device_.query(format) != WaveResult::Ok || device_.open(format, this) != WaveResult::Ok) {
    showMessage(ui_, msg::PlaybackNotOpened);
    return false;
  }
  open_ = true;
  observer_ = observer;
  blockHeaders_.clear();
  plan_ = BlockPlan{};
  queued_ = completed_ = 0;
  return true;
}

bool SoundPlayer::playSingle(const int16_t* samples, size_t byteCount) {
  currentSingle_ = (currentSingle_ + 1) % kSingleSlots;
  auto& slot = singleHeaders_[currentSingle_];
  if (slot) device_.unprepare(slot.get());
  slot.reset(new (std::nothrow) WaveHeader{});
  if (!slot) return false;
  slot->data = const_cast<char*>(reinterpret_cast<const char*>(samples));
  slot->bufferBytes = static_cast<uint32_t>(std::min<size_t>(byteCount, kMaxBlockBytes));
  plan_ = BlockPlan{1, static_cast<int64_t>(byteCount / 2), static_cast<int64_t>(byteCount / 2), 1};
  queued_ = completed_ = 0;
  pausedTake_ = false;
  WaveResult r = device_.prepare(slot.get());
  if (r != WaveResult::Ok) {
    userStopped_ = true;
    device_.pause();
    close();
    showDeviceError(r);
    return false;
  }
  r = device_.write(slot.get());
  if (r != WaveResult::Ok) {
    userStopped_ = true;
    device_.unprepare(slot.get());
    showMessage(ui_, msg::ErrorPlaying);
    close();
    return false;
  }
  queued_ = 1;
  return true;
}

bool SoundPlayer::playBlocks(const int16_t* samples, int64_t sampleCount, const BlockPlayRequest& request,
                             bool pausedTake) {
  BlockPlayRequest r = request;
  // Never read past the recording, whatever the range says.
  r.startSample = std::clamp<int64_t>(r.startSample, 0, sampleCount);
  if (r.lengthSamples > sampleCount - r.startSample) r.lengthSamples = sampleCount - r.startSample;
  auto plan = planBlocks(r);
  if (!plan) {
    showMessage(ui_, msg::RecordingTooShort);
    return false;
  }
  plan_ = *plan;
  base_ = samples;
  rangeStart_ = r.startSample;
  rangeEnd_ = r.startSample + r.lengthSamples;
  pausedTake_ = pausedTake;
  playPosition_ = rangeStart_;
  queued_ = completed_ = 0;
  blockHeaders_.assign(static_cast<size_t>(plan_.blockCount), WaveHeader{});
  for (int i = 0; i < plan_.queueAhead; ++i) {
    if (!queueBlock(i, msg::LoadingBufferFailed)) {
      abandonBlocks();
      return false;
    }
  }
  return true;
}

// Prepares and writes block `block`; false (message shown) when it could not be queued.
bool SoundPlayer::queueBlock(int block, int prepareFailureMessage) {
  const int64_t offset = rangeStart_ + plan_.offsetOf(block);
  const int64_t bytes = std::min(2 * plan_.lengthOf(block), 2 * (rangeEnd_ - offset));
  if (bytes <= 0 && plan_.blockCount > 1) return false;
  WaveHeader& h = blockHeaders_[static_cast<size_t>(block)];
  h = WaveHeader{};
  h.data = const_cast<char*>(reinterpret_cast<const char*>(base_ + offset));
  h.bufferBytes = static_cast<uint32_t>(std::clamp<int64_t>(bytes, 0, kMaxBlockBytes));
  if (device_.prepare(&h) != WaveResult::Ok) {
    showMessage(ui_, prepareFailureMessage);
    return false;
  }
  if (device_.write(&h) != WaveResult::Ok) {
    device_.unprepare(&h);
    showMessage(ui_, msg::ErrorPlaying);
    return false;
  }
  ++queued_;
  return true;
}

// A playback that could not be set up: what was queued comes back through a reset and the
// last block closes the device; with nothing queued the device closes at once.
void SoundPlayer::abandonBlocks() {
  userStopped_ = true;
  if (queued_ > 0) {
    reset();
  } else {
    close();
  }
}

void SoundPlayer::pause() {
  if (device_.pause() == WaveResult::Ok) paused_ = true;
}

void SoundPlayer::restart() {
  if (device_.restart() == WaveResult::Ok) paused_ = false;
}

void SoundPlayer::reset() {
  device_.reset();
  stopping_ = true;
}

void SoundPlayer::stop() {
  reset();
  userStopped_ = true;
}

void SoundPlayer::close() { device_.close(); }

bool SoundPlayer::waitClosed() {
  const bool closed = device_.waitUntil([this] { return !open_; });
  stopping_ = false;
  return closed;
}

void SoundPlayer::releaseSingles() {
  for (auto& h : singleHeaders_) h.reset();
}

bool SoundPlayer::isSingle(const WaveHeader* header) const {
  for (const auto& h : singleHeaders_)
    if (h.get() == header) return true;
  return false;
}

void SoundPlayer::waveOutOpened() {
  if (observer_) observer_->playbackOpened();
}

void SoundPlayer::waveOutDone(WaveHeader* header) {
  if (!(header->flags & HeaderDone)) return;
  const bool single = isSingle(header);
  const int64_t played = header->bufferBytes / 2;
  ++completed_;
  if (!pausedTake_ && !single) playPosition_ += played;
  if (observer_) {
    PlayedBlock b;
    b.playPositionSamples = playPosition_;
    b.blockSamples = played;
    b.samples = reinterpret_cast<const int16_t*>(header->data);
    b.completedBlocks = completed_;
    b.blockCount = plan_.blockCount;
    b.stopping = stopping_;
    b.single = single;
    observer_->blockPlayed(b);
  }
  device_.unprepare(header);
  if (!single && queued_ < plan_.blockCount && !stopping_) {
    if (!queueBlock(queued_, msg::LaterBlockNotPrepared)) userStopped_ = true;
    if (userStopped_) reset();
  }
  if (completed_ >= queued_) {
    if (pausedTake_ && savedVolume_ > 0) device_.setVolume(savedVolume_);
    close();
  }
}

void SoundPlayer::waveOutClosed() {
  open_ = false;
  releaseSingles();
  blockHeaders_.clear();
  blockHeaders_.shrink_to_fit();
  PlayerObserver* observer = observer_;
  observer_ = nullptr;
  if (observer) observer->playbackClosed();
}

void SoundPlayer::showDeviceError(WaveResult result) {
  ui_.showMessage(Message{0, device_.errorText(result), {}, MessageIcon::Warning});
}

}  // namespace velmora
