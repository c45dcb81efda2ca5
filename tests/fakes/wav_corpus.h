#pragma once
// A corpus of damaged and unusual WAV files, each marked with what a reader must make of it:
//   readable  the RIFF structure holds: "fmt " and "data" are found and lie within the file;
//   usable    also 16-bit linear PCM (plain or extensible), 1 or 2 channels, 4000 to
//             192000 Hz and at least one sample frame: fit for analysis and conversion.
// The marks are set by hand from how each file was built, not by asking the reader.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::testing {

struct CorpusFile {
  std::string name;
  std::string bytes;
  bool readable = false;
  bool usable = false;
  bool longEnough = false;  // usable and half a second of a voiced tone: every analysis succeeds
};

std::vector<CorpusFile> hostileWavCorpus();

// The extensible record's 22 extra bytes with the given sub-format tag (1 is PCM).
std::string extensibleExtra(uint16_t subFormat, uint16_t validBits);

}  // namespace velmora::testing
