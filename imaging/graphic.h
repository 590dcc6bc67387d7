#pragma once
// The base of the picture classes (bitmap, JPEG, PNG): what a picture holder, an image control
// and the clipboard need of any picture.
#include <memory>
#include <string>

class TStream;

class TGraphic {
 public:
  virtual ~TGraphic() = default;

  // Copies another picture into this one; the base refuses every source.
  virtual void Assign(const TGraphic& source);
  // Copies this picture into another; the base asks the destination to take it.
  virtual void AssignTo(TGraphic& destination) const;

  virtual bool GetEmpty() const = 0;
  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) const = 0;
  // Open a file stream on the named (UTF-8) file and load or save through it.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // The class name used in the assign error, e.g. "TBitmap".
  virtual const char* ClassName() const = 0;
  // A new, empty picture of the same class (the picture holder copies pictures through it).
  virtual std::unique_ptr<TGraphic> NewOfSameClass() const = 0;
};
