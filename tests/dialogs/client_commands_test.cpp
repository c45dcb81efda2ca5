// The client commands in the real main frame, offscreen: a new client, opening a recording
// from the recordings list, notes of the open recording, editing and deleting the open client.
// Modal dialogs are answered by a timer that acts on the active modal widget.
#include "dialogs/client_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/main_window.h"
#include "audio/wav_writer.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "dialogs/client_dialog.h"
#include "dialogs/limited_text_edit.h"
#include "dialogs/notes_dialog.h"
#include "dialogs/recordings_dialog.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// Runs `act` on the modal dialog of type T once it is shown.
template <typename T, typename F>
void whenShown(F act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

class ClientCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.programFolder = folder.path();
    settings.language = 0;
    window = std::make_unique<MainWindow>(settings, ui);
    window->resize(1024, 740);
    clients = std::make_unique<ClientCommands>(*window, ui, folder.path());
    clients->install();
  }
  void newClient(const QString& name) {
    whenShown<ClientDialog>([name](ClientDialog& d) {
      d.nameEdit()->setText(name);
      d.accept();
    });
    window->runCommand(cmd::NewClient);
  }
  TempFolder folder;
  AppSettings settings;
  ScriptedInteraction ui;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<ClientCommands> clients;
};

TEST_F(ClientCommandsTest, NewClientIsStoredGivenAFolderAndOpened) {
  EXPECT_TRUE(std::filesystem::exists(folder / "pacb.dbf"));  // an empty register at start
  newClient("Ana Costa");
  EXPECT_EQ(window->clientCode(), 1);
  EXPECT_EQ(window->clientName(), "Ana Costa");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "pac001"));
  ASSERT_EQ(clients->clientRegister().query("CODIGO=1"), 1);
  EXPECT_EQ(clients->clientRegister().entry(0)->name, "Ana Costa");
  newClient("Bruno Dias");
  EXPECT_EQ(window->clientCode(), 2);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ClientCommandsTest, ANewClientWithoutAFolderOrAnOpenClientWithoutARecordIsReported) {
  folder.writeBytes("pac001", "a file where the folder should go");
  newClient("Ana Costa");
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::ClientFolderInaccessible});
  EXPECT_EQ(window->clientCode(), kNoClient);
  EXPECT_EQ(clients->clientRegister().query("CODIGO=1"), 0);

  // The open client's record is gone from the register: nothing to edit, and no new name.
  std::filesystem::remove(folder / "pac001");
  newClient("Bruno Dias");
  ASSERT_EQ(window->clientCode(), 1);  // the code the failed client did not keep
  const int recordNumber = clients->clientRegister().query("CODIGO=1");
  ASSERT_GT(recordNumber, 0);
  ASSERT_EQ(clients->clientRegister().deleteRecord(recordNumber), 1);
  ui.shown.clear();
  QTimer::singleShot(0, [] {
    if (auto* d = qobject_cast<ClientDialog*>(QApplication::activeModalWidget())) {
      d->nameEdit()->setText("Someone Else");
      d->accept();
    }
  });
  window->runCommand(cmd::PersonalInformation);
  QApplication::processEvents();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::DatabaseError});
  EXPECT_EQ(window->clientName(), "Bruno Dias");
}

TEST_F(ClientCommandsTest, RecordingsListOpensTheChosenRecordingAndNotesAreKept) {
  newClient("Ana Costa");
  const std::vector<int16_t> samples(11025, 100);
  ASSERT_TRUE(writeWavFile(folder / "pac001" / "wv001.wav", WaveFormat::pcm(11025), samples.data(), samples.size() * 2));
  whenShown<RecordingsDialog>([](RecordingsDialog& d) {
    d.list()->setCurrentItem(d.list()->topLevelItem(0));
    d.openSelected();
  });
  window->runCommand(cmd::OpenRecording);
  ASSERT_TRUE(window->view()->hasSamples());
  EXPECT_EQ(window->view()->buffer().recordingNumber, 1);

  whenShown<NotesDialog>([](NotesDialog& d) {
    d.editor()->setPlainText("Breathy onset");
    d.accept();
  });
  clients->editNotes();
  EXPECT_EQ(folder.readBytes("pac001/wv001.txt"), "Breathy onset\n");
}

TEST_F(ClientCommandsTest, PersonalInformationRenamesTheOpenClient) {
  newClient("Ana Costa");
  whenShown<ClientDialog>([](ClientDialog& d) {
    EXPECT_EQ(d.nameEdit()->text(), "Ana Costa");
    d.nameEdit()->setText("Ana Costa Lima");
    d.accept();
  });
  window->runCommand(cmd::PersonalInformation);
  EXPECT_EQ(window->clientName(), "Ana Costa Lima");
  ASSERT_GT(clients->clientRegister().query("CODIGO=1"), 0);
  EXPECT_EQ(clients->clientRegister().entry(0)->name, "Ana Costa Lima");
}

TEST_F(ClientCommandsTest, DeletingTheOpenClientAsksFirstThenLeavesNoClient) {
  newClient("Ana Costa");
  const std::vector<int16_t> samples(11025, 100);
  ASSERT_TRUE(writeWavFile(folder / "pac001" / "qv001.wav", WaveFormat::pcm(44100), samples.data(), samples.size() * 2));
  ASSERT_TRUE(window->view()->openNumberedRecording(folder / "pac001" / "qv001.wav", 1, "Ana Costa"));
  ui.yesNoAnswers = {false};
  clients->deleteOpenClient();
  EXPECT_EQ(window->clientCode(), 1);
  EXPECT_TRUE(window->view()->hasSamples());
  ui.yesNoAnswers = {true};
  clients->deleteOpenClient();
  EXPECT_EQ(ui.countOf(57648), 2);
  EXPECT_EQ(window->clientCode(), -1);
  EXPECT_FALSE(window->view()->hasSamples());
  EXPECT_FALSE(std::filesystem::exists(folder / "pac001"));
  EXPECT_EQ(clients->clientRegister().query("CODIGO=1"), 0);
}

}  // namespace
}  // namespace velmora
