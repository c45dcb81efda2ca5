#pragma once
// The analysis view: the widget that shows the open recording. It owns the recording
// document, what is displayed of it (ViewDisplay), the controllers that open, record and
// play it, and the two control bars; it turns the bars' and the frame's events into
// controller calls and paints the scene through the renderer.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

#include "core/interaction.h"
#include "document/recording_document.h"
#include "presentation/label_band.h"
#include "view/document_controller.h"
#include "view/pointer_controller.h"
#include "view/qt_label_prompts.h"
#include "view/take_controller.h"
#include "view/view_display.h"
#include "view/view_host.h"
#include "view/comparison_pane.h"

namespace velmora {

class ComparisonPane;
class LiveRepaint;
class PlaybackController;
class SoundPlayer;
class PowerSpectrumBar;
class SpectrogramBar;
class TransportButtons;
class TransportWiring;
class VolumeSliders;

struct ViewStartSettings {
  int screenWidth = 1024;
  int screenHeight = 768;
  int language = 0;
  int extraTextChar = 0;
  int updateRatePreference = -1;
};

class AnalysisView : public QWidget, private ViewHost, private DocumentObserver {
  Q_OBJECT
 public:
  AnalysisView(const ViewStartSettings& settings, Interaction& ui, QWidget* parent = nullptr);
  ~AnalysisView() override;

  RecordingDocument& document() { return document_; }
  const RecordingDocument& document() const { return document_; }
  ViewDisplay& display() { return display_; }
  const ViewDisplay& display() const { return display_; }
  DocumentController& documents() { return documents_; }
  PointerController& pointer() { return pointer_; }
  LabelBand& labelBand() { return labelBand_; }
  // Columns are marked in the waveform pane (Zoom + is then possible).
  bool hasSelection() const { return pointer_.selection().hasSelection(); }
  // Zoom + into the marked stretch, or Zoom - back to the whole recording.
  void zoomCommand();
  // Audio > Edit: Cut, Copy, Paste, Select All, Silence and Undo.
  void editCommand(int commandId);
  // Marked columns cover the whole waveform pane (Cut would leave nothing).
  bool selectionSpansPane() const { return pointer_.selection().spansPane(); }
  // Files > Clean Texts, Export Labels..., Import Labels...
  void cleanTextsCommand();
  void exportLabelsCommand() { documents_.labelFiles().exportTextGrid(); }
  void importLabelsCommand();
  // Whether the frame handles a command the context menu offers (the edit commands).
  void setCommandHandled(std::function<bool(int)> handled) { commandHandled_ = std::move(handled); }
  bool commandHandled(int id) const { return commandHandled_ && commandHandled_(id); }

  // Shorthands for the frame.
  const SoundBuffer& buffer() const { return document_.sound(); }
  bool hasSamples() const { return document_.isOpen(); }
  int mode() const { return display_.mode(); }
  const ViewGeometry& geometry() const { return display_.geometry(); }
  bool openRecordingByPath(const std::filesystem::path& path) { return documents_.openByPath(path); }
  bool openNumberedRecording(const std::filesystem::path& path, int number, const std::string& clientName) {
    return documents_.openNumbered(path, number, clientName);
  }
  void closeRecording() { documents_.close(); }
  void spectrogramCommand() { display_.spectrogramCommand(); }
  void powerSpectrumCommand() { display_.powerSpectrumCommand(); }
  void setEmptyMode() { display_.setEmptyMode(); }
  void hideBars();
  // The view's own controls (the volume sliders and the bars), off while a frame dialog
  // stands in for them.
  void setControlsEnabled(bool on);
  // Forgets the marked stretch.
  void clearSelection();

  // Comparison > Compare with File... / Open Model...: the file beside the open recording
  // (the first one creates the comparison pane). A refused file closes the comparison.
  bool compareWith(const std::filesystem::path& path, ComparedKind kind, int clientNumber = 0);
  // Comparison > Close, and every close of the open recording.
  void closeComparison();
  bool hasComparison() const { return comparison_ != nullptr; }
  ComparisonPane* comparison() const { return comparison_.get(); }

  SpectrogramBar* spectrogramBar() const { return spectrogramBar_; }
  // The playback and record volume sliders of the volume panel.
  VolumeSliders* volumeSliders() const { return volumeSliders_; }
  PowerSpectrumBar* powerSpectrumBar() const { return powerSpectrumBar_; }
  std::array<TransportButtons*, 2> transports() const;
  // What the next paint will draw (for printing and tests).
  ViewScene scene() const;
  QSize logicalClientSize() const;
  // Paints the whole view into an image of the widget's size (what the screen shows).
  QImage renderImage() const;
  // The take's and playback's repaints of parts of the panes, gathered to 30 a second at most.
  LiveRepaint& liveRepaint() const { return *liveRepaint_; }

