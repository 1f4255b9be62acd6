#pragma once
// Names of the system's own files in the program directory.
#include <string_view>

namespace orv {

inline constexpr std::string_view kCatalogFileName = "Orvpak.set";
inline constexpr std::string_view kTemplateFileName = "Orvpak.mtt";

// The main program file as the platform names programs.
#ifdef _WIN32
inline constexpr std::string_view kMainProgramFileName = "Orvek_Pak.exe";
#else
inline constexpr std::string_view kMainProgramFileName = "Orvek_Pak";
#endif

}  // namespace orv
