#pragma once
// The in-memory platform of the tests: no native objects; message boxes and modal forms are
// answered by a script and recorded; an in-memory clipboard; the real file system.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/platform.h"

class THeadlessPlatform : public TPlatform {
 public:
  struct Message {
    std::string text, caption;
    TMessageButtons buttons;
  };

  void CreatePeers(TForm& form) override;
  void ShowForm(TForm& form) override;
  void HideForm(TForm& form) override;
  // Runs the script given for the form's name (it acts as the person at the dialog). A form
  // the script leaves open is closed as by its close box, so a test cannot hang.
  void ShowModal(TForm& form) override;
  void Run() override {}
  void Terminate() override { terminated = true; }
  int MessageBox(const std::string& text, const std::string& caption,
                 TMessageButtons buttons) override;
  void ShowErrorBox(const std::string& message, const std::string& title) override;
  std::vector<std::string> Drives() override { return drives; }
  char PathDelimiter() const override;
  bool ClipboardHasFormat(TClipFormat format) override { return clipboard.count(format) > 0; }
  void ClipboardClear() override;
  int TextHeight(const TFont& font) override { return font.Height; }
  // The in-memory platform's 8-bit character set is UTF-8 itself.
  std::string ToAnsi(const std::string& utf8) override { return utf8; }
  std::string FromAnsi(const std::string& ansi) override { return ansi; }

  // Answers for the next message boxes, in order; OK when none is left.
  std::deque<int> answers;
  std::vector<Message> messages;
  std::vector<Message> errors;  // caption: the application title
  std::map<std::string, std::function<void(TForm&)>> modalScripts;
  std::vector<std::string> modalShown;
  std::set<std::string> shownForms;
  std::vector<std::string> drives;
  std::set<TClipFormat> clipboard;
  int clipboardClears = 0;
  bool terminated = false;
};
