#pragma once
// The installation of one distribution: check, copy, regenerate.
#include <filesystem>
#include <string>
#include <vector>

#include "library/data_module.h"
#include "platform/dialogs.h"

namespace orv {

struct AddLibraryResult {
  // A check failed or the user refused; the stop message was shown.
  bool stopped = false;
  // Files that could not be copied; the others were.
  std::vector<std::string> failed_copies;
};

// The check, the copy into the catalog's directory and the generation of the
// menu files. A check error stops the remaining phases and is shown as the
// stop message; the result is then 0 and result->stopped is set.
int AddLibrarySteps(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& catalog,
                    const std::filesystem::path& description, bool pass,
                    AddLibraryResult* result = nullptr);

// "Процесс аварийно остановлен. "…" Рекомендую провести полную ревизию"
std::string StopMessage(const std::string& check_message);

}  // namespace orv
