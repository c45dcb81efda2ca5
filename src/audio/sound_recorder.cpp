#include "audio/sound_recorder.h"

#include <new>
#include <system_error>
#include <utility>

#include "audio/input_buffer_bytes.h"
#include "audio/record_format.h"
#include "audio/wav_writer.h"
#include "core/config_files.h"
#include "core/message_ids.h"

namespace velmora {

namespace {
constexpr uintptr_t kCapturedWhilePaused = 1;
}  // namespace

SoundRecorder::SoundRecorder(WaveInDevice& device, Interaction& ui, std::filesystem::path workingFolder)
    : device_(device), ui_(ui), workingFolder_(std::move(workingFolder)) {
  setFormat(kStartRecordFormatCode);
}

SoundRecorder::~SoundRecorder() {
  // A take still running at exit: stop the device so it no longer writes into our buffers,
  // and make sure nothing is delivered to us afterwards.
  if (device_.isOpen()) {
    device_.reset();
    for (auto& h : headers_)
      if (h) device_.unprepare(h.get());
    device_.close();
  }
  device_.forget(this);
}

bool SoundRecorder::setFormat(int code) {
  auto f = recordFormat(code);
  if (!f) return false;
  format_ = *f;
  return true;
}

bool SoundRecorder::start(const std::filesystem::path& target, int updateRateIndex) {
  if (!deviceClosed_) return false;  // one take at a time; the running one is left alone
  targetName_ = target;
  updateRateIndex_ = updateRateIndex;
  wavPending_ = 1;
  wavOk_ = false;
  stopRequested_ = false;
  bytesRecorded_ = 0;
  paused_ = false;
  // The device may still be handing back the buffers of a start that failed.
  if (device_.isOpen()) device_.waitUntil([this] { return !device_.isOpen(); });
  // Without the temporary file nothing of the take could be kept: refuse to start.
  if (!tempFile_.open(TempSampleFile::WriteMode, tempFilePath())) {
    showMessage(ui_, msg::ErrorWritingFile);
    stopRequested_ = true;
    return false;
  }
  if (!openDevice()) {
    stopRequested_ = true;
    tempFile_.close();
    return false;
  }
  deviceClosed_ = false;
  startTime_ = std::chrono::steady_clock::now();
  writeRecordingLog(workingFolder_, RecordingStarted, updateRateIndex_);
  return true;
}

bool SoundRecorder::openDevice() {
  WaveResult r = device_.open(format_, this);
  if (r != WaveResult::Ok) {
    showDeviceError(r);
    return false;
  }
  if (!prepareAll()) {
    failStart();
    return false;
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    if (!queueSlot(slot)) {
      showMessage(ui_, msg::ErrorLoadingHeader);
      failStart();
      return false;
    }
  }
  r = device_.start();
  if (r == WaveResult::InvalidHandle || r == WaveResult::HandleBusy) {
    showMessage(ui_, msg::CannotStartRecording);
    failStart();
    return false;
  }
  return true;
}

// A start that failed after the device opened: no WAV is owed; buffers never queued go at
// once, queued ones come back through the reset and the last of them closes the device.
void SoundRecorder::failStart() {
  wavPending_ = 0;
  stopRequested_ = true;
  releaseAll();
  if (buffersInUse() > 0) {
    device_.reset();
  } else {
    closeDevice();
  }
}

bool SoundRecorder::prepareAll() {
  for (int slot = 0; slot < kSlots; ++slot) {
    WaveResult r = WaveResult::Ok;
    switch (allocateSlot(slot, &r)) {
      case Allocation::Ok: continue;
      case Allocation::NoMemory: showMessage(ui_, msg::NoFreeMemory); break;
      case Allocation::PrepareFailed: showDeviceError(r); break;
    }
    showMessage(ui_, msg::ErrorLoadingHeader);
    return false;
  }
  return true;
}

// Allocates a buffer of the current size for the slot and prepares it; a failure leaves the
// slot free.
SoundRecorder::Allocation SoundRecorder::allocateSlot(int slot, WaveResult* prepareResult) {
  const int bytes = evenInputBufferBytes();
  std::unique_ptr<WaveHeader> header(new (std::nothrow) WaveHeader{});
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(bytes)]);
  if (!header || !buffer) return Allocation::NoMemory;
  header->data = buffer.get();
  header->bufferBytes = static_cast<uint32_t>(bytes);
  *prepareResult = device_.prepare(header.get());
  if (*prepareResult != WaveResult::Ok) return Allocation::PrepareFailed;
  headers_[slot] = std::move(header);
  buffers_[slot] = std::move(buffer);
  return Allocation::Ok;
}

