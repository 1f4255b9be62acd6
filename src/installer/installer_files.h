#pragma once
// The files the installer handles in the program's directory.
#include <string_view>

namespace orv::installer {

// The main program file as the platform names programs, and the new one that
// a version ships beside it.
#ifdef _WIN32
inline constexpr std::string_view kProgramFileName = "Orvek_Pak.exe";
#else
inline constexpr std::string_view kProgramFileName = "Orvek_Pak";
#endif
inline constexpr std::string_view kNewProgramFileName = "Orvek_Pak._xe";

// The new version's settings, merged into Set_Param.dat or renamed to it.
inline constexpr std::string_view kNewSettingsFileName = "Set_Param._at";

inline constexpr std::string_view kScriptFileName = "temp.scr";
inline constexpr std::string_view kBatchFileName = "temp.bat";

}  // namespace orv::installer
