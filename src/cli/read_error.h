#pragma once
// Reports a WAV reader failure as "error CODE: text" on standard error; returns status 2.
namespace velmora::cli {

const char* readErrorText(int code);
int reportReadError(int code);

}  // namespace velmora::cli
