#pragma once
// The program's seven windows on the headless platform, started in a fresh temporary folder
// that is the process's working directory for the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/start.h"
#include "platform/headless/headless_platform.h"
#include "tests/common/workfolder.h"
#include "ui/application.h"

class StartTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Ends the program and starts it again in the same working folder.
  void Restart();
  // Makes empty files in the current folder.
  void Touch(const std::vector<std::string>& names);
  std::string Dir() const;
  // Texts of the message boxes shown so far, then forgets them.
  std::vector<std::string> TakeMessages();

  std::unique_ptr<ScopedWorkFolder> work_;
  std::filesystem::path folder_;
  THeadlessPlatform platform_;
  std::unique_ptr<TApplication> app_;
  TStart* start_ = nullptr;
};
