#pragma once
// Names as the project editor handles them: paths spelled as the author typed
// them (UTF-8), split the way the project field shows them.
#include <string>
#include <string_view>

namespace orv {

inline constexpr std::string_view kCommandPrefix = "c:";

// The directory part with its closing separator; empty for a bare name.
std::string DirectoryPart(std::string_view path);
// The text after the directory part.
std::string FileNamePart(std::string_view path);
// From the last dot of the file name on; empty when it has none.
std::string ExtensionPart(std::string_view path);
// A path for comparing with another: lower case, and on Windows one kind of
// separator, since a dialog and a typed name may spell them differently.
std::string ComparablePath(std::string_view path);
// The path with its extension replaced (added when it has none).
std::string ChangeExtension(std::string_view path, std::string_view extension);

// A defined name that begins with "c:" in either letter case.
bool IsCommandName(std::string_view defined_name);
// The section of a program: lower case, a leading "c:" removed.
std::string SectionNameOf(std::string_view defined_name);
// Pictures of the files list are the *.bmp files.
bool IsPictureName(std::string_view file_name);

}  // namespace orv