  // Recording and playback through the frame's one recorder and player (they outlive the
  // view). Until this is called the record and play controls stay off.
  void attachAudio(SoundRecorder& recorder, SoundPlayer& player, TakeClientSource client);
  // Audio > Record and the bar's record button: start or stop a take.
  void recordCommand(bool fromBar = false);
  // Audio > Play and the bar's play button: play, or stop what plays.
  void playCommand();
  void recordPauseCommand();
  void playPauseCommand();
  // The Audio menu's capture buffer sizes in bytes.
  void bufferSizeCommand(int bytes);
  // The rate button's menu commands.
  bool recordRateCommand(int commandId);
  bool isRecording() const;
  bool isPlaying() const;
  TakeController* takeController() const { return take_.get(); }
  PlaybackController* playbackController() const { return playback_.get(); }

 signals:
  void statusTextRequested(const QString& text);
  void titleRequested(const QString& title);
  void titleResetRequested();
  void recordingChanged();
  // Recording or playback started, paused or ended: command states need a look.
  void audioStateChanged();
  // The marked stretch or the zoom changed: command states need a look.
  void selectionChanged();
  // A context-menu command that the frame carries out (the edit commands).
  void commandRequested(int commandId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void pointerMoved(QMouseEvent* event, QPoint at);

 private:
  void createBars(int updateRatePreference);
  // "Update Rate": the capture and playback buffer size for the shown rate.
  void applyUpdateRate(double factor);
  void paintInto(QPainter& p) const;
  // Repaints a part of the panes from the kept picture of the rest of the view.
  void paintLiveRegion(QPainter& p, const ViewScene& scene, const QRegion& region);
  // The two panes and the header's duration in device pixels, the only parts a take or
  // playback repaints by itself.
  QRegion liveArea(const ViewScene& scene) const;
  QRect deviceRect(const ViewRect& area) const;
  QRect wholeDeviceRows(const ViewRect& area) const;
  QPoint logicalPoint(const QPointF& devicePoint) const;
  // With a comparison: the mouse belongs to it (right of the split, or its drag goes on).
  bool comparisonTakes(const QPointF& devicePoint) const;
  QPoint comparisonPoint(const QPointF& devicePoint) const;
  void comparisonPress(QMouseEvent* event);
  void comparisonMove(QMouseEvent* event);
  void comparisonRelease(QMouseEvent* event);
  void paintComparison(QPainter& p) const;
  void wireComparisonSettings();
  // Whatever drops the open recording drops its comparison too.
  void beforeRecordingCloses();
  void applyPointerShape(PointerShape shape);
  // The label band answers the mouse while a recording is shown, no take runs and nothing
  // plays unless the view is zoomed.
  bool labelBandListens() const;
  void syncLabelLanguage();
  bool labelBandPress(QMouseEvent* event, QPoint at);
  void documentChanged(const RecordingDocument& document, unsigned changes) override;

  // ViewHost: what the controllers may ask of this widget.
  ViewHost& host() { return *this; }
  void requestRepaint() override { update(); }
  void requestLiveRepaint(const ViewRect& area) override;
  void beginBusy() override;
  void endBusy() override;
  void showAnalysing(bool running) override;
  void postToUiThread(std::function<void()> f) override;
  // While analyses run, the busy cursor over the panes (the rest answers as usual).
  void applyAnalysingCursor(QPoint at);
  void showStatusText(const std::string& text) override { emit statusTextRequested(QString::fromStdString(text)); }
  void showTitle(const std::string& title) override { emit titleRequested(QString::fromStdString(title)); }
  void resetTitle() override { emit titleResetRequested(); }
  void notifyRecordingChanged() override { emit recordingChanged(); }
  void notifyAudioStateChanged() override { emit audioStateChanged(); }
  void modeChanged() override;
  BarLimits setBarsRate(int rateHz) override;
  int updateRateIndex(bool powerSpectrumBar) const override;
  void setUpdateRateListsEnabled(bool enabled) override;
  void setTransportEnabled(TransportControl control, bool enabled) override;
  void setTransportImage(TransportControl control, TransportImage image) override;

  Interaction& ui_;
  RecordingDocument document_;
  ViewDisplay display_;
  DocumentController documents_;
  PointerController pointer_;
  QtLabelPrompts labelPrompts_;
  LabelBand labelBand_;
  std::function<bool(int)> commandHandled_;
  bool analysing_ = false;
  SpectrogramBar* spectrogramBar_ = nullptr;
  PowerSpectrumBar* powerSpectrumBar_ = nullptr;
  TransportWiring* transport_ = nullptr;
  VolumeSliders* volumeSliders_ = nullptr;
  std::unique_ptr<TakeController> take_;
  std::unique_ptr<PlaybackController> playback_;
  SoundPlayer* player_ = nullptr;
  std::unique_ptr<ComparisonPane> comparison_;
  LiveRepaint* liveRepaint_ = nullptr;
  // Everything but the panes' contents, painted once after each full repaint.
  QImage staticLayers_;
  bool staticLayersValid_ = false;
};

}  // namespace velmora
