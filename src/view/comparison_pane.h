#pragma once
// The comparison: a second recording document drawn in the right-hand pane set with its
// own analyses, its own limit (the Compare window's list) and its own playback through the
// frame's one player. The shown pane's settings are copied to it when a file is opened.
//
//   ComparisonPane pane(geometry, ui, mainHost, view);
//   pane.display().copySettingsFrom(mainDisplay);
//   if (!pane.open(path, ComparedKind::OutsideFile)) ...;  // the message was shown
//
// A client's recording carries its number, an outside file -1 and a model -2. Only an
// outside file is checked for 16 bits and asked the stereo question; every kind must have
// one of the three rates. It opens with nothing marked, so Play plays the whole file with
// the moving cursor; a stretch dragged in its waveform pane plays as one block. The mouse
// over its half gives its own value box (pointer()), in the pane set's logical pixels.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "core/interaction.h"
#include "document/recording_document.h"
#include "view/pointer_controller.h"
#include "view/view_display.h"
#include "view/view_host.h"

class QWidget;

namespace velmora {

class CompareWindow;
class PlaybackController;
class SoundPlayer;

enum class ComparedKind { ClientFile, OutsideFile, Model };

class ComparisonPane : private ViewHost {
 public:
  ComparisonPane(const ViewGeometry& geometry, Interaction& ui, ViewHost& mainHost, QWidget* view);
  ~ComparisonPane() override;
  ComparisonPane(const ComparisonPane&) = delete;
  ComparisonPane& operator=(const ComparisonPane&) = delete;

  const RecordingDocument& document() const { return document_; }
  ViewDisplay& display() { return display_; }
  const ViewDisplay& display() const { return display_; }
  PointerController& pointer() { return pointer_; }
  // What the next paint draws of the comparison, its marked columns and value box with it.
  ViewScene scene() const;
  CompareWindow* window() const;

  // Plays through `player`; `beforePlay` stops whatever else plays first.
  void attachPlayer(SoundPlayer& player, std::function<void()> beforePlay);
  // Opens the file in place of the compared one and shows a new Compare window where the
  // last one stood. False after the documented message when the file is refused.
  bool open(const std::filesystem::path& path, ComparedKind kind, int clientNumber = 0);
  void playCommand();
  void stopPlaying();
  bool isPlaying() const;
  // The Compare window's limit: the spectrogram's and the power spectrum's.
  void setLimit(int hz);

 private:
  bool load(const std::filesystem::path& path, ComparedKind kind, int clientNumber);
  void showWindow();
  void endWindow();
  // The first Compare window's place, on the screen.
  QPoint defaultWindowPlace(int windowHeight) const;

  // ViewHost: the comparison borrows the main view's window for painting and the cursor.
  void requestRepaint() override { main_.requestRepaint(); }
  // Side by side the view paints whole, so a live part is a full repaint.
  void requestLiveRepaint(const ViewRect&) override { main_.requestRepaint(); }
  // The busy cursor belongs to the main recording's analyses; ending the comparison's must
  // not take it away from them.
  void showAnalysing(bool) override {}
  void postToUiThread(std::function<void()> f) override;
  void beginBusy() override { main_.beginBusy(); }
  void endBusy() override { main_.endBusy(); }
  void showStatusText(const std::string& text) override { main_.showStatusText(text); }
  void showTitle(const std::string&) override {}
  void resetTitle() override {}
  void notifyRecordingChanged() override {}
  void notifyAudioStateChanged() override { main_.notifyAudioStateChanged(); }
  void modeChanged() override {}
  BarLimits setBarsRate(int rateHz) override;
  int updateRateIndex(bool powerSpectrumBar) const override { return main_.updateRateIndex(powerSpectrumBar); }
  void setUpdateRateListsEnabled(bool) override {}
  void setTransportEnabled(TransportControl, bool) override {}
  void setTransportImage(TransportControl control, TransportImage image) override;

  Interaction& ui_;
  ViewHost& main_;
  QWidget* view_;
  // Queued results go through this, so one still queued when the pane goes is dropped;
  // it outlives display_, whose workers post through it.
  QObject postTarget_;
  RecordingDocument document_;
  ViewDisplay display_;
  PointerController pointer_;
  std::unique_ptr<PlaybackController> playback_;
  std::function<void()> beforePlay_;
  QPointer<CompareWindow> window_;
  std::optional<QPoint> windowPlace_;  // where the last Compare window stood
};

}  // namespace velmora
