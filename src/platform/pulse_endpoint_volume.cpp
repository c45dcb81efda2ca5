#include "platform/pulse_endpoint_volume.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr const char* kDefaultSink = "@DEFAULT_SINK@";

struct SinkVolume {
  const PulseConnection* connection = nullptr;
  bool found = false;
  pa_cvolume volume{};
};

void sinkInfo(pa_context*, const pa_sink_info* info, int eol, void* data) {
  auto* r = static_cast<SinkVolume*>(data);
  if (eol == 0 && info) {
    r->found = true;
    r->volume = info->volume;
  }
  r->connection->signal();
}

void operationDone(pa_context*, int, void* connection) { static_cast<PulseConnection*>(connection)->signal(); }

SinkVolume readDefaultSink(const PulseConnection& c) {
  SinkVolume r;
  r.connection = &c;
  if (!c.ready()) return r;
  PulseConnection::Lock lock(c);
  if (!c.wait(pa_context_get_sink_info_by_name(c.context(), kDefaultSink, sinkInfo, &r))) r.found = false;
  return r;
}

}  // namespace

int volumePercent(pa_volume_t volume) {
  const long long v = (static_cast<long long>(volume) * 100 + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM;
  return static_cast<int>(std::clamp<long long>(v, 0, PulseEndpointVolume::kMaximum));
}

PulseEndpointVolume::PulseEndpointVolume(QObject* parent)
    : QObject(parent), connection_(std::make_unique<PulseConnection>("Velmora volume")) {
  if (!connection_->ready()) return;
  PulseConnection::Lock lock(*connection_);
  pa_context_set_subscribe_callback(connection_->context(), &PulseEndpointVolume::subscribed, this);
  // Sink events: its volume moved. Server events: another sink became the default.
  connection_->wait(pa_context_subscribe(
      connection_->context(), static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER),
      operationDone, connection_.get()));
}

PulseEndpointVolume::~PulseEndpointVolume() {
  if (connection_->ready()) {
    PulseConnection::Lock lock(*connection_);
    pa_context_set_subscribe_callback(connection_->context(), nullptr, nullptr);
  }
  connection_.reset();
}

bool PulseEndpointVolume::serverAnswers() { return PulseConnection("Velmora probe").ready(); }

std::string PulseEndpointVolume::defaultSourceDescription() {
  PulseConnection c("Velmora probe");
  if (!c.ready()) return {};
  struct Found {
    const PulseConnection* c;
    std::string text;
  } found{&c, {}};
  PulseConnection::Lock lock(c);
  c.wait(pa_context_get_source_info_by_name(
      c.context(), "@DEFAULT_SOURCE@",
      [](pa_context*, const pa_source_info* info, int eol, void* data) {
        auto* f = static_cast<Found*>(data);
        if (eol == 0 && info && info->description) f->text = info->description;
        f->c->signal();
      },
      &found));
  return found.text;
}

double PulseEndpointVolume::scalar() const {
  const SinkVolume r = readDefaultSink(*connection_);
  if (!r.found) return -1;
  return static_cast<double>(pa_cvolume_max(&r.volume)) / PA_VOLUME_NORM;
}

int PulseEndpointVolume::value() const {
  const SinkVolume r = readDefaultSink(*connection_);
  return r.found ? volumePercent(pa_cvolume_max(&r.volume)) : -1;
}

void PulseEndpointVolume::setValue(int value) {
  if (!isValid() || value < 0 || value > kMaximum) return;
  SinkVolume r = readDefaultSink(*connection_);
  if (!r.found) return;
  const auto level = static_cast<pa_volume_t>(std::lround(value / 100.0 * PA_VOLUME_NORM));
  pa_cvolume_set(&r.volume, r.volume.channels, level);
  PulseConnection::Lock lock(*connection_);
  connection_->wait(pa_context_set_sink_volume_by_name(connection_->context(), kDefaultSink, &r.volume, operationDone,
                                                       connection_.get()));
}

void PulseEndpointVolume::subscribed(pa_context* c, pa_subscription_event_type_t type, uint32_t, void* self) {
  const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
  if (facility != PA_SUBSCRIPTION_EVENT_SINK && facility != PA_SUBSCRIPTION_EVENT_SERVER) return;
  // Asked on the loop's thread; the answer goes to the UI thread.
  if (pa_operation* op = pa_context_get_sink_info_by_name(c, kDefaultSink, &PulseEndpointVolume::sinkInfoForEvent, self))
    pa_operation_unref(op);
}

void PulseEndpointVolume::sinkInfoForEvent(pa_context*, const pa_sink_info* info, int eol, void* self) {
  if (eol != 0 || !info) return;
  static_cast<PulseEndpointVolume*>(self)->deliver(volumePercent(pa_cvolume_max(&info->volume)));
}

void PulseEndpointVolume::deliver(int value) {
  QMetaObject::invokeMethod(
      this, [this, value] { if (handler_) handler_(value); }, Qt::QueuedConnection);
}

}  // namespace velmora
