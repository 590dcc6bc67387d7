#pragma once
// The PNG picture: an ordered list of chunks, read from and written to a stream, whose header
// chunk holds the decoded image.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/canvas.h"
#include "imaging/dib.h"
#include "imaging/graphic.h"
#include "png/pngpointerlist.h"

class TBitmap;
class TChunkIHDR;

// The 8 bytes every PNG file starts with.
extern const std::uint8_t kPngSignature[8];

enum class TInterlaceMethod { imNone, imAdam7 };

enum class TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

enum TFilter : std::uint8_t { pfNone, pfSub, pfUp, pfAverage, pfPaeth };
// A set of filters, one bit per TFilter.
using TFilters = std::uint8_t;
constexpr TFilters FilterBit(TFilter f) { return static_cast<TFilters>(1u << f); }

using TCompressionLevel = int;  // 0 to 9

// Bytes of one file row without its filter byte, and bytes of one whole pixel (at least 1).
struct TPixelInfo {
  std::uint32_t rowBytes = 0;
  std::uint32_t offset = 0;
};
TPixelInfo PixelInfoFor(std::uint32_t width, std::uint8_t bitDepth, std::uint8_t colorType);

class TPNGObject : public TGraphic {
 public:
  TPNGObject();
  ~TPNGObject() override;
  TPNGObject(const TPNGObject&) = delete;
  TPNGObject& operator=(const TPNGObject&) = delete;

  void Assign(const TGraphic& source) override;
  void AssignTo(TGraphic& destination) const override;
  // Copies another image: settings, then every chunk through its own copy rules.
  void AssignPNG(const TPNGObject& source);
  // Replaces the image with the bitmap's: palette images for 1, 4 and 8 bits per pixel,
  // 8-bit truecolour otherwise; a tRNS chunk for `colour` (RGB) when `transparent`.
  // The object's settings stay as they are.
  void AssignHandle(const TBitmap& bitmap, bool transparent, std::uint32_t colour);

  bool GetEmpty() const override { return chunks_.Count() == 0; }
  int GetWidth() const override;
  int GetHeight() const override;
  // The size changes only by loading or assigning: both raise EPngError.
  void SetWidth(int value) override;
  void SetHeight(int value) override;

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  const char* ClassName() const override { return "TPNGObject"; }
  std::unique_ptr<TGraphic> NewOfSameClass() const override {
    return std::make_unique<TPNGObject>();
  }

  bool HeaderPresent() const;
  TChunkIHDR& GetHeader() const;
  TPixelInfo GetPixelInfo() const;
  // Image row `row` counted from the top, in the bottom-up pixel buffer.
  std::uint8_t* GetScanline(std::uint32_t row) const;
  // The alpha plane's row for images with an alpha channel, otherwise null.
  std::uint8_t* GetAlphaScanline(std::uint32_t row) const;

  void ClearChunks();
  void InitializeGamma();
  bool GammaIsIdentity() const;
  bool InverseIsIdentity() const;
  void SetMaxIdatSize(std::uint32_t value);
  std::uint32_t MaxIdatSize() const { return maxIdatSize_; }
  void AddtEXt(const std::string& keyword, const std::string& text);
  void AddzTXt(const std::string& keyword, const std::string& text);
  // Drops the cached palette, whenever the colour table may have changed.
  void DeletePaletteHandle() { palette_.clear(); }

  // Drawing and transparency. Draw stretches opaque and colour-key images into `r` and blends
  // partially transparent ones at their own size from r's top-left corner.
  void Draw(TCanvas& canvas, const TRect& r) const;
  void DrawPartialTrans(TCanvas& canvas, const TRect& r) const;
  TPNGTransparencyMode GetTransparencyMode() const;
  bool GetTransparent() const { return GetTransparencyMode() != TPNGTransparencyMode::ptmNone; }
  // RGB, red in the low byte; 0 without a tRNS chunk (or a header).
  std::uint32_t GetTransparentColor() const;
  void SetTransparentColor(std::uint32_t colour);
  void RemoveTransparency();
  void CreateAlpha();
  // The 256 colour-table entries for grayscale and palette images (kept until the table
  // changes); empty for the other colour types.
  const std::vector<TRGBQuad>& GetPalette();
  // The image as the clipboard gets it: drawn onto a white 32-bit bitmap of its size.
  TBitmap SaveToClipboardFormat() const;
  // The pixel buffer as a bitmap of its own depth, colour table included.
  TBitmap ImageBitmap() const;
  std::uint32_t GetPixels(int x, int y) const;
  void SetPixels(int x, int y, std::uint32_t colour);

  TPNGList& Chunks() { return chunks_; }
  const TPNGList& Chunks() const { return chunks_; }

  std::uint8_t GammaTable[256];
  std::uint8_t InverseTable[256];
  TFilters Filters = FilterBit(pfSub);
  TCompressionLevel CompressionLevel = 7;
  TInterlaceMethod InterlaceMethod = TInterlaceMethod::imNone;

 private:
  void LoadChunks(TStream& stream);
  mutable TPNGList chunks_;
  std::vector<TRGBQuad> palette_;
  std::uint32_t maxIdatSize_ = 65535;
};
