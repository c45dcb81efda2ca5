#pragma once
// The run's volumes on the main frame: opened at start under the wait box "Wait, starting
// audio devices...", shown by the view's sliders and by the Volume dialog of the Audio menu
// (or the desktop's own volume program when there is no output and input to show), and
// followed when they change elsewhere; and the record input choice of Settings > "Record...".
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "audio/volume_set.h"
#include "core/interaction.h"
#include "dialogs/volume_dialog.h"

namespace velmora {

class MainWindow;

class VolumeWiring : public QObject {
  Q_OBJECT
 public:
  // `startDesktopProgram` starts the desktop's volume program; false when it cannot.
  VolumeWiring(MainWindow& window, Interaction& ui, VolumeDevices& devices, std::function<bool()> startDesktopProgram);
  ~VolumeWiring() override;

  // The start-up steps for the record input choice (0 microphone, 1 line); registers the
  // Volume command.
  void start(int inputChoice);
  // Audio > "Volume...".
  void volumesCommand();
  // The record input choice changed: the input is opened again for it.
  void recordInputChanged(int inputChoice);
  // Settings > "Record...": the input choice (Microphone / Line In), kept in cfr.dat.
  void recordSettingsCommand();
  // Before a take opens its input: the chosen kind is selected again (the user may have
  // changed it in the desktop's mixer); the server's source to record from, "" = default.
  std::string takeInput();

  VolumeSet& volumes() { return set_; }
  VolumeDialog* openDialog() const { return dialog_; }

 private:
  void connectVolumes();

  MainWindow& window_;
  Interaction& ui_;
  VolumeDevices& devices_;
  std::function<bool()> startDesktopProgram_;
  VolumeSet set_;
  int inputChoice_ = 0;
  QPointer<VolumeDialog> dialog_;
};

}  // namespace velmora
