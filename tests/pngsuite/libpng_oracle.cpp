#include "tests/pngsuite/libpng_oracle.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

void OnError(png_structp, png_const_charp message) { throw std::runtime_error(message); }
void OnWarning(png_structp, png_const_charp) {}

}  // namespace

OracleImage ReadWithLibpng(const std::string& fileName) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot open " + fileName);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  png_infop info = png_create_info_struct(png);
  struct Guard {
    png_structp* p;
    png_infop* i;
    ~Guard() { png_destroy_read_struct(p, i, nullptr); }
  } guard{&png, &info};

  OracleImage out;
  png_init_io(png, file.get());
  png_read_info(png, info);
  out.colorType = png_get_color_type(png, info);
  png_fixed_point gamma = 0;
  if (png_get_gAMA_fixed(png, info, &gamma)) {
    out.hasGamma = true;
    out.gamma = static_cast<std::uint32_t>(gamma);
  }
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out.width = png_get_image_width(png, info);
  out.height = png_get_image_height(png, info);
  out.channels = png_get_channels(png, info);
  const std::size_t rowBytes = png_get_rowbytes(png, info);
  out.samples.resize(rowBytes * out.height);
  std::vector<png_bytep> rows(out.height);
  for (std::uint32_t y = 0; y < out.height; ++y) rows[y] = out.samples.data() + y * rowBytes;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  return out;
}
