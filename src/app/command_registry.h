#pragma once
// Command id -> handler. The frame registers its own commands; the parts that own the
// others (client dialogs, recording, playback, editing, printing...) register theirs when
// they are wired in. Having a handler is what makes a command live: the frame shows a
// command without one disabled, whatever its state rule says, and enables it as soon as a
// handler is registered (the change listener tells it).
#include <functional>
#include <map>
#include <utility>

namespace velmora {

class CommandRegistry {
 public:
  using Handler = std::function<void()>;
  // An empty handler removes the command's handler.
  void setHandler(int commandId, Handler handler) {
    if (handler) {
      handlers_[commandId] = std::move(handler);
    } else {
      handlers_.erase(commandId);
    }
    if (changed_) changed_();
  }
  bool hasHandler(int commandId) const { return handlers_.count(commandId) != 0; }
  // Runs the command's handler; false when it has none.
  bool run(int commandId) const {
    const auto it = handlers_.find(commandId);
    if (it == handlers_.end()) return false;
    it->second();
    return true;
  }
  // Called after every setHandler.
  void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

 private:
  std::map<int, Handler> handlers_;
  std::function<void()> changed_;
};

}  // namespace velmora
