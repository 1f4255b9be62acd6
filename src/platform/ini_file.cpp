#include "platform/ini_file.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <unordered_map>
#include <unordered_set>

#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "platform/text_case.h"

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <sys/stat.h>
#endif

namespace orv {

namespace {

struct FileStamp {
  bool exists = false;
  long long mtime_ns = 0;
  long long size = 0;
  long long inode = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const fs::path& path) {
  FileStamp stamp;
#ifndef _WIN32
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.mtime_ns = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  stamp.size = st.st_size;
  stamp.inode = static_cast<long long>(st.st_ino);
#else
  // The file index tells a file replaced through a rename from the old one
  // even when the time and the size came out the same, as the inode does.
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return stamp;
  BY_HANDLE_FILE_INFORMATION info;
  bool known = GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  if (!known) return stamp;
  auto join = [](DWORD high, DWORD low) {
    return static_cast<long long>((static_cast<unsigned long long>(high) << 32) | low);
  };
  stamp.exists = true;
  stamp.mtime_ns = join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  stamp.size = join(info.nFileSizeHigh, info.nFileSizeLow);
  stamp.inode = join(info.nFileIndexHigh, info.nFileIndexLow);
#endif
  return stamp;
}

std::string_view Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(begin, end - begin);
}

// Line breaks inside a value would split it into other lines of the file.
std::string OneLine(std::string_view text) {
  if (std::none_of(text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; })) {
    return std::string(Trim(text));
  }
  std::string out(text);
  for (char& ch : out) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return std::string(Trim(out));
}

// A name folded for lookup, in a buffer reused by every lookup: folding into a
// new string for each read was a large part of the cost of big catalogs. The
// result is valid until the next call.
const std::string& Folded(std::string_view name) {
  thread_local std::string buffer;
  buffer.clear();
  AppendLowerCase(buffer, name);
  return buffer;
}

}  // namespace

struct IniEntry {
  bool is_key = false;
  std::string key;    // is_key
  std::string value;  // is_key
  std::string raw;    // !is_key: a comment, blank or junk line kept as it was
  bool first = true;  // is_key: no earlier key of the section has this name
};

struct IniSection {
  std::string name;
  std::vector<IniEntry> entries;
  std::unordered_map<std::string, size_t> index;  // folded key -> first entry

  void Reindex() {
    index.clear();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].is_key) {
        entries[i].first = index.try_emplace(LowerCase(entries[i].key), i).second;
      }
    }
  }
  const IniEntry* Find(std::string_view key) const {
    auto it = index.find(Folded(key));
    return it == index.end() ? nullptr : &entries[it->second];
  }
};

struct IniDocument {
  FileStamp stamp;
  // The batch in which the stamp was last compared with the file.
  unsigned checked_in_batch = 0;
  bool dirty = false;
  std::vector<std::string> preamble;
  std::vector<IniSection> sections;
  std::unordered_map<std::string, size_t> section_index;  // folded name -> first section

  IniSection* Find(std::string_view name) {
    auto it = section_index.find(Folded(name));
    return it == section_index.end() ? nullptr : &sections[it->second];
  }
  const IniSection* Find(std::string_view name) const {
    auto it = section_index.find(Folded(name));
    return it == section_index.end() ? nullptr : &sections[it->second];
  }
  IniSection& Obtain(std::string_view name) {
    name = Trim(name);
    if (IniSection* found = Find(name)) return *found;
    sections.push_back(IniSection{std::string(name), {}, {}});
    section_index.emplace(LowerCase(name), sections.size() - 1);
    return sections.back();
  }

