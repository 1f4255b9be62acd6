// The registry store of the Windows build against the registry of the system
// it runs on (under Wine, the prefix's), and the installer's registration of
// C:\LIB through it, as a 32-bit AutoCAD 2000 recorded itself.
#include <gtest/gtest.h>

#include <memory>

#include "installer/autocad_registration.h"
#include "lib_dir_fixture.h"
#include "platform/registry.h"
#include "platform/win32.h"
#include "support/run_program.h"
#include "support/test_support.h"

namespace orv::test {
namespace {

using installer::RegisterWithAutoCad;
using installer::Registration;

const std::wstring kMachineKey = L"Software\\Autodesk\\AutoCAD";
const std::wstring kProductKey = kMachineKey + L"\\R15.0\\ACAD-1:409";
const std::wstring kProfilesKey = L"Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles";
const std::wstring kGeneralKey = kProfilesKey + L"\\<<Unnamed Profile>>\\General";
const std::string kGeneral =
    "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles\\<<Unnamed Profile>>\\General";
// Put beside AutoCAD's machine key while the tests own it.
const wchar_t* const kMarker = L"orvpak-tests";

// A value as a 32-bit program sees it, which is where AutoCAD 2000 keeps it.
void SetRaw(HKEY root, const std::wstring& key, const wchar_t* name, DWORD type, const void* data,
            DWORD size) {
  HKEY handle;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                            nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(handle);
}

void SetString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  SetRaw(root, key, name, REG_SZ, value.c_str(),
         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> GetString(HKEY root, const std::wstring& key, const wchar_t* name) {
  HKEY handle;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &handle) !=
      ERROR_SUCCESS)
    return std::nullopt;
  wchar_t buffer[2048] = {};
  DWORD type = 0, size = sizeof buffer - sizeof(wchar_t);
  LONG status =
      RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(buffer);
}

bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY handle;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &handle) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

class RegistryTest : public LibDirTest {
 protected:
  // AutoCAD's keys belong to the tests only when they made them: a real
  // AutoCAD's are never touched.
  void SetUp() override {
    LibDirTest::SetUp();
    if (HasFatalFailure()) return;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      if (KeyExists(root, L"Software\\Autodesk") &&
          !GetString(root, L"Software\\Autodesk", kMarker)) {
        FAIL() << "AutoCAD's registry keys exist and were not made by these tests; not touched";
      }
      DeleteAutodeskKeys(root);
      SetString(root, L"Software\\Autodesk", kMarker, L"1");
    }
  }

  void TearDown() override {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      if (GetString(root, L"Software\\Autodesk", kMarker)) DeleteAutodeskKeys(root);
    }
    LibDirTest::TearDown();
  }

  static void DeleteAutodeskKeys(HKEY root) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      HKEY software;
      if (RegOpenKeyExW(root, L"Software", 0, KEY_ALL_ACCESS | view, &software) == ERROR_SUCCESS) {
        RegDeleteTreeW(software, L"Autodesk");
        RegCloseKey(software);
      }
    }
  }

  // What AutoCAD 2000 records of itself when it is installed in C:\ACAD2000.
  static void RegisterAutoCad(const std::wstring& support_path) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"CurVer", L"R15.0");
    SetString(HKEY_LOCAL_MACHINE, kMachineKey + L"\\R15.0", L"CurVer", L"ACAD-1:409");
    SetString(HKEY_LOCAL_MACHINE, kProductKey, L"AcadLocation", L"C:\\ACAD2000");
    SetString(HKEY_CURRENT_USER, kProfilesKey, nullptr, L"<<Unnamed Profile>>");
    SetString(HKEY_CURRENT_USER, kGeneralKey, L"ACAD", support_path);
  }

  std::unique_ptr<RegistryStore> store = OpenPlatformRegistry();
};

