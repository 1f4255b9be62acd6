#include "support/worked_example.h"

#include "support/test_support.h"

namespace orv::test {

std::vector<std::string> WorkedExampleCatalog() {
  return {"[program]",
          "STENA=1",
          "OKNO=2",
          "[STENA]",
          "file=stena.lsp",
          "caption=Стена",
          "bmp=stena.bmp",
          "[OKNO]",
          "file=okno.lsp,okno2.lsp",
          "caption=Окно",
          "submenu=Архитектура",
          "bmp=okno.bmp",
          "save=No",
          "[Архитектура]",
          "bmp=arch.bmp"};
}

void WriteWorkedExampleLibrary(const std::filesystem::path& dir) {
  WriteLines(dir / "Orvpak.mtt", kWorkedExampleTemplate);
  std::vector<std::string> lines = {"[file]", "stena.lsp=", "okno.lsp=", "okno2.lsp=", "okno.ini="};
  for (const std::string& line : WorkedExampleCatalog()) lines.push_back(line);
  for (const char* line : {"[menu_image]", "a=**Окна", "b=[Окно 1]^C^COV_OKNO"}) {
    lines.push_back(line);
  }
  WriteLines(dir / "okno.ini", lines);
}

std::vector<std::string> WorkedExampleMenuSource(const std::string& dir_text,
                                                 const std::string& menu_name) {
  const std::string& m = menu_name;
  return {
      "//",
      "//      AutoCAD файл меню - " + dir_text + m + ".mns",
      "//",
      "",
      "***MENUGROUP=" + m,
      "",
      "***POP1",
      "   [Библ.]",
      "   [Стена]^C^COV_STENA ",
      "   [->Архитектура]",
      "      [<-Окно]^C^COV_OKNO ",
      "",
      "***TOOLBARS",
      "**Библ.",
      "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]",
      "ID__1        [_Button(\"Стена\", \"stena.bmp\", \"ICON_16_BLANK\")]^C^COV_STENA ",
      "ID__2        [_Flyout(\"Архитектура\", arch.bmp, ICON_16_BLANK, _OtherIcon, " + m +
          ".Архитектура)]",
      "",
      "**Архитектура",
      "              [_Toolbar(\"Архитектура\", _Right, _Show, 0, 1, 1)]",
      "ID__5        [_Button(\"Окно\", \"okno.bmp\", \"ICON_16_BLANK\")]^C^COV_OKNO ",
      "",
      "***IMAGE",
      " ",
      "**Окна",
      "[Окно 1]^C^COV_OKNO",
      "",
      "//",
      "//      Конец AutoCAD файла меню - " + dir_text + m + ".mns",
      "//",
  };
}

std::vector<std::string> WorkedExampleMenuLisp(const std::vector<std::string>& template_lines) {
  std::vector<std::string> lines = {"(load \"set_out.lsp\")", "(load \"set_err.lsp\")"};
  lines.insert(lines.end(), template_lines.begin(), template_lines.end());
  lines.insert(lines.end(), {"(defun C:OV_STENA ()",
                             " (Get_Setup)",
                             " (if (= STENA nil)",
                             "   (progn",
                             "     (princ \"\\nДозагрузка \")",
                             "     (load \"stena.lsp\")",
                             "     (princ \" Завершена\\n\")))",
                             " (STENA)",
                             " (Set_Setup)",
                             " (princ))",
                             "",
                             "(defun C:OV_OKNO ()",
                             " (if (= OKNO nil)",
                             "   (progn",
                             "     (princ \"\\nДозагрузка \")",
                             "     (load \"okno.lsp\")",
                             "     (load \"okno2.lsp\")",
                             "     (princ \" Завершена\\n\")))",
                             " (OKNO)",
                             " (princ))",
                             "",
                             "(princ)"});
  return lines;
}

}  // namespace orv::test
