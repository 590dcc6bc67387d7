#include "tools/bench/jpegpeer.h"

#include <cstdio>
#include <cstdlib>

#include "imaging/libjpeg.h"

std::vector<std::uint8_t> LibjpegCompress(const std::uint8_t* top, long stride, int width,
                                          int height) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  c.input_components = 4;
  c.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&c);
  c.dct_method = JDCT_FLOAT;
  jpeg_set_quality(&c, 90, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPROW> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[static_cast<std::size_t>(y)] = const_cast<JSAMPROW>(top + stride * y);
  while (c.next_scanline < c.image_height)
    jpeg_write_scanlines(&c, rows.data() + c.next_scanline, c.image_height - c.next_scanline);
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

std::size_t LibjpegDecompress(const std::vector<std::uint8_t>& file) {
  jpeg_decompress_struct d{};
  jpeg_error_mgr err{};
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&d, TRUE);
  d.dct_method = JDCT_FLOAT;
  d.do_block_smoothing = TRUE;
  d.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&d);
  const std::size_t stride = (std::size_t{d.output_width} * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> pixels(stride * d.output_height);
  while (d.output_scanline < d.output_height) {
    JSAMPROW row = pixels.data() + stride * d.output_scanline;
    jpeg_read_scanlines(&d, &row, 1);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  return pixels.size();
}
