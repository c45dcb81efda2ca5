#pragma once
// A fresh folder under the system temp directory, removed with everything in it at the end.
#include <filesystem>
#include <string>

namespace velmora::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void writeBytes(const std::string& name, const std::string& bytes) const;
  std::string readBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Changes the working folder for the lifetime of the object.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder);
  ~WorkingFolder();

 private:
  std::filesystem::path previous_;
};

}  // namespace velmora::testing
