#pragma once
// The picture holder of image controls and forms: one picture of any class, owned and copied.
#include <memory>

#include "imaging/bitmap.h"
#include "imaging/graphic.h"

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture& other) { Assign(other); }
  TPicture& operator=(const TPicture& other) {
    if (this != &other) Assign(other);
    return *this;
  }

  // Null while the holder is empty.
  const TGraphic* Graphic() const { return graphic_.get(); }
  TGraphic* Graphic() { return graphic_.get(); }
  // Holds a copy of `graphic`, of its own class; null empties the holder.
  void SetGraphic(const TGraphic* graphic);
  void Assign(const TPicture& other) { SetGraphic(other.Graphic()); }
  // The picture as a bitmap, made (empty) when the holder is empty and replacing any other
  // class by its bitmap.
  TBitmap& Bitmap();

  int Width() const { return graphic_ ? graphic_->GetWidth() : 0; }
  int Height() const { return graphic_ ? graphic_->GetHeight() : 0; }
  bool Empty() const { return !graphic_ || graphic_->GetEmpty(); }

 private:
  std::unique_ptr<TGraphic> graphic_;
};
