#include "dialogs/volume_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "audio/volume_slider.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

VolumeDialog::VolumeDialog(VolumeSet& volumes, int inputChoice, QWidget* parent)
    : QDialog(parent), volumes_(volumes) {
  setWindowTitle(volumes.serverMaster ? QString::fromStdString(velmora::tr(str::VolumeTitle)) : QString::fromStdString(velmora::tr(str::PlaybackRecordVolumeTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  master_ = addSlider(row, QString::fromStdString(velmora::tr(str::VolumeControlLabel)), volumes.master.get());
  if (!volumes.serverMaster) wave_ = addSlider(row, QString::fromStdString(velmora::tr(str::WaveSoundLabel)), volumes.wave.get());
  const int label = inputChoice == 1 ? str::LineInLabel : str::MicrophoneLabel;
  input_ = addSlider(row, QString::fromStdString(velmora::tr(label)), volumes.input.get());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QSlider* VolumeDialog::addSlider(QHBoxLayout* row, const QString& label, VolumeControl* volume) {
  auto* column = new QVBoxLayout;
  auto* text = new QLabel(label, this);
  text->setAlignment(Qt::AlignHCenter);
  column->addWidget(text);
  auto* slider = new QSlider(Qt::Vertical, this);
  slider->setMinimumHeight(160);
  const VolumeSliderSetup s = volumeSliderSetup(volume);
  slider->setRange(s.minimum, s.maximum);
  slider->setPageStep(std::max(1, s.pageStep));
  slider->setValue(s.maximum - s.position);
  slider->setEnabled(s.enabled);
  if (volume) {
    connect(slider, &QSlider::valueChanged, this, [volume](int value) { volume->setValue(value); });
  }
  column->addWidget(slider, 1, Qt::AlignHCenter);
  row->addLayout(column);
  return slider;
}

void VolumeDialog::volumeChanged(const VolumeControl* volume, int value) {
  QSlider* slider = nullptr;
  if (volume && volume == volumes_.master.get()) slider = master_;
  if (volume && volume == volumes_.wave.get()) slider = wave_;
  if (volume && volume == volumes_.input.get()) slider = input_;
  if (!slider) return;
  // Following a change is not a move of ours.
  const QSignalBlocker block(slider);
  slider->setValue(value);
}

}  // namespace velmora
