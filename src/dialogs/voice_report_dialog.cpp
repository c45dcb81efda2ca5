#include "dialogs/voice_report_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/recording_voice_report.h"
#include "analysis/voice_report_rows.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/voice_report_norms.h"
#include "presentation/voice_report_text.h"

namespace velmora {

namespace {
QString text(int id) { return QString::fromStdString(velmora::tr(id)); }

QString valueText(const VoiceReportRow& row) {
  if (!std::isfinite(row.value)) return QStringLiteral("--");
  return QString::number(row.value, 'f', row.decimals);
}

// The unit as a person reads it (the CSV keeps the plain "us").
QString unitText(const std::string& unit) {
  return unit == "us" ? QStringLiteral("\u00b5s") : QString::fromStdString(unit);
}
}  // namespace

VoiceReportDialog::VoiceReportDialog(VoiceReportJob job, Interaction& ui, QWidget* parent)
    : QDialog(parent), job_(std::move(job)), ui_(ui) {
  setWindowTitle(text(str::VoiceReportTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(
                                   formatv(velmora::tr(str::VoiceReportRangesFor), velmora::tr(voiceReportRangeGroup(job_.clientType)))),
                               this));
  status_ = new QLabel(text(str::VoiceReportCalculating), this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  table_ = new QTableWidget(0, 4, this);
  table_->setHorizontalHeaderLabels({text(str::VoiceReportMeasure), text(str::VoiceReportValue),
                                     text(str::VoiceReportUnit), text(str::VoiceReportUsualRange)});
  table_->verticalHeader()->hide();
  // Compact rows: the whole report fits without scrolling.
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setMinimumSize(560, 27 * (table_->fontMetrics().height() + 4));
  layout->addWidget(table_);
  auto* buttons = new QHBoxLayout;
  copy_ = new QPushButton(text(str::VoiceReportCopy), this);
  save_ = new QPushButton(text(str::VoiceReportSaveCsv), this);
  auto* close = new QPushButton(text(str::VoiceReportClose), this);
  copy_->setEnabled(false);
  save_->setEnabled(false);
  buttons->addWidget(copy_);
  buttons->addWidget(save_);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(copy_, &QPushButton::clicked, this, &VoiceReportDialog::copyToClipboard);
  connect(save_, &QPushButton::clicked, this, &VoiceReportDialog::saveCsv);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  // The worker reads only the dialog's own copy of the samples; the result comes back queued.
  worker_ = std::thread([this] {
    RecordingSpan span;
    span.samples = job_.samples.data();
    span.count = job_.samples.size();
    span.rateHz = job_.rateHz;
    span.begin = job_.begin;
    span.end = job_.end;
    span.f0 = job_.f0 ? &*job_.f0 : nullptr;
    span.stop = &stop_;
    const VoiceReport report = voiceReportOfRecording(span);
    if (stopRequested(&stop_)) return;
    QMetaObject::invokeMethod(this, [this, report] { showReport(report); }, Qt::QueuedConnection);
  });
}

VoiceReportDialog::~VoiceReportDialog() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

void VoiceReportDialog::showReport(const VoiceReport& report) {
  report_ = report;
  ready_ = true;
  switch (report.status) {
    case VoiceReportStatus::Ok: status_->clear(); break;
    case VoiceReportStatus::NoPeriods: status_->setText(text(str::VoiceReportNoPeriods)); break;
    case VoiceReportStatus::TooShort: status_->setText(text(str::VoiceReportTooShort)); break;
  }
  status_->setVisible(report.status != VoiceReportStatus::Ok);
  const std::vector<VoiceReportRow> rows = voiceReportRows(report);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < table_->rowCount(); ++i) {
    const VoiceReportRow& row = rows[static_cast<size_t>(i)];
    const int label = voiceReportRowLabel(row.name);
    table_->setItem(i, 0, new QTableWidgetItem(label != 0 ? text(label) : QString::fromStdString(row.name)));
    auto* value = new QTableWidgetItem(valueText(row));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(i, 1, value);
    table_->setItem(i, 2, new QTableWidgetItem(unitText(row.unit)));
    table_->setItem(i, 3, new QTableWidgetItem(QString::fromStdString(voiceReportUsualRange(row.name, job_.clientType))));
  }
  table_->resizeColumnsToContents();
  copy_->setEnabled(report.status != VoiceReportStatus::TooShort);
  save_->setEnabled(report.status != VoiceReportStatus::TooShort);
  emit reportReady();
}

QString VoiceReportDialog::tabText() const {
  QString out;
  for (int c = 0; c < table_->columnCount(); ++c)
    out += table_->horizontalHeaderItem(c)->text() + (c + 1 < table_->columnCount() ? u'\t' : u'\n');
  for (int r = 0; r < table_->rowCount(); ++r)
    for (int c = 0; c < table_->columnCount(); ++c)
      out += table_->item(r, c)->text() + (c + 1 < table_->columnCount() ? u'\t' : u'\n');
  return out;
}

void VoiceReportDialog::copyToClipboard() { QGuiApplication::clipboard()->setText(tabText()); }

void VoiceReportDialog::saveCsv() {
  FileRequest request;
  request.title = velmora::tr(str::VoiceReportSaveCsv);
  request.startFolder = job_.saveFolder;
  request.filter = velmora::tr(str::CsvFileFilter);
  request.defaultExtension = "csv";
  const auto target = ui_.chooseSaveFile(request);
  if (!target) return;
  // A new file is the user's only; a replaced one keeps its mode.
  if (!writeFileAtomically(*target, voiceReportCsv(report_))) showMessage(ui_, msg::ErrorSavingFile);
}

}  // namespace velmora
