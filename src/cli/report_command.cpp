// velmora-cli report --data DIR --client CODE --file N --pdf OUT.pdf [--landscape] [--colour]
//   [--no-personal] [--no-notes]
// velmora-cli report FILE.wav --pdf OUT.pdf [same options]
// The printed page of a recording (a client's numbered one, or any file as "Other Files")
// written as a PDF through the view's own renderer, gray-scale unless --colour as the print
// dialog starts. A client's page follows the language of the working folder ("lang.dat") in
// its dates; "Other Files" pages are in English. Runs on the offscreen platform: no display
// needed.
#include <QGuiApplication>
#include <charconv>
#include <iostream>
#include <optional>

#include "analysis/spectrogram.h"
#include "audio/sound_buffer.h"
#include "cli/command_registry.h"
#include "cli/analysis_input.h"
#include "cli/stderr_interaction.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "core/config_files.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/view_geometry.h"
#include "view/analysis_results.h"
#include "view/report_pdf.h"

namespace velmora::cli {
namespace {

struct Options {
  std::string data, input, pdf;
  std::optional<int> client, file;
  bool landscape = false;
  PrintOptions print;
};

bool parseInt(const std::string& text, int& value) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

std::optional<Options> parseOptions(const std::vector<std::string>& args) {
  Options o;
  o.print.grayScale = true;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--landscape") o.landscape = true;
    else if (a == "--colour") o.print.grayScale = false;
    else if (a == "--no-personal") o.print.personalInformation = false;
    else if (a == "--no-notes") o.print.notes = false;
    else if (a.rfind("--", 0) != 0) {
      if (!o.input.empty()) return std::nullopt;
      o.input = a;
    } else {
      if (i + 1 >= args.size()) return std::nullopt;
      const std::string& v = args[++i];
      int n = 0;
      if (a == "--data") o.data = v;
      else if (a == "--pdf") o.pdf = v;
      else if (a == "--client" && parseInt(v, n) && n > 0) o.client = n;
      else if (a == "--file" && parseInt(v, n) && n > 0) o.file = n;
      else return std::nullopt;
    }
  }
  const bool byClient = o.client && o.file && !o.data.empty() && o.input.empty();
  const bool byPath = !o.input.empty() && !o.client && !o.file;
  if (o.pdf.empty() || !(byClient || byPath)) return std::nullopt;
  return o;
}

std::optional<ClientRecord> findClient(int code) {
  StderrInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(kRegisterFileName);
  if (reg.query("") < 0) return std::nullopt;
  for (const ClientEntry& e : reg.entries()) {
    ClientRecord r = recordFromEntry(e);
    if (r.code == code) return r;
  }
  return std::nullopt;
}

// The client's recording of that number, at whichever rate it was stored.
std::optional<std::filesystem::path> clientRecording(const std::filesystem::path& folder, int code, int number) {
  for (const RecordingPrefix prefix : {RecordingPrefix::Wv, RecordingPrefix::Qv}) {
    const auto path = recordingPath(folder, code, number, prefix);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return std::nullopt;
}

// The scene the view shows right after opening: the spectrogram mode with its starting band
// and limit, F0 and formants off, laid out for the page.
ViewScene reportScene(const SoundBuffer& buffer, AnalysisResults& results, bool grayScale) {
  const int rate = static_cast<int>(buffer.sampleRate());
  results.setSampleRate(rate);
  const std::vector<int> limits = frequencyLimitsForRate(rate);
  const double limit = limits.size() > kDefaultLimitIndex ? limits[kDefaultLimitIndex] : rate / 2.0;
  results.spectrogram().setLimit(static_cast<float>(limit));
  ViewScene screen;
  screen.geometry = ViewGeometry::forScreen(1024, 768);
  screen.mode = ModeSpectrogram;
  screen.buffer = &buffer;
  screen.spectrogramTopHz = limit;
  ViewScene page = printScene(screen, grayScale);
  results.computeSpectrogram(buffer, page.geometry.graphWidth, page.geometry.spectralHeight);
  QImage picture = results.spectrogramImage().copy();
  if (grayScale) picture = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
  page.spectrogram = picture;
  return page;
}

int runReport(const std::vector<std::string>& args) {
  const std::optional<Options> o = parseOptions(args);
  if (!o) {
    std::cerr << "usage: velmora-cli report --data DIR --client CODE --file N --pdf OUT.pdf [--landscape] [--colour]"
                 " [--no-personal] [--no-notes]\n       velmora-cli report FILE.wav --pdf OUT.pdf [options]\n";
    return 1;
  }
  const std::filesystem::path pdf = std::filesystem::absolute(o->pdf);
  ReportSource source;
  if (o->client) {
    std::error_code ec;
    std::filesystem::current_path(o->data, ec);
    if (ec) {
      std::cerr << "cannot use " << o->data << ": " << ec.message() << "\n";
      return 2;
    }
    source.workingFolder = std::filesystem::current_path();
    // Dates and the birth date follow the working folder's interface language.
    source.language = startLanguage(source.workingFolder);
    source.client = findClient(*o->client);
    if (!source.client) {
      std::cerr << "velmora-cli report: no client " << *o->client << " in " << kRegisterFileName << "\n";
      return 2;
    }
    const auto path = clientRecording(source.workingFolder, *o->client, *o->file);
    if (!path) {
      std::cerr << "velmora-cli report: client " << *o->client << " has no file " << *o->file << "\n";
      return 2;
    }
    source.recordingPath = *path;
    source.fileNumber = *o->file;
    source.viewTitle = formatv(tr(str::ClientFileTitle), source.client->name, *o->file);
  } else {
    source.workingFolder = std::filesystem::current_path();
    source.recordingPath = std::filesystem::absolute(o->input);
    source.viewTitle = source.recordingPath.filename().string();
  }
  // Stereo files are mixed to one channel, as the other analysis commands read them.
  auto read = readMonoForAnalysis(source.recordingPath.string());
  if (const int* status = std::get_if<int>(&read)) return *status;
  SoundBuffer buffer;
  buffer.samples = std::move(std::get<MonoSignal>(read).samples);
  buffer.format = WaveFormat::pcm(std::get<MonoSignal>(read).rateHz);
  buffer.path = source.recordingPath;
  buffer.recordingNumber = source.fileNumber;
  buffer.showAll();

  // Fonts and the PDF engine need a GUI application; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "velmora-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  ReportPageSetup setup;
  setup.language = source.language;
  setup.options = o->print;
  setup.landscape = o->landscape;
  AnalysisResults results;
  const ViewScene scene = reportScene(buffer, results, o->print.grayScale);
  if (!writeReportPdf(pdf, setup, gatherReportContent(source), scene)) {
    std::cerr << "error: cannot write " << pdf.string() << "\n";
    return 3;
  }
  return 0;
}

const CommandRegistrar reg("report",
                           "report --data DIR --client CODE --file N --pdf OUT | report FILE --pdf OUT  the printed "
                           "page as PDF [--landscape --colour --no-personal --no-notes]",
                           runReport);

}  // namespace
}  // namespace velmora::cli
