#pragma once
// A JPEG picture: its compressed bytes, or a bitmap it was given and compresses when saved.
// A loaded file is parsed only as far as its header; its pixels are decoded on first need.
#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/graphic.h"
#include "imaging/jpegcodec.h"

enum class TJPEGPixelFormat { jf24Bit, jf8Bit };

class TJPEGImage : public TGraphic {
 public:
  // Takes a copy of a bitmap (dropping any compressed data); other pictures are refused.
  void Assign(const TGraphic& source) override;
  // Shares a bitmap that nobody changes any more, without copying its pixels.
  void Assign(std::shared_ptr<const TBitmap> bitmap);
  // A bitmap receives the decoded picture.
  void AssignTo(TGraphic& destination) const override;

  bool GetEmpty() const override { return GetWidth() == 0 || GetHeight() == 0; }
  int GetWidth() const override;
  int GetHeight() const override;
  void SetWidth(int value) override;
  void SetHeight(int value) override;
  // Reads every remaining byte; an empty stream is an empty picture, 0 x 0.
  void LoadFromStream(TStream& stream) override;
  // Writes the compressed bytes in one piece, compressing the bitmap first when needed; an
  // empty picture writes nothing.
  void SaveToStream(TStream& stream) const override;
  const char* ClassName() const override { return "TJPEGImage"; }
  std::unique_ptr<TGraphic> NewOfSameClass() const override {
    return std::make_unique<TJPEGImage>();
  }

  int CompressionQuality = 90;
  // jf8Bit decodes through the quantizer, as for a display of 8 or fewer bits per pixel.
  TJPEGPixelFormat PixelFormat = TJPEGPixelFormat::jf24Bit;
  bool Grayscale() const { return header_.grayscale; }
  bool ProgressiveEncoding() const { return header_.progressive; }

  // The decoded picture, made once.
  const TBitmap& Bitmap() const;
  // The compressed bytes (compressing the bitmap first when there are none).
  const std::vector<std::uint8_t>& Data() const;

 private:
  mutable std::vector<std::uint8_t> data_;
  mutable std::shared_ptr<const TBitmap> bitmap_;
  TJpegHeader header_;
};
