#pragma once
// What the client commands need of the main frame. Declared here, below the frame, so the
// dialogs never include the window that wires them in; the main window implements it.
#include <functional>
#include <string>

class QWidget;

namespace velmora {

class AnalysisView;

class ClientFrame {
 public:
  virtual ~ClientFrame() = default;

  // The parent of the client dialogs.
  virtual QWidget* dialogParent() = 0;
  virtual AnalysisView* view() const = 0;
  // The interface language (the dialogs lay out their date boxes by it).
  virtual int language() const = 0;
  virtual int clientCode() const = 0;
  virtual const std::string& clientName() const = 0;

  // Opens a client from the register; false when its folder is missing or its type unknown.
  virtual bool openClient(int code, const std::string& name, int clientType) = 0;
  // The "Other Files" pseudo-client.
  virtual bool openOtherFiles() = 0;
  // The open client's record was edited.
  virtual void updateOpenClient(const std::string& name, int clientType) = 0;
  // No client open any more (it was deleted).
  virtual void closeClient() = 0;

  // Makes the frame run `handler` for a menu or toolbar command.
  virtual void setCommandHandler(int commandId, std::function<void()> handler) = 0;
  // What Files > Open runs for a real client.
  virtual void setRecordingsListHandler(std::function<void()> handler) = 0;
};

}  // namespace velmora
