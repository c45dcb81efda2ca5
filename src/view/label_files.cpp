#include "view/label_files.h"

#include "clients/companion_path.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "document/label_file.h"
#include "document/label_intervals.h"
#include "document/text_grid.h"

namespace velmora {

namespace {
constexpr const char* kTextGridFilter = "Praat TextGrid (*.TextGrid)|*.TextGrid|";

void tell(Interaction& ui, const std::string& text) { ui.showMessage(Message{0, text, {}, MessageIcon::Information}); }
}  // namespace

LabelFiles::LabelFiles(RecordingDocument& document, Interaction& ui) : document_(document), ui_(ui) {}

std::filesystem::path LabelFiles::labelPath() const {
  return document_.path().empty() ? std::filesystem::path() : companionPath(document_.path(), "mrk");
}

void LabelFiles::load() {
  const std::filesystem::path path = labelPath();
  std::optional<LabelFileContent> content;
  if (!path.empty()) content = readLabelFile(path);
  document_.labels().load(content ? std::move(content->labels) : std::vector<TextLabel>{});
  document_.labelsChanged();
}

bool LabelFiles::store() {
  const std::filesystem::path path = labelPath();
  if (path.empty() || !document_.labels().modified()) return true;
  if (!storeLabelFile(path, document_.labels())) {
    showMessage(ui_, msg::LabelFileNotSaved);
    return false;
  }
  return true;
}

void LabelFiles::clean() {
  const std::filesystem::path path = labelPath();
  std::error_code ec;
  if (!path.empty()) std::filesystem::remove(path, ec);
  if (ec) showMessage(ui_, msg::ErrorDeletingFile);
  document_.labels().load({});
  document_.labelsChanged();
}

void LabelFiles::exportTextGrid() {
  if (!document_.isOpen()) return;
  FileRequest request{tr(str::ExportLabelsTitle), document_.path().parent_path(), kTextGridFilter, "TextGrid", true};
  const std::optional<std::filesystem::path> target = ui_.chooseSaveFile(request);
  if (!target) return;
  const LabelIntervals out = labelIntervals(document_.labels(), document_.sampleRate(), document_.sampleCount());
  const double seconds = document_.sampleCount() / static_cast<double>(document_.sampleRate());
  if (!writeFileAtomically(*target, formatTextGrid(0, seconds, "labels", out.intervals))) {
    showMessage(ui_, msg::LabelFileNotSaved);
    return;
  }
  if (out.shortened > 0 || out.leftOut > 0)
    tell(ui_, formatv(tr(str::LabelsClippedNote), out.shortened, out.leftOut));
}

void LabelFiles::importTextGrid() {
  if (!document_.isOpen()) return;
  FileRequest request{tr(str::ImportLabelsTitle), document_.path().parent_path(), kTextGridFilter, "TextGrid", false};
  const std::optional<std::filesystem::path> source = ui_.chooseOpenFile(request);
  if (!source) return;
  const TextGridTier tier = readFirstIntervalTier(*source);
  if (tier.error != TextGridError::None) {
    showMessage(ui_, msg::ErrorReadingFile);
    return;
  }
  LabelsFromIntervals in = labelsFromIntervals(tier.intervals, document_.sampleRate(), document_.sampleCount());
  document_.labels().load(std::move(in.labels));
  document_.labels().markModified();
  document_.labelsChanged();
  if (in.leftOut > 0)
    tell(ui_, formatv(tr(str::IntervalsLeftOutNote), in.leftOut));
}

}  // namespace velmora
