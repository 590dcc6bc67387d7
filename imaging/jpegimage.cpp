#include "imaging/jpegimage.h"

#include "imaging/stream.h"

void TJPEGImage::Assign(std::shared_ptr<const TBitmap> bitmap) {
  header_ = TJpegHeader{bitmap->GetWidth(), bitmap->GetHeight(), false, false};
  bitmap_ = std::move(bitmap);
  data_.clear();
}

void TJPEGImage::Assign(const TGraphic& source) {
  if (const auto* b = dynamic_cast<const TBitmap*>(&source))
    return Assign(std::make_shared<const TBitmap>(*b));
  if (const auto* j = dynamic_cast<const TJPEGImage*>(&source)) {
    data_ = j->data_;
    bitmap_ = j->bitmap_;
    header_ = j->header_;
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TGraphic& destination) const {
  if (auto* b = dynamic_cast<TBitmap*>(&destination)) {
    *b = Bitmap();
    return;
  }
  TGraphic::AssignTo(destination);
}

int TJPEGImage::GetWidth() const { return header_.width; }
int TJPEGImage::GetHeight() const { return header_.height; }

void TJPEGImage::SetWidth(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}
void TJPEGImage::SetHeight(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  const std::int64_t remaining = stream.Remaining();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(remaining > 0 ? remaining : 0));
  data.resize(data.empty() ? 0 : stream.Read(data.data(), data.size()));
  const TJpegHeader header = data.empty() ? TJpegHeader{} : ReadJpegHeader(data);
  data_ = std::move(data);
  header_ = header;
  bitmap_.reset();
}

const std::vector<std::uint8_t>& TJPEGImage::Data() const {
  if (data_.empty() && bitmap_ && !bitmap_->GetEmpty())
    data_ = CompressJpeg(*bitmap_, CompressionQuality);
  return data_;
}

void TJPEGImage::SaveToStream(TStream& stream) const {
  const std::vector<std::uint8_t>& data = Data();
  if (!data.empty()) stream.WriteBuffer(data.data(), data.size());
}

const TBitmap& TJPEGImage::Bitmap() const {
  if (!bitmap_) {
    bitmap_ = data_.empty() ? std::make_shared<const TBitmap>()
                            : std::make_shared<const TBitmap>(
                                  DecompressJpeg(data_, PixelFormat == TJPEGPixelFormat::jf8Bit));
  }
  return *bitmap_;
}
