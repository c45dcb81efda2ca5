#pragma once
// Command id -> handler. The frame registers its own commands; the parts that own the
// others (client dialogs, recording, playback, editing, printing...) register theirs when
// they are wired in. A command without a handler does nothing.
#include <functional>
#include <map>

namespace velmora {

class CommandRegistry {
 public:
  using Handler = std::function<void()>;
  void setHandler(int commandId, Handler handler) { handlers_[commandId] = std::move(handler); }
  bool hasHandler(int commandId) const { return handlers_.count(commandId) != 0; }
  // Runs the command's handler; false when it has none.
  bool run(int commandId) const {
    const auto it = handlers_.find(commandId);
    if (it == handlers_.end() || !it->second) return false;
    it->second();
    return true;
  }

 private:
  std::map<int, Handler> handlers_;
};

}  // namespace velmora
