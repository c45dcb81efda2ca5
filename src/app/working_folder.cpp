#include "app/working_folder.h"

#include "clients/recording_names.h"

namespace velmora {
namespace fs = std::filesystem;

namespace {
const QString kRememberedKey = QStringLiteral("workingFolder");

bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}
}  // namespace

bool isWorkingFolder(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / kRegisterFileName, ec);
}

fs::path chooseWorkingFolder(const fs::path& current, const fs::path& home, const fs::path& remembered,
                             std::string& error) {
  if (isWorkingFolder(current) && !sameFolder(current, home)) return current;
  std::error_code ec;
  if (!remembered.empty() && fs::is_directory(remembered, ec) && !sameFolder(remembered, home)) return remembered;

  const fs::path folder = home / "Velmora";
  if (fs::is_directory(folder, ec)) return folder;
  // Created private: it will hold the clients' recordings and personal data.
  if (!fs::create_directory(folder, ec)) {
    error = "cannot create " + folder.string() + ": " + (ec ? ec.message() : std::string("a file has that name"));
    return {};
  }
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  if (ec) {
    error = "cannot make " + folder.string() + " private: " + ec.message();
    return {};
  }
  return folder;
}

fs::path userWorkingFolder(QSettings& store, const fs::path& current, const fs::path& home, std::string& error) {
  const fs::path remembered = store.value(kRememberedKey).toString().toStdString();
  const fs::path folder = chooseWorkingFolder(current, home, remembered, error);
  if (!folder.empty() && remembered.empty() && folder != current) {
    store.setValue(kRememberedKey, QString::fromStdString(folder.string()));
    store.sync();
  }
  return folder;
}

}  // namespace velmora
