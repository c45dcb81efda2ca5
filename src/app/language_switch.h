#pragma once
// Switching the interface language from the menu: nothing happens when the language is
// already active; otherwise it is applied and lang.dat rewritten.
#include <filesystem>
#include <functional>

namespace velmora {

// `apply` loads the language's texts. Returns true when the language changed.
bool switchLanguage(int& activeLanguage, int chosen, const std::filesystem::path& folder,
                    const std::function<void(int)>& apply);

}  // namespace velmora
