// The next file's name and path, the sequence number and its style, the format and the letter
// case.
#include <cstdio>
#include <stdexcept>

#include "app/start.h"
#include "ui/application.h"

namespace {

// Only ASCII letters change case, so a multi-byte character of the base string stays whole.
std::string AsciiCase(std::string s, bool upper) {
  for (char& c : s) {
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

const char* const kExtensions[] = {".jpg", ".png", ".bmp"};
const char* const kMasks[] = {"*.jpg", "*.png", "*.bmp"};
const char* const kFormatNames[] = {"JPG", "PNG", "BMP"};

// The integer of a whole text, as the platform's conversion reads it; anything else is the
// platform's conversion error.
int StrToInt(const std::string& text) {
  std::size_t used = 0;
  long value = 0;
  try {
    value = std::stol(text, &used, 10);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || used == 0 || value < INT32_MIN || value > INT32_MAX)
    throw std::runtime_error("'" + text + "' は整数ではありません");
  return static_cast<int>(value);
}

}  // namespace

std::string TStart::FullPath(const std::string& name) const {
  const std::string& folder = Label3.Caption();
  if (folder.size() > 3) return folder + Application().Platform().PathDelimiter() + name;
  return folder + name;
}

void TStart::UpdateFileName() {
  std::string name = EdFname.Text();
  if (CBSeque.Checked()) {
    if (EdNumber.Text().empty()) return;
    name += EdNumber.Text();
  }
  FNameReady = !name.empty();
  const int format = RadioGroup1.ItemIndex();
  if (format >= 0 && format <= 2) name += AsciiCase(kExtensions[format], FUpperCase);
  if (format == 3) {
    name += '.';
    name += AsciiCase(FTextExt, FUpperCase);
  }
  Label1.SetCaption(name);
  if (FNameReady) {
    PbSave.SetEnabled(true);
    return;
  }
  Application().MessageBox("ファイル名が確定されていません", "ファイル名エラー", mbOK);
  PbSave.SetEnabled(false);
}

void TStart::ShowFileNumber() {
  FFileNumber = UpDown1.Position();
  const char* style = RadioGroup2.ItemIndex() == 1   ? "%02d"
                      : RadioGroup2.ItemIndex() == 2 ? "%03d"
                                                     : "%d";
  char text[16];
  std::snprintf(text, sizeof text, style, FFileNumber);
  EdNumber.SetText(text);
}

void TStart::MakeSavePath() { FSavePath = FullPath(Label1.Caption()); }

void TStart::ApplyLetterCase() {
  for (int i = 0; i < 3; ++i) RadioGroup1.SetItem(i, AsciiCase(kFormatNames[i], FUpperCase));
  RadioGroup1.SetItem(3, AsciiCase(FTextExt, FUpperCase));
  EdFname.SetText(AsciiCase(EdFname.Text(), FUpperCase));
}

void TStart::EdFnameChange(TObject*) { UpdateFileName(); }

void TStart::EdNumberChange(TObject*) {
  const std::string& text = EdNumber.Text();
  if (text.empty()) return;
  const int value = StrToInt(text);
  UpDown1.SetPosition(value);
  FFileNumber = value;
  UpdateFileName();
}

void TStart::UpDown1Click(TObject*, TUDBtnType) {
  ShowFileNumber();
  UpdateFileName();
}

void TStart::BtnResetClick(TObject*) {
  FFileNumber = 0;
  UpDown1.SetPosition(0);
  ShowFileNumber();
  UpdateFileName();
}

void TStart::RadioGroup2Click(TObject*) {
  UpDown1.SetRange(0, RadioGroup2.ItemIndex() == 1 ? 99 : 999);
  ShowFileNumber();
  UpdateFileName();
}

void TStart::CBSequeClick(TObject*) {
  const bool on = CBSeque.Checked();
  RadioGroup2.SetEnabled(on);
  UpDown1.SetEnabled(on);
  EdNumber.SetEnabled(on);
  UpdateFileName();
}

void TStart::RadioGroup1Click(TObject*) {
  const int format = RadioGroup1.ItemIndex();
  if (format >= 0 && format <= 2) {
    FileListBox1.SetMask(kMasks[format]);
    Label7.SetCaption(kFormatNames[format]);
    FAutoPictureFormat = format;
  } else if (format == 3) {
    FileListBox1.SetMask("*." + FTextExt);
    Label13.SetCaption(FTextExt);
  }
  UpdateFileName();
  BtnCopy.SetEnabled(FileListBox1.SelCount() > 0);
}

void TStart::ExtTypeClick(TObject*) {
  FUpperCase = !FUpperCase;
  ExtType.SetCaption(FUpperCase ? "小文字ファイル名" : "大文字ファイル名");
  ApplyLetterCase();
  UpdateFileName();
  MakeSavePath();
}
