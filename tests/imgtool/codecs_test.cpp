// imgtool's JPEG and BMP commands as a user runs them: encode-jpeg writes what cjpeg writes
// for the same pixels, decode shows a JPEG as djpeg does and a grayscale one in replicated
// grey, encode-bmp writes each depth so that decode gives the pixels back.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "tests/common/toolrun.h"

namespace fs = std::filesystem;

namespace {

ToolRun Imgtool(const std::string& args) { return RunTool(IMGTOOL_PATH, args); }

// A binary PPM of smooth colours with `colours` distinct values at most when it is not 0.
std::string MakePpm(const fs::path& p, int w, int h, int colours = 0) {
  std::string pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c) {
        int v = (x * (5 + c * 4) + y * (3 + c)) & 255;
        if (colours) v = ((x + y * 3) % colours) * (60 + c * 20) % 256;
        pixels.push_back(static_cast<char>(v));
      }
  std::ofstream(p, std::ios::binary) << "P6\n" << w << " " << h << "\n255\n" << pixels;
  return pixels;
}

std::string PpmPixels(const std::string& ppm, int w, int h) {
  return ppm.substr(ppm.size() - static_cast<std::size_t>(w) * h * 3);
}

TEST(ImgtoolJpeg, EncodeWritesWhatCjpegWrites) {
  const fs::path in = WorkDir() / "j.ppm", ours = WorkDir() / "ours.jpg",
                 ref = WorkDir() / "ref.jpg";
  MakePpm(in, 45, 29);
  for (const char* quality : {"90", "50"}) {
    const std::string option = std::string(quality) == "90" ? "" : "--quality 50 ";
    ASSERT_EQ(Imgtool("encode-jpeg " + option + in.string() + " " + ours.string()).exitCode, 0);
    const std::string command = std::string("cjpeg -quality ") + quality +
                                " -dct float -baseline -outfile " + ref.string() + " " +
                                in.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Slurp(ours), Slurp(ref)) << quality;
  }
}

TEST(ImgtoolJpeg, DecodeShowsWhatDjpegShows) {
  const fs::path in = WorkDir() / "d.ppm", jpg = WorkDir() / "d.jpg", pam = WorkDir() / "d.pam",
                 ref = WorkDir() / "d-ref.ppm";
  MakePpm(in, 33, 17);
  ASSERT_EQ(Imgtool("encode-jpeg " + in.string() + " " + jpg.string()).exitCode, 0);
  const ToolRun run = Imgtool("decode " + jpg.string() + " " + pam.string());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(
      std::system(("djpeg -dct float -ppm -outfile " + ref.string() + " " + jpg.string()).c_str()),
      0);
  const Pam decoded = ReadPam(pam);
  EXPECT_EQ(decoded.tupleType, "RGB");
  EXPECT_EQ(decoded.samples, PpmPixels(Slurp(ref), 33, 17));
}

TEST(ImgtoolJpeg, GrayscaleIsShownAsRepeatedGreyLevels) {
  const fs::path in = WorkDir() / "g.ppm", jpg = WorkDir() / "g.jpg", pam = WorkDir() / "g.pam";
  MakePpm(in, 40, 40);
  ASSERT_EQ(std::system(("cjpeg -grayscale -outfile " + jpg.string() + " " + in.string()).c_str()),
            0);
  ASSERT_EQ(Imgtool("decode " + jpg.string() + " " + pam.string()).exitCode, 0);
  const Pam decoded = ReadPam(pam);
  ASSERT_EQ(decoded.samples.size(), 40u * 40 * 3);
  std::set<char> levels;
  for (std::size_t i = 0; i < decoded.samples.size(); i += 3) {
    EXPECT_EQ(decoded.samples[i], decoded.samples[i + 1]);
    EXPECT_EQ(decoded.samples[i], decoded.samples[i + 2]);
    levels.insert(decoded.samples[i]);
  }
  EXPECT_LE(levels.size(), 236u);
}

TEST(ImgtoolBmp, EveryDepthDecodesBack) {
  struct Case {
    const char* bpp;
    int colours;       // distinct colours of the input, 0: many
    bool exact;        // the decoded pixels equal the input's
    std::size_t size;  // of the file, for 9 x 5
  };
  const Case cases[] = {
      {"32", 0, true, 54 + 4 * 9 * 5},     {"24", 0, true, 54 + 28 * 5},
      {"8", 7, true, 54 + 4 * 7 + 12 * 5}, {"4", 5, true, 54 + 4 * 5 + 8 * 5},
      {"1", 2, true, 54 + 8 + 4 * 5},      {"1", 0, false, 54 + 8 + 4 * 5},
  };
  for (const Case& c : cases) {
    const fs::path in = WorkDir() / "b.ppm", bmp = WorkDir() / "b.bmp", pam = WorkDir() / "b.pam";
    const std::string source = PpmPixels(MakePpm(in, 9, 5, c.colours), 9, 5);
    ASSERT_EQ(
        Imgtool(std::string("encode-bmp --bpp ") + c.bpp + " " + in.string() + " " + bmp.string())
            .exitCode,
        0);
    EXPECT_EQ(fs::file_size(bmp), c.size) << c.bpp;
    ASSERT_EQ(Imgtool("decode " + bmp.string() + " " + pam.string()).exitCode, 0);
    const Pam decoded = ReadPam(pam);
    if (c.exact) {
      EXPECT_EQ(decoded.samples, source) << c.bpp;
      continue;
    }
    for (char v : decoded.samples) EXPECT_TRUE(v == 0 || v == '\xff') << c.bpp;  // black and white
  }
}

TEST(ImgtoolBmp, BrokenFilesAreRefusedWithTheBitmapText) {
  const fs::path bad = WorkDir() / "bad.bmp";
  std::ofstream(bad, std::ios::binary) << "BM" << std::string(60, '\x7f');
  const ToolRun run = Imgtool("decode " + bad.string() + " " + (WorkDir() / "bad.pam").string());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("ビットマップイメージが不正です"), std::string::npos) << run.err;
}

}  // namespace
