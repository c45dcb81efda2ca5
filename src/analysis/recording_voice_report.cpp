#include "analysis/recording_voice_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/compute_f0.h"
#include "analysis/f0_track.h"
#include "analysis/voice_report_rows.h"

namespace velmora {
namespace {

// The recording's F0 track where the report reads it: F0Track tracks its pieces independently,
// so tracking only the pieces that overlap the span gives the same values there (a ten-second
// selection of a long recording costs one or two pieces, not all). Elsewhere unvoiced.
std::vector<float> spanF0Track(const RecordingSpan& span) {
  std::vector<float> values;
  size_t offset = 0;
  bool anyTracked = false;
  for (const size_t length : f0PieceLengths(span.count, span.rateHz)) {
    const size_t count = f0ValueCount(length, span.rateHz, kF0FramesPerSecond);
    F0Track piece;
    if (offset < span.end && offset + length > span.begin) piece.compute(span.samples + offset, length, span.rateHz, span.stop);
    if (piece.count() > 0) values.insert(values.end(), piece.values().begin(), piece.values().end());
    else values.insert(values.end(), count, 0.0f);
    anyTracked = anyTracked || piece.count() > 0;
    offset += length;
  }
  // As F0Track: a rate the tracker refuses gives an empty track, not one of zeros.
  if (!anyTracked) values.clear();
  return values;
}

}  // namespace

VoiceReport voiceReportOfRecording(const RecordingSpan& span) {
  std::vector<float> track;
  const std::vector<float>* f0 = span.f0;
  if (f0 == nullptr) {
    track = spanF0Track(span);
    if (stopRequested(span.stop)) return VoiceReport{};
    f0 = &track;
  }
  std::vector<float> samples(span.count);
  for (size_t i = 0; i < span.count; ++i) samples[i] = static_cast<float>(span.samples[i]) / 32768.0f;
  VoiceInput voice;
  voice.samples = samples.data();
  voice.count = span.count;
  voice.rateHz = span.rateHz;
  voice.begin = std::min(span.begin, span.count);
  voice.end = std::min(span.end, span.count);
  voice.f0 = f0->data();
  voice.f0Count = f0->size();
  voice.f0FramesPerSecond = kF0FramesPerSecond;
  voice.stop = span.stop;
  return computeVoiceReport(voice);
}

std::string voiceReportCsv(const VoiceReport& report) {
  std::string out = "name,value,unit\n";
  for (const VoiceReportRow& row : voiceReportRows(report)) {
    out += row.name;
    out += ',';
    if (std::isfinite(row.value)) {
      char text[64];
      const auto result = std::to_chars(text, text + sizeof text, row.value, std::chars_format::fixed, row.decimals);
      out.append(text, result.ptr);
    }
    out += ',';
    out += row.unit;
    out += '\n';
  }
  return out;
}

}  // namespace velmora
