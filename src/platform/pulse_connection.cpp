#include "platform/pulse_connection.h"

namespace velmora {

PulseConnection::PulseConnection(const char* clientName) {
  loop_ = pa_threaded_mainloop_new();
  if (!loop_) return;
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), clientName);
  if (!context_) return;
  pa_context_set_state_callback(context_, &PulseConnection::stateChanged, this);
  // Never spawn a server: "newer system" means one already answers.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
  if (pa_threaded_mainloop_start(loop_) < 0) return;
  Lock lock(*this);
  for (;;) {
    const pa_context_state_t s = pa_context_get_state(context_);
    if (s == PA_CONTEXT_READY) {
      ready_ = true;
      break;
    }
    if (!PA_CONTEXT_IS_GOOD(s)) break;
    pa_threaded_mainloop_wait(loop_);
  }
}

PulseConnection::~PulseConnection() {
  if (loop_) pa_threaded_mainloop_stop(loop_);
  if (context_) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_) pa_threaded_mainloop_free(loop_);
}

void PulseConnection::stateChanged(pa_context* c, void* self) {
  auto* me = static_cast<PulseConnection*>(self);
  const pa_context_state_t s = pa_context_get_state(c);
  if (!PA_CONTEXT_IS_GOOD(s)) {
    const bool wasReady = me->ready_.exchange(false);
    if (wasReady && me->lost_) me->lost_();
  }
  me->signal();
}

bool PulseConnection::wait(pa_operation* op) const {
  if (!op) return false;
  while (pa_operation_get_state(op) == PA_OPERATION_RUNNING && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
    pa_threaded_mainloop_wait(loop_);
  const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
  if (!done) pa_operation_cancel(op);
  pa_operation_unref(op);
  return done;
}

}  // namespace velmora
