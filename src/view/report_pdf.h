#pragma once
// The printed page written to a PDF file without a printer, through the shared writer
// (core/atomic_file.h): a failed or killed export leaves any earlier file whole and nothing
// else behind, only a regular file is ever replaced (not a link, FIFO or device), a new
// file is the user's only (0600) and one replaced keeps its mode.
#include <filesystem>

#include "view/report_painter.h"

namespace velmora {

// The page's resolution in the PDF (a printer's usual 300 dpi).
inline constexpr int kReportPdfDpi = 300;
// The page is 800 units (about 8 inches) wide: margins this narrow keep all of it on A4.
inline constexpr double kReportMarginMm = 4.0;

// setup's resolution is taken from the PDF; its orientation sets the page's.
bool writeReportPdf(const std::filesystem::path& target, ReportPageSetup setup, const ReportContent& content,
                    const ViewScene& scene);

}  // namespace velmora
