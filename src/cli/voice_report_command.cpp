// velmora-cli voice-report FILE.wav [--start S] [--end E] [--csv]: jitter, shimmer, HNR, CPPS
// and F0 statistics of a span (the whole file without --start/--end), over the F0 track the
// view computes. Text is "name value unit" lines; --csv gives "name,value,unit" lines under a
// header. Undefined values are left empty in CSV and shown as "--" in text.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "analysis/f0_track.h"
#include "analysis/recording_voice_report.h"
#include "analysis/voice_report.h"
#include "analysis/voice_report_rows.h"
#include "cli/analysis_input.h"
#include "cli/command_registry.h"

namespace velmora::cli {
namespace {

constexpr unsigned kLowestTrackedRate = 4000;
constexpr const char* kUsage = "usage: velmora-cli voice-report FILE.wav [--start S] [--end E] [--csv]\n";

std::optional<double> parseSeconds(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0.0)
    return std::nullopt;
  return value;
}

struct Options {
  std::string path;
  std::optional<double> start, end;
  bool csv = false;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--csv") {
      options.csv = true;
    } else if ((arg == "--start" || arg == "--end") && i + 1 < args.size()) {
      const auto value = parseSeconds(args[++i]);
      if (!value) return std::nullopt;
      (arg == "--start" ? options.start : options.end) = value;
    } else if (options.path.empty() && !arg.starts_with("--")) {
      options.path = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.path.empty()) return std::nullopt;
  return options;
}

std::string format(const VoiceReport& report, bool csv) {
  if (csv) return voiceReportCsv(report);
  std::string out;
  for (const VoiceReportRow& row : voiceReportRows(report)) {
    out += row.name;
    out += ' ';
    if (std::isfinite(row.value)) appendFixed(out, row.value, row.decimals);
    else out += "--";
    if (!row.unit.empty()) out += ' ';
    out += row.unit;
    out += '\n';
  }
  return out;
}

int runVoiceReport(const std::vector<std::string>& args) {
  const auto options = parseOptions(args);
  if (!options) {
    std::cerr << kUsage;
    return 1;
  }
  auto input = readMonoForAnalysis(options->path, kLowestTrackedRate, "too low for F0 analysis");
  if (const int* status = std::get_if<int>(&input)) return *status;
  const MonoSignal signal = std::move(std::get<MonoSignal>(input));
  const double rate = signal.rateHz;
  const size_t n = signal.samples.size();
  const double startSeconds = options->start.value_or(0.0);
  const double endSeconds = options->end.value_or(static_cast<double>(n) / rate);
  if (endSeconds <= startSeconds || startSeconds * rate >= static_cast<double>(n)) {
    std::cerr << "error: the span " << startSeconds << " to " << endSeconds << " s is not inside the recording\n";
    return 1;
  }

  F0Track track;
  track.compute(signal.samples.data(), n, static_cast<int>(signal.rateHz));
  for (const std::string& line : track.diagnostics()) std::cerr << line << '\n';
  RecordingSpan span;
  span.samples = signal.samples.data();
  span.count = n;
  span.rateHz = static_cast<int>(rate);
  span.begin = static_cast<size_t>(std::llround(startSeconds * rate));
  span.end = std::min(n, static_cast<size_t>(std::llround(endSeconds * rate)));
  span.f0 = &track.values();
  const VoiceReport report = voiceReportOfRecording(span);
  if (report.status == VoiceReportStatus::TooShort) {
    std::cerr << "error: " << voiceReportProblem(report) << '\n';
    return 2;
  }
  if (report.status == VoiceReportStatus::NoPeriods) std::cerr << voiceReportProblem(report) << '\n';

  const std::string out = format(report, options->csv);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) {
    std::cerr << "error: cannot write the voice report\n";
    return 2;
  }
  return 0;
}

const CommandRegistrar reg("voice-report",
                           "voice-report FILE.wav [--start S] [--end E] [--csv]  jitter, shimmer, HNR, CPPS of a span",
                           runVoiceReport);

}  // namespace
}  // namespace velmora::cli
