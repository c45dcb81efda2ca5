#include "platform/pulse_sources.h"

#include "platform/pulse_connection.h"

namespace velmora {
namespace {

struct Listing {
  const PulseConnection* connection = nullptr;
  ServerSources result;
};

void serverInfo(pa_context*, const pa_server_info* info, void* data) {
  auto* l = static_cast<Listing*>(data);
  if (info && info->default_source_name) l->result.defaultSource = info->default_source_name;
  l->connection->signal();
}

void sourceInfo(pa_context*, const pa_source_info* info, int eol, void* data) {
  auto* l = static_cast<Listing*>(data);
  if (eol != 0 || !info) {
    l->connection->signal();
    return;
  }
  // What a sink plays is no input a therapist records from.
  if (info->monitor_of_sink != PA_INVALID_INDEX) return;
  SoundSourceInfo s;
  s.name = info->name ? info->name : "";
  s.description = info->description ? info->description : "";
  for (uint32_t i = 0; i < info->n_ports; ++i) {
    const pa_source_port_info* p = info->ports[i];
    s.ports.push_back({p->name ? p->name : "", p->description ? p->description : "",
                       p->available == PA_PORT_AVAILABLE_NO});
  }
  if (info->active_port && info->active_port->name) s.activePort = info->active_port->name;
  l->result.sources.push_back(std::move(s));
}

void operationDone(pa_context*, int success, void* data) {
  auto* ok = static_cast<std::pair<const PulseConnection*, bool>*>(data);
  ok->second = success != 0;
  ok->first->signal();
}

}  // namespace

std::optional<ServerSources> listServerSources() {
  PulseConnection c("Velmora input");
  if (!c.ready()) return std::nullopt;
  Listing l;
  l.connection = &c;
  PulseConnection::Lock lock(c);
  if (!c.wait(pa_context_get_server_info(c.context(), serverInfo, &l))) return std::nullopt;
  if (!c.wait(pa_context_get_source_info_list(c.context(), sourceInfo, &l))) return std::nullopt;
  return l.result;
}

bool useServerSource(const RecordInputPick& pick, const std::string& defaultSource) {
  if (pick.port.empty() && pick.source == defaultSource) return true;
  PulseConnection c("Velmora input");
  if (!c.ready()) return false;
  PulseConnection::Lock lock(c);
  std::pair<const PulseConnection*, bool> ok{&c, true};
  if (!pick.port.empty() &&
      (!c.wait(pa_context_set_source_port_by_name(c.context(), pick.source.c_str(), pick.port.c_str(), operationDone,
                                                  &ok)) ||
       !ok.second))
    return false;
  if (pick.source != defaultSource &&
      (!c.wait(pa_context_set_default_source(c.context(), pick.source.c_str(), operationDone, &ok)) || !ok.second))
    return false;
  return true;
}

}  // namespace velmora