// A replacement buffer in the first free slot; -1 when all are in use or on failure.
int SoundRecorder::allocateOne() {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (buffers_[slot]) continue;
    WaveResult r = WaveResult::Ok;
    switch (allocateSlot(slot, &r)) {
      case Allocation::Ok: return slot;
      case Allocation::NoMemory: showMessage(ui_, msg::NoFreeMemory); return -1;
      case Allocation::PrepareFailed: showMessage(ui_, msg::ErrorLoadingHeader); return -1;
    }
  }
  return -1;
}

bool SoundRecorder::queueSlot(int slot) {
  WaveResult r = device_.add(headers_[slot].get());
  if (r == WaveResult::Ok) return true;
  showDeviceError(r);
  device_.unprepare(headers_[slot].get());
  freeSlot(slot);
  return false;
}

void SoundRecorder::queueFreshBuffer() {
  const int slot = allocateOne();
  if (slot >= 0) queueSlot(slot);
}

void SoundRecorder::freeSlot(int slot) {
  headers_[slot].reset();
  buffers_[slot].reset();
}

int SoundRecorder::slotOf(const WaveHeader* header) const {
  for (int slot = 0; slot < kSlots; ++slot)
    if (headers_[slot].get() == header) return slot;
  return -1;
}

int SoundRecorder::buffersInUse() const {
  int n = 0;
  for (const auto& h : headers_) n += h != nullptr;
  return n;
}

void SoundRecorder::pause() {
  if (!deviceClosed_ && !stopRequested_) paused_ = true;
}

void SoundRecorder::resume() {
  if (!paused_) return;
  for (int i = 0; i < kResumeBuffers; ++i) {
    const int slot = allocateOne();
    if (slot < 0) break;
    if (!queueSlot(slot)) break;
  }
  tempFile_.seekToEnd();
  paused_ = false;
}

void SoundRecorder::resetInput() {
  if (!device_.isOpen() || stopRequested_) return;
  WaveResult r = device_.reset();
  if (r != WaveResult::Ok) showMessage(ui_, msg::StopFailedReset);
}

void SoundRecorder::requestStop() {
  stopRequested_ = true;
  if (device_.isOpen()) {
    WaveResult r = device_.reset();
    if (r != WaveResult::Ok) showMessage(ui_, msg::StopFailedReset);
  }
  // Nothing queued (a paused take whose queue ran dry): no buffer will come back to end it.
  finishIfDrained();
}

bool SoundRecorder::waitClosed() {
  return device_.waitUntil([this] { return deviceClosed_; });
}

bool SoundRecorder::stopTake() {
  if (deviceClosed_) return wavWritten();
  if (paused_ && !stopRequested_) queueFreshBuffer();
  requestStop();
  waitClosed();
  return wavWritten();
}

void SoundRecorder::waveInOpened() {
  if (observer_) observer_->takeOpened();
}

