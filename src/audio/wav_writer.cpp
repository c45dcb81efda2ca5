#include "audio/wav_writer.h"

#include "core/atomic_file.h"
#include "core/message_ids.h"

namespace velmora {

namespace {

void put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

std::string headerBytes(const WaveFormat& format, size_t byteCount) {
  const uint32_t pad = byteCount & 1;
  std::string out;
  out.reserve(46);
  out += "RIFF";
  put32(out, static_cast<uint32_t>(4 + (8 + 18) + (8 + byteCount + pad)));
  out += "WAVE";
  out += "fmt ";
  put32(out, 18);
  // An extensible record loses its extension here, so it is written as the plain PCM it holds.
  put16(out, format.formatTag == kFormatExtensible ? kFormatPcm : format.formatTag);
  put16(out, format.channels);
  put32(out, format.samplesPerSecond);
  put32(out, format.averageBytesPerSecond);
  put16(out, format.blockAlign);
  put16(out, format.bitsPerSample);
  put16(out, 0);
  out += "data";
  put32(out, static_cast<uint32_t>(byteCount));
  return out;
}
}  // namespace

std::string wavFileBytes(const WaveFormat& format, const void* data, size_t byteCount) {
  std::string out = headerBytes(format, byteCount);
  out.append(static_cast<const char*>(data), byteCount);
  if (byteCount & 1) out += '\0';
  return out;
}

bool writeWavFile(const std::filesystem::path& path, const WaveFormat& format, const void* data, size_t byteCount,
                  bool keepTime) {
  // RIFF sizes are 32-bit; refuse what cannot be described rather than write a lying header.
  if (byteCount > 0xFFFFFFFFull - 64) return false;
  AtomicFileWriter w(path, keepTime);
  if (!w.open()) return false;
  const std::string header = headerBytes(format, byteCount);
  const char pad = 0;
  if (!w.write(header) || !w.write(data, byteCount) || ((byteCount & 1) && !w.write(&pad, 1))) return false;
  return w.commit();
}

bool writeWavFile(const std::filesystem::path& path, const WaveFormat& format, const void* data, size_t byteCount,
                  Interaction& ui) {
  if (writeWavFile(path, format, data, byteCount)) return true;
  showMessage(ui, msg::WavNotWritten, path.string());
  return false;
}

}  // namespace velmora
