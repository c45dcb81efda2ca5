#pragma once
// Recording a take in the analysis view: the Record command and the bar's record button
// start and stop it, the record-pause button pauses it; the recorder's buffers feed the
// live display. The view owns one of these once the frame has handed it the recorder.
//
// Start: stop any playback, choose the target (the client's next number, or
// "Other Files/grav.tmp"), set the bars for recording, put the view in its live mode at the
// recorder's rate, start the recorder.
// Pause: the take's samples so far (grav.tmp) go to the view, which shows their F0 and
// formant tracks over the live picture until the take resumes.
// Stop: the recorder drains and writes the WAV; "Other Files" asks where to keep it (save
// dialog), a client is asked whether to keep it (Yes/No); a kept take gets its .ddt and is
// loaded like any recording; otherwise nothing is left on disk.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "core/interaction.h"
#include "presentation/live_signal.h"
#include "view/document_controller.h"
#include "view/view_display.h"
#include "view/view_host.h"

namespace velmora {

class PlaybackController;

// The open client as the frame knows it.
struct TakeClient {
  int code = -1;  // kNoClient
  std::string name;
  std::filesystem::path workingFolder;
};
using TakeClientSource = std::function<TakeClient()>;

// The save question after a client's take (msg::AskKeepTake).
inline constexpr const char* kKeepTakeQuestion = "Do you Want to save the actual File?";

class TakeController : public RecorderObserver {
 public:
  TakeController(DocumentController& documents, ViewDisplay& display, ViewHost& host, SoundRecorder& recorder,
                 SoundPlayer& player, Interaction& ui, TakeClientSource client, std::function<void()> stateChanged);
  ~TakeController() override;
  TakeController(const TakeController&) = delete;
  TakeController& operator=(const TakeController&) = delete;

  // Stops a running take, else starts one. fromBar: started by the bar's record button
  // (the "Update Rate" list is then locked for the length of the take).
  void toggleRecord(bool fromBar);
  void pauseOrResume();
  // A paused take played back from what it has recorded so far.
  bool canPlayBack() const { return recording_ && paused_; }
  bool playBack(PlaybackController& playback);
  // The rate button's menu commands (cmd::Rate11025 ...): the take's record format.
  bool recordRateCommand(int commandId);
  // inputBufferBytes changed: a running take restarts capture with buffers of the new size
  // (a paused one picks the size up when it resumes).
  void bufferSizeChanged();
  // The Mode menu switched the pane during a take: capture goes on with the buffer size of
  // the new bar's "Update Rate", as a new Update Rate would.
  void displayModeChanged();

  bool isRecording() const { return recording_; }
  bool isPaused() const { return paused_; }
  long long liveBytes() const { return liveBytes_; }
  const std::filesystem::path& target() const { return target_; }
  int takeNumber() const { return number_; }

  // RecorderObserver
  void takeOpened() override;
  void takeBufferReturned(const TakeBuffer& buffer) override;
  void takeClosed() override;

 private:
  void startTake(bool fromBar);
  void stopTake();
  bool chooseTarget(const TakeClient& client);
  std::optional<std::filesystem::path> keepOtherFilesTake(const TakeClient& client);
  bool keepClientTake();
  void setBarsRecording(bool fromBar);
  void setBarsIdle(bool fileRemains);
  void drawLive(const TakeBuffer& buffer);
  void applyUpdateRateOfBar(int rateHz);
  void stopPlayingBack();
  // Everything the take has stored in grav.tmp so far; empty when nothing can be read.
  std::vector<int16_t> samplesSoFar() const;

  DocumentController& documents_;
  ViewDisplay& display_;
  ViewHost& host_;
  SoundRecorder& recorder_;
  SoundPlayer& player_;
  Interaction& ui_;
  TakeClientSource client_;
  TakeClient takeClient_;  // the client the running take was started for
  std::function<void()> stateChanged_;
  LiveSignal live_;
  bool recording_ = false;
  bool paused_ = false;
  bool stopping_ = false;
  long long liveBytes_ = 0;
  // The take's sample that the live picture began with (0, or where it last resumed).
  long long liveStartSample_ = 0;
  int number_ = -1;
  std::filesystem::path target_;
};

// Record format code of a sample-rate menu command; 0 for any other command.
int recordFormatCodeForCommand(int commandId);

}  // namespace velmora
