#include "menugen/item_macro.h"

#include "library/comma_list.h"

namespace orv {

std::string DirectLoadExpression(std::string_view program, std::string_view files) {
  std::string text = "(if(= ";
  text += program;
  text += " nil)(progn";
  bool first = true;
  // An empty file list loads nothing, as in the autoload stubs.
  for (const std::string& file : SplitCommaList(files)) {
    if (!first) text += ' ';
    first = false;
    text += "(load \"" + file + "\")";
  }
  text += ")) ";
  return text;
}

std::string ItemMacro(const TIniFile& catalog, std::string_view program) {
  std::string macro = "^C^C";
  if (catalog.ReadString(program, "No_Install").empty()) {
    macro += "OV_";
  } else {
    macro += DirectLoadExpression(program, catalog.ReadString(program, "file"));
  }
  macro += program;
  macro += ' ';
  return macro;
}

}  // namespace orv
