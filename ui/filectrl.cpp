#include "ui/filectrl.h"

#include <algorithm>
#include <system_error>

#include "ui/application.h"
#include "ui/paths.h"

namespace fs = std::filesystem;

void TDriveComboBox::Refresh() {
  items_.clear();
  for (const std::string& root : Application().Platform().Drives()) {
    std::string text = root.substr(0, 2);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    items_.push_back(text);
  }
  itemIndex_ = -1;
  const char drive = DirList ? DirList->Drive() : 0;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i][0] == drive) itemIndex_ = static_cast<int>(i);
  Notify(TProp::Items);
}

void TDriveComboBox::UserSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  Application().Dispatch([=, this] {
    const bool changed = index != itemIndex_;
    itemIndex_ = index;
    Notify(TProp::ItemIndex);
    if (!changed) return;
    if (DirList) DirList->SetDrive(items_[static_cast<std::size_t>(index)][0]);
    if (OnChange) OnChange(this);
  });
}

char TDirectoryListBox::Drive() const {
  if (directory_.size() >= 2 && directory_[1] == ':') {
    const char c = directory_[0];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  }
  return 0;
}

void TDirectoryListBox::SetDrive(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
  if (letter == Drive()) return;
  SetDirectory(std::string(1, letter) + ":\\");
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(PathFromUtf8(path), ec).lexically_normal();
  std::string text = Utf8FromPath(p);
  // A normalised folder ends without a separator, except at the root.
  if (text.size() > 1 && (text.back() == '/' || text.back() == '\\') && p.has_relative_path())
    text.pop_back();
  if (text == directory_) return;
  directory_ = text;
  ReadTree();
  if (FileList) FileList->SetDirectory(directory_);
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::Update() {
  ReadTree();
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::ReadTree() {
  items_.clear();
  const fs::path current = PathFromUtf8(directory_);
  fs::path walked;
  int level = 0;
  for (const fs::path& part : current) {
    if (part.empty()) continue;
    walked /= part;
    if (walked == current.root_name()) continue;  // "C:" joins its "\" in one entry
    const std::string text = level == 0 ? Utf8FromPath(walked) : Utf8FromPath(part);
    items_.push_back({text, Utf8FromPath(walked), level++});
  }
  itemIndex_ = static_cast<int>(items_.size()) - 1;
  std::vector<std::string> subs;
  std::error_code ec;
  for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) subs.push_back(Utf8FromPath(it->path().filename()));
  }
  std::sort(subs.begin(), subs.end(), NameLess);
  for (const std::string& s : subs)
    items_.push_back({s, Utf8FromPath(current / PathFromUtf8(s)), level});
  Notify(TProp::Items);
}

void TDirectoryListBox::UserOpen(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  // A copy: moving re-reads the entries.
  const std::string target = items_[static_cast<std::size_t>(index)].path;
  Application().Dispatch([&] { SetDirectory(target); });
}

void TFileListBox::SetDirectory(const std::string& path) {
  directory_ = path;
  Update();
}

void TFileListBox::SetMask(const std::string& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  Update();
}

void TFileListBox::Update() {
  items_.clear();
  std::error_code ec;
  if (!directory_.empty()) {
    for (fs::directory_iterator it(PathFromUtf8(directory_), ec), end; !ec && it != end;
         it.increment(ec)) {
      std::error_code typeError;
      if (!it->is_regular_file(typeError)) continue;
      const std::string name = Utf8FromPath(it->path().filename());
      if (MatchesMask(name, mask_)) items_.push_back(name);
    }
  }
  std::sort(items_.begin(), items_.end(), NameLess);
  selected_.assign(items_.size(), false);
  itemIndex_ = items_.empty() ? -1 : 0;
  Notify(TProp::Items);
  if (OnChange) OnChange(this);
}

void TFileListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= Count()) return;
  selected_[static_cast<std::size_t>(index)] = value;
  Notify(TProp::Selection);
}

int TFileListBox::SelCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TFileListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) return;
  itemIndex_ = index;
  if (!MultiSelect) {
    selected_.assign(items_.size(), false);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = true;
  }
  Notify(TProp::Selection);
}

void TFileListBox::UserSelect(const std::vector<int>& indices) {
  Application().Dispatch([&] {
    selected_.assign(items_.size(), false);
    for (int i : indices)
      if (i >= 0 && i < Count()) selected_[static_cast<std::size_t>(i)] = true;
    if (!indices.empty()) itemIndex_ = indices.back();
    Notify(TProp::Selection);
    if (OnChange) OnChange(this);
    if (OnClick) OnClick(this);
  });
}
