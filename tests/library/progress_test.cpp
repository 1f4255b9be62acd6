#include <gtest/gtest.h>

#include "library/data_module.h"

namespace orv {
namespace {

TEST(Progress, SameValueTwiceChangesNothing) {
  ProgressIndicator indicator;
  int changes = 0;
  std::vector<std::string> texts;
  indicator.on_change = [&](const ProgressIndicator&) { ++changes; };
  indicator.on_text = [&](const std::string& t) { texts.push_back(t); };
  TDataModule1 dm("/tmp", indicator);
  dm.SetProgressText("Идет подготовка");
  dm.SetProgressText("Идет подготовка");
  dm.SetProgressPosition(3);
  dm.SetProgressPosition(3);
  dm.AdvanceProgress();
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(indicator.Position(), 4);
  EXPECT_EQ(texts, (std::vector<std::string>{"Идет подготовка"}));
}

}  // namespace
}  // namespace orv
