#include "imaging/picture.h"

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) {
    graphic_.reset();
    return;
  }
  std::unique_ptr<TGraphic> copy = graphic->NewOfSameClass();
  copy->Assign(*graphic);
  graphic_ = std::move(copy);
}

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return *bitmap;
  auto bitmap = std::make_unique<TBitmap>();
  if (graphic_) graphic_->AssignTo(*bitmap);
  TBitmap& result = *bitmap;
  graphic_ = std::move(bitmap);
  return result;
}
