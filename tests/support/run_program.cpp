#include "support/run_program.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <sys/wait.h>
#endif

namespace orv::test {

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::filesystem::path TempBase() {
  static std::mt19937_64 rng{std::random_device{}()};
  return std::filesystem::temp_directory_path() / ("orvpak-run-" + std::to_string(rng()));
}

#ifdef _WIN32

// The words of a POSIX shell command line: blanks separate them, single
// quotes keep everything, double quotes and backslashes as sh takes them. The
// tests write one command syntax for every platform; Windows has no sh.
std::vector<std::string> ShellWords(const std::string& command) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  for (size_t i = 0; i < command.size(); ++i) {
    char c = command[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '\'') {
      size_t end = command.find('\'', i + 1);
      if (end == std::string::npos) throw std::invalid_argument("unclosed ' in " + command);
      word += command.substr(i + 1, end - i - 1);
      i = end;
    } else if (c == '"') {
      for (++i; i < command.size() && command[i] != '"'; ++i) {
        if (command[i] == '\\' && i + 1 < command.size() &&
            std::string_view("\"\\$`").find(command[i + 1]) != std::string_view::npos)
          ++i;
        word += command[i];
      }
      if (i == command.size()) throw std::invalid_argument("unclosed \" in " + command);
    } else if (c == '\\' && i + 1 < command.size()) {
      word += command[++i];
    } else if (std::string_view("|&;<>()$`*?").find(c) != std::string_view::npos) {
      // What would need a real shell must not pass for something else here.
      throw std::invalid_argument("shell syntax not supported on Windows: " + command);
    } else {
      word += c;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

// One argument as the C runtime of the child splits its command line again.
std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only before a quote.
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

// This process's environment with the NAME=value entries set.
std::wstring EnvironmentBlock(const std::vector<std::wstring>& settings) {
  std::vector<std::wstring> entries;
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* e = current; *e; e += wcslen(e) + 1) entries.emplace_back(e);
  FreeEnvironmentStringsW(current);
  for (const std::wstring& setting : settings) {
    std::wstring name = setting.substr(0, setting.find(L'=') + 1);
    std::erase_if(entries, [&](const std::wstring& e) {
      return e.size() >= name.size() &&
             CompareStringOrdinal(e.c_str(), static_cast<int>(name.size()), name.c_str(),
                                  static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
    });
    entries.push_back(setting);
  }
  std::wstring block;
  for (const std::wstring& e : entries) block += e + L'\0';
  return block + L'\0';
}

HANDLE OpenInherited(const std::filesystem::path& path, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE handle = CreateFileW(
      path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
      &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  return handle;
}

int Run(const std::string& command, const std::filesystem::path& in,
        const std::filesystem::path& out, const std::filesystem::path& err) {
  std::vector<std::string> words = ShellWords(command);
  std::vector<std::wstring> settings;
  size_t first = 0;
  // Leading NAME=value words set the child's environment, as in sh.
  auto is_setting = [](const std::string& word) {
    size_t eq = word.find('=');
    return eq != std::string::npos && eq > 0 &&
           word.find_first_not_of(
               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") == eq;
  };
  while (first < words.size() && is_setting(words[first]))
    settings.push_back(WideFromUtf8(words[first++]));
  if (first == words.size()) throw std::invalid_argument("no program in: " + command);

  std::wstring line;
  for (size_t i = first; i < words.size(); ++i) {
    if (!line.empty()) line += L' ';
    line += QuoteArgument(WideFromUtf8(words[i]));
  }
  std::wstring environment = EnvironmentBlock(settings);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = OpenInherited(in, false);
  startup.hStdOutput = OpenInherited(out, true);
  startup.hStdError = OpenInherited(err, true);
  PROCESS_INFORMATION process{};
  BOOL started =
      CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                     environment.data(), nullptr, &startup, &process);
  CloseHandle(startup.hStdInput);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  // As sh reports a program it cannot find.
  if (!started) return 127;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

#else

int Run(const std::string& command, const std::filesystem::path& in,
        const std::filesystem::path& out, const std::filesystem::path& err) {
  std::string line = command + " < " + ShellQuote(in.string()) + " > " + ShellQuote(out.string()) +
                     " 2> " + ShellQuote(err.string());
  int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace

std::string ShellQuote(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

ProgramRun RunProgram(const std::string& command, const std::string& input) {
  std::filesystem::path base = TempBase();
  std::filesystem::path in_path = base.string() + ".in", out_path = base.string() + ".out",
                        err_path = base.string() + ".err";
  std::ofstream(in_path, std::ios::binary) << input;
  ProgramRun run;
  run.exit_code = Run(command, in_path, out_path, err_path);
  run.out = Slurp(out_path);
  run.err = Slurp(err_path);
  std::error_code ec;
  std::filesystem::remove(in_path, ec);
  std::filesystem::remove(out_path, ec);
  std::filesystem::remove(err_path, ec);
  return run;
}

}  // namespace orv::test