  void Parse(std::string_view text) {
    IniSection* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(pos, end - pos);
      pos = end + 1;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      std::string_view trimmed = Trim(line);
      if (!trimmed.empty() && trimmed.front() == '[') {
        size_t close = trimmed.find(']');
        std::string_view name = Trim(trimmed.substr(
            1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        sections.push_back(IniSection{std::string(name), {}, {}});
        section_index.try_emplace(LowerCase(name), sections.size() - 1);
        current = &sections.back();
        continue;
      }
      size_t eq = trimmed.find('=');
      bool is_key = current && eq != std::string_view::npos && trimmed.front() != ';';
      if (!current) {
        preamble.emplace_back(line);
      } else if (is_key) {
        current->entries.push_back(IniEntry{true,
                                            std::string(Trim(trimmed.substr(0, eq))),
                                            std::string(Trim(trimmed.substr(eq + 1))),
                                            {},
                                            true});
      } else {
        current->entries.push_back(IniEntry{false, {}, {}, std::string(line), false});
      }
    }
    for (IniSection& section : sections) section.Reindex();
  }

  std::string Serialize() const {
    std::string text;
    for (const std::string& line : preamble) text += line + "\r\n";
    for (const IniSection& section : sections) {
      text += "[" + section.name + "]\r\n";
      for (const IniEntry& entry : section.entries) {
        if (entry.is_key) {
          text += entry.key;
          text += '=';
          text += entry.value;
        } else {
          text += entry.raw;
        }
        text += "\r\n";
      }
    }
    return text;
  }
};

namespace {

struct IniStore {
  std::unordered_map<std::string, std::shared_ptr<IniDocument>> documents;
  int batch_depth = 0;
  unsigned batch_number = 0;  // of the outermost batch, counted from 1
  // Grows whenever a document is read anew or dropped, so an object may keep
  // the document it found until then without looking it up again.
  unsigned long long generation = 0;
  std::unordered_set<std::string> pending;

  static std::string KeyOf(const fs::path& path) { return PathToUtf8(path.lexically_normal()); }

  std::shared_ptr<IniDocument> Load(const fs::path& path) {
    auto doc = std::make_shared<IniDocument>();
    doc->stamp = StampOf(path);
    if (doc->stamp.exists) {
      try {
        doc->Parse(DecodeCp1251(ReadFileBytes(path)));
      } catch (const IoError&) {
        // An unreadable file reads as empty.
      }
    }
    return doc;
  }

  std::shared_ptr<IniDocument> Get(const std::string& key, const fs::path& path) {
    auto it = documents.find(key);
    if (it != documents.end()) {
      IniDocument& doc = *it->second;
      // A batch trusts a document once it has checked it: a file changed
      // before the batch began is read again.
      if (doc.dirty || (batch_depth > 0 && doc.checked_in_batch == batch_number)) {
        return it->second;
      }
      if (StampOf(path) == doc.stamp) {
        doc.checked_in_batch = batch_number;
        return it->second;
      }
    }
    auto doc = Load(path);
    doc->checked_in_batch = batch_number;
    documents[key] = doc;
    ++generation;
    return doc;
  }

  void Write(const std::string& key, IniDocument& doc) {
    fs::path path = PathFromUtf8(key);
    doc.dirty = false;
    WriteFileAtomic(path, EncodeCp1251(doc.Serialize()));
    doc.stamp = StampOf(path);
  }