void SoundRecorder::waveInData(WaveHeader* header) {
  if (!(header->flags & HeaderDone)) return;
  const uint32_t bytes = header->bytesRecorded;
  if (observer_) {
    TakeBuffer b;
    b.bytes = header->data;
    b.byteCount = bytes;
    b.samples = reinterpret_cast<const int16_t*>(header->data);
    b.sampleCount = format_.bitsPerSample == 16 ? bytes / 2 : 0;
    b.paused = paused_;
    b.stopping = stopRequested_;
    observer_->takeBufferReturned(b);
  }
  header->user = paused_ ? kCapturedWhilePaused : 0;
  bufferDone(header);  // frees the header; the last one back after a stop ends the take
  if (stopRequested_ || paused_) return;  // the device runs dry while paused
  queueFreshBuffer();
  // An empty buffer comes back after a reset: capture has stopped and must be started again.
  if (bytes == 0) device_.start();
}

void SoundRecorder::bufferDone(WaveHeader* header) {
  if (device_.unprepare(header) != WaveResult::Ok) {
    showMessage(ui_, msg::ErrorFreeingHeader);
    return;
  }
  const int slot = slotOf(header);
  if (header->bytesRecorded > 0 && header->user != kCapturedWhilePaused) {
    if (tempFile_.write(header->data, header->bytesRecorded) != 1) {
      // The device is done with this buffer: free it before stopping, or the take could never
      // drain and close.
      if (slot >= 0) freeSlot(slot);
      requestStop();
      showMessage(ui_, msg::ErrorWritingFile);
      return;
    }
    bytesRecorded_ += header->bytesRecorded;
  }
  if (slot < 0) {
    showMessage(ui_, msg::ErrorFreeingMemory);
  } else {
    freeSlot(slot);
  }
  finishIfDrained();
}

// Once a stop was requested and every buffer is back, the take's WAV is written (buffers
// that were already on their way when the stop came are part of it) and the device closed.
void SoundRecorder::finishIfDrained() {
  if (!stopRequested_ || buffersInUse() > 0) return;
  if (wavPending_ == 1) storeTake();
  if (device_.isOpen()) closeDevice();
}

void SoundRecorder::storeTake() {
  tempFile_.close();
  TempSampleFile reader;
  size_t got = 0;
  std::unique_ptr<char[]> block;
  if (bytesRecorded_ > 0) {
    block.reset(new (std::nothrow) char[static_cast<size_t>(bytesRecorded_)]);
    if (!block) {
      showMessage(ui_, msg::NoFreeMemory);
      wavPending_ = -1;
      return;
    }
    if (reader.open(TempSampleFile::ReadMode, tempFilePath())) {
      reader.rewind();
      got = reader.read(block.get(), static_cast<size_t>(bytesRecorded_));
      reader.close();
    }
  }
  // A short read keeps what could be read rather than padding the take with garbage.
  if (format_.blockAlign > 1) got -= got % format_.blockAlign;
  wavOk_ = writeWav(targetName_, got, block.get());
  wavPending_ = -1;
  if (wavOk_) {
    std::error_code ec;
    std::filesystem::remove(tempFilePath(), ec);
  }
}

bool SoundRecorder::writeWav(const std::filesystem::path& name, size_t byteCount, const void* samples) {
  static const char kNothing = 0;
  return writeWavFile(name, format_, samples ? samples : &kNothing, byteCount, ui_);
}

void SoundRecorder::closeDevice() {
  releaseAll();
  WaveResult r = device_.close();
  if (r != WaveResult::Ok) showMessage(ui_, msg::StopFailedClose);
}

// Buffers still prepared but never queued (a start that failed half way) go back before the
// device closes; queued ones would make the close fail.
void SoundRecorder::releaseAll() {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (headers_[slot] && !(headers_[slot]->flags & HeaderInQueue)) {
      device_.unprepare(headers_[slot].get());
      freeSlot(slot);
    }
  }
}

void SoundRecorder::waveInClosed() {
  deviceClosed_ = true;
  writeRecordingLog(workingFolder_, RecordingClosed, updateRateIndex_);
  if (observer_) observer_->takeClosed();
}

void SoundRecorder::showDeviceError(WaveResult result) {
  ui_.showMessage(Message{0, device_.errorText(result), {}, MessageIcon::Warning});
}

}  // namespace velmora
