#pragma once
// The application object: title, forms, the message loop, message boxes, and the place where
// an exception that escapes an event handler is caught and reported.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/platform.h"
#include "ui/types.h"

class TApplication : public TObject {
 public:
  explicit TApplication(TPlatform& platform) : platform_(platform) {}

  std::string Title;
  TPlatform& Platform() const { return platform_; }

  // Creates a form, gives it its native objects and runs its OnCreate. The first form created
  // is the main form. The application owns its forms until it is destroyed.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T* result = form.get();
    AdoptForm(std::move(form));
    return result;
  }
  TForm* MainForm() const { return mainForm_; }
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  int MessageBox(const std::string& text, const std::string& caption, TMessageButtons buttons);
  void ShowException(const std::exception& e);
  // Runs what came in from the user or the system; an exception that leaves it is shown in the
  // standard error box and the program goes on.
  void Dispatch(const std::function<void()>& action);

 private:
  void AdoptForm(std::unique_ptr<TForm> form);
  TPlatform& platform_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The one application of the process, made by the entry point (or a test) before any form.
TApplication& Application();
void SetApplication(TApplication* application);