  void FlushPending() {
    auto keys = std::move(pending);
    pending.clear();
    for (const std::string& key : keys) {
      auto it = documents.find(key);
      if (it != documents.end() && it->second->dirty) Write(key, *it->second);
    }
  }
};

IniStore& Store() {
  static IniStore store;
  return store;
}

}  // namespace

TIniFile::TIniFile(const fs::path& path) : path_(ResolvePath(path)), key_(IniStore::KeyOf(path_)) {}

std::shared_ptr<IniDocument> TIniFile::Document() const {
  IniStore& store = Store();
  // Within a batch the document found last is still the one the store would
  // give, unless a document was read anew or dropped since.
  if (document_ && generation_ == store.generation && store.batch_depth > 0 &&
      (document_->dirty || document_->checked_in_batch == store.batch_number)) {
    return document_;
  }
  document_ = store.Get(key_, path_);
  generation_ = store.generation;
  return document_;
}

void TIniFile::Commit(IniDocument& doc) {
  IniStore& store = Store();
  if (store.batch_depth > 0) {
    doc.dirty = true;
    store.pending.insert(key_);
  } else {
    store.Write(key_, doc);
  }
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
  auto doc = Document();
  const IniSection* sec = doc->Find(section);
  if (!sec) return std::string(default_value);
  const IniEntry* entry = sec->Find(key);
  return entry ? entry->value : std::string(default_value);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  auto doc = Document();
  IniSection& sec = doc->Obtain(section);
  std::string clean = OneLine(value);
  auto it = sec.index.find(Folded(key));
  if (it != sec.index.end()) {
    if (sec.entries[it->second].value == clean && doc->stamp.exists) return;
    sec.entries[it->second].value = std::move(clean);
  } else {
    sec.entries.push_back(IniEntry{true, OneLine(key), std::move(clean), {}});
    sec.index.emplace(Folded(key), sec.entries.size() - 1);
  }
  Commit(*doc);
}

bool ParseIntegerValue(std::string_view text, int& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  int parsed = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || ptr != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
  int value = default_value;
  if (!ParseIntegerValue(ReadString(section, key), value)) return default_value;
  return value;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  auto doc = Document();
  if (const IniSection* sec = doc->Find(section)) {
    for (size_t i = 0; i < sec->entries.size(); ++i) {
      const IniEntry& entry = sec->entries[i];
      if (entry.is_key && entry.first) keys.push_back(entry.key);
    }
  }
  return keys;
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  auto doc = Document();
  for (size_t i = 0; i < doc->sections.size(); ++i) {
    if (doc->section_index.at(LowerCase(doc->sections[i].name)) == i) {
      names.push_back(doc->sections[i].name);
    }
  }
  return names;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionPairs(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> pairs;
  auto doc = Document();
  if (const IniSection* sec = doc->Find(section)) {
    for (size_t i = 0; i < sec->entries.size(); ++i) {
      const IniEntry& entry = sec->entries[i];
      if (entry.is_key && entry.first) {
        pairs.emplace_back(entry.key, entry.value);
      }
    }
  }
  return pairs;
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
  std::vector<std::string> lines;
  for (auto& [key, value] : ReadSectionPairs(section)) lines.push_back(key + "=" + value);
  return lines;
}

bool TIniFile::SectionExists(std::string_view section) const {
  return Document()->Find(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  auto doc = Document();
  const IniSection* sec = doc->Find(section);
  return sec && sec->Find(key);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  auto doc = Document();
  IniSection* sec = doc->Find(section);
  if (!sec || !sec->Find(key)) return;
  std::string folded = LowerCase(key);
  std::erase_if(sec->entries,
                [&](const IniEntry& e) { return e.is_key && LowerCase(e.key) == folded; });
  sec->Reindex();
  Commit(*doc);
}

void TIniFile::EraseSection(std::string_view section) {
  auto doc = Document();
  std::string folded = LowerCase(section);
  if (!doc->Find(section)) return;
  std::erase_if(doc->sections, [&](const IniSection& s) { return LowerCase(s.name) == folded; });
  doc->section_index.clear();
  for (size_t i = 0; i < doc->sections.size(); ++i) {
    doc->section_index.try_emplace(LowerCase(doc->sections[i].name), i);
  }
  Commit(*doc);
}

IniBatch::IniBatch() : uncaught_(std::uncaught_exceptions()) {
  if (Store().batch_depth++ == 0) ++Store().batch_number;
}

IniBatch::~IniBatch() noexcept(false) {
  IniStore& store = Store();
  if (--store.batch_depth != 0) return;
  try {
    store.FlushPending();
  } catch (const IoError&) {
    // While another error unwinds, that one is reported; the file keeps its
    // previous content either way.
    if (std::uncaught_exceptions() == uncaught_) throw;
  }
}

void ForgetIniFile(const fs::path& path) {
  IniStore& store = Store();
  std::string key = IniStore::KeyOf(path);
  store.documents.erase(key);
  store.pending.erase(key);
  ++store.generation;
}

}  // namespace orv
