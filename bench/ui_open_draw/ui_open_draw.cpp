// Opening a 60-second 44100 Hz recording in the real analysis view until it is drawn,
// with F0 and formants on and off, and repainting an already computed view.
// Runs offscreen; prints the best and median of several runs in milliseconds.
// --png FILE also writes the view with F0 and formants on, as the screen shows it.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../counting_interaction.h"
#include "../synthetic_voice.h"
#include "audio/wav_writer.h"
#include "view/analysis_view.h"

using namespace velmora;

namespace {

struct Stats {
  double best, median;
};

Stats stats(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2]};
}

double openAndDraw(AnalysisView& view, const std::filesystem::path& file) {
  QElapsedTimer timer;
  timer.start();
  if (!view.openRecordingByPath(file)) {
    std::fprintf(stderr, "cannot open %s\n", file.c_str());
    std::exit(1);
  }
  view.repaint();
  // The overlays are computed off the UI thread: drawn once they have arrived.
  if (view.display().analysing()) {
    view.display().finishAnalyses();
    view.repaint();
  }
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  std::string png;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--png") png = argv[i + 1];

  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora_ui_bench";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "voice_60s_44100.wav";
  const std::vector<int16_t> samples = syntheticVoice(44100, 60);
  if (!writeWavFile(file, WaveFormat::pcm(44100), samples.data(), samples.size() * 2)) return 1;

  CountingInteraction ui;
  ViewStartSettings settings;
  settings.screenWidth = 1024;
  settings.screenHeight = 768;
  AnalysisView view(settings, ui);
  view.resize(1024, 700);
  view.show();
  app.processEvents();

  const int runs = 5;
  std::vector<double> withOverlays, plain, repaint;
  view.display().setShowF0(true);
  view.display().setShowFormants(true);
  for (int r = 0; r < runs; ++r) withOverlays.push_back(openAndDraw(view, file));
  if (!png.empty()) view.renderImage().save(QString::fromStdString(png));
  view.display().setShowF0(false);
  view.display().setShowFormants(false);
  for (int r = 0; r < runs; ++r) plain.push_back(openAndDraw(view, file));
  view.display().setShowF0(true);
  view.display().setShowFormants(true);  // computed once more, then only repainted
  for (int r = 0; r < 30; ++r) {
    QElapsedTimer timer;
    timer.start();
    view.repaint();
    repaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  const Stats a = stats(withOverlays), b = stats(plain), c = stats(repaint);
  std::printf("open 60 s 44100 Hz, spectrogram + F0 + formants, until drawn: best %.1f ms, median %.1f ms (target < 1000)\n",
              a.best, a.median);
  std::printf("open 60 s 44100 Hz, spectrogram only, until drawn:            best %.1f ms, median %.1f ms (target < 200)\n",
              b.best, b.median);
  std::printf("repaint of the computed view (F0 and formants shown):        best %.2f ms, median %.2f ms (target < 20)\n",
              c.best, c.median);
  std::filesystem::remove_all(folder);
  return ui.messages == 0 ? 0 : 1;
}
