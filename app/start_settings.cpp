// The settings file: 17 lines without keys, written on closing when the settings are to be
// kept and read back at the next start.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/start.h"
#include "ui/application.h"
#include "ui/paths.h"

namespace {

// The C library's atol: leading blanks, an optional sign, digits; stops at anything else.
long Atol(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    if (value < 100000000000LL) value = value * 10 + (s[i] - '0');
  if (value > 2147483647LL) value = 2147483647LL;  // kept within a 32-bit long
  return static_cast<long>(negative ? -value : value);
}

// The lines of the file in order; a line that is missing reads as empty. Lines may be of any
// length, and end in CR LF (or a bare LF).
class SettingsReader {
 public:
  explicit SettingsReader(const std::filesystem::path& path) : in_(path, std::ios::binary) {}
  std::string Text() {
    std::string line;
    std::getline(in_, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Application().Platform().FromAnsi(line);
  }
  int Number() { return static_cast<int>(Atol(Text())); }
  bool Flag() { return Number() != 0; }

 private:
  std::ifstream in_;
};

const char* const kPictureFormats[] = {"JPG", "PNG", "BMP"};

}  // namespace

void TStart::SaveSettings() {
  std::ofstream out(PathFromUtf8(FIniPath), std::ios::binary | std::ios::trunc);
  auto text = [&](const std::string& s) { out << Application().Platform().ToAnsi(s) << "\r\n"; };
  auto number = [&](int v) { out << v << "\r\n"; };
  auto flag = [&](bool v) { out << (v ? '1' : '0') << "\r\n"; };
  text(Label3.Caption());
  number(RadioGroup1.ItemIndex());
  number(RadioGroup2.ItemIndex());
  text(EdFname.Text());
  number(UpDown1.Position());
  flag(FUpperCase);
  flag(N5.Checked());
  flag(N7.Checked());
  flag(CBOverWrite.Checked());
  flag(CBSave.Checked());
  flag(CBAutoSave.Checked());
  if (N9.Checked()) number(0);
  if (N10.Checked()) number(1);
  if (N11.Checked()) number(2);
  number(FAutoPictureFormat);
  flag(CBSeque.Checked());
  text(FTextExt);
  flag(FAutoSavePicture);
  flag(FAutoSaveText);
}

// Reads the file back into the window, line by line in the file's order. `folder` is the
// remembered folder; a saved folder that no longer exists leaves it at the start-up directory.
void TStart::ReadSettings(std::string& folder) {
  SettingsReader in(PathFromUtf8(FIniPath));
  const std::string savedFolder = in.Text();
  std::error_code ec;
  if (!savedFolder.empty() && std::filesystem::is_directory(PathFromUtf8(savedFolder), ec)) {
    DirectoryListBox1.SetDirectory(savedFolder);
    DriveComboBox1.Refresh();
    folder = DirectoryListBox1.Directory();
  }
  const int format = in.Number();
  RadioGroup2.SetItemIndex(in.Number());
  EdFname.SetText(in.Text());
  FFileNumber = in.Number();
  FileListBox1.SetDirectory(DirectoryListBox1.Directory());
  FUpperCase = in.Flag();
  ExtType.SetCaption(FUpperCase ? "小文字ファイル名" : "大文字ファイル名");
  N5.SetChecked(in.Flag());
  N7.SetChecked(in.Flag());
  TFont label8 = Label8.Font();
  label8.Color = N7.Checked() ? clRed : clGreen;
  Label8.SetFont(label8);
  CBOverWrite.SetChecked(in.Flag());
  CBSave.SetChecked(in.Flag());
  CBAutoSave.SetChecked(in.Flag());
  Label12.SetCaption(CBAutoSave.Checked() ? "自動保存" : "");
  const int target = in.Number();
  FAutoSavePicture = target != 1;
  FAutoSaveText = target != 0;
  if (target == 0) Label7.SetCaption("JPG");
  Label7.SetVisible(FAutoSavePicture && FAutoSaveOn);
  Label13.SetVisible(FAutoSaveText && FAutoSaveOn);
  FAutoPictureFormat = in.Number();
  if (FAutoPictureFormat >= 0 && FAutoPictureFormat <= 2)
    Label7.SetCaption(kPictureFormats[FAutoPictureFormat]);
  CBSeque.SetChecked(in.Flag());
  FTextExt = in.Text();
  RadioGroup1.SetItem(3, FTextExt);
  RadioGroup1.SetItemIndex(format);
  ApplyLetterCase();
  FAutoSavePicture = in.Flag();
  FAutoSaveText = in.Flag();
  N11.SetChecked(FAutoSavePicture && FAutoSaveText);
  N9.SetChecked(FAutoSavePicture && !FAutoSaveText);
  N10.SetChecked(!FAutoSavePicture);
  RadioGroup1.SetItemIndex(format);
}
