#pragma once
// Help > Contents (F1): the user manual, shown in the program's own window so it opens the
// same on every desktop. The manual is looked for in the working folder's "help" folder (a
// clinic's own copy comes first), where the program is installed, and in the source tree the
// program was built from.
#include <QDialog>
#include <filesystem>
#include <optional>

class QTextBrowser;

namespace velmora {

std::optional<std::filesystem::path> findManual(const std::filesystem::path& workingFolder,
                                                const std::filesystem::path& programDir);

class ManualWindow : public QDialog {
  Q_OBJECT
 public:
  ManualWindow(const std::filesystem::path& index, QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }
  // The title in the language now chosen (the manual itself is one document).
  void retranslate();

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace velmora
