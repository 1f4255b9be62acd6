#include "library/catalog_rebuild.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "library/comma_list.h"
#include "library/menu_tree.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

// The users of every file that a rebuild has met so far. A file that many
// libraries share would otherwise be read back, searched and rewritten whole
// for each of them, which grows with the square of their number.
class FileUsers {
 public:
  // Adds the description file unless the list holds it; the key is written at
  // once, so the catalog keeps the order in which files first appear.
  void Add(TIniFile& catalog, const std::string& file, const std::string& description) {
    auto [found, fresh] = index_.try_emplace(LowerCase(file), lists_.size());
    if (fresh) {
      lists_.push_back(List{file, description, {description}, false});
      catalog.WriteString("file", file, description);
      return;
    }
    List& list = lists_[found->second];
    if (!list.names.insert(description).second) return;
    list.users += ',' + description;
    list.grown = true;
  }

  void WriteGrown(TIniFile& catalog) const {
    for (const List& list : lists_) {
      if (list.grown) catalog.WriteString("file", list.file, list.users);
    }
  }

 private:
  struct List {
    std::string file;
    std::string users;  // joined by commas, in merge order
    std::unordered_set<std::string> names;
    bool grown;
  };
  std::vector<List> lists_;
  std::unordered_map<std::string, size_t> index_;  // folded file name -> list
};

// users: the lists of the rebuild under way, or none for a single merge into
// an existing catalog.
int Merge(TDataModule1& dm, const TIniFile& description, TIniFile& catalog, bool pass,
          FileUsers* users) {
  int result = 0;
  const std::string own_name = FileNameOf(description.FileName());

  std::vector<std::string> files = description.ReadSection("file");
  if (!pass) {
    result += static_cast<int>(files.size());
  } else {
    for (const std::string& file : files) {
      if (users) {
        users->Add(catalog, file, own_name);
      } else {
        std::string list = catalog.ReadString("file", file);
        if (!CommaListHolds(list, own_name)) {
          if (!list.empty()) list += ',';
          list += own_name;
        }
        catalog.WriteString("file", file, list);
      }
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
  FileUsers users;
  int total = 0;
  for (const std::string& name : ListDirectory(dm.ProgramDir(), "*.ini")) {
    TIniFile description(JoinPath(dm.ProgramDir(), name));
    total += Merge(dm, description, catalog_ini, pass, &users);
  }
  users.WriteGrown(catalog_ini);
  return total;
}

int MergeDescriptionIntoCatalog(TDataModule1& dm, const std::filesystem::path& description,
                                const std::filesystem::path& catalog, bool pass) {
  IniBatch batch;
  TIniFile catalog_ini(catalog);
  return Merge(dm, TIniFile(description), catalog_ini, pass, nullptr);
}

}  // namespace orv
