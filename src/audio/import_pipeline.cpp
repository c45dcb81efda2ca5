#include "audio/import_pipeline.h"

#include <fstream>
#include <new>
#include <vector>

#include "audio/recording_opener.h"
#include "audio/resampler_write.h"
#include "audio/wav_input_check.h"
#include "audio/wav_reader.h"
#include "audio/wav_writer.h"
#include "clients/client_folders.h"
#include "clients/date_file.h"
#include "clients/recording_names.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {

constexpr size_t kCopyChunkBytes = 1 << 16;

ImportResult failed() { return ImportResult{}; }

ImportResult cancelled() {
  ImportResult r;
  r.status = ImportStatus::Cancelled;
  return r;
}

// The source file's bytes, unchanged, into the target (replacing any file of that name).
bool copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return false;
  AtomicFileWriter out(target);
  if (!out.open()) return false;
  std::vector<char> chunk(kCopyChunkBytes);
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (!out.write(chunk.data(), static_cast<size_t>(got))) return false;
  }
  if (in.bad()) return false;
  return out.commit();
}

// Date file and the closing message; the recording itself is in place.
ImportResult finish(const ImportRequest& request, Interaction& ui, int number, uint32_t rateHz) {
  ImportResult r;
  r.status = ImportStatus::Imported;
  r.recordingNumber = number;
  r.sampleRateHz = rateHz;
  r.wavPath = recordingPath(request.workingFolder, request.clientCode, number, prefixForRate(rateHz));
  r.relativePath = recordingPath({}, request.clientCode, number, prefixForRate(rateHz));
  r.dateWritten = writeDateFile(r.wavPath, ui);  // shows msg::ErrorSavingFile when it fails
  if (r.dateWritten) showMessage(ui, msg::FileImported);
  return r;
}

}  // namespace

ConversionChoice defaultConversionChoice(const ConversionOffer& offer) {
  ConversionChoice choice;
  if (offer.sourceRateHz == kImportRatesHz[2]) choice.rateIndex = 2;
  else if (offer.sourceRateHz == kImportRatesHz[1]) choice.rateIndex = 1;
  else choice.rateIndex = 0;
  if (offer.sourceChannels == 2) choice.channel = StereoChoice::Mix;
  return choice;
}

std::optional<std::filesystem::path> chooseImportSource(Interaction& ui, const std::filesystem::path& startFolder) {
  FileRequest request;
  request.startFolder = startFolder;
  request.filter = tr(str::WavFileFilter);
  request.defaultExtension = "wav";
  request.confirmOverwrite = false;
  return ui.chooseOpenFile(request);
}

ImportResult importRecording(const ImportRequest& request, Interaction& ui) {
  // The header alone decides; the samples are read only for a file that will be taken.
  const WavHeader header = readWavHeader(request.sourcePath);
  if (header.code != WavOk) {
    showMessage(ui, msg::FileNotOpened);
    return failed();
  }
  if (header.format.bitsPerSample != 16) {
    showMessage(ui, msg::ImportNot16Bits);
    return failed();
  }
  // What the stereo reduction and the converter cannot take (see wav_input_check.h), and no
  // sound at all (an empty recording could not be opened afterwards).
  if (checkWavInput(header.format, header.dataBytes) != WavInputProblem::None) {
    showMessage(ui, msg::FileNotOpened);
    return failed();
  }
  WavData source = readWav(request.sourcePath);
  if (source.code != WavOk || source.format != header.format) {
    showMessage(ui, msg::FileNotOpened);
    return failed();
  }
  const WaveFormat& format = source.format;

  const int number = nextRecordingNumber(ui, request.workingFolder, request.clientCode);
  if (number < 0) return failed();

  if (format.channels == 1 && isSupportedRate(format.samplesPerSecond)) {
    const auto target =
        recordingPath(request.workingFolder, request.clientCode, number, prefixForRate(format.samplesPerSecond));
    if (!copyFileAtomically(request.sourcePath, target)) {
      showMessage(ui, msg::ImportFailed);
      return failed();
    }
    return finish(request, ui, number, format.samplesPerSecond);
  }

  const ConversionOffer offer{request.sourcePath.filename().string(), format.samplesPerSecond, format.channels};
  std::optional<ConversionChoice> choice;
  if (request.askConversion) choice = request.askConversion(offer);
  if (!choice || choice->rateIndex < 0 || choice->rateIndex > 2) return cancelled();
  const uint32_t targetRate = kImportRatesHz[choice->rateIndex];
  const auto target = recordingPath(request.workingFolder, request.clientCode, number, prefixForRate(targetRate));

  std::vector<int16_t> mono;
  try {
    if (format.channels == 2) mono = reduceStereo(source.samples, choice->channel.value_or(StereoChoice::Mix));
    else mono = std::move(source.samples);
  } catch (const std::bad_alloc&) {
    showMessage(ui, msg::OutOfMemory);
    showMessage(ui, msg::ImportFailed);
    return failed();
  }

  if (format.samplesPerSecond == targetRate) {
    if (!writeWavFile(target, WaveFormat::pcm(targetRate), mono.data(), mono.size() * sizeof(int16_t), ui)) {
      showMessage(ui, msg::ImportFailed);
      return failed();
    }
    return finish(request, ui, number, targetRate);
  }

  ResampleOptions options;
  options.design = request.filterDesign;
  options.progress = request.progress;
  switch (resampleAndWrite(mono, format.samplesPerSecond, targetRate, target, ui, options)) {
    case WriteOutcome::Written: return finish(request, ui, number, targetRate);
    case WriteOutcome::Cancelled: return cancelled();
    case WriteOutcome::Failed: break;
  }
  showMessage(ui, msg::ImportFailed);
  return failed();
}

}  // namespace velmora
