#include "ui/application.h"

#include <stdexcept>

#include "ui/form.h"

namespace {
TApplication* theApplication = nullptr;
}  // namespace

TApplication& Application() {
  if (!theApplication) throw std::logic_error("no application");
  return *theApplication;
}

void SetApplication(TApplication* application) { theApplication = application; }

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  TForm& f = *form;
  forms_.push_back(std::move(form));
  if (!mainForm_) mainForm_ = &f;
  platform_.CreatePeers(f);
  if (f.OnCreate) f.OnCreate(&f);
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  if (!terminated_) platform_.Run();
}

void TApplication::Terminate() {
  terminated_ = true;
  platform_.Terminate();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption,
                             TMessageButtons buttons) {
  return platform_.MessageBox(text, caption, buttons);
}

void TApplication::ShowException(const std::exception& e) {
  platform_.ShowErrorBox(e.what(), Title);
}

void TApplication::Dispatch(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    ShowException(e);
  }
}
