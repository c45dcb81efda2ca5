// Measures the recorder on the real sound server:
//  1. start-to-first-buffer latency: the time from the start call to the first returned
//     buffer, over several short takes;
//  2. a long take: resident memory sampled every second (growth after the first seconds),
//     and whether the WAV holds every captured sample (WAV length against the returned
//     buffers and against the wall clock).
// Usage: record_take [--seconds S] [--latency-runs N] [--rate HZ] [--folder DIR]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "audio/input_buffer_bytes.h"
#include "audio/record_format.h"
#include "audio/sound_recorder.h"
#include "audio/wav_reader.h"
#include "platform/qt_wave_in.h"
#include "platform/qt_wave_wait.h"

using namespace velmora;

namespace {

class PrintingInteraction : public Interaction {
 public:
  int messages = 0;
  void showMessage(const Message& m) override {
    ++messages;
    std::fprintf(stderr, "message %d: %s\n", m.id, m.text.c_str());
  }
  bool askYesNo(const Message& m) override {
    showMessage(m);
    return false;
  }
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override {
    return std::nullopt;
  }
  int chooseOption(const ChoiceRequest&) override { return -1; }
};

class TakeWatch : public RecorderObserver {
 public:
  QElapsedTimer clock;
  qint64 firstBufferMs = -1;
  long long bytes = 0;
  long long buffers = 0;
  void takeBufferReturned(const TakeBuffer& b) override {
    if (firstBufferMs < 0 && b.byteCount > 0) firstBufferMs = clock.elapsed();
    bytes += static_cast<long long>(b.byteCount);
    ++buffers;
  }
};

long residentKib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

void runFor(int ms) {
  QElapsedTimer t;
  t.start();
  runQtEventsUntil([&] { return t.elapsed() >= ms; }, [] { return true; });
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int seconds = 60, latencyRuns = 20, rate = 44100;
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora-record-take";
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--seconds")) seconds = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--latency-runs")) latencyRuns = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--rate")) rate = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--folder")) folder = argv[i + 1];
  }
  std::filesystem::create_directories(folder);
  const auto code = recordFormatCodeForRate(rate);
  if (!code) {
    std::fprintf(stderr, "rate must be 11025, 22050 or 44100\n");
    return 2;
  }
  PrintingInteraction ui;
  QtWaveIn input;
  SoundRecorder recorder(input, ui, folder);
  recorder.setFormat(*code);
  // The default "Update Rate" entry (factor 2.5).
  setInputBufferBytes(updateRateBufferBytes(rate, 2.5));
  const int bufferBytes = evenInputBufferBytes();
  const double bufferMs = bufferBytes / 2.0 / rate * 1000;
  std::printf("rate %d Hz, buffers of %d bytes (%.1f ms)\n", rate, bufferBytes, bufferMs);

  std::vector<qint64> latencies;
  for (int run = 0; run < latencyRuns; ++run) {
    TakeWatch watch;
    recorder.setObserver(&watch);
    watch.clock.start();
    if (!recorder.start(folder / "latency.wav", 3)) return 1;
    runQtEventsUntil([&] { return watch.firstBufferMs >= 0 || watch.clock.elapsed() > 3000; }, [] { return true; });
    recorder.stopTake();
    latencies.push_back(watch.firstBufferMs);
    runFor(50);
  }
  if (!latencies.empty()) {
    std::sort(latencies.begin(), latencies.end());
    std::printf("start to first buffer over %zu takes: min %lld ms, median %lld ms, max %lld ms\n", latencies.size(),
                static_cast<long long>(latencies.front()), static_cast<long long>(latencies[latencies.size() / 2]),
                static_cast<long long>(latencies.back()));
  }

  if (seconds <= 0) return ui.messages ? 1 : 0;
  TakeWatch watch;
  recorder.setObserver(&watch);
  const long rssBefore = residentKib();
  watch.clock.start();
  if (!recorder.start(folder / "long.wav", 3)) return 1;
  long rssSettled = -1, rssPeak = 0;
  const int settleSeconds = std::min(5, std::max(1, seconds / 10));
  QTimer sampler;
  int tick = 0;
  QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
    ++tick;
    const long rss = residentKib();
    if (tick == settleSeconds) rssSettled = rss;
    if (tick >= settleSeconds) rssPeak = std::max(rssPeak, rss);
    if (tick % 60 == 0) std::printf("  %3d s: rss %ld KiB, %lld buffers\n", tick, rss, watch.buffers);
  });
  sampler.start(1000);
  runFor(seconds * 1000);
  sampler.stop();
  const qint64 stopMs = watch.clock.elapsed();
  const long rssBeforeStop = residentKib();
  const bool written = recorder.stopTake();
  const long rssAfterStop = residentKib();
  auto wav = readWav(folder / "long.wav");
  const double wavSeconds = double(wav.samples.size()) / rate;
  const double wallSeconds = stopMs / 1000.0;
  std::printf("long take: %d s requested, %.3f s recorded, %lld buffers, WAV written: %s\n", seconds, wavSeconds,
              watch.buffers, written ? "yes" : "no");
  std::printf("  WAV bytes %zu, returned bytes %lld (%s)\n", wav.samples.size() * 2, watch.bytes,
              static_cast<long long>(wav.samples.size() * 2) == watch.bytes ? "all stored" : "MISMATCH");
  std::printf("  wall clock from the start call to the stop: %.3f s; WAV short by %.1f ms (%.2f buffers)\n",
              wallSeconds, (wallSeconds - wavSeconds) * 1000, (wallSeconds - wavSeconds) * 1000 / bufferMs);
  std::printf("  rss: before %ld KiB, after %d s %ld KiB, peak during the take %ld KiB (growth %ld KiB), "
              "before stop %ld KiB, after the WAV write %ld KiB\n",
              rssBefore, settleSeconds, rssSettled, rssPeak, rssPeak - rssSettled, rssBeforeStop, rssAfterStop);
  std::filesystem::remove(folder / "long.wav");
  std::filesystem::remove(folder / "latency.wav");
  return written && ui.messages == 0 ? 0 : 1;
}
