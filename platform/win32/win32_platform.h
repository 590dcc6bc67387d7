#pragma once
// The Win32 platform: real windows, the message loop and its modal loops, message boxes, the
// clipboard and the drives.
#include "ui/platform.h"

struct tagMSG;

// Tab, Shift+Tab and Alt with a letter, done for the forms before the message is dispatched;
// true when the message was used up. Every message loop of the program calls it.
bool TranslateKeyboard(const tagMSG& msg);

class TWin32Platform : public TPlatform {
 public:
  TWin32Platform();
  void CreatePeers(TForm& form) override;
  void ShowForm(TForm& form) override;
  void HideForm(TForm& form) override;
  void ShowModal(TForm& form) override;
  void Run() override;
  void Terminate() override;
  int MessageBox(const std::string& text, const std::string& caption,
                 TMessageButtons buttons) override;
  void ShowErrorBox(const std::string& message, const std::string& title) override;
  std::vector<std::string> Drives() override;
  char PathDelimiter() const override { return '\\'; }
  bool ClipboardHasFormat(TClipFormat format) override;
  void ClipboardClear() override;
  int TextHeight(const TFont& font) override;
  std::string ToAnsi(const std::string& utf8) override;
  std::string FromAnsi(const std::string& ansi) override;
};
