// The picture button: its face and bevels pixel by pixel, and the order of a click.
#include "components/pbbtn.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "ui/application.h"

namespace {

class PbBtnTest : public ::testing::Test {
 protected:
  PbBtnTest() { SetApplication(&app_); }
  ~PbBtnTest() override { SetApplication(nullptr); }

  TColor PixelAt(const TCanvas& face, int x, int y) { return face.Pixel(x, y); }

  THeadlessPlatform platform_;
  TApplication app_{platform_};
  TPbBtn button_{nullptr, "PbBtn"};
};

const TColor kWhite = ResolveColor(clBtnHighlight);
const TColor kShadow = ResolveColor(clBtnShadow);

TEST_F(PbBtnTest, WithoutPictureItIsARaisedPanel) {
  button_.SetBounds(0, 0, 6, 5);
  button_.SetColor(clRed);
  TCanvas face(button_.Width(), button_.Height());
  button_.Paint(face);
  // Rows of the face: W white, S shadow, R red.
  const char* expected[] = {"WWWWWS", "WRRRRS", "WRRRRS", "WRRRRS", "SSSSSS"};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      const char c = expected[y][x];
      const TColor want = c == 'W' ? kWhite : c == 'S' ? kShadow : clRed;
      EXPECT_EQ(PixelAt(face, x, y), want) << x << "," << y;
    }
}

TEST_F(PbBtnTest, PictureIsStretchedUnderTheBevels) {
  TBitmap picture(2, 2, 24);  // four colours, one a quarter of the face each
  const TColor colours[2][2] = {{MakeColor(10, 20, 30), MakeColor(40, 50, 60)},
                                {MakeColor(70, 80, 90), MakeColor(100, 110, 120)}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      std::uint8_t* p = picture.ScanLine(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(colours[y][x] >> 16);
      p[1] = static_cast<std::uint8_t>(colours[y][x] >> 8);
      p[2] = static_cast<std::uint8_t>(colours[y][x]);
    }
  button_.SetBounds(0, 0, 8, 8);
  button_.BevelWidth = 2;
  button_.Set_Picture(picture);
  button_.SetBevelOuter(TBevelCut::bvLowered);
  TCanvas face(button_.Width(), button_.Height());
  button_.Paint(face);
  EXPECT_EQ(PixelAt(face, 0, 0), kShadow);  // lowered: shadow on top and left
  EXPECT_EQ(PixelAt(face, 1, 1), kShadow);
  EXPECT_EQ(PixelAt(face, 7, 7), kWhite);
  EXPECT_EQ(PixelAt(face, 6, 6), kWhite);
  EXPECT_EQ(PixelAt(face, 2, 2), colours[0][0]);
  EXPECT_EQ(PixelAt(face, 5, 2), colours[0][1]);
  EXPECT_EQ(PixelAt(face, 2, 5), colours[1][0]);
  EXPECT_EQ(PixelAt(face, 5, 5), colours[1][1]);
  EXPECT_EQ(PixelAt(face, 3, 4), colours[1][0]);
}

TEST_F(PbBtnTest, CaptionSitsInsideTheFramesCentredOnItsHeight) {
  button_.SetBounds(0, 0, 75, 25);
  EXPECT_EQ(button_.CaptionRect(13), (TRect{1, 6, 74, 19}));
  button_.BevelWidth = 2;
  button_.Alignment = TAlignment::taRightJustify;
  EXPECT_EQ(button_.CaptionRect(14), (TRect{2, 5, 73, 19}));
  EXPECT_EQ(button_.CaptionFlags(), 0x40u | 0x04u | 0x02u);
}

TEST_F(PbBtnTest, ClickRunsWhileThePressedLookLasts) {
  button_.SetBounds(0, 0, 20, 20);
  std::vector<TBevelCut> seen;
  button_.OnClick = [&](TObject*) { seen.push_back(button_.BevelOuter()); };
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3);
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvLowered);
  button_.UserMouseUp(TMouseButton::mbLeft, 3, 3);
  EXPECT_EQ(seen, std::vector<TBevelCut>{TBevelCut::bvLowered});
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvRaised);
}

TEST_F(PbBtnTest, PressesThatDoNotClick) {
  button_.SetBounds(0, 0, 20, 20);
  int clicks = 0;
  button_.OnClick = [&](TObject*) { ++clicks; };
  button_.UserMouseDown(TMouseButton::mbRight, 3, 3);
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvRaised);
  button_.UserMouseUp(TMouseButton::mbRight, 3, 3);
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3);
  button_.UserMouseUp(TMouseButton::mbLeft, 30, 3);  // released outside
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(clicks, 0);
  // A double click: the first press clicks, the second lowers and raises without one.
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3);
  button_.UserMouseUp(TMouseButton::mbLeft, 3, 3);
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3, true);
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvLowered);
  button_.UserMouseUp(TMouseButton::mbLeft, 3, 3);
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(clicks, 1);
  // A disabled button takes no press at all.
  button_.SetEnabled(false);
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3);
  button_.UserMouseUp(TMouseButton::mbLeft, 3, 3);
  EXPECT_EQ(clicks, 1);
}

TEST_F(PbBtnTest, AnExceptionInTheClickIsShownAndTheButtonComesUp) {
  button_.SetBounds(0, 0, 20, 20);
  app_.Title = "title";
  button_.OnClick = [](TObject*) { throw std::runtime_error("broken"); };
  button_.UserMouseDown(TMouseButton::mbLeft, 3, 3);
  button_.UserMouseUp(TMouseButton::mbLeft, 3, 3);
  ASSERT_EQ(platform_.errors.size(), 1u);
  EXPECT_EQ(platform_.errors[0].text, "broken");
  EXPECT_EQ(platform_.errors[0].caption, "title");
  EXPECT_EQ(button_.BevelOuter(), TBevelCut::bvRaised);
}

}  // namespace
