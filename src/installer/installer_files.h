#pragma once
// The files the installer handles in the program's directory.
#include <string_view>

#include "library/system_files.h"

namespace orv::installer {

using orv::kMainProgramFileName;
// The new main program file that a version ships beside the installed one.
inline constexpr std::string_view kNewProgramFileName = "Orvek_Pak._xe";

// The new version's settings, merged into Set_Param.dat or renamed to it.
inline constexpr std::string_view kNewSettingsFileName = "Set_Param._at";

inline constexpr std::string_view kScriptFileName = "temp.scr";
inline constexpr std::string_view kBatchFileName = "temp.bat";

}  // namespace orv::installer
