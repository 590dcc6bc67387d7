#include "imaging/jpegcodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "imaging/libjpeg.h"

namespace {

std::string JpegMessage(int code) { return "JPEG エラー #" + std::to_string(code); }

// libjpeg reports errors by calling error_exit, which must not return. It jumps back to the
// frame that armed `jump`, which then throws: no exception ever crosses the library's C frames.
struct ErrorManager {
  jpeg_error_mgr pub{};
  std::jmp_buf jump{};
  int code = 0;
};

extern "C" void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  err->code = err->pub.msg_code;
  std::longjmp(err->jump, 1);
}

// Warnings pass, except for data that ends before the picture does: libjpeg would fill the
// rest with grey and call it a picture.
extern "C" void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) ErrorExit(cinfo);
}

extern "C" void OutputNothing(j_common_ptr) {}

void Prepare(ErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.emit_message = EmitMessage;
  err.pub.output_message = OutputNothing;
}

class Decompressor {
 public:
  explicit Decompressor(const std::vector<std::uint8_t>& data) {
    Prepare(err);
    cinfo.err = &err.pub;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  [[noreturn]] void Raise() const { throw EJPEG(err.code); }

  jpeg_decompress_struct cinfo{};
  ErrorManager err;
};

class Compressor {
 public:
  Compressor() {
    Prepare(err);
    cinfo.err = &err.pub;
    jpeg_create_compress(&cinfo);
  }
  ~Compressor() { jpeg_destroy_compress(&cinfo); }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;
  [[noreturn]] void Raise() const { throw EJPEG(err.code); }

  jpeg_compress_struct cinfo{};
  ErrorManager err;
  jpeg_destination_mgr destination{};
  std::vector<std::uint8_t> out;  // the file, written straight into it
};

// The library writes the file straight into the compressor's vector, which grows as needed.
// Running out of memory there becomes the library's own error.
Compressor& Owner(j_compress_ptr cinfo) { return *static_cast<Compressor*>(cinfo->client_data); }

bool Grow(j_compress_ptr cinfo, std::size_t used) {
  Compressor& c = Owner(cinfo);
  try {
    c.out.resize(std::max<std::size_t>(c.out.size() * 2, 1 << 16));
  } catch (const std::bad_alloc&) {
    return false;
  }
  c.destination.next_output_byte = c.out.data() + used;
  c.destination.free_in_buffer = c.out.size() - used;
  return true;
}

extern "C" void InitDestination(j_compress_ptr cinfo) {
  if (!Grow(cinfo, 0)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
}

extern "C" boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  // Called when the buffer is full: all of it is used.
  if (!Grow(cinfo, Owner(cinfo).out.size())) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  return TRUE;
}

extern "C" void TermDestination(j_compress_ptr cinfo) {
  Compressor& c = Owner(cinfo);
  c.out.resize(c.out.size() - c.destination.free_in_buffer);
}

// The library's calls, each function arming the jump for its own frame, which holds nothing
// that needs destroying.
void RunCompress(Compressor& c, int width, int height, int quality, int components,
                 J_COLOR_SPACE space, JSAMPROW* rows) {
  if (setjmp(c.err.jump)) c.Raise();
  c.cinfo.client_data = &c;
  c.destination.init_destination = InitDestination;
  c.destination.empty_output_buffer = EmptyOutputBuffer;
  c.destination.term_destination = TermDestination;
  c.cinfo.dest = &c.destination;
  c.cinfo.image_width = static_cast<JDIMENSION>(width);
  c.cinfo.image_height = static_cast<JDIMENSION>(height);
  c.cinfo.input_components = components;
  c.cinfo.in_color_space = space;
  jpeg_set_defaults(&c.cinfo);
  c.cinfo.dct_method = JDCT_FLOAT;
  jpeg_set_quality(&c.cinfo, quality, TRUE);
  jpeg_start_compress(&c.cinfo, TRUE);
  while (c.cinfo.next_scanline < c.cinfo.image_height)
    jpeg_write_scanlines(&c.cinfo, rows + c.cinfo.next_scanline,
                         c.cinfo.image_height - c.cinfo.next_scanline);
  jpeg_finish_compress(&c.cinfo);
}

void ReadHeader(Decompressor& d) {
  if (setjmp(d.err.jump)) d.Raise();
  jpeg_read_header(&d.cinfo, TRUE);
}

void PrepareOutput(Decompressor& d, bool quantize) {
  if (setjmp(d.err.jump)) d.Raise();
  d.cinfo.dct_method = JDCT_FLOAT;
  d.cinfo.do_block_smoothing = TRUE;
  const bool gray = d.cinfo.out_color_space == JCS_GRAYSCALE;
  const bool cmyk = d.cinfo.out_color_space == JCS_CMYK;
  if (!gray && !cmyk) d.cinfo.out_color_space = JCS_EXT_BGR;
  if (gray || quantize) {
    if (cmyk) d.cinfo.out_color_space = JCS_RGB;  // the quantizer wants three components
    d.cinfo.quantize_colors = TRUE;
    d.cinfo.desired_number_of_colors = 236;
    d.cinfo.two_pass_quantize = TRUE;
  }
  jpeg_calc_output_dimensions(&d.cinfo);
}

// Adobe's CMYK files store the inks inverted: each channel times K gives the colour.
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, out += 3, cmyk += 4) {
    out[0] = static_cast<std::uint8_t>(cmyk[2] * cmyk[3] / 255);
    out[1] = static_cast<std::uint8_t>(cmyk[1] * cmyk[3] / 255);
    out[2] = static_cast<std::uint8_t>(cmyk[0] * cmyk[3] / 255);
  }
}

