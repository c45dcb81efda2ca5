#include "view/compare_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "bars/transport_buttons.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/comparison_limits.h"

namespace velmora {

CompareWindow::CompareWindow(int rateHz, QWidget* parent) : QDialog(parent) {
  setModal(false);
  auto* row = new QHBoxLayout(this);
  caption_ = new QLabel(this);
  row->addWidget(caption_);
  limits_ = new QComboBox(this);
  for (const int hz : comparisonLimits(rateHz))
    limits_->addItem(QString::fromStdString(formatv(velmora::tr(str::LimitEntry), hz)), hz);
  if (limits_->count() > kComparisonInitialLimitIndex) limits_->setCurrentIndex(kComparisonInitialLimitIndex);
  row->addWidget(limits_);
  play_ = new QToolButton(this);
  play_->setIcon(barIcon(BarIcon::Play));
  row->addWidget(play_);
  pause_ = new QToolButton(this);
  pause_->setIcon(barIcon(BarIcon::Pause));
  pause_->setEnabled(false);
  row->addWidget(pause_);
  connect(limits_, &QComboBox::activated, this, [this](int) { emit limitChosen(selectedLimitHz()); });
  connect(play_, &QToolButton::clicked, this, [this] { emit playClicked(); });
  connect(pause_, &QToolButton::clicked, this, [this] { emit pauseClicked(); });
  retranslate();
}

void CompareWindow::retranslate() {
  setWindowTitle(QString::fromStdString(velmora::tr(str::CompareTitle)));
  caption_->setText(QString::fromStdString(velmora::tr(str::CompareLimitLabel)));
}

int CompareWindow::selectedLimitHz() const { return limits_->currentData().toInt(); }

void CompareWindow::setPlaying(bool playing) {
  play_->setIcon(barIcon(playing ? BarIcon::Stop : BarIcon::Play));
  pause_->setEnabled(playing);
}

}  // namespace velmora
