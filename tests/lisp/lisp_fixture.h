#pragma once
// A data module over a fresh directory, and LISP text written there as
// Windows-1251 and read back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "library/data_module.h"
#include "lisp/lisp_reader.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"
#include "support/test_support.h"

namespace orv::test {

class LispFixture : public ::testing::Test {
 protected:
  // Writes utf8 as Windows-1251 into name and reads it into LispLines.
  const std::vector<std::string>& ReadText(std::string_view utf8, std::string_view name = "t.lsp") {
    WriteCp1251(dir / name, utf8);
    ReadLispFile(dm, dir / name);
    return dm.LispLines;
  }
  const std::vector<std::string>& ReadBytesAsLisp(std::string_view bytes,
                                                  std::string_view name = "t.lsp") {
    WriteFileAtomic(dir / name, bytes);
    ReadLispFile(dm, dir / name);
    return dm.LispLines;
  }

  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm{dir.path(), indicator};
};

}  // namespace orv::test
