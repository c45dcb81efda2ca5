#include "dialogs/backup_runner.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <thread>

#include "core/string_table.h"
#include "dialogs/backup_wait_dialog.h"

namespace velmora {

namespace {

QString text(int id) { return QString::fromStdString(velmora::tr(id)); }

// Progress from the worker, posted to the dialog's thread.
class PostedProgress : public BackupProgress {
 public:
  explicit PostedProgress(BackupWaitDialog& dialog) : dialog_(&dialog) {}

  void clientStarted(const std::string& name, int, int entryCount) override {
    post([=](BackupWaitDialog& d) { d.clientStarted(QString::fromStdString(name), entryCount); });
  }
  void fileStarted(int labelId, const std::string& fileName) override {
    post([=](BackupWaitDialog& d) { d.fileStarted(text(labelId), QString::fromStdString(fileName)); });
  }
  void fileProgress(int permille) override { post([=](BackupWaitDialog& d) { d.fileProgress(permille); }); }
  void entryDone() override { post([](BackupWaitDialog& d) { d.entryDone(); }); }
  void phase(int labelId) override { post([=](BackupWaitDialog& d) { d.phase(text(labelId)); }); }
  bool cancelRequested() override { return dialog_->cancelRequested(); }
  void finished() override { post([](BackupWaitDialog& d) { d.hide(); }); }

 private:
  // The call carries its own guarded pointer: it may run after this object is gone.
  template <typename F>
  void post(F f) {
    QPointer<BackupWaitDialog> d = dialog_;
    QMetaObject::invokeMethod(dialog_, [d, f] { if (d) f(*d); }, Qt::QueuedConnection);
  }
  BackupWaitDialog* dialog_;
};

// Every question and message asked on the UI thread; the worker waits for the answer.
class UiThreadInteraction : public Interaction {
 public:
  UiThreadInteraction(Interaction& inner, QObject& context) : inner_(inner), context_(context) {}

  void showMessage(const Message& m) override { onUi([&] { inner_.showMessage(m); }); }
  bool askYesNo(const Message& m) override {
    bool answer = false;
    onUi([&] { answer = inner_.askYesNo(m); });
    return answer;
  }
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest& r) override {
    std::optional<std::filesystem::path> p;
    onUi([&] { p = inner_.chooseOpenFile(r); });
    return p;
  }
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest& r) override {
    std::optional<std::filesystem::path> p;
    onUi([&] { p = inner_.chooseSaveFile(r); });
    return p;
  }
  std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override {
    std::optional<std::filesystem::path> p;
    onUi([&] { p = inner_.chooseFolder(title, start); });
    return p;
  }
  int chooseOption(const ChoiceRequest& r) override {
    int choice = -1;
    onUi([&] { choice = inner_.chooseOption(r); });
    return choice;
  }

 private:
  template <typename F>
  void onUi(F f) {
    QMetaObject::invokeMethod(&context_, f, Qt::BlockingQueuedConnection);
  }
  Interaction& inner_;
  QObject& context_;
};

}  // namespace

void BackupRunner::run(const Work& work) {
  dialog_.start();
  PostedProgress progress(dialog_);
  UiThreadInteraction ui(ui_, dialog_);
  QEventLoop loop;
  std::thread worker([&] {
    work(ui, progress);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  dialog_.hide();
}

}  // namespace velmora
