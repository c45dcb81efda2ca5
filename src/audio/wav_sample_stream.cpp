#include "audio/wav_sample_stream.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr size_t kFramesPerRead = size_t{1} << 15;
}

WavSampleStream::WavSampleStream(const std::filesystem::path& path, const WavHeader& header, StereoChoice choice)
    : channels_(header.format.channels == 2 ? 2 : 1),
      choice_(choice),
      count_(static_cast<size_t>(header.dataBytes / 2) / static_cast<size_t>(channels_)) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_ || ::fseeko(file_, static_cast<off_t>(header.dataOffset), SEEK_SET) != 0) failed_ = true;
  bytes_.resize(kFramesPerRead * 2 * static_cast<size_t>(channels_));
  block_.reserve(kFramesPerRead);
}

WavSampleStream::~WavSampleStream() {
  if (file_) std::fclose(file_);
}

bool WavSampleStream::fill() {
  block_.clear();
  blockPosition_ = 0;
  const size_t frames = std::min(kFramesPerRead, count_ - given_);
  const size_t frameBytes = 2 * static_cast<size_t>(channels_);
  if (failed_ || frames == 0 || std::fread(bytes_.data(), frameBytes, frames, file_) != frames) {
    failed_ = true;
    return false;
  }
  for (size_t i = 0; i < frames; ++i) {
    const uint8_t* p = bytes_.data() + i * frameBytes;
    const int left = static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
    if (channels_ == 1) {
      block_.push_back(static_cast<int16_t>(left));
      continue;
    }
    const int right = static_cast<int16_t>(static_cast<uint16_t>(p[2] | (p[3] << 8)));
    switch (choice_) {
      case StereoChoice::Left: block_.push_back(static_cast<int16_t>(left)); break;
      case StereoChoice::Right: block_.push_back(static_cast<int16_t>(right)); break;
      case StereoChoice::Mix: block_.push_back(static_cast<int16_t>((left + right) / 2)); break;
    }
  }
  return true;
}

void WavSampleStream::readPcm16(int16_t* values, size_t count) {
  while (count > 0) {
    if (blockPosition_ == block_.size() && !fill()) {
      std::fill(values, values + count, int16_t{0});
      return;
    }
    const size_t n = std::min(count, block_.size() - blockPosition_);
    std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(blockPosition_), n, values);
    blockPosition_ += n;
    given_ += n;
    values += n;
    count -= n;
  }
}

void WavSampleStream::read(double* values, size_t count) {
  int16_t samples[256];
  while (count > 0) {
    const size_t n = std::min(count, sizeof samples / sizeof samples[0]);
    readPcm16(samples, n);
    for (size_t i = 0; i < n; ++i) values[i] = samples[i];
    values += n;
    count -= n;
  }
}

}  // namespace velmora
