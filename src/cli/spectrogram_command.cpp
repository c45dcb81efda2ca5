// velmora-cli spectrogram FILE.wav --png OUT.png [--width 800] [--height 300] [--band 10]
//   [--limit HZ] [--scheme 0|1|2] [--levels 70]
// The spectrogram picture the view shows for the whole file, written as a PNG of
// width x min(height, 2048) pixels. The limit defaults to the control bar's starting entry
// for the file's rate (half the rate for other rates). Stereo files are mixed to one channel.
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "analysis/spectrogram.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_reader.h"
#include "cli/analysis_input.h"
#include "cli/command_registry.h"
#include "cli/read_error.h"

namespace velmora::cli {
namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 300;
constexpr int kMaxWidth = 20000;

struct Options {
  std::string input;
  std::string png;
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  double bandHz = kSpectrogramDefaultBandwidthHz;
  std::optional<double> limitHz;
  int scheme = kDefaultScheme;
  int levels = kDefaultLevels;
};

template <typename T>
bool parseNumber(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

std::optional<Options> parseOptions(const std::vector<std::string>& args) {
  Options o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      if (!o.input.empty()) return std::nullopt;
      o.input = a;
      continue;
    }
    if (i + 1 >= args.size()) return std::nullopt;
    const std::string& v = args[++i];
    double limit = 0;
    bool ok = true;
    if (a == "--png")
      o.png = v;
    else if (a == "--width") ok = parseNumber(v, o.width) && o.width > 0 && o.width <= kMaxWidth;
    else if (a == "--height") ok = parseNumber(v, o.height) && o.height > 0 && o.height <= kMaxSpectrogramRows;
    else if (a == "--band") ok = parseNumber(v, o.bandHz) && o.bandHz > 0;
    else if (a == "--limit") {
      ok = parseNumber(v, limit) && limit > 0;
      o.limitHz = limit;
    }
    else if (a == "--scheme") ok = parseNumber(v, o.scheme) && o.scheme >= 0 && o.scheme <= 2;
    else if (a == "--levels") ok = parseNumber(v, o.levels) && o.levels >= kMinLevels && o.levels <= kPaletteSize;
    else ok = false;
    if (!ok) {
      std::cerr << "velmora-cli spectrogram: bad option " << a << " " << v << "\n";
      return std::nullopt;
    }
  }
  if (o.input.empty() || o.png.empty()) return std::nullopt;
  return o;
}

bool writePng(const SpectrogramImage& picture, const std::string& path) {
  QImage image(picture.width, picture.height, QImage::Format_RGB888);
  if (image.isNull()) return false;
  const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
  for (int y = 0; y < picture.height; ++y) std::memcpy(image.scanLine(y), &picture.rgb[y * rowBytes], rowBytes);
  // Written beside the target and renamed over it, so a failed write leaves any old file whole.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

int runSpectrogram(const std::vector<std::string>& args) {
  const std::optional<Options> options = parseOptions(args);
  if (!options) {
    std::cerr << "usage: velmora-cli spectrogram FILE.wav --png OUT.png [--width 800] [--height 300] [--band 10]"
                 " [--limit HZ] [--scheme 0|1|2] [--levels 70]\n";
    return 1;
  }
  auto read = readMonoForAnalysis(options->input);
  if (const int* status = std::get_if<int>(&read)) return *status;
  const MonoSignal& signal = std::get<MonoSignal>(read);
  const std::vector<int16_t>& mono = signal.samples;
  const int rate = static_cast<int>(signal.rateHz);

  Spectrogram spectrogram;
  spectrogram.setSampleRate(rate);
  spectrogram.setBandwidth(static_cast<float>(options->bandHz));
  const std::vector<int> limits = frequencyLimitsForRate(rate);
  const double limit = options->limitHz.value_or(limits.empty() ? rate / 2 : limits[kDefaultLimitIndex]);
  spectrogram.setLimit(static_cast<float>(limit));
  spectrogram.setScheme(options->scheme);
  spectrogram.setLevels(options->levels);
  const auto count = static_cast<int64_t>(mono.size());
  const SpectrogramImage& picture = spectrogram.drawRecording(mono.data(), count, static_cast<double>(count) / rate,
                                                              rate, options->width, options->height);
  if (!writePng(picture, options->png)) {
    std::cerr << "error: cannot write " << options->png << "\n";
    return 3;
  }
  return 0;
}

const CommandRegistrar reg("spectrogram",
                           "spectrogram FILE --png OUT  spectrogram picture of a WAV file as PNG "
                           "[--width --height --band --limit --scheme --levels]",
                           runSpectrogram,
                           "Options:\n"
                           "  --png OUT        the picture to write (required)\n"
                           "  --width N        width in pixels (default 800)\n"
                           "  --height N       height in pixels (default 300)\n"
                           "  --band HZ        analysis bandwidth in Hz (default 10)\n"
                           "  --limit HZ       highest frequency shown\n"
                           "  --scheme 0|1|2   colour scheme (default 2)\n"
                           "  --levels N       number of colour levels, 2 to 400 (default 70)\n");

}  // namespace
}  // namespace velmora::cli
