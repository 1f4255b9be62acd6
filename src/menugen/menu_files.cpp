#include "menugen/menu_files.h"

#include <string>
#include <vector>

#include "library/catalog_rebuild.h"
#include "library/settings.h"
#include "menugen/image_menu.h"
#include "menugen/menu_lisp.h"
#include "menugen/pulldown.h"
#include "menugen/toolbars.h"
#include "platform/ini_file.h"
#include "platform/text_file.h"

namespace orv {

int GenerateMenuFiles(TDataModule1& dm, bool pass) {
  // Checked before the catalog is touched, so that a missing template stops
  // a command in its counting pass with every file as it was.
  const std::vector<std::string> template_lines = ReadMenuLispTemplate(dm);
  const std::string name = SettingsFile(dm.ProgramDir()).MenuName();
  const std::filesystem::path catalog = dm.CatalogPath();

  if (pass) {
    dm.SetProgressText("Идет обновление информации по INI файлам");
  } else {
    dm.AdvanceProgress();
  }
  // The rebuild writes the catalog once, complete, before the menu files.
  int result = RebuildCatalog(dm, catalog, pass);
  // The writers only read: within a batch each file is checked on disk once,
  // not at every key.
  IniBatch batch;

  const std::string lisp_name = name + ".mnl";
  if (pass) {
    dm.SetProgressText("Идет создание файла " + lisp_name);
  } else {
    dm.AdvanceProgress();
  }
  result += WriteMenuLisp(dm, template_lines, catalog, dm.ProgramFile(lisp_name), pass);

  const std::string source_name = name + ".mns";
  if (pass) {
    dm.SetProgressText("Идет создание файла " + source_name);
  } else {
    dm.AdvanceProgress();
  }
  result += WriteMenuSource(dm, catalog, dm.ProgramFile(source_name), pass);

  if (!pass) dm.AdvanceProgress();
  return result;
}

int WriteMenuSource(TDataModule1& dm, const std::filesystem::path& catalog,
                    const std::filesystem::path& menu_source, bool pass) {
  SettingsFile settings(dm.ProgramDir());
  const std::string name = settings.MenuName();
  const std::string caption = settings.MenuCaption();
  std::vector<std::string> text;
  std::vector<std::string> lines;
  int count = 0;
  auto take = [&] {
    if (pass) {
      text.insert(text.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
    } else {
      count += static_cast<int>(lines.size());
    }
  };
  BuildPulldownLines(dm, catalog, lines, pass);
  take();
  BuildToolbarLines(dm, catalog, name, caption, lines, pass);
  take();
  BuildImageLines(dm, catalog, name, lines, pass);
  take();
  // Written whole through a temporary file: a failure leaves the old file.
  if (pass) WriteTextLines(menu_source, text);
  return count;
}

}  // namespace orv
