#pragma once
// Builds WAV file images chunk by chunk, including damaged ones, for reader tests.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::testing {

std::string le16(uint32_t v);
std::string le32(uint32_t v);

// A chunk: id, stated size (may lie), and its body (padded to even length unless told not to).
std::string chunk(const std::string& id, const std::string& body, int64_t statedSize = -1, bool pad = true);

// "fmt " body of 16 bytes (PCM) or 18 bytes with the extra count.
std::string fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, bool withExtraCount = false,
                    uint16_t extraCount = 0);

std::string samplesBody(const std::vector<int16_t>& samples);

// RIFF WAVE around the given chunks; statedSize -1 means the true size.
std::string riffWave(const std::string& chunks, int64_t statedSize = -1);

// A plain 16-bit PCM file.
std::string pcmWav(const std::vector<int16_t>& samples, uint32_t rate = 22050, uint16_t channels = 1);

}  // namespace velmora::testing
