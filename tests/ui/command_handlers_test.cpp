// No dead commands: the frame wired as the program wires it (audio, client commands), every
// entry of the menu bar and the toolbar walked. An enabled entry always has a handler; the
// commands nobody handles yet stay disabled even where their state rule would offer them,
// and registering a handler is all it takes to bring one to life.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <set>

#include "app/volume_wiring.h"
#include "dialogs/client_commands.h"
#include "fakes/fake_volumes.h"
#include "dialogs/print_commands.h"
#include "presentation/command_states.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using CommandHandlersTest = ViewAudioFixture;

// The command actions under `actions`, submenus opened, separators and menu titles left out.
void collectCommands(const QList<QAction*>& actions, std::vector<QAction*>& out) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    if (QMenu* sub = a->menu()) {
      collectCommands(sub->actions(), out);
      continue;
    }
    out.push_back(a);
  }
}

// Menu and toolbar entries with no handler anywhere in the program yet.
// Whoever registers one of these takes it off this list.
const std::set<int> kUnhandled = {cmd::DeleteRecording};
// Rules this state cannot satisfy (nothing changed, nothing compared).
const std::set<int> kRuleOffHere = {cmd::SaveChanges, cmd::CloseComparison};

// Walks every entry of the menu bar and the toolbar against the registry and the rules.
void expectNoDeadEntry(MainWindow& window) {
  const FrameState state = window.frameState();
  std::vector<QAction*> entries;
  collectCommands(window.menuBar()->actions(), entries);
  const size_t menuEntries = entries.size();
  const QToolBar* toolbar = window.findChild<QToolBar*>();
  ASSERT_NE(toolbar, nullptr);
  collectCommands(toolbar->actions(), entries);
  ASSERT_GT(entries.size(), menuEntries);

  std::set<int> unhandled;
  for (QAction* a : entries) {
    const int id = a->data().toInt();
    ASSERT_EQ(window.action(id), a) << a->text().toStdString();
    const bool handled = window.commands().hasHandler(id);
    if (!handled) unhandled.insert(id);
    if (a->isEnabled()) {
      EXPECT_TRUE(handled) << "enabled without a handler: " << id;
    }
    // Handled commands follow their rule exactly as before.
    if (handled) {
      EXPECT_EQ(a->isEnabled(), commandState(id, state).enabled) << id;
    }
  }
  EXPECT_EQ(unhandled, kUnhandled);
  for (int id : kUnhandled) {
    if (kRuleOffHere.count(id) == 0) {
      EXPECT_TRUE(commandState(id, state).enabled) << "rule alone would offer " << id;
    }
    EXPECT_FALSE(window.action(id)->isEnabled()) << id;
  }
}

TEST_F(CommandHandlersTest, NoEnabledMenuOrToolbarEntryLacksAHandler) {
  ClientCommands clients(*window, ui, folder.path());
  clients.install();
  FakeVolumeDevices volumeDevices;
  auto* volumes = new VolumeWiring(*window, ui, volumeDevices, [] { return false; });
  volumes->start(0);
  PrintCommands printing(*window, ui, folder.path(), [&clients] { return clients.openClient(); });
  printing.install();
  // A numbered recording of a real client, idle: the state in which the rules offer most.
  writeRecording(clientFile("wv002.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv002.wav"), 2, "Ann"));
  ASSERT_EQ(view()->mode(), ModeSpectrogram);
  expectNoDeadEntry(*window);
  EXPECT_TRUE(window->action(cmd::Play)->isEnabled());
  EXPECT_TRUE(window->action(cmd::EditNotes)->isEnabled());

  // Registering a handler is all it takes: the menu entry and its toolbar button come alive
  // at once and run it; removing it makes them dead again.
  int shown = 0;
  window->commands().setHandler(cmd::DeleteRecording, [&shown] { ++shown; });
  QAction* deleteEntry = window->action(cmd::DeleteRecording);
  EXPECT_TRUE(deleteEntry->isEnabled());
  deleteEntry->trigger();
  EXPECT_EQ(shown, 1);
  window->commands().setHandler(cmd::DeleteRecording, {});
  EXPECT_FALSE(deleteEntry->isEnabled());
  window->runCommand(cmd::DeleteRecording);
  EXPECT_EQ(shown, 1);

  // The menu built again for another language keeps no dead entry either.
  const int language = window->settings().language;
  ASSERT_TRUE(window->switchLanguageTo(language == 0 ? 2 : 0));
  expectNoDeadEntry(*window);
  EXPECT_TRUE(window->switchLanguageTo(language));
}

}  // namespace
}  // namespace velmora
