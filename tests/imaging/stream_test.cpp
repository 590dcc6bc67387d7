// Files that cannot be opened or created fail with the texts the user sees, file name included.
#include "imaging/stream.h"

#include <gtest/gtest.h>

#include "imaging/exception.h"
#include "imaging/utf8path.h"
#include "tests/common/workfolder.h"

namespace {

TEST(FileStream, FailuresNameTheFile) {
  ScopedWorkFolder work;
  const std::string missing = Utf8FromPath(work.Path() / "ない.jpg");
  try {
    TFileStream in(missing, TFileMode::fmOpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + missing + " は開けません");
  }
  const std::string nowhere = Utf8FromPath(work.Path() / "no-folder" / "a.bmp");
  try {
    TFileStream out(nowhere, TFileMode::fmCreate);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + nowhere + " を作成できません");
  }
}

}  // namespace
