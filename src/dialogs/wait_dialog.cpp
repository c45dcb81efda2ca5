#include "dialogs/wait_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "audio/resampler_progress.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

WaitDialog::WaitDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::WaitTitle)));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(velmora::tr(str::WaitPlease)), this));
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kProgressSteps);
  bar_->setValue(0);
  layout->addWidget(bar_);
  cancel_ = new QPushButton(QString::fromStdString(velmora::tr(str::CancelButton)), this);
  connect(cancel_, &QPushButton::clicked, this, &WaitDialog::reject);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  setMinimumWidth(320);
}

void WaitDialog::setStep(int step) { bar_->setValue(step); }

void WaitDialog::reject() {
  cancelled_ = true;
  cancel_->setEnabled(false);
}

}  // namespace velmora
