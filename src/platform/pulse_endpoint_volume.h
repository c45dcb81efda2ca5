#pragma once
// The playback master on a sound server: the default sink's volume as 0 .. 100 (the
// scalar 0 .. 1 of the server's normal volume, in hundredths), with the server's change
// events handed to the UI thread. Also the default source's name.
#include <QObject>
#include <memory>
#include <string>

#include "audio/volume_control.h"
#include "platform/pulse_connection.h"

namespace velmora {

class PulseEndpointVolume : public QObject, public VolumeControl {
  Q_OBJECT
 public:
  static constexpr int kMaximum = 100;

  explicit PulseEndpointVolume(QObject* parent = nullptr);
  ~PulseEndpointVolume() override;

  // A sound server answers now.
  static bool serverAnswers();
  // The default source's description; "" when there is none.
  static std::string defaultSourceDescription();

  bool isValid() const override { return connection_->ready(); }
  void enable() override {}
  void disable() override {}
  int steps() const override { return isValid() ? kMaximum : -1; }
  int minimum() const override { return isValid() ? 0 : -1; }
  int maximum() const override { return isValid() ? kMaximum : -1; }
  int value() const override;
  void setValue(int value) override;
  void setChangeHandler(ChangeHandler handler) override { handler_ = std::move(handler); }

  // The default sink's volume as the server's scalar (1.0 = normal); -1 on failure.
  double scalar() const;

 private:
  static void subscribed(pa_context* c, pa_subscription_event_type_t type, uint32_t index, void* self);
  static void sinkInfoForEvent(pa_context* c, const pa_sink_info* info, int eol, void* self);
  void deliver(int value);

  std::unique_ptr<PulseConnection> connection_;
  ChangeHandler handler_;
};

// Hundredths of the server's normal volume, rounded as the server's own tools show percent.
int volumePercent(pa_volume_t volume);

}  // namespace velmora
