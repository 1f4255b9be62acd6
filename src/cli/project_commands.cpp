// orvpak project: the project editor's operations on a library description
// file, for authors who script their libraries.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_context.h"
#include "editor/project_names.h"
#include "editor/project_page.h"
#include "editor/project_tools.h"
#include "library/comma_list.h"
#include "library/settings.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv::cli {

namespace {

// Questions go to the console; a warning or an error with only an OK button
// is kept, so that the command can fail with it or pass it on to stderr.
class ProjectMessages : public IMessageBox {
 public:
  explicit ProjectMessages(IMessageBox& console) : console_(console) {}

  Answer Show(MsgType type, std::string_view text, unsigned buttons,
              std::string_view caption) override {
    if (buttons != kOk) return console_.Show(type, text, buttons, caption);
    if (type == MsgType::Warning || type == MsgType::Error) {
      problems_.emplace_back(text);
    } else {
      std::cout << text << "\n";
    }
    return Answer::Ok;
  }

  // Fails with the first problem reported so far.
  void RaiseProblems() {
    if (problems_.empty()) return;
    std::string first = problems_.front();
    problems_.clear();
    throw CommandFailed{first};
  }
  // A problem on the way that does not spoil the result.
  void PrintProblems() {
    for (const std::string& text : problems_) std::cerr << text << "\n";
    problems_.clear();
  }

 private:
  IMessageBox& console_;
  std::vector<std::string> problems_;
};

struct ProjectArgs {
  std::string file;
  int mode = -1;  // -1: Auto_Sv of the settings
  std::string path;
  std::string name;
  std::string field;
  std::string value;
};

// The project page without a window, on one project file.
class ProjectSession {
 public:
  ProjectSession(CliContext& ctx, const ProjectArgs& args)
      : dm_(ctx.ProgramDir(), indicator_),
        messages_(ctx.Messages()),
        page(dm_, UiServices{messages_, ctx.files, ctx.Shell(), ctx.help}, images_) {
    std::string name = PathToUtf8(std::filesystem::absolute(PathFromUtf8(args.file)));
    // The page names every project *.ini; the tools below work on that name too.
    if (LowerCase(ExtensionPart(name)) != ".ini") name = ChangeExtension(name, ".ini");
    project_name_ = name;
    page.RadioGroup1 = args.mode >= 0 ? args.mode : SettingsFile(dm_.ProgramDir()).AutoSv();
    // Scripts name functions explicitly, so every defined function is offered.
    page.CheckBoxProgAll = true;
  }

  const std::string& ProjectName() const { return project_name_; }
  std::filesystem::path ProjectPath() const { return ResolvePath(PathFromUtf8(project_name_)); }
  TDataModule1& DataModule() { return dm_; }
  ProjectMessages& Messages() { return messages_; }

  void RequireProject() const {
    if (!FileExists(ProjectPath())) throw CommandFailed{"Нет файла " + project_name_};
  }
  // Reads the project and analyses its files, as opening it on the page does.
  void Open() {
    page.SetProjectName(project_name_);
    messages_.PrintProblems();
  }

  // The programs-list entry of a program, by its name with or without "c:".
  int ProgramIndex(std::string_view program) const {
    const std::string section = SectionNameOf(program);
    int found = -1;
    for (int i = 0; i < page.RxCheckListCom.Count() && found < 0; ++i) {
      if (EqualsNoCase(page.RxCheckListCom.Text(i), program)) found = i;
    }
    for (int i = 0; i < page.RxCheckListCom.Count() && found < 0; ++i) {
      if (SectionNameOf(page.RxCheckListCom.Text(i)) == section) found = i;
    }
    return found;
  }
  int RequireProgram(std::string_view program) const {
    int index = ProgramIndex(program);
    if (index < 0) {
      throw CommandFailed{"Программа " + std::string(program) + " не определена в файлах проекта"};
    }
    return index;
  }
  int RequireFile(std::string_view name) const {
    int index = page.RxCheckListFile.IndexOf(name);
    if (index < 0) throw CommandFailed{"Файл " + std::string(name) + " не входит в проект"};
    return index;
  }
  // Selects a program and shows its properties, as a click in the list does.
  void SelectProgram(int index) {
    page.RxCheckListCom.SetItemIndex(index);
    page.RxCheckListComClick();
    messages_.PrintProblems();
  }

 private:
  ProgressIndicator indicator_;
  TDataModule1 dm_;
  ProjectMessages messages_;
  ImageList images_;
  std::string project_name_;

