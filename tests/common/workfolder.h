#pragma once
// A fresh temporary folder that is the process's working directory while the object lives;
// the previous one comes back and the folder goes at the end.
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

class ScopedWorkFolder {
 public:
  ScopedWorkFolder() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("memotray-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScopedWorkFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScopedWorkFolder(const ScopedWorkFolder&) = delete;
  ScopedWorkFolder& operator=(const ScopedWorkFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_, path_;
};
