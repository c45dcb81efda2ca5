#pragma once
// From 16-bit samples at one rate to a 16-bit mono WAV file at another.
//
// resampleAndWrite(samples, sourceRate, targetRate, path):
//   1. the samples, a block at a time, through the streamed conversion (resampler_stream.h),
//      whose temporary files go to the target's folder; its failures are shown as the
//      conversion.s message (resampleErrorMessage; the output not fitting:
//      msg::ConversionBufferFailed), except the limit-cycle case (its line went to standard
//      error), a cancel (nothing shown) and a failed temporary file (msg::WavNotWritten);
//   2. back to 16 bits as the values come: clamped to -32767 .. 32767, truncated toward zero;
//   3. written atomically as 16-bit mono PCM at the target rate (failure: msg::WavNotWritten).
// Nothing is written unless every step succeeded.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/resampler.h"
#include "audio/resampler_block_pass.h"
#include "core/interaction.h"

namespace velmora {

inline constexpr double kMaxSampleValue = 32767.0;

// Clamped to -32767 .. 32767 (never -32768), truncated toward zero.
int16_t toPcm16(double value);

struct Pcm16Conversion {
  ResampleError error = ResampleError::None;
  std::vector<int16_t> samples;
  std::vector<StageReport> stages;
  bool ok() const { return error == ResampleError::None; }
};

// Steps 1 and 2. Nothing is shown; the limit-cycle line goes to standard error.
Pcm16Conversion convertPcm16(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options = {});
// The same over `count` samples read from `input` a block at a time.
Pcm16Conversion convertPcm16(PassInput& input, size_t count, uint32_t sourceRateHz, uint32_t targetRateHz,
                             const ResampleOptions& options = {});

enum class WriteOutcome { Written, Cancelled, Failed };

WriteOutcome resampleAndWrite(const std::vector<int16_t>& samples, uint32_t sourceRateHz, uint32_t targetRateHz,
                              const std::filesystem::path& targetPath, Interaction& ui,
                              const ResampleOptions& options = {});

}  // namespace velmora
