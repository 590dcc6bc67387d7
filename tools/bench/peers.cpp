#include "tools/bench/peers.h"

#include <lodepng.h>
#include <png.h>
#include <spng.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace {

struct Reader {
  const Bytes* file;
  std::size_t pos;
};

}  // namespace

std::size_t DecodeLibpng(const Bytes& file) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng read failed");
  Reader r{&file, 0};
  png_set_read_fn(png, &r, [](png_structp p, png_bytep out, png_size_t n) {
    auto* rd = static_cast<Reader*>(png_get_io_ptr(p));
    std::memcpy(out, rd->file->data() + rd->pos, n);
    rd->pos += n;
  });
  png_read_info(png, info);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const std::size_t rowBytes = png_get_rowbytes(png, info);
  const std::uint32_t h = png_get_image_height(png, info);
  Bytes out(rowBytes * h);
  std::vector<png_bytep> rows(h);
  for (std::uint32_t y = 0; y < h; ++y) rows[y] = out.data() + y * rowBytes;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return out.size();
}

std::size_t DecodeSpng(const Bytes& file) {
  spng_ctx* ctx = spng_ctx_new(0);
  spng_set_png_buffer(ctx, file.data(), file.size());
  std::size_t size = 0;
  spng_decoded_image_size(ctx, SPNG_FMT_PNG, &size);
  Bytes out(size);
  if (spng_decode_image(ctx, out.data(), size, SPNG_FMT_PNG, 0) != 0)
    throw std::runtime_error("spng failed");
  spng_ctx_free(ctx);
  return size;
}

std::size_t DecodeStb(const Bytes& file) {
  int w = 0, h = 0, n = 0;
  stbi_uc* p = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &n, 0);
  if (!p) throw std::runtime_error("stb failed");
  stbi_image_free(p);
  return std::size_t(w) * h * n;
}

std::size_t DecodeLodepng(const Bytes& file) {
  lodepng::State state;
  state.info_raw.colortype = LCT_RGB;
  unsigned w = 0, h = 0;
  // Decode to the file's own colour type so no conversion is timed.
  lodepng_inspect(&w, &h, &state, file.data(), file.size());
  state.info_raw.colortype = state.info_png.color.colortype;
  state.info_raw.bitdepth = state.info_png.color.bitdepth;
  if (state.info_raw.colortype == LCT_PALETTE) lodepng_color_mode_copy(&state.info_raw, &state.info_png.color);
  std::vector<unsigned char> out;
  if (lodepng::decode(out, w, h, state, file.data(), file.size()) != 0)
    throw std::runtime_error("lodepng failed");
  return out.size();
}

std::size_t InflateOnly(const Bytes& idat, std::size_t rawSize) {
  Bytes out(rawSize);
  uLongf size = rawSize;
  const int rc = uncompress(out.data(), &size, idat.data(), static_cast<uLong>(idat.size()));
  if (rc != Z_OK) throw std::runtime_error("inflate failed");
  return size;
}

Bytes DeflateOnly(const Bytes& raw) {
  z_stream z{};
  deflateInit2(&z, 7, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, static_cast<uLong>(raw.size())));
  z.next_in = const_cast<Bytef*>(raw.data());
  z.avail_in = static_cast<uInt>(raw.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

Bytes EncodeLibpngSub(const Bytes& rgb, std::uint32_t width, std::uint32_t height) {
  Bytes file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng write failed");
  png_set_write_fn(
      png, &file,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* out = static_cast<Bytes*>(png_get_io_ptr(p));
        out->insert(out->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, 0, PNG_FILTER_SUB);
  png_set_compression_level(png, 7);
  png_set_compression_mem_level(png, 8);
  png_set_compression_window_bits(png, 15);
  png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
  png_write_info(png, info);
  for (std::uint32_t y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rgb.data() + std::size_t{y} * width * 3));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}
