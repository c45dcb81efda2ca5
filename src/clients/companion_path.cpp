#include "clients/companion_path.h"

namespace velmora {

std::filesystem::path companionPath(const std::filesystem::path& wavPath, const std::string& extension3) {
  std::string s = wavPath.string();
  if (s.size() >= 3) s.resize(s.size() - 3);
  return std::filesystem::path(s + extension3);
}

}  // namespace velmora
