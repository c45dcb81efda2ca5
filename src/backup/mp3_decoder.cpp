#include "backup/mp3_decoder.h"

#include <mpg123.h>

#include <memory>
#include <mutex>

#include "audio/recording_opener.h"
#include "audio/resampler_write.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_writer.h"
#include "backup/safe_copy.h"

namespace velmora {

namespace {

constexpr uint32_t kLowRateHz = 11025;
constexpr uint32_t kWvRateHz = 22050;
constexpr uint32_t kQvRateHz = 44100;

struct HandleDeleter {
  void operator()(mpg123_handle* h) const {
    mpg123_close(h);
    mpg123_delete(h);
  }
};

void initOnce() {
  static std::once_flag once;
  std::call_once(once, [] { mpg123_init(); });
}

}  // namespace

DecodedAudio decodeMp3(const std::filesystem::path& mp3Path) {
  DecodedAudio audio;
  if (!isRegularNoLink(mp3Path)) return audio;
  initOnce();
  int error = MPG123_OK;
  std::unique_ptr<mpg123_handle, HandleDeleter> handle(mpg123_new(nullptr, &error));
  if (!handle) return audio;
  mpg123_handle* mh = handle.get();
  mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
  // Every rate, one or two channels, always 16-bit signed.
  mpg123_format_none(mh);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i) mpg123_format(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_open(mh, mp3Path.c_str()) != MPG123_OK) return audio;

  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK) return audio;
  std::vector<unsigned char> buffer(mpg123_outblock(mh));
  while (true) {
    size_t done = 0;
    const int r = mpg123_read(mh, buffer.data(), buffer.size(), &done);
    if (r == MPG123_NEW_FORMAT) {
      // A stream that changes format midway is not one recording.
      long newRate = 0;
      int newChannels = 0;
      mpg123_getformat(mh, &newRate, &newChannels, &encoding);
      if (newRate != rate || newChannels != channels) return DecodedAudio{};
    }
    const size_t count = done / sizeof(int16_t);
    if (audio.samples.size() + count > kMaxDecodedSamples) return DecodedAudio{};
    const auto* p = reinterpret_cast<const int16_t*>(buffer.data());
    audio.samples.insert(audio.samples.end(), p, p + count);
    if (r == MPG123_DONE) break;
    if (r != MPG123_OK && r != MPG123_NEW_FORMAT) return DecodedAudio{};
  }
  if (rate <= 0 || (channels != 1 && channels != 2) || audio.samples.size() < static_cast<size_t>(channels))
    return DecodedAudio{};
  audio.ok = true;
  audio.rateHz = static_cast<uint32_t>(rate);
  audio.channels = channels;
  return audio;
}

uint32_t storedRateFor(uint32_t decodedRateHz, bool qvName) {
  if (isSupportedRate(decodedRateHz)) return decodedRateHz;
  if (qvName) return kQvRateHz;
  return decodedRateHz <= kLowRateHz ? kLowRateHz : kWvRateHz;
}

bool decompressToWav(const std::filesystem::path& mp3Path, const std::filesystem::path& wavPath) {
  DecodedAudio audio = decodeMp3(mp3Path);
  if (!audio.ok) return false;
  std::vector<int16_t> mono =
      audio.channels == 2 ? reduceStereo(audio.samples, StereoChoice::Mix) : std::move(audio.samples);
  const std::string name = wavPath.filename().string();
  const bool qvName = name.size() >= 2 && (name[0] == 'q' || name[0] == 'Q') && (name[1] == 'v' || name[1] == 'V');
  const uint32_t rate = storedRateFor(audio.rateHz, qvName);
  if (rate != audio.rateHz) {
    Pcm16Conversion converted = convertPcm16(mono, audio.rateHz, rate);
    if (!converted.ok()) return false;
    mono = std::move(converted.samples);
  }
  return writeWavFile(wavPath, WaveFormat::pcm(rate), mono.data(), mono.size() * sizeof(int16_t));
}

}  // namespace velmora
