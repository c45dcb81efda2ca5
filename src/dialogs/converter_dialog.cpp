#include "dialogs/converter_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

ConverterDialog::ConverterDialog(const ConversionOffer& offer, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::ConvertFileTitle)));
  stereo_ = offer.sourceChannels == 2;
  auto* layout = new QVBoxLayout(this);
  auto* warning = new QLabel(QString::fromStdString(velmora::tr(str::ConvertWarning)), this);
  warning->setWordWrap(true);
  layout->addWidget(warning);

  auto* form = new QFormLayout;
  form->addRow(QString::fromStdString(velmora::tr(str::FileCaption)), new QLabel(QString::fromStdString(offer.sourceName), this));
  form->addRow(QString::fromStdString(velmora::tr(str::SourceLabel)), new QLabel(QString("%1 Hz, %2").arg(offer.sourceRateHz).arg(stereo_ ? QString::fromStdString(velmora::tr(str::StereoWord)) : QString::fromStdString(velmora::tr(str::MonoWord))), this));
  form->addRow(QString::fromStdString(velmora::tr(str::TargetLabel)), new QLabel(QString::fromStdString(velmora::tr(str::MonoWord)), this));
  rates_ = new QComboBox(this);
  for (uint32_t rate : kImportRatesHz) rates_->addItem(QString("%1 Hz").arg(rate));
  form->addRow(QString::fromStdString(velmora::tr(str::SampleRateLabel)), rates_);
  layout->addLayout(form);

  auto* group = new QGroupBox(QString::fromStdString(velmora::tr(str::StereoToMonoGroup)), this);
  auto* groupLayout = new QVBoxLayout(group);
  left_ = new QRadioButton(QString::fromStdString(velmora::tr(str::LeftChannelOption)), group);
  right_ = new QRadioButton(QString::fromStdString(velmora::tr(str::RightChannelOption)), group);
  mix_ = new QRadioButton(QString::fromStdString(velmora::tr(str::MixChannelOption)), group);
  for (QRadioButton* b : {left_, right_, mix_}) {
    b->setEnabled(stereo_);
    groupLayout->addWidget(b);
  }
  layout->addWidget(group);

  const ConversionChoice start = defaultConversionChoice(offer);
  rates_->setCurrentIndex(start.rateIndex);
  if (start.channel) channelButton(*start.channel)->setChecked(true);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromStdString(velmora::tr(str::ConvertButton)), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QString::fromStdString(velmora::tr(str::CancelButton)), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QRadioButton* ConverterDialog::channelButton(StereoChoice channel) const {
  switch (channel) {
    case StereoChoice::Left: return left_;
    case StereoChoice::Right: return right_;
    case StereoChoice::Mix: return mix_;
  }
  return mix_;
}

ConversionChoice ConverterDialog::choice() const {
  ConversionChoice c;
  c.rateIndex = rates_->currentIndex();
  if (stereo_) c.channel = left_->isChecked() ? StereoChoice::Left : right_->isChecked() ? StereoChoice::Right : StereoChoice::Mix;
  return c;
}

std::optional<ConversionChoice> ConverterDialog::ask(const ConversionOffer& offer, QWidget* parent) {
  ConverterDialog dialog(offer, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace velmora
