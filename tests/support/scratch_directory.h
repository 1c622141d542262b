#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh empty directory under the system's temporary directory, removed
// with everything in it when the object goes.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("qingwu-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
