#include "app/add_library.h"

#include "library/distribution.h"
#include "menugen/menu_files.h"

namespace orv {

std::string StopMessage(const std::string& check_message) {
  return "Процесс аварийно остановлен. \"" + check_message +
         "\" Рекомендую провести полную ревизию";
}

int AddLibrarySteps(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& catalog,
                    const std::filesystem::path& description, bool pass, AddLibraryResult* result) {
  // Each phase is announced: by a step of the position while counting, by
  // its text while working.
  auto announce = [&](std::string_view text) {
    if (!pass) {
      dm.AdvanceProgress();
    } else if (!text.empty()) {
      dm.SetProgressText(text);
    }
  };
  std::vector<std::string> failed;
  int steps = 0;
  try {
    announce("Проверка загружемой библиотеки");
    steps += CheckDistribution(dm, messages, catalog, description, pass);
    announce("Копирование файлов");
    steps += CopyLibraryFiles(dm, messages, catalog, description, pass, &failed);
    announce({});
    steps += GenerateMenuFiles(dm, pass);
  } catch (const E_Chek& e) {
    messages.Show(MsgType::Error, StopMessage(e.Message()), kOk);
    if (result) {
      result->stopped = true;
      result->failed_copies = std::move(failed);
    }
    return 0;
  }
  if (result) result->failed_copies = std::move(failed);
  return steps;
}

}  // namespace orv
