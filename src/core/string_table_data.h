#pragma once
// The English string table: every message and caption id with its text.
#include <vector>

namespace velmora {

struct StringEntry {
  int id;
  const char* text;
};

const std::vector<StringEntry>& englishStrings();

}  // namespace velmora
