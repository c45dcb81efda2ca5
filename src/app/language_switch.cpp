#include "app/language_switch.h"

#include "core/config_files.h"

namespace velmora {

bool switchLanguage(int& activeLanguage, int chosen, const std::filesystem::path& folder,
                    const std::function<void(int)>& apply) {
  if (chosen == activeLanguage) return false;
  activeLanguage = chosen;
  if (apply) apply(chosen);
  writeLanguage(folder, chosen);
  return true;
}

}  // namespace velmora