 public:
  ProjectPage page;
};

void PrintList(std::string_view label, const NoCaseStringList& list) {
  if (list.empty()) return;
  std::cout << "    " << label << ":";
  for (size_t i = 0; i < list.size(); ++i) std::cout << (i ? ", " : " ") << list[i];
  std::cout << "\n";
}

void Show(ProjectSession& session) {
  session.RequireProject();
  session.Open();
  const ProjectPage& page = session.page;
  std::cout << "Файлы проекта:\n";
  for (int i = 0; i < page.RxCheckListFile.Count(); ++i) {
    std::cout << "  " << page.RxCheckListFile.Text(i) << "\n";
    if (const TDblStringList* analysis = page.RxCheckListFile.Links(i)) {
      PrintList("связи", analysis->Links);
      PrintList("определяет", analysis->Definitions);
    }
  }
  std::cout << "Программы проекта:\n";
  TIniFile ini(session.ProjectPath());
  for (int i = 0; i < page.RxCheckListCom.Count(); ++i) {
    const std::string& entry = page.RxCheckListCom.Text(i);
    std::cout << "  " << (page.RxCheckListCom.Checked(i) ? "[x] " : "[ ] ") << entry << "\n";
    const std::string section = SectionNameOf(entry);
    if (section.empty()) continue;
    for (auto& [key, value] : ini.ReadSectionPairs(section)) {
      std::cout << "    " << key << "=" << value << "\n";
    }
  }
}

void Add(ProjectSession& session, const std::string& path_arg) {
  session.Open();
  std::filesystem::path path = PathFromUtf8(path_arg);
  // A bare name is a file of the project directory.
  path =
      path.has_parent_path() ? std::filesystem::absolute(path) : session.page.ProjectFile(path_arg);
  bool added = session.page.AddFilesWithLinks(path);
  session.Messages().RaiseProblems();
  if (!added) throw CommandFailed{"Файл не добавлен"};
  session.page.FilenameEdit1Change();
  std::cout << "Добавление файлов завершено\n";
}

void Remove(ProjectSession& session, const std::string& name) {
  session.RequireProject();
  session.Open();
  session.page.RxCheckListFile.SetItemIndex(session.RequireFile(name));
  switch (session.page.DelFilClick()) {
    case RemoveResult::Refused:
      session.Messages().RaiseProblems();
      break;
    case RemoveResult::Cancelled:
    case RemoveResult::Nothing:
      throw CommandFailed{"Удаление файлов отменено"};
    case RemoveResult::Removed:
      std::cout << "Удаление файлов завершено\n";
      break;
  }
}

void Register(ProjectSession& session, const std::string& program, bool registered) {
  session.RequireProject();
  session.Open();
  ProjectPage& page = session.page;
  int index = session.ProgramIndex(program);
  if (index < 0 && !registered) {
    // A program whose files left the project can still be taken off.
    TIniFile ini(session.ProjectPath());
    if (!ini.ValueExists("program", SectionNameOf(program))) session.RequireProgram(program);
    ini.DeleteKey("program", SectionNameOf(program));
    return;
  }
  index = session.RequireProgram(program);
  if (page.RxCheckListCom.Checked(index) != registered) page.ClickProgramCheck(index);
  session.Messages().PrintProblems();
}

void Set(ProjectSession& session, const ProjectArgs& args) {
  session.RequireProject();
  session.Open();
  ProjectPage& page = session.page;
  session.SelectProgram(session.RequireProgram(args.name));
  if (args.field == "caption") {
    page.EditCaption = args.value;
    page.EditCaptionExit();
  } else if (args.field == "submenu") {
    page.EditMenu = args.value;
    page.EditMenuExit();
  } else if (args.field == "bmp") {
    int index = session.RequireFile(args.value);
    if (!IsPictureName(args.value)) throw CommandFailed{args.value + " не рисунок (*.bmp)"};
    page.RxCheckListFile.SetItemIndex(index);
    page.RxCheckListFile.SetChecked(index, true);
    page.RxCheckListFileClickCheck();
  } else if (args.field == "files") {
    std::vector<int> wanted;
    for (const std::string& name : SplitCommaList(args.value)) {
      wanted.push_back(session.RequireFile(name));
      if (IsPictureName(name)) throw CommandFailed{name + " - рисунок; он задается полем bmp"};
    }
    for (int i = 0; i < page.RxCheckListFile.Count(); ++i) {
      if (!IsPictureName(page.RxCheckListFile.Text(i))) page.RxCheckListFile.SetChecked(i, false);
    }
    for (int index : wanted) page.RxCheckListFile.SetChecked(index, true);
    page.WriteCheckedFiles();
  } else if (args.field == "save") {
    if (!page.CheckBox1Enabled) {
      throw CommandFailed{"Авто-сохранение настроек задается только для функций, не для команд"};
    }
    page.CheckBox1 = args.value == "on";
    page.CheckBox1Click();
  }
  session.Messages().RaiseProblems();
}

}  // namespace

