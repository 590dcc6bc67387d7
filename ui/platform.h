#pragma once
// The seam between the class library and the system it runs on. One implementation shows real
// windows (win32); the other keeps everything in memory and answers from a script (headless).
#include <memory>
#include <string>
#include <vector>

#include "ui/types.h"

class TControl;
class TForm;
class TMenuItem;

// Clipboard formats the program asks about.
enum class TClipFormat { Text, Bitmap, Palette };

class TPlatform {
 public:
  virtual ~TPlatform() = default;

  // Gives `form` and its controls their native objects (nothing on a platform without them).
  virtual void CreatePeers(TForm& form) = 0;
  virtual void ShowForm(TForm& form) = 0;
  virtual void HideForm(TForm& form) = 0;
  // Shows `form` modally and returns when it has been closed; its ModalResult tells how.
  virtual void ShowModal(TForm& form) = 0;
  // Runs the message loop until the application terminates.
  virtual void Run() = 0;
  virtual void Terminate() = 0;

  // A modal message box without an icon; returns mrOk or mrCancel.
  virtual int MessageBox(const std::string& text, const std::string& caption,
                         TMessageButtons buttons) = 0;
  // The standard error box: the message, the application title as caption, an error icon.
  virtual void ShowErrorBox(const std::string& message, const std::string& title) = 0;

  // Drive roots, such as "C:\"; empty where the system has no drive letters.
  virtual std::vector<std::string> Drives() = 0;
  // The separator of folder and file names in paths.
  virtual char PathDelimiter() const = 0;

  virtual bool ClipboardHasFormat(TClipFormat format) = 0;
  virtual void ClipboardClear() = 0;

  // The system's 8-bit character set (Shift-JIS on a Japanese system), in which the settings
  // file and 8-bit clipboard text are kept; the program's own strings are UTF-8.
  virtual std::string ToAnsi(const std::string& utf8) = 0;
  virtual std::string FromAnsi(const std::string& ansi) = 0;

  // Height in pixels of the text "W" in `font`, for laying out captions.
  virtual int TextHeight(const TFont& font) = 0;
};
