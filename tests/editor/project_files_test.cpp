#include "lisp/file_links.h"
#include "project_fixture.h"

namespace orv::test {
namespace {

using Strings = std::vector<std::string>;

class ProjectFiles : public ProjectFixture {
 protected:
  // a.lsp names b.lsp, which names c.lsp; a.lsp defines draw, whose picture
  // the extended search finds by name.
  void WriteChain() {
    WriteLines(In("a.lsp"), {"(defun c:draw () (load \"b.lsp\"))"});
    WriteLines(In("b.lsp"), {"(defun bb () (load \"C.LSP\"))"});
    WriteLines(In("c.lsp"), {"(defun cc () (princ))"});
    WriteBitmap(In("draw.bmp"));
    WriteBitmap(In("zzz.bmp"));
  }
};

TEST_F(ProjectFiles, AddingTakesTheLinkedFilesInOrderAndTheProjectLast) {
  WriteChain();
  struct Case {
    int mode;
    Strings keys;
  };
  const Case cases[] = {
      {kLinksNone, {"zzz.bmp", "a.lsp", "lib.ini"}},
      {kLinksDirect, {"zzz.bmp", "a.lsp", "b.lsp", "c.lsp", "lib.ini"}},
      // Base names and function names find pictures too: "draw" and the
      // letter b of b.lsp both lie in draw.bmp.
      {kLinksExtended, {"zzz.bmp", "a.lsp", "b.lsp", "draw.bmp", "c.lsp", "lib.ini"}},
  };
  for (const Case& c : cases) {
    // The project's own name first, an existing key keeps its place.
    WriteProject({"[file]", "lib.ini=", "zzz.bmp="});
    page.RadioGroup1 = c.mode;
    Open();
    files.SetNextFileName(In("A.LSP"));
    page.AddFilClick();
    EXPECT_EQ(Keys("file"), c.keys) << "mode " << c.mode;
    EXPECT_EQ(Texts(page.RxCheckListFile), Strings(c.keys.begin(), c.keys.end() - 1));
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Добавление файлов завершено"),
              statuses.end());
  }
  ASSERT_FALSE(files.requests().empty());
  EXPECT_EQ(files.requests()[0].filter,
            "Программы (*.lsp)|*.lsp|Файлы иконок (*.bmp)|*.bmp|Все файлы (*.*)|*.*");
  // equivalent() cannot open directories on Windows.
  EXPECT_EQ(std::filesystem::canonical(files.requests()[0].initial_dir),
            std::filesystem::canonical(proj));
}

TEST_F(ProjectFiles, RefusedAdditionsWriteNothing) {
  WriteLines(dir / "other/x.lsp", {"(defun c:x () nil)"});
  WriteProject({"[file]", "lib.ini="});
  page.RadioGroup1 = kLinksDirect;
  Open();
  const std::string before = Project();
  const std::string refusal =
      "Извините, но Вы можете добавлять файлы только из каталога " + PathToUtf8(proj) + "/" + "   ";

  files.SetNextFileName(dir / "other/x.lsp");
  page.AddFilClick();
  files.SetNextFileName(In("LIB.ini"));  // the project itself
  page.AddFilClick();
  EXPECT_EQ(ShownTexts(), (Strings{refusal, refusal}));
  EXPECT_EQ(Project(), before);

  // A LISP file that cannot be read stops the addition before anything is written.
  files.SetNextFileName(In("typed.lsp"));
  EXPECT_THROW(page.AddFilClick(), IoError);
  EXPECT_EQ(Project(), before);

  ProjectPage unnamed(dm, UiServices{messages, files, shell, help}, images);
  messages.ClearShown();
  unnamed.AddFilClick();
  EXPECT_EQ(ShownTexts(), (Strings{"Извините, но сначала надо выбрать название INI файла   "}));
  EXPECT_EQ(files.requests().size(), 3u) << "no dialog without a project directory";
}

class ProjectRemoval : public ProjectFixture {
 protected:
  // a.lsp and d.lsp both need b.lsp; c.lsp stands alone; e.lsp needs f.lsp.
  void SetUp() override {
    WriteLines(In("a.lsp"), {"(load \"b.lsp\")"});
    WriteLines(In("b.lsp"), {"(princ)"});
    WriteLines(In("c.lsp"), {"(princ)"});
    WriteLines(In("d.lsp"), {"(load \"b.lsp\")"});
    WriteLines(In("e.lsp"), {"(load \"f.lsp\")"});
    WriteLines(In("f.lsp"), {"(princ)"});
    WriteProject(
        {"[file]", "a.lsp=", "b.lsp=", "c.lsp=", "d.lsp=", "e.lsp=", "f.lsp=", "lib.ini="});
    page.RadioGroup1 = kLinksDirect;
    Open();
  }
  void Select(std::string_view name) {
    page.RxCheckListFile.SetItemIndex(page.RxCheckListFile.IndexOf(name));
  }
};

TEST_F(ProjectRemoval, RemovesTheFilesThatOnlyTheSelectedOneNeeds) {
  struct Case {
    const char* selected;  // empty: no selection
    RemoveResult result;
    Strings removed;
    const char* shown;
  };
  const Case cases[] = {
      {"e.lsp", RemoveResult::Removed, {"e.lsp", "f.lsp"}, "Удалить файлы?   e.lsp f.lsp   "},
      {"a.lsp", RemoveResult::Removed, {"a.lsp"}, "Удалить файлы?   a.lsp   "},
      // No selection: the last entry, d.lsp, now the only one that needs b.lsp.
      {"", RemoveResult::Removed, {"b.lsp", "d.lsp"}, "Удалить файлы?   b.lsp d.lsp   "},
  };
  Strings remaining = Keys("file");
  for (const Case& c : cases) {
    messages.ClearShown();
    if (*c.selected) {
      Select(c.selected);
    } else {
      page.RxCheckListFile.SetItemIndex(-1);
    }
    messages.SetNextAnswer(Answer::Ok);
    EXPECT_EQ(page.DelFilClick(), c.result) << c.selected;
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, c.shown);
    EXPECT_EQ(messages.shown()[0].buttons, kOk | kCancel);
    for (const std::string& name : c.removed) std::erase(remaining, name);
    EXPECT_EQ(Keys("file"), remaining) << c.selected;
    EXPECT_EQ(page.RxCheckListFile.IndexOf(c.removed[0]), -1);
    EXPECT_EQ(dm.ProgressText(), "Удаление файлов завершено");
  }
}

