#pragma once
// An Interaction for work running on a worker thread: every question and message is handed
// to the UI thread and the worker waits for the answer. Called on the UI thread itself, it
// answers directly.
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <thread>

#include "core/interaction.h"

namespace velmora {

class UiThreadInteraction : public Interaction {
 public:
  // `context` lives on the UI thread (a widget of the frame).
  UiThreadInteraction(Interaction& ui, QObject* context) : ui_(ui), context_(context) {}

  // Runs `f` on the UI thread and waits for it.
  template <typename F>
  void onUiThread(F f) {
    if (QThread::currentThread() == context_->thread())
      f();
    else
      QMetaObject::invokeMethod(context_, f, Qt::BlockingQueuedConnection);
  }
  template <typename F>
  auto answer(F f) {
    decltype(f()) result{};
    onUiThread([&] { result = f(); });
    return result;
  }


  void showMessage(const Message& message) override {
    onUiThread([&] { ui_.showMessage(message); });
  }
  bool askYesNo(const Message& message) override { return answer([&] { return ui_.askYesNo(message); }); }
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest& request) override {
    return answer([&] { return ui_.chooseOpenFile(request); });
  }
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest& request) override {
    return answer([&] { return ui_.chooseSaveFile(request); });
  }
  std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override {
    return answer([&] { return ui_.chooseFolder(title, start); });
  }
  int chooseOption(const ChoiceRequest& request) override { return answer([&] { return ui_.chooseOption(request); }); }
  int chooseButton(const ChoiceRequest& request) override { return answer([&] { return ui_.chooseButton(request); }); }

 private:
  Interaction& ui_;
  QObject* context_;
};

// Runs `work` on a worker thread while the UI thread goes on handling events (repaints, the
// wait dialog's Cancel, the questions the work asks); returns when the work is done.
template <typename F>
void runOnWorker(F work) {
  QEventLoop loop;
  std::thread worker([&] {
    work();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
}

}  // namespace velmora
