#include "app/manual_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <system_error>
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace fs = std::filesystem;

std::optional<fs::path> findManual(const fs::path& workingFolder, const fs::path& programDir) {
  const fs::path candidates[] = {
      workingFolder / "help" / "index.html",
      programDir / ".." / "share" / "velmora" / "manual" / "index.html",
      fs::path(VELMORA_SOURCE_MANUAL) / "index.html",
  };
  std::error_code ec;
  for (const fs::path& candidate : candidates)
    if (fs::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  return std::nullopt;
}

ManualWindow::ManualWindow(const fs::path& index, QWidget* parent) : QDialog(parent) {
  retranslate();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(index.string())));
  layout->addWidget(browser_);
  resize(900, 700);
}

void ManualWindow::retranslate() { setWindowTitle(QString::fromStdString(velmora::tr(str::HelpWindowTitle))); }

}  // namespace velmora
