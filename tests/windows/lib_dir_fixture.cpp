#include "lib_dir_fixture.h"

#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "support/test_support.h"

namespace orv::test {

namespace {
// Left in C:\LIB while the tests own it.
constexpr const char* kMarker = ".orvpak-tests";
}  // namespace

void LibDirTest::SetUp() {
  if (std::filesystem::exists(lib) && !std::filesystem::exists(lib / kMarker))
    FAIL() << "C:\\LIB exists and was not made by these tests; not touched";
  std::filesystem::remove_all(lib);
  std::filesystem::create_directories(lib);
  WriteLines(lib / kMarker, {});
}

void LibDirTest::TearDown() {
  std::error_code ec;
  if (std::filesystem::exists(lib / kMarker, ec)) std::filesystem::remove_all(lib, ec);
}

std::filesystem::path LibDirTest::Lib(std::string_view name) const {
  return lib / PathFromUtf8(name);
}

std::string Cp1251Lines(const std::vector<std::string>& lines) {
  return EncodeCp1251(CrLf(lines));
}

}  // namespace orv::test
