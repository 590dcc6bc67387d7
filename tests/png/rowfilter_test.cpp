// Undoing the row filters against the format's definition, written out byte by byte here, on
// random rows for every pixel size the decoder uses (the vector loops and the portable ones).
#include "png/rowfilter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Row = std::vector<std::uint8_t>;

int Predict(int type, int a, int b, int c) {
  switch (type) {
    case 1:
      return a;
    case 2:
      return b;
    case 3:
      return (a + b) / 2;
    case 4: {
      const int p = a + b - c;
      const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      if (pa <= pb && pa <= pc) return a;
      return pb <= pc ? b : c;
    }
    default:
      return 0;
  }
}

Row Reference(int type, const Row& filtered, const Row& previous, std::size_t bpp) {
  Row out(filtered.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int a = i >= bpp ? out[i - bpp] : 0;
    const int c = i >= bpp ? previous[i - bpp] : 0;
    out[i] = static_cast<std::uint8_t>(filtered[i] + Predict(type, a, previous[i], c));
  }
  return out;
}

TEST(RowFilter, EveryTypeAndPixelSizeMatchesTheDefinition) {
  std::mt19937 random(7);
  for (std::size_t bpp : {1u, 2u, 3u, 4u, 6u, 8u}) {
    for (std::size_t pixels : {1u, 2u, 5u, 64u, 333u}) {
      for (int type = 0; type <= 4; ++type) {
        Row filtered(bpp * pixels), previous(bpp * pixels);
        for (auto& v : filtered) v = static_cast<std::uint8_t>(random());
        for (auto& v : previous) v = static_cast<std::uint8_t>(random());
        Row row = filtered;
        UnfilterRow(static_cast<std::uint8_t>(type), row.data(), previous.data(), row.size(), bpp);
        EXPECT_EQ(row, Reference(type, filtered, previous, bpp))
            << "bpp " << bpp << " pixels " << pixels << " type " << type;
      }
    }
  }
}

// Ties between the Paeth distances and sums that wrap past 255 are where a wide loop goes wrong.
TEST(RowFilter, PaethTiesAndWrapAround) {
  const Row previous = {0, 255, 128, 10, 200, 255, 0, 128, 20, 40, 255, 255};
  const Row filtered = {255, 1, 128, 0, 100, 255, 255, 128, 5, 0, 1, 255};
  for (std::size_t bpp : {3u, 4u}) {
    for (int type : {3, 4}) {
      Row row = filtered;
      UnfilterRow(static_cast<std::uint8_t>(type), row.data(), previous.data(), row.size(), bpp);
      EXPECT_EQ(row, Reference(type, filtered, previous, bpp)) << "bpp " << bpp << " type " << type;
    }
  }
}

}  // namespace
