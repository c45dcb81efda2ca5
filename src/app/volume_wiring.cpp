#include "app/volume_wiring.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "core/config_files.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "dialogs/volume_dialog.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/dialog_audio_hold.h"
#include "view/volume_sliders.h"
#include "core/string_table.h"

namespace velmora {
namespace {

// The modeless box shown while the audio devices open.
class StartingAudioBox : public QWidget {
 public:
  StartingAudioBox() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(velmora::tr(str::StartingAudioDevices)), this));
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    // Drawn before the devices keep us busy.
    QApplication::processEvents();
  }
};

}  // namespace

VolumeWiring::VolumeWiring(MainWindow& window, Interaction& ui, VolumeDevices& devices,
                           std::function<bool()> startDesktopProgram)
    : QObject(&window), window_(window), ui_(ui), devices_(devices), startDesktopProgram_(std::move(startDesktopProgram)) {}

VolumeWiring::~VolumeWiring() {
  // The volumes go before the frame's widgets their handlers reach.
  for (VolumeControl* v : {set_.master.get(), set_.wave.get(), set_.input.get()})
    if (v) v->setChangeHandler({});
}

void VolumeWiring::start(int inputChoice) {
  inputChoice_ = inputChoice;
  {
    StartingAudioBox box;
    createVolumes(set_, devices_, inputChoice, ui_);
  }
  connectVolumes();
  window_.view()->display().setLineInput(inputChoice == 1);
  window_.commands().setHandler(cmd::Volume, [this] { volumesCommand(); });
  window_.commands().setHandler(cmd::RecordSettings, [this] { recordSettingsCommand(); });
}

void VolumeWiring::connectVolumes() {
  VolumeSliders* sliders = window_.view()->volumeSliders();
  // The view's playback slider moves the master and, on the mixer, the wave output too.
  sliders->attach(set_.master.get(), set_.wave.get(), set_.input.get());
  for (VolumeControl* v : {set_.master.get(), set_.wave.get(), set_.input.get()}) {
    if (!v) continue;
    v->setChangeHandler([this, v](int value) {
      if (dialog_) dialog_->volumeChanged(v, value);
      // The wave output has no slider in the view.
      if (v != set_.wave.get()) window_.view()->volumeSliders()->volumeChanged(v, value);
    });
  }
}

void VolumeWiring::volumesCommand() {
  AnalysisView* view = window_.view();
  if (!set_.dialogPossible()) {
    if (!startDesktopProgram_ || !startDesktopProgram_()) showMessage(ui_, msg::VolumeControlNotStarted);
  } else {
    VolumeDialog dialog(set_, inputChoice_, &window_);
    dialog_ = &dialog;
    // The dialog's sliders stand in for the view's; those still follow what they set.
    view->setControlsEnabled(false);
    dialog.exec();
    view->setControlsEnabled(true);
    dialog_ = nullptr;
    window_.raise();
    window_.activateWindow();
  }
  view->clearSelection();
}

std::string VolumeWiring::takeInput() { return devices_.selectRecordInput(inputChoice_).value_or(std::string()); }

void VolumeWiring::recordInputChanged(int inputChoice) {
  inputChoice_ = inputChoice;
  changeRecordInput(set_, devices_, inputChoice, ui_);
  connectVolumes();
  window_.view()->display().setLineInput(inputChoice == 1);
}

}  // namespace velmora

namespace velmora {

void VolumeWiring::recordSettingsCommand() {
  ChoiceRequest request;
  request.title = velmora::tr(str::RecordSettingTitle);
  request.prompt = velmora::tr(str::InputLabel);
  request.options = {velmora::tr(str::MicrophoneLabel), velmora::tr(str::LineInOption)};
  // The list opens on its first entry whatever the current input.
  request.initial = 0;
  const DialogAudioHold hold(window_.view()->takeController(), window_.view()->playbackController());
  const int chosen = ui_.chooseOption(request);
  if (chosen < 0) return;
  // The sound server or the card decides what is recorded: the user is told to choose there.
  if (chosen != inputChoice_) showMessage(ui_, msg::SelectAudioInput);
  writeRecordInputChoice(window_.settings().programFolder, chosen);
  recordInputChanged(chosen);
  window_.view()->update();
}

}  // namespace velmora
