#include "audio/resampler_write.h"

#include <cmath>
#include <new>

#include "audio/resampler_stream.h"
#include "audio/wav_writer.h"
#include "audio/wave_format.h"
#include "core/message_ids.h"

namespace velmora {

namespace {
void showError(Interaction& ui, int id) { ui.showMessage(Message{id, tr(id), {}, MessageIcon::Error}); }
}  // namespace

int16_t toPcm16(double value) {
  if (std::isnan(value)) return 0;
  if (value >= kMaxSampleValue) return static_cast<int16_t>(kMaxSampleValue);
  if (value <= -kMaxSampleValue) return static_cast<int16_t>(-kMaxSampleValue);
  return static_cast<int16_t>(value);  // conversion truncates toward zero
}

namespace {

class Pcm16Input : public PassInput {
 public:
  explicit Pcm16Input(const int16_t* samples) : next_(samples) {}
  void read(double* values, size_t count) override {
    for (size_t i = 0; i < count; ++i) values[i] = next_[i];
    next_ += count;
  }

 private:
  const int16_t* next_;
};

// The result straight to 16 bits, so no real copy of the whole result is ever held.
class Pcm16Sink : public ResampledSink {
 public:
  explicit Pcm16Sink(std::vector<int16_t>& out) : out_(out) {}
  void begin(size_t count) override {
    try {
      out_.assign(count, 0);
    } catch (const std::bad_alloc&) {
      noRoom = true;
      throw;
    }
  }
  void put(size_t index, const double* values, size_t count) override {
    for (size_t i = 0; i < count; ++i) out_[index + i] = toPcm16(values[i]);
  }
  bool noRoom = false;  // the output itself did not fit

 private:
  std::vector<int16_t>& out_;
};

}  // namespace

Pcm16Conversion convertPcm16(PassInput& input, size_t count, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options) {
  Pcm16Conversion conversion;
  Pcm16Sink sink(conversion.samples);
  StreamedResample resampled = resampleStream(input, count, sourceRateHz, targetRateHz, options, sink);
  conversion.error = resampled.error;
  conversion.stages = std::move(resampled.stages);
  if (!conversion.ok()) std::vector<int16_t>().swap(conversion.samples);
  return conversion;
}

Pcm16Conversion convertPcm16(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options) {
  Pcm16Input input(samples.data());
  return convertPcm16(input, samples.size(), sourceRateHz, targetRateHz, options);
}

WriteOutcome resampleAndWrite(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                              const std::filesystem::path& targetPath, Interaction& ui,
                              const ResampleOptions& options) {
  ResampleOptions streamed = options;
  // Temporary data goes where the result goes: that disk must hold it anyway.
  if (streamed.spillFolder.empty())
    streamed.spillFolder = targetPath.parent_path().empty() ? std::filesystem::path(".") : targetPath.parent_path();
  std::vector<int16_t> output;
  Pcm16Sink sink(output);
  Pcm16Input input(samples.data());
  const StreamedResample resampled = resampleStream(input, samples.size(), sourceRateHz, targetRateHz, streamed, sink);
  switch (resampled.error) {
    case ResampleError::None: break;
    case ResampleError::Cancelled: return WriteOutcome::Cancelled;
    case ResampleError::LimitCycles: return WriteOutcome::Failed;  // said on standard error
    case ResampleError::TemporaryFile:
      showMessage(ui, msg::WavNotWritten, targetPath.string());
      return WriteOutcome::Failed;
    default:
      showError(ui, sink.noRoom ? msg::ConversionBufferFailed : resampleErrorMessage(resampled.error));
      return WriteOutcome::Failed;
  }

  const WaveFormat format = WaveFormat::pcm(targetRateHz);
  if (!writeWavFile(targetPath, format, output.data(), output.size() * sizeof(int16_t), ui))
    return WriteOutcome::Failed;
  return WriteOutcome::Written;
}

}  // namespace velmora
