#include "menugen/menu_lisp.h"

#include "library/comma_list.h"
#include "library/menu_tree.h"
#include "platform/ini_file.h"
#include "platform/text_file.h"

namespace orv {

namespace {

void AppendStub(std::vector<std::string>& lines, const std::string& program, bool keep_settings,
                const std::string& files) {
  lines.push_back("(defun C:OV_" + program + " ()");
  if (keep_settings) lines.push_back(" (Get_Setup)");
  lines.push_back(" (if (= " + program + " nil)");
  lines.push_back("   (progn");
  lines.push_back("     (princ \"\\nДозагрузка \")");
  for (const std::string& file : SplitCommaList(files)) {
    lines.push_back("     (load \"" + file + "\")");
  }
  lines.push_back("     (princ \" Завершена\\n\")))");
  lines.push_back(" (" + program + ")");
  if (keep_settings) lines.push_back(" (Set_Setup)");
  lines.push_back(" (princ))");
  lines.push_back("");
}

}  // namespace

std::vector<std::string> ReadMenuLispTemplate(const TDataModule1& dm) {
  std::vector<std::string> lines = ReadTextLines(dm.ProgramFile(kTemplateFileName));
  if (lines.empty()) lines.emplace_back();
  return lines;
}

int WriteMenuLisp(TDataModule1& dm, const std::filesystem::path& catalog,
                  const std::filesystem::path& menu_lisp, bool pass) {
  return WriteMenuLisp(dm, ReadMenuLispTemplate(dm), catalog, menu_lisp, pass);
}

int WriteMenuLisp(TDataModule1& dm, const std::vector<std::string>& template_lines,
                  const std::filesystem::path& catalog, const std::filesystem::path& menu_lisp,
                  bool pass) {
  const int template_count = static_cast<int>(template_lines.size());
  std::vector<std::string> programs = ProgramList(catalog);
  if (!pass) return template_count + static_cast<int>(programs.size());

  std::vector<std::string> lines;
  lines.reserve(template_lines.size() + 10 * programs.size() + 3);
  lines.push_back("(load \"set_out.lsp\")");
  if (dm.error_handler_flag) lines.push_back("(load \"set_err.lsp\")");
  for (const std::string& line : template_lines) {
    dm.AdvanceProgress();
    lines.push_back(line);
  }
  TIniFile ini(catalog);
  for (const std::string& program : programs) {
    dm.AdvanceProgress();
    if (!ini.ReadString(program, "No_Install").empty()) continue;
    AppendStub(lines, program, ini.ReadString(program, "save").empty(),
               ini.ReadString(program, "file"));
  }
  lines.push_back("(princ)");
  // Written whole through a temporary file: a failure leaves the old file.
  WriteTextLines(menu_lisp, lines);
  return template_count;
}

}  // namespace orv
