#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "support/test_support.h"

namespace orv {
namespace {

// A file replaced by other means between two batches (a copy, another
// program) must be read anew by the next batch.
TEST(IniBatch, ReadsAFileChangedBeforeItBegan) {
  test::TempDir dir;
  test::WriteLines(dir / "a.ini", {"[s]", "k=old"});
  test::WriteLines(dir / "new.ini", {"[s]", "k=new"});
  {
    IniBatch batch;
    EXPECT_EQ(TIniFile(dir / "a.ini").ReadString("s", "k"), "old");
  }
  test::WriteLines(dir / "other.ini", {"[s]", "k=other"});
  std::filesystem::rename(dir / "other.ini", dir / "a.ini");
  {
    IniBatch batch;
    EXPECT_EQ(TIniFile(dir / "a.ini").ReadString("s", "k"), "other");
    // Inside a batch a copy over the file is seen too.
    ASSERT_TRUE(CopyFile(dir / "new.ini", dir / "a.ini"));
    EXPECT_EQ(TIniFile(dir / "a.ini").ReadString("s", "k"), "new");
  }
}

}  // namespace
}  // namespace orv
