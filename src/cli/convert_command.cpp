// velmora-cli convert IN.wav OUT.wav --rate 11025|22050|44100 [--channel left|right|mix]:
// the import's conversion without a client: a 16-bit WAV file to 16-bit mono at one of the
// three recording rates. The stages used are listed on standard error.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "audio/resampler_write.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_sample_stream.h"
#include "audio/wav_writer.h"
#include "cli/command_registry.h"
#include "cli/read_error.h"
#include "core/atomic_file.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage =
    "usage: velmora-cli convert IN.wav OUT.wav --rate 11025|22050|44100 [--channel left|right|mix]\n";

struct ConvertArgs {
  std::string input;
  std::string output;
  uint32_t rateHz = 0;
  StereoChoice channel = StereoChoice::Mix;
};

std::optional<StereoChoice> parseChannel(const std::string& text) {
  if (text == "left") return StereoChoice::Left;
  if (text == "right") return StereoChoice::Right;
  if (text == "mix") return StereoChoice::Mix;
  return std::nullopt;
}

std::optional<ConvertArgs> parseArgs(const std::vector<std::string>& args) {
  ConvertArgs parsed;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--rate" && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (v == "11025" || v == "22050" || v == "44100") parsed.rateHz = static_cast<uint32_t>(std::stoul(v));
      else return std::nullopt;
    } else if (args[i] == "--channel" && i + 1 < args.size()) {
      auto channel = parseChannel(args[++i]);
      if (!channel) return std::nullopt;
      parsed.channel = *channel;
    } else if (!args[i].empty() && args[i][0] != '-') {
      files.push_back(args[i]);
    } else {
      return std::nullopt;
    }
  }
  if (files.size() != 2 || parsed.rateHz == 0) return std::nullopt;
  parsed.input = files[0];
  parsed.output = files[1];
  return parsed;
}

void printStages(const std::vector<StageReport>& stages) {
  for (size_t i = 0; i < stages.size(); ++i) {
    const StageReport& s = stages[i];
    std::fprintf(stderr, "stage %zu: L=%d M=%d order=%d attenuation=%.1f dB\n", i + 1, s.stage.up, s.stage.down,
                 s.filterOrder, s.attenuationDb);
  }
}

int runConvert(const std::vector<std::string>& args) {
  const auto parsed = parseArgs(args);
  if (!parsed) {
    std::cerr << kUsage;
    return 1;
  }
  // Refused before any work: the result may only replace a regular file.
  if (!replaceableTarget(parsed->output)) {
    std::fprintf(stderr, "error: %s is not a regular file; only a file can be replaced\n", parsed->output.c_str());
    return 4;
  }
  int status = 0;
  const std::optional<WavHeader> header = readCheckedWavHeader(parsed->input, status);
  if (!header) return status;
  const WaveFormat& f = header->format;

  // The samples are read a block at a time as the conversion needs them: only the output is
  // ever held whole.
  WavSampleStream input(parsed->input, *header, parsed->channel);
  std::vector<int16_t> output;
  if (f.samplesPerSecond == parsed->rateHz) {
    std::fprintf(stderr, "same rate: no resampling\n");
    output.resize(input.count());
    input.readPcm16(output.data(), output.size());
  } else {
    ResampleOptions options;
    // Temporary data goes where the result goes: that disk must hold it anyway.
    const std::filesystem::path folder = std::filesystem::path(parsed->output).parent_path();
    options.spillFolder = folder.empty() ? std::filesystem::path(".") : folder;
    Pcm16Conversion conversion = convertPcm16(input, input.count(), f.samplesPerSecond, parsed->rateHz, options);
    if (input.failed()) return reportReadError(WavDataTruncated);
    printStages(conversion.stages);
    if (!conversion.ok()) {
      // The limit-cycle line is already on standard error.
      if (conversion.error != ResampleError::LimitCycles)
        std::fprintf(stderr, "error: %s\n", resampleErrorText(conversion.error).c_str());
      return 3;
    }
    output = std::move(conversion.samples);
  }
  if (input.failed()) return reportReadError(WavDataTruncated);
  errno = 0;
  if (!writeWavFile(parsed->output, WaveFormat::pcm(parsed->rateHz), output.data(), output.size() * sizeof(int16_t),
                    /*keepTime=*/false)) {
    std::fprintf(stderr, "error: %s cannot be written%s%s\n", parsed->output.c_str(), errno ? ": " : "",
                 errno ? std::strerror(errno) : "");
    return 4;
  }
  return 0;
}

const CommandRegistrar reg("convert",
                           "convert IN OUT --rate R [--channel C]  16-bit WAV to mono at 11025, 22050 or 44100 Hz",
                           runConvert,
                           "Reads a 16-bit WAV file and writes OUT as a 16-bit mono WAV file at the chosen rate.\n"
                           "\n"
                           "Options:\n"
                           "  --rate R      11025, 22050 or 44100 (required)\n"
                           "  --channel C   which channel of a stereo file to keep: left, right or mix (default mix)\n"
                           "\n"
                           "Output: the resampling stages, one line each, on standard error.\n");

}  // namespace
}  // namespace velmora::cli
