// The registry editor's text file as a document: its sections (keys) with their value lines,
// parsed so that values can be read and changed while every line this store does not change,
// comments and values of unknown types included, is written back as it was read. Private to
// zlkgui.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zlk {

class RegistryParseError : public std::runtime_error {
 public:
  RegistryParseError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

struct RegistryValue {
  enum class Type { Dword, String, Other };
  Type type = Type::Other;
  std::uint32_t dword = 0;
  std::wstring string;
};

class RegistryDocument {
 public:
  // Parses the file's bytes (UTF-8, optionally with BOM, or UTF-16LE with BOM). An empty input is
  // an empty document. Throws RegistryParseError naming the line.
  static RegistryDocument Parse(const std::string& bytes);
  // The document as UTF-8 text with the version 5 header and LF line ends.
  std::string Serialize() const;

  // `key` is the full key name ("HKEY_CURRENT_USER\Software\..."); names compare without case.
  std::optional<RegistryValue> Get(const std::wstring& key, const std::wstring& name) const;
  // Sets a dword or string value, creating the key section when it is missing.
  void Set(const std::wstring& key, const std::wstring& name, const RegistryValue& value);

 private:
  struct Entry {
    std::wstring name;  // empty for blank and comment lines; "@" for the default value
    bool isValue = false;
    RegistryValue value;
    std::string raw;  // the line(s) as read or as last serialized, without the final line end
  };
  struct Section {
    std::wstring key;
    std::string header;  // "[...]" as read
    std::vector<Entry> entries;
  };

  void ParseLine(const std::vector<std::string>& lines, std::size_t& i);
  static Entry ValueEntry(const std::vector<std::string>& lines, std::size_t& i);
  Section* FindSection(const std::wstring& key);
  Section* AddSection(const std::wstring& key);
  const Section* FindSection(const std::wstring& key) const;

  std::vector<std::string> preamble_;  // lines between the header and the first section
  std::vector<Section> sections_;
};

// True when the two names are equal without regard to case.
bool SameName(const std::wstring& a, const std::wstring& b);

}  // namespace zlk
