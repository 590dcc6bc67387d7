#pragma once
// The linked file-system lists: a drive combo box, a folder list and a file list. Choosing a
// drive re-points the folder list; a folder change re-points and re-reads the file list before
// the folder list's own change event runs.
#include <string>
#include <vector>

#include "ui/control.h"

class TDirectoryListBox;
class TFileListBox;

class TDriveComboBox : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TDriveComboBox"; }
  // Reads the system's drives ("C:", ...) and selects the folder list's drive.
  void Refresh();
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  TDirectoryListBox* DirList = nullptr;
  // The user picks entry `index`: the folder list moves to that drive, then OnChange.
  void UserSelect(int index);
  TNotifyEvent OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class TDirectoryListBox : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TDirectoryListBox"; }
  // Full path of the current folder.
  const std::string& Directory() const { return directory_; }
  // Moves to `path` (when it differs): re-points the file list, then OnChange.
  void SetDirectory(const std::string& path);
  // Moves to the root of drive `letter`, unless the list is on that drive already.
  void SetDrive(char letter);
  char Drive() const;
  // Re-reads the tree (a new sub-folder appears); ends with OnChange.
  void Update();

  // Entries: the folders from the root down to the current one, then its sub-folders.
  struct Entry {
    std::string text;
    std::string path;
    int level;  // indentation: 0 for the root
  };
  const std::vector<Entry>& Items() const { return items_; }
  // Index of the current folder's entry.
  int ItemIndex() const { return itemIndex_; }
  // A double click on entry `index` opens that folder.
  void UserOpen(int index);
  TFileListBox* FileList = nullptr;
  int ItemHeight = 16;
  TNotifyEvent OnChange;

 private:
  void ReadTree();
  std::string directory_;
  std::vector<Entry> items_;
  int itemIndex_ = -1;
};

class TFileListBox : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TFileListBox"; }
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& path);
  const std::string& Mask() const { return mask_; }
  // A new mask re-reads the folder at once.
  void SetMask(const std::string& mask);
  bool MultiSelect = false;
  int ItemHeight = 12;
  // Re-reads the folder: the files matching the mask, sorted; nothing selected; then OnChange.
  void Update();

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Selected(int index) const { return selected_.at(static_cast<std::size_t>(index)); }
  void SetSelected(int index, bool value);
  int SelCount() const;
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The user selects exactly `indices` (the last one gets the focus): OnChange, then OnClick.
  void UserSelect(const std::vector<int>& indices);
  TNotifyEvent OnChange;
  TNotifyEvent OnClick;

 private:
  std::string directory_;
  std::string mask_ = "*.*";
  std::vector<std::string> items_;
  std::vector<bool> selected_;
  int itemIndex_ = -1;
};