void ReadRows(Decompressor& d, TBitmap& bitmap, std::uint8_t* cmykRow) {
  if (setjmp(d.err.jump)) d.Raise();
  jpeg_start_decompress(&d.cinfo);
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    const int y = static_cast<int>(d.cinfo.output_scanline);
    JSAMPROW row = cmykRow ? cmykRow : bitmap.ScanLine(y);
    jpeg_read_scanlines(&d.cinfo, &row, 1);
    if (cmykRow) CmykToBgr(cmykRow, bitmap.ScanLine(y), d.cinfo.output_width);
  }
}

void Finish(Decompressor& d) {
  if (setjmp(d.err.jump)) d.Raise();
  jpeg_finish_decompress(&d.cinfo);
}

}  // namespace

EJPEG::EJPEG(int code) : EInvalidGraphic(JpegMessage(code)), code_(code) {}

std::vector<std::uint8_t> CompressJpeg(const TBitmap& bitmap, int quality) {
  const int width = bitmap.GetWidth(), height = bitmap.GetHeight();
  std::vector<JSAMPROW> rows(static_cast<std::size_t>(height));
  // 24 bits and the usual 32-bit layout are read by the library as they lie (blue, green, red
  // and an unused byte), which gives the same file as a 24-bit copy without making one. Other
  // depths are converted to a 24-bit copy first.
  const bool direct =
      bitmap.BitsPerPixel() == 24 ||
      (bitmap.BitsPerPixel() == 32 && !(bitmap.Masks[0] | bitmap.Masks[1] | bitmap.Masks[2]));
  std::vector<std::uint8_t> pixels;
  if (direct) {
    for (int y = 0; y < height; ++y)
      rows[static_cast<std::size_t>(y)] = const_cast<JSAMPROW>(bitmap.ScanLine(y));
  } else {
    pixels = bitmap.BottomUpPixels(24);  // bottom-up: the row pointers run from its top row down
    const std::size_t stride = DibRowBytes(static_cast<std::uint32_t>(width), 24);
    for (int y = 0; y < height; ++y)
      rows[static_cast<std::size_t>(y)] =
          pixels.data() + stride * static_cast<std::size_t>(height - 1 - y);
  }
  const bool four = direct && bitmap.BitsPerPixel() == 32;
  Compressor c;
  RunCompress(c, width, height, quality, four ? 4 : 3, four ? JCS_EXT_BGRX : JCS_EXT_BGR,
              rows.data());
  return std::move(c.out);
}

TJpegHeader ReadJpegHeader(const std::vector<std::uint8_t>& data) {
  Decompressor d(data);
  ReadHeader(d);
  return TJpegHeader{static_cast<int>(d.cinfo.image_width), static_cast<int>(d.cinfo.image_height),
                     d.cinfo.jpeg_color_space == JCS_GRAYSCALE, d.cinfo.progressive_mode != 0};
}

TBitmap DecompressJpeg(const std::vector<std::uint8_t>& data, bool quantize) {
  Decompressor d(data);
  ReadHeader(d);
  PrepareOutput(d, quantize);
  const int bits = d.cinfo.quantize_colors ? 8 : 24;
  if (DibRowBytes(d.cinfo.output_width, bits) * d.cinfo.output_height > kMaxJpegPixelBytes)
    throw EOutOfMemory("Out of memory");
  TBitmap bitmap(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height),
                 bits);
  const bool cmyk = d.cinfo.out_color_space == JCS_CMYK;
  std::vector<std::uint8_t> cmykRow(cmyk ? std::size_t{d.cinfo.output_width} * 4 : 0);
  ReadRows(d, bitmap, cmyk ? cmykRow.data() : nullptr);
  if (d.cinfo.quantize_colors) {
    const int n = d.cinfo.actual_number_of_colors;
    const bool one = d.cinfo.out_color_components == 1;
    bitmap.Colors.assign(static_cast<std::size_t>(n), TRGBQuad{0, 0, 0, 0});
    for (int i = 0; i < n; ++i) {
      const std::uint8_t r = d.cinfo.colormap[0][i];
      const std::uint8_t g = one ? r : d.cinfo.colormap[1][i];
      const std::uint8_t b = one ? r : d.cinfo.colormap[2][i];
      bitmap.Colors[static_cast<std::size_t>(i)] = TRGBQuad{b, g, r, 0};
    }
  }
  Finish(d);
  return bitmap;
}
