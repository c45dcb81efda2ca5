#pragma once
// The view's two vertical volume sliders in the volume panel, under "Vol" (playback) and
// "Mic" / "Line" (record). Each slider's value is its volume's (top = loudest); it sets the
// volume when moved and follows it when it changes elsewhere. Hidden in the empty mode.
#include <QObject>
#include <QSlider>

#include "audio/volume_control.h"
#include "presentation/view_geometry.h"

namespace velmora {

class VolumeSliders : public QObject {
  Q_OBJECT
 public:
  explicit VolumeSliders(QWidget* view);

  // The volumes the sliders move; either may be null (its slider is then disabled).
  // `playbackAlso` is moved with the playback slider too (the mixer's wave output).
  void attach(VolumeControl* playback, VolumeControl* playbackAlso, VolumeControl* record);
  // A volume changed elsewhere: its slider follows (also while held off).
  void volumeChanged(const VolumeControl* volume, int value);
  // Off while a dialog moves the volumes instead; on again only where a volume is attached.
  void setEnabled(bool on);
  // Places the sliders in the volume panel (logical coordinates scaled by `stretch`).
  void place(const ViewGeometry& g, double stretch);
  void setVisible(bool on);

  QSlider* playbackSlider() const { return playback_; }
  QSlider* recordSlider() const { return record_; }

 private:
  void setUp(QSlider* slider, VolumeControl* volume);

  QSlider* playback_;
  QSlider* record_;
  VolumeControl* playbackVolume_ = nullptr;
  VolumeControl* playbackAlso_ = nullptr;
  VolumeControl* recordVolume_ = nullptr;
  bool heldOff_ = false;
};

}  // namespace velmora
