#pragma once
// The real dialogs behind the interaction interface.
#include <QPointer>
#include <QWidget>

#include "core/interaction.h"

namespace velmora {

class QtInteraction : public Interaction {
 public:
  explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void showMessage(const Message& message) override;
  bool askYesNo(const Message& message) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override;
  int chooseOption(const ChoiceRequest& request) override;
  int chooseButton(const ChoiceRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

// "Sound File (*.wav)|*.wav|" to Qt's "Sound File (*.wav)".
QString qtFilter(const std::string& windowsFilter);

}  // namespace velmora
