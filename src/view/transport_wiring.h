#pragma once
// The record and playback buttons of both bars, wired to the take and playback
// controllers: the buttons' states and images (what the controllers set through the view
// host), the rate button's menu, and the rule that a bar's list holds a take or playback
// while it has the focus.
#include <QObject>
#include <array>

#include "document/recording_document.h"
#include "view/view_host.h"

namespace velmora {

class PlaybackController;
class PowerSpectrumBar;
class SoundRecorder;
class SpectrogramBar;
class TakeController;
class TransportButtons;

class TransportWiring : public QObject {
  Q_OBJECT
 public:
  TransportWiring(SpectrogramBar* spectrogramBar, PowerSpectrumBar* powerSpectrumBar, QWidget* menuParent);

  std::array<TransportButtons*, 2> transports() const;
  void attach(TakeController& take, PlaybackController& playback, SoundRecorder& recorder,
              const RecordingDocument& document);
  bool attached() const { return take_ != nullptr; }

  void setEnabled(TransportControl control, bool enabled);
  void setImage(TransportControl control, TransportImage image);
  void setUpdateRateListsEnabled(bool enabled);
  // Record and play as the view's state allows; left alone during a take.
  void refresh(int mode, bool hasSamples);

 private:
  void connectTransport(TransportButtons* t);
  // A bar's list took the focus: hold the take or the playback until it leaves.
  void holdForList(bool alsoZoomed);
  void releaseAfterList();
  void showRateMenu(TransportButtons* t);

  SpectrogramBar* spectrogramBar_;
  PowerSpectrumBar* powerSpectrumBar_;
  QWidget* menuParent_;
  TakeController* take_ = nullptr;
  PlaybackController* playback_ = nullptr;
  SoundRecorder* recorder_ = nullptr;
  const RecordingDocument* document_ = nullptr;
  bool listHeldTake_ = false;
  bool listHeldPlayback_ = false;
};

}  // namespace velmora
