#include "analysis/recording_voice_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/f0_track.h"
#include "analysis/voice_report_rows.h"

namespace velmora {

VoiceReport voiceReportOfRecording(const RecordingSpan& span) {
  F0Track track;
  const std::vector<float>* f0 = span.f0;
  if (f0 == nullptr) {
    track.compute(span.samples, span.count, span.rateHz, span.stop);
    if (stopRequested(span.stop)) return VoiceReport{};
    f0 = &track.values();
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
