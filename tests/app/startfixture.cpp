#include "tests/app/startfixture.h"

#include <fstream>
#include <random>

#include "app/forms_create.h"
#include "ui/paths.h"

void StartTest::SetUp() {
  previousDirectory_ = std::filesystem::current_path();
  std::random_device random;
  folder_ = std::filesystem::temp_directory_path() /
            ("memotray-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(folder_);
  std::filesystem::current_path(folder_);
  platform_.clipboard = {TClipFormat::Text};
  app_ = std::make_unique<TApplication>(platform_);
  SetApplication(app_.get());
  CreateMemotrayForms(*app_);
  start_ = Start;
}

void StartTest::Restart() {
  app_.reset();
  ForgetMemotrayForms();
  platform_.clipboardClears = 0;
  app_ = std::make_unique<TApplication>(platform_);
  SetApplication(app_.get());
  CreateMemotrayForms(*app_);
  start_ = Start;
}

void StartTest::TearDown() {
  app_.reset();
  SetApplication(nullptr);
  ForgetMemotrayForms();
  std::filesystem::current_path(previousDirectory_);
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void StartTest::Touch(const std::vector<std::string>& names) {
  for (const std::string& name : names) std::ofstream(folder_ / PathFromUtf8(name)) << "x";
}

std::string StartTest::Dir() const { return Utf8FromPath(folder_); }

std::vector<std::string> StartTest::TakeMessages() {
  std::vector<std::string> texts;
  for (const auto& m : platform_.messages) texts.push_back(m.text);
  platform_.messages.clear();
  return texts;
}
