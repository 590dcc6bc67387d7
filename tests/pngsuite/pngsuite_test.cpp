// PngSuite through `imgtool decode`, as a user runs it: every valid file shows the pixels libpng
// reads from it (our gamma table applied where the file has gAMA), and every x*.png file is
// refused with the codec's error for what is wrong with it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "png/pnglang.h"
#include "tests/common/toolrun.h"
#include "tests/pngsuite/libpng_oracle.h"

namespace fs = std::filesystem;

namespace {

ToolRun Imgtool(const std::string& args) { return RunTool(IMGTOOL_PATH, args); }

std::vector<std::uint8_t> GammaTable(std::uint32_t g) {
  std::vector<std::uint8_t> t(256);
  for (int i = 0; i < 256; ++i)
    t[i] =
        static_cast<std::uint8_t>(std::nearbyint(std::pow(i / 255.0, 100000.0 / (g * 2.2)) * 255));
  return t;
}

std::vector<std::string> SuiteFiles(bool broken) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(PNGSUITE_DIR)) {
    const std::string name = e.path().filename().string();
    if (e.path().extension() == ".png" && (name[0] == 'x') == broken) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ValidFile : public ::testing::TestWithParam<std::string> {};

TEST_P(ValidFile, ShowsWhatLibpngReads) {
  const std::string in = std::string(PNGSUITE_DIR) + "/" + GetParam();
  const fs::path out = WorkDir() / (GetParam() + ".pam");
  const ToolRun run = Imgtool("decode " + in + " " + out.string());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("median_ms=", 0), 0u) << run.out;

  const OracleImage ref = ReadWithLibpng(in);
  const Pam pam = ReadPam(out);
  const bool alpha = ref.colorType == 4 || ref.colorType == 6;
  ASSERT_EQ(pam.width, ref.width);
  ASSERT_EQ(pam.height, ref.height);
  ASSERT_EQ(pam.channels, alpha ? 4u : 3u);
  EXPECT_EQ(pam.tupleType, alpha ? "RGB_ALPHA" : "RGB");
  ASSERT_EQ(pam.samples.size(), std::size_t{ref.width} * ref.height * pam.channels);

  const std::vector<std::uint8_t> gamma = GammaTable(ref.hasGamma ? ref.gamma : 45455);
  std::size_t mismatches = 0;
  for (std::size_t p = 0; p < std::size_t{ref.width} * ref.height; ++p) {
    for (std::uint32_t c = 0; c < pam.channels; ++c) {
      std::uint8_t expected = ref.samples[p * ref.channels + c];
      if (c < 3 && ref.hasGamma) expected = gamma[expected];
      const auto got = static_cast<std::uint8_t>(pam.samples[p * pam.channels + c]);
      if (got != expected && mismatches++ < 5)
        ADD_FAILURE() << "pixel " << p << " channel " << c << ": " << int(got)
                      << " != " << int(expected);
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

INSTANTIATE_TEST_SUITE_P(PngSuite, ValidFile, ::testing::ValuesIn(SuiteFiles(false)),
                         [](const auto& p) { return p.param.substr(0, 8); });

TEST(PngSuiteBroken, EveryFileIsRefusedWithItsError) {
  const std::map<std::string, const char*> expected = {
      {"xc1n0g08.png", EPNGInvalidIHDRText},  // colour type 1
      {"xc9n2c08.png", EPNGInvalidIHDRText},  // colour type 9
      {"xcrn0g04.png", EPNGInvalidFileHeaderText},
      {"xcsn0g01.png", EPngInvalidCRCText},   // IDAT checksum
      {"xd0n2c08.png", EPNGInvalidIHDRText},  // bit depth 0
      {"xd3n2c08.png", EPNGInvalidIHDRText},  // bit depth 3
      {"xd9n2c08.png", EPNGInvalidIHDRText},  // bit depth 99
      {"xdtn0g01.png", EPNGNoImageDataText},
      {"xhdn0g08.png", EPngInvalidCRCText},  // IHDR checksum
      {"xlfn0g04.png", EPNGInvalidFileHeaderText},
      {"xs1n0g01.png", EPNGInvalidFileHeaderText},
      {"xs2n0g01.png", EPNGInvalidFileHeaderText},
      {"xs4n0g01.png", EPNGInvalidFileHeaderText},
      {"xs7n0g01.png", EPNGInvalidFileHeaderText},
  };
  const std::vector<std::string> files = SuiteFiles(true);
  EXPECT_EQ(files.size(), expected.size());
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(expected.count(name));
    const ToolRun run = Imgtool("decode " + std::string(PNGSUITE_DIR) + "/" + name + " " +
                                (WorkDir() / "x.pam").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, std::string(expected.at(name)) + "\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(Imgtool, UsageErrorsExitTwo) {
  EXPECT_EQ(Imgtool("").exitCode, 2);
  EXPECT_EQ(Imgtool("frobnicate x y").exitCode, 2);
  EXPECT_EQ(Imgtool("decode --repeat 0 a b").exitCode, 2);
  EXPECT_EQ(Imgtool("decode onlyone").exitCode, 2);
}

TEST(Imgtool, RepeatPrintsOneTimingLine) {
  const std::string in = std::string(PNGSUITE_DIR) + "/basn6a08.png";
  const ToolRun run = Imgtool("decode --repeat 3 " + in + " " + (WorkDir() / "r.pam").string());
  ASSERT_EQ(run.exitCode, 0);
  double median, mn, mx;
  int n;
  unsigned long long bytes;
  ASSERT_EQ(std::sscanf(run.out.c_str(), "median_ms=%lf min_ms=%lf max_ms=%lf n=%d out_bytes=%llu",
                        &median, &mn, &mx, &n, &bytes),
            5)
      << run.out;
  EXPECT_EQ(n, 3);
  EXPECT_EQ(bytes, 32ull * 32 * 4);
  EXPECT_LE(mn, median);
  EXPECT_LE(median, mx);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST(Imgtool, InfoListsChunksAndHeader) {
  const ToolRun run = Imgtool("info " + std::string(PNGSUITE_DIR) + "/xcsn0g01.png");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("chunk IHDR length=13 crc=ok"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("width=32 height=32 bit_depth=1 color_type=0"), std::string::npos);
  EXPECT_NE(run.out.find("chunk IDAT"), std::string::npos);
  EXPECT_NE(run.out.find("crc=bad"), std::string::npos);
}

}  // namespace

namespace {

TEST(Imgtool, EncodePngWritesAFileLibpngReadsBackUnchanged) {
  for (const char* name : {"basn2c08.png", "basn6a08.png", "basn3p04.png", "s35n3p04.png"}) {
    SCOPED_TRACE(name);
    const std::string in = std::string(PNGSUITE_DIR) + "/" + name;
    const fs::path pam = WorkDir() / "e.pam", png = WorkDir() / "e.png";
    ASSERT_EQ(Imgtool("decode " + in + " " + pam.string()).exitCode, 0);
    const ToolRun run = Imgtool("encode-png " + pam.string() + " " + png.string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Pam source = ReadPam(pam);
    const OracleImage back = ReadWithLibpng(png.string());
    EXPECT_EQ(back.colorType, 2);  // a 32-bit bitmap is written as 8-bit truecolour
    ASSERT_EQ(back.width, source.width);
    ASSERT_EQ(back.height, source.height);
    ASSERT_EQ(back.channels, 3u);
    for (std::size_t p = 0; p < std::size_t{back.width} * back.height; ++p)
      for (int c = 0; c < 3; ++c)
        ASSERT_EQ(back.samples[p * 3 + c],
                  static_cast<std::uint8_t>(source.samples[p * source.channels + c]))
            << "pixel " << p;
    unsigned long long bytes = 0;
    ASSERT_EQ(std::sscanf(run.out.c_str(), "median_ms=%*f min_ms=%*f max_ms=%*f n=1 out_bytes=%llu",
                          &bytes),
              1);
    EXPECT_EQ(bytes, fs::file_size(png));
  }
  EXPECT_EQ(Imgtool("encode-png " + std::string(PNGSUITE_DIR) + "/basn2c08.png x.png").exitCode, 1);
}

}  // namespace
