#pragma once
// The volume dialog of the Audio menu: "Playback and Record Volume" with the master, wave
// and record sliders on the mixer, or "Volume" with the master and record sliders when the
// master is the sound server's. Each slider's value is its volume's (top = loudest); a
// volume changed elsewhere moves its slider through volumeChanged().
#include <QDialog>
#include <QHBoxLayout>
#include <QSlider>

#include "audio/volume_set.h"

namespace velmora {

class VolumeDialog : public QDialog {
  Q_OBJECT
 public:
  // inputChoice: 1 labels the record slider as the line input, else the microphone.
  VolumeDialog(VolumeSet& volumes, int inputChoice, QWidget* parent = nullptr);

  // A volume of the set changed to `value`: moves its slider.
  void volumeChanged(const VolumeControl* volume, int value);

  QSlider* masterSlider() const { return master_; }
  QSlider* waveSlider() const { return wave_; }  // null in the "Volume" dialog
  QSlider* inputSlider() const { return input_; }

 private:
  QSlider* addSlider(QHBoxLayout* row, const QString& label, VolumeControl* volume);

  VolumeSet& volumes_;
  QSlider* master_ = nullptr;
  QSlider* wave_ = nullptr;
  QSlider* input_ = nullptr;
};

}  // namespace velmora
