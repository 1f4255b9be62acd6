#include "library/distribution.h"

#include <gtest/gtest.h>

#include <map>

#include "library/catalog_rebuild.h"
#include "library/library_fixture.h"
#include "platform/progress_indicator.h"
#include "platform/scripted_ui.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

class DistributionTest : public ::testing::Test {
 protected:
  DistributionTest() : dm(prog, indicator) { std::filesystem::create_directories(prog); }

  // Runs the check; the message of the E_Chek it raised, empty when none.
  std::string Check(const std::filesystem::path& description) {
    try {
      CheckDistribution(dm, messages, dm.CatalogPath(), description, true);
    } catch (const E_Chek& e) {
      return e.Message();
    }
    return {};
  }
  std::string Copy(const std::filesystem::path& description) {
    try {
      CopyLibraryFiles(dm, messages, dm.CatalogPath(), description, true, &failed);
    } catch (const E_Chek& e) {
      return e.Message();
    }
    return {};
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }

  TempDir root;
  std::filesystem::path prog = root / "prog";
  std::filesystem::path dist = root / "dist";
  ProgressIndicator indicator;
  TDataModule1 dm;
  ScriptedMessageBox messages;
  std::vector<std::string> failed;
};

TEST_F(DistributionTest, CountsProgramsAndFilesAndChecksNothingWhileCounting) {
  WriteLines(dist / "a.ini", {"[file]", "x.lsp=", "y.lsp=", "a.ini=", "[program]", "p=", "q="});
  EXPECT_EQ(CheckDistribution(dm, messages, dm.CatalogPath(), dist / "a.ini", false), 5);
  EXPECT_EQ(CopyLibraryFiles(dm, messages, dm.CatalogPath(), dist / "a.ini", false), 3);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(test::FilesIn(prog).empty());
}