TEST_F(ProjectRemoval, AFileThatOthersNeedIsNotRemoved) {
  const std::string before = Project();
  Select("b.lsp");
  EXPECT_EQ(page.DelFilClick(), RemoveResult::Refused);
  EXPECT_EQ(ShownTexts(),
            (Strings{"На выделенный Файл есть ссылки в других файлах. Удаление "
                     "отменено! (файл можно удалить в режиме отсутсвия авто-связей)"}));
  EXPECT_EQ(dm.ProgressText(), "Удаление файлов отменено");

  Select("e.lsp");
  messages.SetNextAnswer(Answer::Cancel);
  EXPECT_EQ(page.DelFilClick(), RemoveResult::Cancelled);
  EXPECT_EQ(dm.ProgressText(), "Удаление файлов отменено");
  EXPECT_EQ(Project(), before);
  EXPECT_EQ(indicator.Position(), indicator.Maximum());

  // Without links every file goes alone.
  page.RadioGroup1 = kLinksNone;
  page.RadioGroup1Click();
  Select("b.lsp");
  messages.SetNextAnswer(Answer::Ok);
  EXPECT_EQ(page.DelFilClick(), RemoveResult::Removed);
  EXPECT_EQ(Keys("file"), (Strings{"a.lsp", "c.lsp", "d.lsp", "e.lsp", "f.lsp", "lib.ini"}));
}

}  // namespace
}  // namespace orv::test
