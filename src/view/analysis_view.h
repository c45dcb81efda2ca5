#pragma once
// The analysis view: owns the open recording and the two control bars, keeps the display
// settings the bars choose, and paints itself through the view renderer.
//
// Opening by path: close the previous recording, load with the format checks and the
// stereo question, pick the mode (power spectrum stays power spectrum), give the rate to
// the bars, compute what the mode needs (busy cursor, "Calculating F0..." on the frame)
// and repaint. Analyses are computed once per recording and kept until the samples change;
// the spectrogram image once per visible range and display setting.
#include <QImage>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <memory>

#include "audio/sound_buffer.h"
#include "core/interaction.h"
#include "view/analysis_results.h"
#include "view/take_controller.h"
#include "view/view_scene.h"

namespace velmora {

class SpectrogramBar;
class PowerSpectrumBar;
class TransportButtons;
class PlaybackController;

struct ViewStartSettings {
  int screenWidth = 1024;
  int screenHeight = 768;
  int language = 0;
  int extraTextChar = 0;
  int updateRatePreference = -1;
};

class AnalysisView : public QWidget {
  Q_OBJECT
 public:
  AnalysisView(const ViewStartSettings& settings, Interaction& ui, QWidget* parent = nullptr);
  ~AnalysisView() override;

  const ViewGeometry& geometry() const { return scene_.geometry; }
  const SoundBuffer& buffer() const { return buffer_; }
  int mode() const { return mode_; }
  bool hasSamples() const { return buffer_.isOpen(); }
  SpectrogramBar* spectrogramBar() const { return spectrogramBar_; }
  PowerSpectrumBar* powerSpectrumBar() const { return powerSpectrumBar_; }
  // What the next paint will draw (for printing and tests).
  ViewScene scene() const;
  QSize logicalClientSize() const;

  // A file chosen by path ("Other Files"); false when it was refused or could not be read.
  bool openRecordingByPath(const std::filesystem::path& path);
  // A client's numbered recording (written by the program: no format checks); the title
  // shows "<client>  File - <number>".
  bool openNumberedRecording(const std::filesystem::path& path, int number, const std::string& clientName);
  // Drops the open recording; the view shows its empty state.
  void closeRecording();
  // The Mode menu.
  void spectrogramCommand();
  void powerSpectrumCommand();
  void setEmptyMode();
  void hideBars();
  void setF0Range(int minHz, int maxHz);
  int f0Min() const { return scene_.f0Min; }
  int f0Max() const { return scene_.f0Max; }
  void setLanguage(int language, int extraTextChar);

  // Display settings (the bars' controls call these).
  void setShowF0(bool on);
  void setShowFormants(bool on);
  void setShowSpectrogram(bool on);
  void setBand(int hz);
  void setSpectrogramLimit(int hz);
  void setScheme(int scheme);
  void setLevels(int db);
  void setPowerLimit(int hz);
  void setFftSize(int points);
  void setLtas(bool on);
  void setLineMode(bool line);
  void setCurveColour(const QColor& colour);
  // "Update Rate": the capture and playback buffer size for the shown rate.
  void applyUpdateRate(double factor);
  // The rate of the next take, shown while no recording is open.
  void setRecorderRate(int rateHz);
  // The take's display: the recorder feeds the engines and the newest block of the signal;
  // the live modes paint the engines' live picture and spectrum and this signal.
  Spectrogram& spectrogramEngine() { return results_.spectrogram(); }
  PowerSpectrum& powerSpectrumEngine() { return results_.power(); }
  void setLiveSignal(std::vector<float> values);

  // Paints the whole view into an image of the widget's size (what the screen shows).
  QImage renderImage() const;