TEST_F(DistributionTest, RefusesTheFirstFaultOfADescription) {
  const std::vector<std::string> good = {
      "[file]", "p.lsp=", "p.bmp=",     "a.ini=",    "[program]",
      "p=",     "[p]",    "file=p.lsp", "bmp=p.bmp", "caption=П"};
  struct Case {
    const char* what;
    std::map<std::string, std::vector<std::string>> edits;  // a good line and what replaces it
    const char* message;
  } cases[] = {
      {"complete", {}, ""},
      {"no file", {{"file=p.lsp", {}}}, "Программа p не имеет поля \"file\""},
      {"no bmp", {{"bmp=p.bmp", {}}}, "Программа p не имеет поля \"Bmp\""},
      {"no caption", {{"caption=П", {}}}, "Программа p не имеет поля \"Caption\""},
      {"submenu without bmp",
       {{"caption=П", {"caption=П", "submenu=Арх\\Стены", "[Арх\\Стены]", "bmp="}}},
       "Субменю Арх\\Стены не имеет поля \"Bmp\""},
      {"submenu with bmp", {{"caption=П", {"caption=П", "submenu=Арх", "[Арх]", "bmp=p.bmp"}}}, ""},
      {"missing file",
       {{"a.ini=", {"gone.lsp=", "a.ini="}}},
       "Не найден файл дистрибутива \"gone.lsp\""},
      {"second program", {{"p=", {"p=", "q="}}}, "Программа q не имеет поля \"file\""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (const auto& line : good) {
      auto edit = c.edits.find(line);
      if (edit == c.edits.end()) {
        lines.push_back(line);
      } else {
        lines.insert(lines.end(), edit->second.begin(), edit->second.end());
      }
    }
    WriteLines(dist / "a.ini", lines);
    WriteLines(dist / "p.lsp", {"x"});
    test::WriteBitmap(dist / "p.bmp");
    EXPECT_EQ(Check(dist / "a.ini"), c.message) << c.what;
  }
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(test::FilesIn(prog).empty());
}

TEST_F(DistributionTest, RefusesNamesOutsideTheDirectoryBeforeAnythingHappens) {
  for (std::string name :
       {"..\\..\\x.lsp", "../x.lsp", "/tmp/x.lsp", "\\x.lsp", "C:\\x.lsp", "sub\\..\\..\\x.lsp"}) {
    // The name is listed last, after a program that would ask and a file that
    // would be copied.
    test::WriteLibrary(dist, {"a", {{"p", "П", "", ""}}, {}});
    WriteLines(dist / "a.ini", test::LibraryLines({"a", {{"p", "П", "", ""}}, {name}}));
    WriteLines(prog / "Orvpak.set", {"[p]", "file=p.lsp"});  // p is installed
    std::string expected =
        "Недопустимое имя файла дистрибутива \"" + name + "\": файл лежит вне каталога библиотеки";
    EXPECT_EQ(Check(dist / "a.ini"), expected);
    EXPECT_EQ(Copy(dist / "a.ini"), expected);
    EXPECT_TRUE(messages.shown().empty()) << name;
    EXPECT_EQ(test::FilesIn(prog), (std::vector<std::string>{"Orvpak.set"})) << name;
  }
}

TEST_F(DistributionTest, AsksBeforeUpdatingAnInstalledProgram) {
  test::WriteLibrary(dist, {"a", {{"p", "П", "", ""}, {"q", "Q", "", ""}, {"r", "R", "", ""}}, {}});
  WriteLines(prog / "Orvpak.set", {"[p]", "file=p.lsp", "[q]", "file=", "[r]", "file=r.lsp"});
  struct Case {
    std::vector<Answer> answers;
    std::vector<std::string> asked;
    const char* message;
  } cases[] = {
      // q has an empty file value: it does not count as installed.
      {{Answer::Yes, Answer::Yes}, {"p", "r"}, ""},
      {{Answer::All}, {"p"}, ""},
      {{Answer::Yes, Answer::No}, {"p", "r"}, "Прерванно пользователем"},
      {{Answer::No}, {"p"}, "Прерванно пользователем"},
      {{Answer::None, Answer::None}, {"p", "r"}, ""},  // closed without a choice: go on
  };
  for (const Case& c : cases) {
    messages.ClearShown();
    for (Answer a : c.answers) messages.SetNextAnswer(a);
    EXPECT_EQ(Check(dist / "a.ini"), c.message);
    std::vector<std::string> expected;
    for (const auto& p : c.asked)
      expected.push_back("У Вас уже установлен элемент " + p + " Обновить его (все)");
    EXPECT_EQ(Questions(), expected);
    for (const auto& shown : messages.shown()) {
      EXPECT_EQ(shown.type, MsgType::Warning);
      EXPECT_EQ(shown.buttons, static_cast<unsigned>(kYes | kNo | kAll));
    }
  }
}

TEST_F(DistributionTest, AsksBeforeReplacingAnInstalledFile) {
  // Files in order: p.lsp q.lsp r.lsp a.bmp a.ini; the first three are installed.
  test::WriteLibrary(dist, {"a", {{"p", "П", "", ""}, {"q", "Q", "", ""}, {"r", "R", "", ""}}, {}});
  struct Case {
    std::vector<Answer> answers;
    int questions;
    std::vector<std::string> replaced;  // of p, q, r
    const char* message;
  } cases[] = {
      {{Answer::Yes, Answer::No, Answer::Yes}, 3, {"p", "r"}, ""},
      {{Answer::No, Answer::All}, 2, {"q", "r"}, ""},
      {{Answer::Yes, Answer::Cancel}, 2, {"p"}, "Прерванно пользователем"},
      {{Answer::None, Answer::None, Answer::None}, 3, {}, ""},  // closed: keep the installed file
  };
  for (const Case& c : cases) {
    for (const char* p : {"p", "q", "r"}) WriteLines(prog / (std::string(p) + ".lsp"), {"old"});
    std::filesystem::remove(prog / "a.ini");
    std::filesystem::remove(prog / "a.bmp");
    messages.ClearShown();
    for (Answer a : c.answers) messages.SetNextAnswer(a);
    EXPECT_EQ(Copy(dist / "a.ini"), c.message);
    ASSERT_EQ(static_cast<int>(messages.shown().size()), c.questions);
    EXPECT_EQ(messages.shown()[0].text, "У Вас уже установлен файл p.lsp Обновить его (все)");
    EXPECT_EQ(messages.shown()[0].buttons, static_cast<unsigned>(kYes | kNo | kCancel | kAll));
    for (const char* p : {"p", "q", "r"}) {
      bool replaced = std::find(c.replaced.begin(), c.replaced.end(), p) != c.replaced.end();
      EXPECT_EQ(test::ReadBytes(prog / (std::string(p) + ".lsp")) != test::CrLf({"old"}), replaced)
          << p;
    }
    // Files after a Cancel are not copied; otherwise the new ones are.
    EXPECT_EQ(std::filesystem::exists(prog / "a.ini"), *c.message == 0);
  }
  EXPECT_TRUE(failed.empty());
}

TEST_F(DistributionTest, ACopyThatFailsIsNamedAndTheOthersAreCopied) {
  test::WriteLibrary(dist, {"a", {{"p", "П", "", ""}}, {"big.dat"}});
  std::filesystem::remove(dist / "big.dat");  // an unreadable source
  std::filesystem::create_directories(prog / "p.lsp" /
                                      "x");  // a destination that cannot be written
  EXPECT_EQ(Copy(dist / "a.ini"), "");
  EXPECT_EQ(failed, (std::vector<std::string>{"p.lsp", "big.dat"}));
  EXPECT_TRUE(std::filesystem::exists(prog / "a.ini"));
  EXPECT_TRUE(std::filesystem::exists(prog / "a.bmp"));
}

}  // namespace
}  // namespace orv
