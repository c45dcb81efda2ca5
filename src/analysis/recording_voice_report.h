#pragma once
// The voice report of a span of a 16-bit recording, as the program and the command line give
// it: the F0 track of the recording (computed here, for the span's pieces only, unless the
// caller has it already),
// the samples scaled to -1..1, then computeVoiceReport. Also the report as CSV text, one
// "name,value,unit" line per row under a header, undefined values left empty.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/stop_flag.h"
#include "analysis/voice_report.h"

namespace velmora {

struct RecordingSpan {
  const int16_t* samples = nullptr;  // the whole recording
  size_t count = 0;
  int rateHz = 0;
  size_t begin = 0, end = 0;  // [begin, end) in samples, inside 0..count
  // The recording's F0 track at kF0FramesPerSecond when already known; null computes it.
  const std::vector<float>* f0 = nullptr;
  const StopFlag* stop = nullptr;  // set: give up early; the report returned is not valid
};

VoiceReport voiceReportOfRecording(const RecordingSpan& span);

std::string voiceReportCsv(const VoiceReport& report);

}  // namespace velmora
