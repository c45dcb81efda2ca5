// The folder a run works in when the command line names none: the home folder never, the
// user's private ~/Velmora on first use, remembered; a working folder one starts in is kept.
#include "app/working_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fakes/temp_folder.h"

namespace velmora {
namespace {
namespace fs = std::filesystem;
using velmora::testing::TempFolder;

TEST(WorkingFolder, FirstStartInHomeCreatesPrivateFolderAndRemembersIt) {
  TempFolder home;
  QSettings store(QString::fromStdString((home / "velmora.ini").string()), QSettings::IniFormat);
  std::string error;
  const fs::path folder = userWorkingFolder(store, home.path(), home.path(), error);
  EXPECT_EQ(folder, home / "Velmora") << error;
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(store.value("workingFolder").toString().toStdString(), (home / "Velmora").string());
}

TEST(WorkingFolder, HomeIsNeverUsedEvenWhenItHoldsARegisterOrIsRemembered) {
  TempFolder home;
  home.writeBytes("pacb.dbf", "x");
  std::string error;
  EXPECT_EQ(chooseWorkingFolder(home.path(), home.path(), home.path(), error), home / "Velmora");
}

TEST(WorkingFolder, StartedInsideAWorkingFolderStaysThereAndRemembersNothing) {
  TempFolder home;
  fs::create_directory(home / "clinic");
  home.writeBytes("clinic/pacb.dbf", "x");
  QSettings store(QString::fromStdString((home / "velmora.ini").string()), QSettings::IniFormat);
  std::string error;
  EXPECT_EQ(userWorkingFolder(store, home / "clinic", home.path(), error), home / "clinic");
  EXPECT_FALSE(store.contains("workingFolder"));
  EXPECT_FALSE(fs::exists(home / "Velmora"));
}

TEST(WorkingFolder, RememberedFolderIsUsedFromAnyOtherFolder) {
  TempFolder home;
  fs::create_directory(home / "clients");
  fs::create_directory(home / "elsewhere");
  QSettings store(QString::fromStdString((home / "velmora.ini").string()), QSettings::IniFormat);
  store.setValue("workingFolder", QString::fromStdString((home / "clients").string()));
  std::string error;
  EXPECT_EQ(userWorkingFolder(store, home / "elsewhere", home.path(), error), home / "clients");
  EXPECT_FALSE(fs::exists(home / "Velmora"));
}

TEST(WorkingFolder, AFileInTheWayIsAnError) {
  TempFolder home;
  home.writeBytes("Velmora", "not a folder");
  std::string error;
  EXPECT_TRUE(chooseWorkingFolder(home.path(), home.path(), {}, error).empty());
  EXPECT_NE(error.find("Velmora"), std::string::npos);
}

}  // namespace
}  // namespace velmora
