#include "view/report_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/private_files.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {
// A private, empty file beside the target; its path, or empty on failure.
std::filesystem::path makeTemporary(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return {};
  ::fchmod(fd, kPrivateFileMode);
  ::close(fd);
  return pattern;
}

bool syncFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return (::close(fd) == 0) && ok;
}
}  // namespace

bool writeReportPdf(const std::filesystem::path& target, ReportPageSetup setup, const ReportContent& content,
                    const ViewScene& scene) {
  const std::filesystem::path temp = makeTemporary(target);
  if (temp.empty()) return false;
  bool ok = false;
  {
    QPdfWriter writer(QString::fromStdString(temp.string()));
    writer.setResolution(kReportPdfDpi);
    writer.setTitle(QString::fromStdString(tr(str::PrintJobName)));
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
                                     QPageLayout::Millimeter));
    QPainter p;
    if (p.begin(&writer)) {
      setup.dpiX = writer.logicalDpiX();
      setup.dpiY = writer.logicalDpiY();
      paintReportPage(p, setup, content, scene);
      ok = p.end();
    }
  }
  std::error_code ec;
  // A file replaced keeps its mode; a new one stays the user's only.
  struct stat old {};
  if (ok && ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    ok = ::chmod(temp.c_str(), old.st_mode & 07777) == 0;
  if (ok) ok = syncFile(temp);
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) std::filesystem::remove(temp, ec);
  return ok;
}

}  // namespace velmora
