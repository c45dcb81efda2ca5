#pragma once
// What the view's controllers may ask of the window that shows the recording: a repaint,
// the wait cursor, the frame's status text and title, and the two bars' controls. The
// widget implements it; the controllers never see a widget, so they run in tests against
// a fake host as well as on screen.
#include <functional>
#include <string>

namespace velmora {

// The record and playback buttons that both bars carry; the host applies a change to both.
enum class TransportControl { Record, RecordPause, Rate, Play, PlayPause };
enum class TransportImage { Play, Stop, Record, Pause };

// The bars' frequency limits after a new sample rate; 0: the bar kept its limit.
struct BarLimits {
  int spectrogramHz = 0;
  int powerSpectrumHz = 0;
};

// A part of the view in its logical coordinates (before the large layout's stretch).
struct ViewRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // The live layers paint every pixel of it and its edges never change during a take, so
  // the rows the stretch puts across its edges need no repaint.
  bool filled = false;
};

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  virtual void requestRepaint() = 0;
  // During a take or playback only this part of the panes changed: the host repaints just
  // that, gathering requests to at most 30 repaints a second.
  virtual void requestLiveRepaint(const ViewRect& area) = 0;
  virtual void beginBusy() = 0;
  virtual void endBusy() = 0;
  // Analyses run in the background: the busy cursor over the panes only, the rest of the
  // window answers as usual.
  virtual void showAnalysing(bool running) = 0;
  // Hands `f` to the UI thread, to run after the events already waiting; callable from any
  // thread. Dropped when the host goes first.
  virtual void postToUiThread(std::function<void()> f) = 0;
  virtual void showStatusText(const std::string& text) = 0;
  virtual void showTitle(const std::string& title) = 0;
  virtual void resetTitle() = 0;
  // A recording was opened or closed / a take or playback started, paused or ended: the
  // frame's command states need a look.
  virtual void notifyRecordingChanged() = 0;
  virtual void notifyAudioStateChanged() = 0;
  // The display mode changed: show the bar of the mode, refresh the record and play buttons.
  virtual void modeChanged() = 0;

  virtual BarLimits setBarsRate(int rateHz) = 0;
  // The "Update Rate" choice of the spectrogram bar or the power-spectrum bar.
  virtual int updateRateIndex(bool powerSpectrumBar) const = 0;
  virtual void setUpdateRateListsEnabled(bool enabled) = 0;
  virtual void setTransportEnabled(TransportControl control, bool enabled) = 0;
  virtual void setTransportImage(TransportControl control, TransportImage image) = 0;
};

// The wait cursor for the lifetime of the object.
class BusyScope {
 public:
  explicit BusyScope(ViewHost& host) : host_(host) { host_.beginBusy(); }
  ~BusyScope() { host_.endBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ViewHost& host_;
};

}  // namespace velmora
