#include "view/transport_wiring.h"

#include <QMenu>

#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "presentation/command_ids.h"
#include "presentation/display_mode.h"
#include "view/playback_controller.h"
#include "view/take_controller.h"

namespace velmora {

namespace {
QToolButton* buttonOf(TransportButtons* t, TransportControl control) {
  switch (control) {
    case TransportControl::Record: return t->recordButton();
    case TransportControl::RecordPause: return t->recordPauseButton();
    case TransportControl::Rate: return t->rateButton();
    case TransportControl::Play: return t->playButton();
    case TransportControl::PlayPause: return t->playPauseButton();
  }
  return t->playButton();
}

BarIcon iconOf(TransportImage image) {
  switch (image) {
    case TransportImage::Play: return BarIcon::Play;
    case TransportImage::Stop: return BarIcon::Stop;
    case TransportImage::Record: return BarIcon::Record;
    case TransportImage::Pause: return BarIcon::Pause;
  }
  return BarIcon::Play;
}
}  // namespace

TransportWiring::TransportWiring(SpectrogramBar* spectrogramBar, PowerSpectrumBar* powerSpectrumBar,
                                 QWidget* menuParent)
    : QObject(menuParent), spectrogramBar_(spectrogramBar), powerSpectrumBar_(powerSpectrumBar),
      menuParent_(menuParent) {}

std::array<TransportButtons*, 2> TransportWiring::transports() const {
  return {spectrogramBar_->transport(), powerSpectrumBar_->transport()};
}

void TransportWiring::attach(TakeController& take, PlaybackController& playback, SoundRecorder& recorder,
                             const RecordingDocument& document) {
  take_ = &take;
  playback_ = &playback;
  recorder_ = &recorder;
  document_ = &document;
  for (TransportButtons* t : transports()) connectTransport(t);
  for (ComboFocusWatch* w : {spectrogramBar_->comboFocus(), powerSpectrumBar_->comboFocus()}) {
    connect(w, &ComboFocusWatch::focusEntered, this, &TransportWiring::holdForList);
    connect(w, &ComboFocusWatch::focusLeft, this, &TransportWiring::releaseAfterList);
  }
}

void TransportWiring::setEnabled(TransportControl control, bool enabled) {
  for (TransportButtons* t : transports()) buttonOf(t, control)->setEnabled(enabled);
}

void TransportWiring::setImage(TransportControl control, TransportImage image) {
  for (TransportButtons* t : transports()) buttonOf(t, control)->setIcon(barIcon(iconOf(image)));
}

void TransportWiring::setUpdateRateListsEnabled(bool enabled) {
  spectrogramBar_->updateRateCombo()->setEnabled(enabled);
  powerSpectrumBar_->updateRateCombo()->setEnabled(enabled);
}

void TransportWiring::refresh(int mode, bool hasSamples) {
  if (!take_ || take_->isRecording()) return;
  setEnabled(TransportControl::Record, mode != ModeEmpty && !playback_->isPlaying());
  setEnabled(TransportControl::Play, hasSamples);
}

void TransportWiring::connectTransport(TransportButtons* t) {
  connect(t->recordButton(), &QToolButton::clicked, this, [this] { take_->toggleRecord(true); });
  connect(t->recordPauseButton(), &QToolButton::clicked, this, [this] { take_->pauseOrResume(); });
  connect(t->playButton(), &QToolButton::clicked, this, [this] { playback_->playCommand(); });
  connect(t->playPauseButton(), &QToolButton::clicked, this, [this] { playback_->pauseOrResume(); });
  connect(t->rateButton(), &QToolButton::clicked, this, [this, t] { showRateMenu(t); });
}

void TransportWiring::holdForList(bool alsoZoomed) {
  if (take_->isRecording()) {
    if (!take_->isPaused()) {
      take_->pauseOrResume();
      listHeldTake_ = true;
    }
    return;
  }
  if (playback_->isPlaying() && !playback_->isPaused() && (alsoZoomed || !document_->isZoomed())) {
    playback_->pauseOrResume();
    listHeldPlayback_ = true;
  }
}

void TransportWiring::releaseAfterList() {
  if (listHeldTake_) {
    listHeldTake_ = false;
    if (take_->isRecording() && take_->isPaused()) take_->pauseOrResume();
  }
  if (listHeldPlayback_) {
    listHeldPlayback_ = false;
    // A new Update Rate restarts playback unpaused; only a held one is resumed.
    if (playback_->isPlaying() && playback_->isPaused()) playback_->pauseOrResume();
  }
}

void TransportWiring::showRateMenu(TransportButtons* t) {
  QMenu menu(menuParent_);
  const int current = recorder_->sampleRateHz();
  const std::pair<int, int> entries[] = {{cmd::Rate11025, 11025}, {cmd::Rate22050, 22050}, {cmd::Rate44100, 44100}};
  for (const auto& [command, rate] : entries) {
    QAction* a = menu.addAction(QStringLiteral("%1 Hz").arg(rate));
    a->setCheckable(true);
    a->setChecked(rate == current);
    const int id = command;
    connect(a, &QAction::triggered, this, [this, id] { take_->recordRateCommand(id); });
  }
  QToolButton* b = t->rateButton();
  menu.exec(b->mapToGlobal(QPoint(0, b->height())));
}

}  // namespace velmora
