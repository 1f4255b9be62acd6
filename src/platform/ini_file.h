#pragma once
// INI profile files, Windows-1251 on disk.
//
// What callers rely on: section and key names match without regard to letter
// case (Cyrillic included); keys keep their order, a new key goes to the end of
// its section and a new section to the end of the file; a key ends at the first
// equals sign; an empty value reads as empty; every object sees what any other
// object wrote; a write replaces the file through a temporary file and a
// rename, and is on disk when the call returns.
//
// Junk is tolerated: LF or CR LF line ends, no final line break, blank and
// comment lines (kept when the file is rewritten), lines without an equals
// sign, binary bytes. Blanks around names and values are dropped. Where a
// section or a key occurs twice the first occurrence wins for reads and writes;
// the later ones stay in the file as they were.
//
// All objects on one file share one parsed document. Outside an IniBatch every
// read checks the file's time stamp and re-reads it when another program
// changed it. Inside an IniBatch the documents are trusted and writes are held
// back until the outermost batch ends, so an operation that writes thousands of
// keys rewrites each file once; the file is complete on disk when the batch
// (the operation) returns.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

struct IniDocument;

class TIniFile {
 public:
  // Succeeds whether or not the file exists.
  explicit TIniFile(const std::filesystem::path& path);

  const std::filesystem::path& FileName() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value = {}) const;
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;
  void WriteInteger(std::string_view section, std::string_view key, int value);
  bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Key names in file order, keys with empty values included.
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::vector<std::string> ReadSections() const;
  // "key=value" per key in file order, empty values included.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;
  // The same as pairs, for callers that would split the lines anyway.
  std::vector<std::pair<std::string, std::string>> ReadSectionPairs(std::string_view section) const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

 private:
  std::shared_ptr<IniDocument> Document() const;
  void Commit(IniDocument& doc);

  std::filesystem::path path_;
  std::string key_;  // the file's name among the shared documents, made once
  mutable std::shared_ptr<IniDocument> document_;  // found last
  mutable unsigned long long generation_ = 0;      // of the store, when found
};

// Holds back the writing of INI files until the outermost batch ends.
class IniBatch {
 public:
  IniBatch();
  // Writes what was held back; a write error is raised unless another error
  // is already on its way.
  ~IniBatch() noexcept(false);
  IniBatch(const IniBatch&) = delete;
  IniBatch& operator=(const IniBatch&) = delete;

 private:
  int uncaught_;
};

// Drops what is known of a file that was deleted, renamed or replaced by other
// means, so the next read takes it from disk. Pending writes are discarded.
void ForgetIniFile(const std::filesystem::path& path);

// Parses INI text (UTF-8, already decoded); exposed for the tests.
bool ParseIntegerValue(std::string_view text, int& value);

}  // namespace orv
