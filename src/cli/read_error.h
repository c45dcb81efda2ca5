#pragma once
// Reports a WAV reader failure as "error CODE: text" on standard error; returns status 2.
// Files the reader could parse but that cannot be analysed or converted get a line naming
// what is wrong with them, also with status 2.
#include <optional>
#include <string>

#include "audio/wav_input_check.h"
#include "audio/wav_reader.h"

namespace velmora::cli {

const char* readErrorText(int code);
int reportReadError(int code);

std::string inputProblemText(WavInputProblem problem, const WaveFormat& format);
int reportInputProblem(WavInputProblem problem, const WaveFormat& format);

// The header alone, when it passes the reader and checkWavInput; otherwise as below.
std::optional<WavHeader> readCheckedWavHeader(const std::string& path, int& status);

// The whole file when it passes the reader and checkWavInput; otherwise the error line is on
// standard error and `status` holds the exit status.
std::optional<WavData> readCheckedWav(const std::string& path, int& status);

}  // namespace velmora::cli
