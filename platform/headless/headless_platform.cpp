#include "platform/headless/headless_platform.h"

#include "ui/form.h"

void THeadlessPlatform::CreatePeers(TForm&) {}

void THeadlessPlatform::ShowForm(TForm& form) { shownForms.insert(form.Name); }

void THeadlessPlatform::HideForm(TForm& form) { shownForms.erase(form.Name); }

void THeadlessPlatform::ShowModal(TForm& form) {
  modalShown.push_back(form.Name);
  shownForms.insert(form.Name);
  const auto script = modalScripts.find(form.Name);
  if (script != modalScripts.end()) script->second(form);
  if (form.Showing()) form.Close();
  shownForms.erase(form.Name);
}

int THeadlessPlatform::MessageBox(const std::string& text, const std::string& caption,
                                  TMessageButtons buttons) {
  messages.push_back({text, caption, buttons});
  if (answers.empty()) return mrOk;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void THeadlessPlatform::ShowErrorBox(const std::string& message, const std::string& title) {
  errors.push_back({message, title, mbOK});
}

char THeadlessPlatform::PathDelimiter() const {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

void THeadlessPlatform::ClipboardClear() {
  clipboard.clear();
  ++clipboardClears;
}