void AddProjectCommands(CLI::App& app, CliContext& ctx) {
  static ProjectArgs args;
  CLI::App* project = app.add_subcommand(
      "project", "Edit a library description file (the project) as the project editor does");
  project->add_option("FILE", args.file, "The description file (*.ini)")->required();
  project->require_subcommand(1);

  auto add_mode = [](CLI::App* command) {
    command
        ->add_option("--mode", args.mode,
                     "Links between files: 0 none, 1 direct, 2 extended (default: Auto_Sv)")
        ->check(CLI::Range(0, 2));
  };
  auto session = [&ctx] { return std::make_unique<ProjectSession>(ctx, args); };

  CLI::App* show = project->add_subcommand(
      "show", "Print the files with their links and definitions, and the programs");
  add_mode(show);
  show->callback([session] { Show(*session()); });

  CLI::App* add = project->add_subcommand(
      "add", "Add a file of the project directory with the files it links to");
  add->add_option("PATH", args.path, "The file (a bare name: in the project directory)")
      ->required();
  add_mode(add);
  add->callback([session] { Add(*session(), args.path); });

  CLI::App* remove =
      project->add_subcommand("remove", "Remove a file with the files that only it links to");
  remove->add_option("NAME", args.name, "The file name as the project lists it")->required();
  remove->add_flag("--yes", ctx.assume_yes, "Do not ask before removing");
  add_mode(remove);
  remove->callback([session] { Remove(*session(), args.name); });

  CLI::App* reg = project->add_subcommand("register", "Register a program of the project");
  reg->add_option("PROGRAM", args.name, "The program (function) name")->required();
  reg->callback([session] { Register(*session(), args.name, true); });

  CLI::App* unreg = project->add_subcommand("unregister", "Take a program off the project");
  unreg->add_option("PROGRAM", args.name, "The program (function) name")->required();
  unreg->callback([session] { Register(*session(), args.name, false); });

  CLI::App* set = project->add_subcommand(
      "set",
      "Set a property of a program: caption, submenu (path with backslashes), bmp (a picture "
      "of the project), files (LISP files of the project joined by commas, written in the "
      "project's order) or save (on: the settings are saved around the call, off: not)");
  set->add_option("PROGRAM", args.name, "The program (function) name")->required();
  set->add_option("FIELD", args.field, "caption, submenu, bmp, files or save")
      ->required()
      ->check(CLI::IsMember({"caption", "submenu", "bmp", "files", "save"}));
  set->add_option("VALUE", args.value, "The new value (may be empty)")->required();
  set->callback([session] {
    if (args.field == "save" && args.value != "on" && args.value != "off") {
      throw CommandFailed{"save: on или off", kExitUsage};
    }
    Set(*session(), args);
  });

  project
      ->add_subcommand("optimise",
                       "Drop what the system does not read; the old file is kept as *._ni")
      ->callback([session] {
        auto s = session();
        s->RequireProject();
        if (!OptimiseDescriptionFile(s->ProjectPath())) {
          throw CommandFailed{"Не удается сохранить копию " +
                              PathToUtf8(BackupPathOf(s->ProjectPath()))};
        }
      });

  CLI::App* exp = project->add_subcommand(
      "export", "Take over every entry of another description file, except its *.ini names");
  exp->add_option("OTHER", args.path, "The other description file")->required();
  exp->callback([session] {
    auto s = session();
    std::filesystem::path other = ResolvePath(std::filesystem::absolute(PathFromUtf8(args.path)));
    if (!FileExists(other)) throw CommandFailed{"Нет файла " + args.path};
    ExportDescriptionFile(s->ProjectPath(), other);
  });

  CLI::App* copy = project->add_subcommand(
      "copy", "Copy the library with all its files into the directory of TARGET under its name");
  copy->add_option("TARGET", args.path, "The new description file")->required();
  copy->add_flag("--yes", ctx.assume_yes, "Replace existing files without asking");
  copy->callback([session] {
    auto s = session();
    s->RequireProject();
    CopyLibrary(s->DataModule(), s->Messages(), s->ProjectPath(),
                std::filesystem::absolute(PathFromUtf8(args.path)));
  });
}

}  // namespace orv::cli
