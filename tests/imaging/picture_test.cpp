// The picture holder: it keeps a copy of its own of a picture of any class, and gives any
// picture as a bitmap.
#include "imaging/picture.h"

#include <gtest/gtest.h>

#include "imaging/exception.h"
#include "imaging/jpegimage.h"
#include "imaging/stream.h"

namespace {

TEST(Picture, HoldsACopyOfItsOwnClass) {
  TBitmap bitmap(4, 3, 24);
  bitmap.ScanLine(1)[0] = 77;
  TPicture picture;
  EXPECT_TRUE(picture.Empty());
  picture.SetGraphic(&bitmap);
  bitmap.ScanLine(1)[0] = 1;  // the holder's copy does not follow
  ASSERT_NE(dynamic_cast<const TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Bitmap().ScanLine(1)[0], 77);
  EXPECT_EQ(picture.Width(), 4);
  const TPicture copy = picture;
  EXPECT_EQ(dynamic_cast<const TBitmap&>(*copy.Graphic()).ScanLine(1)[0], 77);
  picture.SetGraphic(nullptr);
  EXPECT_TRUE(picture.Empty());
}

TEST(Picture, AJpegBecomesItsDecodedBitmap) {
  TBitmap source(16, 8, 32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) source.ScanLine(y)[4 * x + 2] = 200;  // red
  TJPEGImage jpeg;
  jpeg.Assign(source);
  TMemoryStream file;
  jpeg.SaveToStream(file);
  file.Seek(0, TSeekOrigin::soBeginning);
  TJPEGImage loaded;
  loaded.LoadFromStream(file);
  TPicture picture;
  picture.SetGraphic(&loaded);
  ASSERT_NE(dynamic_cast<const TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 8);
  const TBitmap& b = picture.Bitmap();
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_NEAR(b.ScanLine(4)[2 + 3 * 5], 200, 3);
  EXPECT_NE(dynamic_cast<const TBitmap*>(picture.Graphic()), nullptr);
}

TEST(Picture, ABitmapCannotBecomeAJpegByAssignment) {
  TJPEGImage jpeg;
  TBitmap bitmap;
  EXPECT_THROW(bitmap.AssignTo(jpeg), EConvertError);
}

}  // namespace
