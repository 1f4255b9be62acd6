#pragma once
// Which files of its directory a file links to, for the project editor's
// "Авто связи" modes.
#include <filesystem>
#include <string>
#include <vector>

#include "library/data_module.h"

namespace orv {

// Item indexes of "Авто связи"; a larger value acts as kLinksExtended.
inline constexpr int kLinksNone = 0;    // "Нет"
inline constexpr int kLinksDirect = 1;  // "Прямые ссылки": files named by string literals
inline constexpr int kLinksExtended = 2;  // "Расширенный поиск"

// Keeps, in order and with repeats, the names for which the directory's path
// followed directly by the name is an existing file (letter case of the last
// component ignored). A name never leaves the directory by being absolute.
void KeepExistingFiles(const std::filesystem::path& dir, std::vector<std::string>& names);

// The names, relative to the file's directory, of the files that the file
// links to; repeats are left for the caller to remove. Non-LISP files and
// mode kLinksNone link to nothing and are not read. Direct links are the
// string literals that name existing files. The extended search adds, for
// every function defined by the file or by a LISP file it names, the "bmp"
// and the comma-separated "program" files of the function's section in the
// description file, and then every *.bmp, *.slb and *.sld of the directory
// whose lower-cased name contains one of those function names or the base
// name of a link (once per name it contains). Raises IoError when a LISP file
// that has to be read cannot be read; dm.LispLines is refilled on the way.
void FindFileLinks(TDataModule1& dm, const std::filesystem::path& description_file,
                   const std::filesystem::path& file, std::vector<std::string>& links, int mode);

}  // namespace orv