TEST_F(RegistryTest, StoreReadsAndWritesStringValuesWhereAutoCadKeepsThem) {
  std::string profiles = "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles";
  store->Write(RootKey::CurrentUser, profiles, "", "<<Unnamed Profile>>");
  store->Write(RootKey::CurrentUser, kGeneral, "ACAD", "C:\\Старые библиотеки;C:\\LIB");
  // Other programs read what the store wrote, letters beyond ASCII included.
  EXPECT_EQ(GetString(HKEY_CURRENT_USER, kProfilesKey, nullptr), L"<<Unnamed Profile>>");
  EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGeneralKey, L"ACAD"), L"C:\\Старые библиотеки;C:\\LIB");

  SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"CurVer", L"R15.0");
  // Stored without its terminating zero, as some installers write strings.
  const wchar_t location[] = L"C:\\ACAD2000";
  SetRaw(HKEY_LOCAL_MACHINE, kProductKey, L"AcadLocation", REG_SZ, location,
         static_cast<DWORD>(wcslen(location) * sizeof(wchar_t)));
  const wchar_t expand[] = L"%SystemRoot%\\fonts";
  SetRaw(HKEY_LOCAL_MACHINE, kProductKey, L"Fonts", REG_EXPAND_SZ, expand, sizeof expand);
  DWORD number = 5;
  SetRaw(HKEY_LOCAL_MACHINE, kProductKey, L"Count", REG_DWORD, &number, sizeof number);

  struct Case {
    RootKey root;
    std::string key, name;
    std::optional<std::string> value;
  } cases[] = {
      {RootKey::CurrentUser, profiles, "", "<<Unnamed Profile>>"},
      {RootKey::CurrentUser, kGeneral, "acad", "C:\\Старые библиотеки;C:\\LIB"},
      {RootKey::LocalMachine, "\\software\\AUTODESK\\AutoCAD\\", "CurVer", "R15.0"},
      {RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "AcadLocation",
       "C:\\ACAD2000"},
      {RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "Fonts",
       "%SystemRoot%\\fonts"},
      {RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "Count",
       std::nullopt},
      {RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD", "Missing", std::nullopt},
      {RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R99", "CurVer", std::nullopt},
      // The machine's keys are not the user's.
      {RootKey::CurrentUser, "Software\\Autodesk\\AutoCAD", "CurVer", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(store->Read(c.root, c.key, c.name), c.value) << c.key << " : " << c.name;
  }
}

TEST_F(RegistryTest, RegistrationAddsCLibToTheSupportPathAndWritesScriptAndBatch) {
  RegisterAutoCad(L"C:\\ACAD2000\\SUPPORT;C:\\LIBRARY;");
  ASSERT_EQ(RegisterWithAutoCad(lib, "LIB_M", *store), Registration::Done);
  EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGeneralKey, L"ACAD"),
            L"C:\\ACAD2000\\SUPPORT;C:\\LIBRARY;C:\\LIB");
  EXPECT_EQ(ReadBytes(Lib("temp.scr")), CrLf({R"((command "_menuload" "C:\\LIB\\LIB_M.mnl"))"}));
  EXPECT_EQ(ReadBytes(Lib("temp.bat")), CrLf({R"("C:\ACAD2000\Acad.Exe"  /b "C:\LIB\temp.scr")"}));

  // Once there, the directory is not added again.
  ASSERT_EQ(RegisterWithAutoCad(lib, "LIB_M", *store), Registration::Done);
  EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGeneralKey, L"ACAD"),
            L"C:\\ACAD2000\\SUPPORT;C:\\LIBRARY;C:\\LIB");
}

TEST_F(RegistryTest, OrvpakInstallRegistersAFirstInstallation) {
  RegisterAutoCad(L"");
  WriteLines(Lib("Set_Param._at"), {"[Setup]", "Menu_Name=LIB_M", "First_Run=1"});
  ProgramRun run = RunProgram(std::string(ORVPAK_EXE) +
                              " --dir 'C:\\LIB' install --menu-name МЕНЮ --menu-caption 'Мои "
                              "программы'");
  ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
  EXPECT_EQ(ReadCp1251(Lib("Set_Param.dat")),
            CrLf({"[Setup]", "Menu_Name=МЕНЮ", "First_Run=1", "Menu_Сaption=Мои программы"}));
  EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGeneralKey, L"ACAD"), L"C:\\LIB");
  EXPECT_EQ(ReadCp1251(Lib("temp.scr")), CrLf({R"((command "_menuload" "C:\\LIB\\МЕНЮ.mnl"))"}));
  EXPECT_EQ(ReadBytes(Lib("temp.bat")), CrLf({R"("C:\ACAD2000\Acad.Exe"  /b "C:\LIB\temp.scr")"}));
}

}  // namespace
}  // namespace orv::test
