// velmora-cli labels FILE.wav [--from-textgrid IN.TextGrid] [--textgrid OUT.TextGrid]
// The recording's labels (its label file) as CSV on standard output: start,end,text in
// seconds. --from-textgrid first replaces them with the labelled intervals of the first
// interval tier of a Praat TextGrid; --textgrid writes them as a TextGrid.
#include <iostream>

#include "cli/analysis_input.h"
#include "cli/command_registry.h"
#include "clients/companion_path.h"
#include "core/atomic_file.h"
#include "document/label_file.h"
#include "document/label_intervals.h"
#include "document/text_grid.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage = "usage: velmora-cli labels FILE.wav [--from-textgrid IN.TextGrid] [--textgrid OUT.TextGrid]\n";

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

void printCsv(const LabelSet& labels, int rateHz) {
  std::string out = "start,end,text\n";
  for (const TextLabel& l : labels.entries()) {
    if (l.hidden) continue;
    appendFixed(out, l.samples.start / static_cast<double>(rateHz), 6);
    out += ',';
    appendFixed(out, l.samples.end / static_cast<double>(rateHz), 6);
    out += ',' + csvField(l.text) + '\n';
  }
  std::cout << out;
}

int replaceFromTextGrid(const std::string& source, const std::filesystem::path& labelPath, LabelSet& labels,
                        int rateHz, int32_t sampleCount) {
  const TextGridTier tier = readFirstIntervalTier(source);
  if (tier.error != TextGridError::None) {
    std::cerr << "error: " << source << ": " << textGridErrorText(tier.error) << "\n";
    return 2;
  }
  LabelsFromIntervals in = labelsFromIntervals(tier.intervals, rateHz, sampleCount);
  if (in.leftOut > 0)
    std::cerr << "warning: " << in.leftOut
              << " intervals with text did not become labels (more than 50, or no length in the recording)\n";
  labels.load(std::move(in.labels));
  if (!storeLabelFile(labelPath, labels)) {
    std::cerr << "error: " << labelPath.string() << " cannot be written\n";
    return 2;
  }
  return 0;
}

int writeTextGrid(const std::string& target, const LabelSet& labels, int rateHz, int32_t sampleCount) {
  const LabelIntervals out = labelIntervals(labels, rateHz, sampleCount);
  if (out.shortened > 0)
    std::cerr << "warning: " << out.shortened << " labels run into the next one and end where it begins\n";
  if (out.leftOut > 0) std::cerr << "warning: " << out.leftOut << " labels have no length in the recording\n";
  const double seconds = sampleCount / static_cast<double>(rateHz);
  if (!writeFileAtomically(target, formatTextGrid(0, seconds, "labels", out.intervals))) {
    std::cerr << "error: " << target << " cannot be written\n";
    return 2;
  }
  return 0;
}

int runLabels(const std::vector<std::string>& args) {
  std::string wav, from, to;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--textgrid" && hasValue) {
      to = args[++i];
    } else if (args[i] == "--from-textgrid" && hasValue) {
      from = args[++i];
    } else if (wav.empty() && args[i].rfind("--", 0) != 0) {
      wav = args[i];
    } else {
      std::cerr << kUsage;
      return 1;
    }
  }
  if (wav.empty()) {
    std::cerr << kUsage;
    return 1;
  }
  auto read = readMonoForAnalysis(wav);
  if (const int* status = std::get_if<int>(&read)) return *status;
  const MonoSignal& signal = std::get<MonoSignal>(read);
  const int rate = static_cast<int>(signal.rateHz);
  const auto count = static_cast<int32_t>(signal.samples.size());
  if (count == 0) {
    std::cerr << "error: " << wav << " holds no samples\n";
    return 2;
  }
  const std::filesystem::path labelPath = companionPath(wav, "mrk");
  LabelSet labels;
  if (auto content = readLabelFile(labelPath)) {
    if (content->skipped > 0) std::cerr << "warning: " << content->skipped << " damaged labels were skipped\n";
    labels.load(std::move(content->labels));
  }
  if (!from.empty())
    if (const int status = replaceFromTextGrid(from, labelPath, labels, rate, count); status != 0) return status;
  if (!to.empty())
    if (const int status = writeTextGrid(to, labels, rate, count); status != 0) return status;
  printCsv(labels, rate);
  return 0;
}

const CommandRegistrar reg("labels",
                           "labels FILE [--from-textgrid IN] [--textgrid OUT]  labels as CSV, to or from a Praat TextGrid",
                           runLabels,
                           "Reads the labels kept beside FILE (its .mrk file).\n"
                           "\n"
                           "Options:\n"
                           "  --from-textgrid IN   replace the labels with a Praat TextGrid's intervals and save them\n"
                           "  --textgrid OUT       also write the labels as a Praat TextGrid\n"
                           "\n"
                           "Output: the header line start,end,text, then one line per label: start and end in seconds\n"
                           "and the label's text (quoted when it holds a comma or a quote).\n");

}  // namespace
}  // namespace velmora::cli
