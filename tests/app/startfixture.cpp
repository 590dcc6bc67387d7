#include "tests/app/startfixture.h"

#include <fstream>

#include "app/forms_create.h"
#include "ui/paths.h"

void StartTest::SetUp() {
  work_ = std::make_unique<ScopedWorkFolder>();
  folder_ = work_->Path();
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
  work_.reset();
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
