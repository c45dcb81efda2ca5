#include "view/report_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <string_view>

#include "core/atomic_file.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

bool writeReportPdf(const std::filesystem::path& target, ReportPageSetup setup, const ReportContent& content,
                    const ViewScene& scene) {
  // One page: drawn in memory, then written by the shared writer.
  QBuffer pdf;
  if (!pdf.open(QIODevice::WriteOnly)) return false;
  bool ok = false;
  {
    QPdfWriter writer(&pdf);
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
  if (!ok) return false;
  const QByteArray& bytes = pdf.data();
  return writeFileAtomically(target, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace velmora
