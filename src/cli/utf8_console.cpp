// On Windows the C runtime hands main its arguments in the ANSI code page and
// prints through the console code page, which lose every letter outside them.
#include <string>
#include <vector>

#include "cli/cli_context.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>

// clang-format off
#include "platform/win32.h"
#include <shellapi.h>
// clang-format on
#endif

namespace orv::cli {

void UseUtf8Console(int& argc, char**& argv) {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  // Bytes as written, LF line ends included, exactly as on the other systems.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);

  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return;
  static std::vector<std::string> args;
  static std::vector<char*> pointers;
  for (int i = 0; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  for (std::string& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  argc = count;
  argv = pointers.data();
#else
  (void)argc;
  (void)argv;
#endif
}

}  // namespace orv::cli
