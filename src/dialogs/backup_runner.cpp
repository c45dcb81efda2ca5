#include "dialogs/backup_runner.h"

#include <QMetaObject>
#include <QPointer>

#include "core/string_table.h"
#include "dialogs/backup_wait_dialog.h"
#include "dialogs/ui_thread_interaction.h"

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

}  // namespace

void BackupRunner::run(const Work& work) {
  dialog_.start();
  PostedProgress progress(dialog_);
  UiThreadInteraction ui(ui_, &dialog_);
  runOnWorker([&] { work(ui, progress); });
  dialog_.hide();
}

}  // namespace velmora
