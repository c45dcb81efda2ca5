// velmora-cli clients, run as a process on prepared working folders.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "clients/client_register.h"
#include "clients/dbf_table.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

CliRun runCli(const TempFolder& dir, const std::string& args) {
  CliRun run;
  const std::string command = std::string(VELMORA_CLI_PATH) + " clients " + args + " 2>" + (dir / "err.txt").string();
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = dir.readBytes("err.txt");
  return run;
}

void makeRegister(const TempFolder& dir, const std::vector<std::pair<int, std::string>>& clients) {
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(dir / "data" / "pacb.dbf");
  std::filesystem::create_directories(dir / "data");
  ASSERT_TRUE(reg.create());
  int type = 0;
  for (const auto& [code, name] : clients) {
    ClientRecord r;
    r.code = code;
    r.name = name;
    r.type = type++ % 4;
    ASSERT_EQ(reg.append(r), 1);
  }
}

TEST(ClientsCommand, ListsTheRegisterInOrder) {
  TempFolder dir;
  makeRegister(dir, {{4, "Zélia Rocha"}, {1, "Ana  "}, {2, "Bruno Dias"}});
  const CliRun run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "4;0;Zélia Rocha\n1;1;Ana\n2;2;Bruno Dias\n");
  EXPECT_EQ(run.err, "");
}

TEST(ClientsCommand, ControlCharactersInNamesCannotForgeLinesOrDriveTheTerminal) {
  TempFolder dir;
  makeRegister(dir, {{1, "Ana\n2;0;Forged"}, {3, "Red\x1b[31m \\ end\x7f"}});
  const CliRun run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "1;0;Ana\\x0A2;0;Forged\n3;1;Red\\x1B[31m \\\\ end\\x7F\n");
}

TEST(ClientsCommand, EmptyRegisterPrintsNothing) {
  TempFolder dir;
  makeRegister(dir, {});
  const CliRun run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST(ClientsCommand, UnreadableRegistersExitWithStatusTwo) {
  TempFolder dir;
  std::filesystem::create_directories(dir / "data");
  CliRun run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "File not found!\n");

  ASSERT_EQ(DbfTable::create(dir / "data" / "pacb.dbf", {{"CODIGO", 'N', 4, 0}, {"NOME", 'C', 60, 0}}),
            DbfError::None);
  run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Invalid File!\n");

  dir.writeBytes("data/pacb.dbf", "not a table at all");
  run = runCli(dir, "--data " + (dir / "data").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Invalid File!\n");

  run = runCli(dir, "--data " + (dir / "missing").string());
  EXPECT_EQ(run.status, 2);
}

TEST(ClientsCommand, WrongArgumentsShowTheUsage) {
  TempFolder dir;
  const CliRun run = runCli(dir, "--data");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("usage: velmora-cli clients"), std::string::npos);
}

}  // namespace
}  // namespace velmora
