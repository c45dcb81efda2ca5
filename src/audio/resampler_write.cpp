#include "audio/resampler_write.h"

#include <cmath>
#include <new>

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

Pcm16Conversion convertReals(std::vector<double> reals, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options) {
  Pcm16Conversion conversion;
  try {
    ResampleResult resampled = resample(std::move(reals), sourceRateHz, targetRateHz, options);
    conversion.stages = resampled.stages;
    if (!resampled.ok()) {
      conversion.error = resampled.error;
      return conversion;
    }
    conversion.samples.resize(resampled.samples.size());
    for (size_t i = 0; i < resampled.samples.size(); ++i) conversion.samples[i] = toPcm16(resampled.samples[i]);
  } catch (const std::bad_alloc&) {
    conversion.error = ResampleError::OutOfMemory;
    conversion.samples.clear();
  }
  return conversion;
}

// The 16-bit samples as reals; a bad_alloc here is the conversion's own out-of-memory.
template <typename MakeReals>
Pcm16Conversion convertWith(MakeReals makeReals, uint32_t sourceRateHz, uint32_t targetRateHz,
                            const ResampleOptions& options) {
  std::vector<double> reals;
  try {
    reals = makeReals();
  } catch (const std::bad_alloc&) {
    Pcm16Conversion conversion;
    conversion.error = ResampleError::OutOfMemory;
    return conversion;
  }
  return convertReals(std::move(reals), sourceRateHz, targetRateHz, options);
}

}  // namespace

Pcm16Conversion convertPcm16(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options) {
  return convertWith([&] { return std::vector<double>(samples.begin(), samples.end()); }, sourceRateHz, targetRateHz,
                     options);
}

Pcm16Conversion convertPcm16(std::vector<int16_t>&& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options) {
  return convertWith(
      [&] {
        std::vector<double> reals(samples.begin(), samples.end());
        std::vector<int16_t>().swap(samples);  // freed before the resampler needs its room
        return reals;
      },
      sourceRateHz, targetRateHz, options);
}

WriteOutcome resampleAndWrite(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                              const std::filesystem::path& targetPath, Interaction& ui,
                              const ResampleOptions& options) {
  std::vector<double> reals;
  try {
    reals.assign(samples.begin(), samples.end());
  } catch (const std::bad_alloc&) {
    showMessage(ui, msg::OutOfMemory);
    return WriteOutcome::Failed;
  }

  ResampleResult resampled = resample(std::move(reals), sourceRateHz, targetRateHz, options);
  switch (resampled.error) {
    case ResampleError::None: break;
    case ResampleError::Cancelled: return WriteOutcome::Cancelled;
    case ResampleError::LimitCycles: return WriteOutcome::Failed;  // said on standard error
    default: showError(ui, resampleErrorMessage(resampled.error)); return WriteOutcome::Failed;
  }

  std::vector<int16_t> output;
  try {
    output.resize(resampled.samples.size());
  } catch (const std::bad_alloc&) {
    showError(ui, msg::ConversionBufferFailed);
    return WriteOutcome::Failed;
  }
  for (size_t i = 0; i < output.size(); ++i) output[i] = toPcm16(resampled.samples[i]);

  const WaveFormat format = WaveFormat::pcm(targetRateHz);
  if (!writeWavFile(targetPath, format, output.data(), output.size() * sizeof(int16_t), ui))
    return WriteOutcome::Failed;
  return WriteOutcome::Written;
}

}  // namespace velmora
