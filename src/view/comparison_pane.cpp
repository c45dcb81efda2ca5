#include "view/comparison_pane.h"

#include <QStyle>
#include <QWidget>

#include "audio/recording_opener.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "presentation/compare_window_place.h"
#include "presentation/comparison_limits.h"
#include "view/compare_window.h"
#include "view/playback_controller.h"

namespace velmora {

ComparisonPane::ComparisonPane(const ViewGeometry& geometry, Interaction& ui, ViewHost& mainHost, QWidget* view)
    : ui_(ui), main_(mainHost), view_(view), display_(document_, *this, ui, geometry), pointer_(document_, display_) {
  display_.setComparisonLayout(true);
}

ComparisonPane::~ComparisonPane() {
  playback_.reset();  // stops what plays before the samples go
  endWindow();
}

CompareWindow* ComparisonPane::window() const { return window_.data(); }

ViewScene ComparisonPane::scene() const {
  ViewScene s = display_.scene();
  pointer_.decorate(s);
  return s;
}

void ComparisonPane::attachPlayer(SoundPlayer& player, std::function<void()> beforePlay) {
  beforePlay_ = std::move(beforePlay);
  ViewHost& host = *this;
  playback_ = std::make_unique<PlaybackController>(document_, display_, host, player, nullptr);
}

bool ComparisonPane::open(const std::filesystem::path& path, ComparedKind kind, int clientNumber) {
  stopPlaying();
  endWindow();
  pointer_.reset();
  document_.close();
  display_.recordingClosed();
  if (!load(path, kind, clientNumber)) return false;
  showWindow();
  return true;
}

bool ComparisonPane::load(const std::filesystem::path& path, ComparedKind kind, int clientNumber) {
  SoundBuffer loaded;
  {
    BusyScope busy(*this);
    if (kind == ComparedKind::OutsideFile) {
      if (!openRecordingByPath(loaded, path, ui_)) return false;
    } else {
      const int number = kind == ComparedKind::Model ? kModelRecordingNumber : clientNumber;
      if (!openNumberedRecording(loaded, path, number, ui_)) return false;
      if (!isSupportedRate(loaded.sampleRate())) {
        showMessage(ui_, msg::RateNotSupported);
        return false;
      }
    }
  }
  document_.open(std::move(loaded), kNoClient);
  display_.recordingOpened();
  return true;
}

BarLimits ComparisonPane::setBarsRate(int rateHz) {
  const int hz = initialComparisonLimit(rateHz);
  return BarLimits{hz, hz};
}

void ComparisonPane::setLimit(int hz) {
  if (hz <= 0) return;
  display_.setSpectrogramLimit(hz);
  display_.setPowerLimit(hz);
  display_.results().powerAnalysisChanged();
  display_.visibleRangeChanged();
}

void ComparisonPane::playCommand() {
  if (!playback_ || !document_.isOpen()) return;
  if (!isPlaying() && beforePlay_) beforePlay_();
  playback_->playCommand();
}

void ComparisonPane::stopPlaying() {
  if (playback_) playback_->stop();
}

bool ComparisonPane::isPlaying() const { return playback_ && playback_->isPlaying(); }

void ComparisonPane::setTransportImage(TransportControl control, TransportImage image) {
  if (control == TransportControl::Play && window_) window_->setPlaying(image == TransportImage::Stop);
}

void ComparisonPane::showWindow() {
  auto* window = new CompareWindow(document_.sampleRate(), view_);
  window_ = window;
  QObject::connect(window, &CompareWindow::limitChosen, window, [this](int hz) { setLimit(hz); });
  QObject::connect(window, &CompareWindow::playClicked, window, [this] { playCommand(); });
  QObject::connect(window, &CompareWindow::pauseClicked, window, [this] {
    if (playback_) playback_->pauseOrResume();
  });
  window->adjustSize();
  // The place is the frame's; its title bar is not known before the window shows.
  const int frameHeight = window->height() + window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  window->move(windowPlace_ ? *windowPlace_ : defaultWindowPlace(frameHeight));
  window->show();
}

void ComparisonPane::endWindow() {
  if (!window_) return;
  windowPlace_ = window_->pos();
  delete window_.data();
}

QPoint ComparisonPane::defaultWindowPlace(int windowHeight) const {
  const DevicePoint place = compareWindowPlace(display_.geometry(), windowHeight);
  const QPoint at(place.x, place.y);
  return view_ ? view_->mapToGlobal(at) : at;
}

void ComparisonPane::postToUiThread(std::function<void()> f) {
  QMetaObject::invokeMethod(&postTarget_, std::move(f), Qt::QueuedConnection);
}

}  // namespace velmora
