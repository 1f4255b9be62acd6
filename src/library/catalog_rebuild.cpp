#include "library/catalog_rebuild.h"

#include <string>

#include "library/comma_list.h"
#include "library/menu_tree.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace orv {

namespace {

int Merge(TDataModule1& dm, const TIniFile& description, TIniFile& catalog, bool pass) {
  int result = 0;
  const std::string own_name = FileNameOf(description.FileName());

  std::vector<std::string> files = description.ReadSection("file");
  if (!pass) {
    result += static_cast<int>(files.size());
  } else {
    for (const std::string& file : files) {
      std::string users = catalog.ReadString("file", file);
      if (!CommaListHolds(users, own_name)) {
        if (!users.empty()) users += ',';
        users += own_name;
      }
      catalog.WriteString("file", file, users);
      dm.AdvanceProgress();
    }
  }

  auto image_lines = description.ReadSectionPairs("menu_image");
  if (!pass) {
    result += static_cast<int>(image_lines.size());
  } else {
    for (const auto& [name, value] : image_lines) {
      catalog.WriteString("menu_image",
                          std::string(kImageLabelPrefix) + std::to_string(dm.image_label_counter),
                          value);
      ++dm.image_label_counter;
      dm.AdvanceProgress();
    }
  }

  for (const auto& [program, order_text] : description.ReadSectionPairs("program")) {
    int order = kDefaultOrder;  // kept for a missing or non-numeric value
    ParseIntegerValue(order_text, order);
    catalog.WriteInteger("program", program, order);
    for (const auto& [key, value] : description.ReadSectionPairs(program)) {
      catalog.WriteString(program, key, value);
    }
    std::string submenu = description.ReadString(program, "submenu");
    if (submenu.empty()) continue;
    auto submenu_lines = description.ReadSectionPairs(submenu);
    if (!pass) {
      result += static_cast<int>(submenu_lines.size());
      continue;
    }
    for (const auto& [key, value] : submenu_lines) {
      dm.AdvanceProgress();
      catalog.WriteString(submenu, key, value);
    }
  }
  return pass ? 0 : result;
}

}  // namespace

int RebuildCatalog(TDataModule1& dm, const std::filesystem::path& catalog, bool pass) {
  // Every write lands in memory; the catalog reaches the disk once, complete,
  // when the rebuild (or the operation around it) ends.
  IniBatch batch;
  if (pass) {
    dm.image_label_counter = 1;
    DeleteFile(catalog);
  }
  TIniFile catalog_ini(catalog);
  int total = 0;
  for (const std::string& name : ListDirectory(dm.ProgramDir(), "*.ini")) {
    TIniFile description(JoinPath(dm.ProgramDir(), name));
    total += Merge(dm, description, catalog_ini, pass);
  }
  return total;
}

int MergeDescriptionIntoCatalog(TDataModule1& dm, const std::filesystem::path& description,
                                const std::filesystem::path& catalog, bool pass) {
  IniBatch batch;
  TIniFile catalog_ini(catalog);
  return Merge(dm, TIniFile(description), catalog_ini, pass);
}

}  // namespace orv
