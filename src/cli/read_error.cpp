#include "cli/read_error.h"

#include <cstdio>

#include "audio/wav_reader.h"

namespace velmora::cli {

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

}  // namespace velmora::cli