  // Recording and playback through the frame's one recorder and player (they outlive the
  // view). Until this is called the record and play controls stay off.
  void attachAudio(SoundRecorder& recorder, SoundPlayer& player, TakeClientSource client);
  // Audio > Record and the bar's record button: start or stop a take.
  void recordCommand(bool fromBar = false);
  // Audio > Play and the bar's play button: play, or stop what plays.
  void playCommand();
  void recordPauseCommand();
  void playPauseCommand();
  // The Audio menu's 300, 600 and 1200 byte buffers (32835-32837).
  void bufferSizeCommand(int bytes);
  // The sample-rate menu (40124, 40125, 40126).
  bool recordRateCommand(int commandId);
  bool isRecording() const;
  bool isPlaying() const;
  TakeController* takeController() const { return take_.get(); }
  PlaybackController* playbackController() const { return playback_.get(); }
  std::array<TransportButtons*, 2> transports() const;

  // The selection in samples (start == end: nothing marked).
  void setSelection(int32_t startSample, int32_t endSample);
  int32_t selectionStart() const { return selectionStart_; }
  int32_t selectionEnd() const { return selectionEnd_; }
  // What the take and playback controllers draw with.
  void beginLiveDisplay(int rateHz);
  // Playing the whole recording draws the played blocks as a take is drawn; the file's
  // display comes back when the player closes.
  void beginPlaybackDisplay();
  void endPlaybackDisplay();
  // One block into the live engines (spectrogram column or spectrum) and the waveform.
  void drawLiveBlock(LiveSignal& live, const int16_t* samples, size_t count);
  void applyUpdateRateOfBar();
  bool showsF0() const { return scene_.showF0; }
  // The computed F0 contour's value at a sample of the recording; 0 when unvoiced or not
  // computed.
  float f0At(int64_t sample) const;
  // The live F0 readout in Hz; 0 clears it.
  void setF0Readout(float hz);
  float f0Readout() const { return f0Readout_; }
  // The playback cursor at a sample of the recording; -1 hides it.
  void setPlayCursor(int64_t sample);
  int64_t playCursor() const { return playCursor_; }
  // The pixel column of the playback cursor, or -1.
  int playCursorX() const;
  void showTakeTitle(const QString& title) { emit titleRequested(title); }

 signals:
  void statusTextRequested(const QString& text);
  void titleRequested(const QString& title);
  void titleResetRequested();
  void recordingChanged();
  // Recording or playback started, paused or ended: command states need a look.
  void audioStateChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createBars(int updateRatePreference);
  void connectBars();
  void showBarOfMode();
  // The Mode commands' common step: nothing when `next` is empty.
  void switchMode(std::optional<DisplayMode> next);
  void applyRateToBars(int rateHz);
  // Brings every result the current mode and settings need up to date.
  void computeWhatIsShown();
  void settingsChanged();
  // What every successful open ends with: mode, bars, analyses, repaint.
  void finishOpening();
  void paintInto(QPainter& p) const;
  void paintAudioOverlay(QPainter& p) const;
  void connectTransport(TransportButtons* t);
  // A bar's list took the focus: hold the take or the playback until it leaves.
  void holdForList(bool alsoZoomed);
  void releaseAfterList();
  void showRateMenu(TransportButtons* t);
  // Enables record and play as the view's state allows (not during a take).
  void refreshTransport();

  Interaction& ui_;
  ViewScene scene_;
  SoundBuffer buffer_;
  std::vector<float> liveSignal_;
  int mode_ = ModeEmpty;
  AnalysisResults results_;
  SpectrogramBar* spectrogramBar_ = nullptr;
  PowerSpectrumBar* powerSpectrumBar_ = nullptr;
  std::unique_ptr<TakeController> take_;
  std::unique_ptr<PlaybackController> playback_;
  SoundRecorder* recorder_ = nullptr;
  int32_t selectionStart_ = 0;
  int32_t selectionEnd_ = 0;
  float f0Readout_ = 0;
  int64_t playCursor_ = -1;
  bool playbackDisplay_ = false;
  bool listHeldTake_ = false;
  bool listHeldPlayback_ = false;
};

}  // namespace velmora
