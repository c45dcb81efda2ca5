#include "cli/read_error.h"

#include <cstdio>
#include <iostream>

namespace velmora::cli {

namespace {

// The common compressed and float tags, so the message says what the file holds.
const char* formatName(uint16_t tag) {
  switch (tag) {
    case 0x0002: return "Microsoft ADPCM";
    case 0x0003: return "floating point";
    case 0x0006: return "A-law";
    case 0x0007: return "mu-law";
    case 0x0011: return "IMA ADPCM";
    case 0x0031: return "GSM 6.10";
    case 0x0050: return "MPEG";
    case 0x0055: return "MPEG layer 3";
    case kFormatExtensible: return "extensible, not PCM";
    default: return "unknown";
  }
}

}  // namespace

const char* readErrorText(int code) {
  switch (code) {
    case WavOutOfMemory: return "out of memory";
    case WavCannotOpen: return "the file cannot be opened";
    case WavNotWave: return "not a RIFF WAVE file or a damaged format chunk";
    case WavFormatUnreadable: return "the format chunk cannot be read";
    case WavDataTruncated: return "the data chunk is missing or ends before its stated size";
    default: return "unknown error";
  }
}

int reportReadError(int code) {
  std::fprintf(stderr, "error %d: %s\n", code, readErrorText(code));
  return 2;
}

std::string inputProblemText(WavInputProblem problem, const WaveFormat& f) {
  char text[160];
  switch (problem) {
    case WavInputProblem::None: return {};
    case WavInputProblem::NotPcm:
      std::snprintf(text, sizeof text, "the samples are not PCM (format tag 0x%04X, %s); only 16-bit PCM can be read",
                    f.formatTag, formatName(f.formatTag));
      break;
    case WavInputProblem::Not16Bits:
      std::snprintf(text, sizeof text, "the file has %u-bit samples; only 16-bit files can be read", f.bitsPerSample);
      break;
    case WavInputProblem::ChannelCount:
      std::snprintf(text, sizeof text, "the file has %u channels; only files with one or two channels can be read",
                    f.channels);
      break;
    case WavInputProblem::RateTooLow:
    case WavInputProblem::RateTooHigh:
      std::snprintf(text, sizeof text, "the sample rate %u Hz is too %s; rates from %u to %u Hz can be read",
                    f.samplesPerSecond, problem == WavInputProblem::RateTooLow ? "low" : "high", kLowestInputRateHz,
                    kHighestInputRateHz);
      break;
    case WavInputProblem::NoSamples: return "the file holds no samples";
  }
  return text;
}

int reportInputProblem(WavInputProblem problem, const WaveFormat& format) {
  std::cerr << "error: " << inputProblemText(problem, format) << "\n";
  return 2;
}

std::optional<WavHeader> readCheckedWavHeader(const std::string& path, int& status) {
  WavHeader header = readWavHeader(path);
  if (header.code != WavOk) {
    status = reportReadError(header.code);
    return std::nullopt;
  }
  const WavInputProblem problem = checkWavInput(header.format, header.dataBytes);
  if (problem != WavInputProblem::None) {
    status = reportInputProblem(problem, header.format);
    return std::nullopt;
  }
  status = 0;
  return header;
}

std::optional<WavData> readCheckedWav(const std::string& path, int& status) {
  if (!readCheckedWavHeader(path, status)) return std::nullopt;
  WavData wav = readWav(path);
  if (wav.code != WavOk) {
    status = reportReadError(wav.code);
    return std::nullopt;
  }
  // Changed between the two reads: judged again on what was read.
  const WavInputProblem again = checkWavInput(wav.format, wav.samples.size() * 2);
  if (again != WavInputProblem::None) {
    status = reportInputProblem(again, wav.format);
    return std::nullopt;
  }
  status = 0;
  return wav;
}

}  // namespace velmora::cli
