#include "registry_document.h"

#include <cctype>
#include <cstdio>
#include <cwctype>
#include <iterator>

#include "afxstr.h"

namespace zlk {

namespace {

const char kHeader[] = "Windows Registry Editor Version 5.00";

// UTF-16LE bytes (after the byte-order mark) as UTF-8; unpaired surrogates are an error.
std::string Utf16ToUtf8(const std::string& bytes, std::size_t start) {
  std::wstring wide;
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    auto unit = static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      auto low = static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 2]) |
                                       (static_cast<unsigned char>(bytes[i + 3]) << 8));
      if (low < 0xDC00 || low > 0xDFFF) throw RegistryParseError(1, "broken UTF-16 text");
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      throw RegistryParseError(1, "broken UTF-16 text");
    }
    wide += static_cast<wchar_t>(unit);
  }
  if ((bytes.size() - start) % 2 != 0) throw RegistryParseError(1, "odd length of UTF-16 text");
  return WideToUtf8(wide);
}

std::string Decode(const std::string& bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return Utf16ToUtf8(bytes, 2);
  std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
  bool valid = true;
  Utf8ToWide(text, &valid);
  if (!valid) throw RegistryParseError(1, "the file is not UTF-8 text");
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string Trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Reads a quoted string at `pos` (at the opening quote) with \\ and \" escapes.
std::string Quoted(const std::string& text, std::size_t& pos, int line) {
  std::string out;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return out;
    }
    if (c == '\\') {
      if (++pos >= text.size()) break;
      c = text[pos];
    }
    out += c;
  }
  throw RegistryParseError(line, "a quoted text is not closed");
}

std::string Escape(const std::wstring& text) {
  std::string out;
  for (char c : WideToUtf8(text)) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

bool HasControl(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

std::vector<unsigned> HexBytes(const std::string& data, int line) {
  std::vector<unsigned> bytes;
  std::string cleaned;
  for (char c : data) {
    if (c != '\\' && c != ' ' && c != '\t') cleaned += c;
  }
  std::size_t pos = 0;
  while (pos < cleaned.size()) {
    std::size_t comma = cleaned.find(',', pos);
    std::string byte =
        cleaned.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    if (byte.size() != 2 || !std::isxdigit(static_cast<unsigned char>(byte[0])) ||
        !std::isxdigit(static_cast<unsigned char>(byte[1]))) {
      throw RegistryParseError(line, "bad hex byte '" + byte + "'");
    }
    bytes.push_back(static_cast<unsigned>(std::stoul(byte, nullptr, 16)));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return bytes;
}

// hex(1): a string as UTF-16LE bytes ending with a NUL character.
std::wstring StringFromHex(const std::vector<unsigned>& bytes) {
  std::string raw;
  for (unsigned b : bytes) raw += static_cast<char>(b);
  std::string utf8 = Utf16ToUtf8(raw.size() % 2 ? raw.substr(0, raw.size() - 1) : raw, 0);
  std::wstring text = Utf8ToWide(utf8);
  std::size_t nul = text.find(L'\0');
  return nul == std::wstring::npos ? text : text.substr(0, nul);
}

RegistryValue ParseData(const std::string& data, int line) {
  RegistryValue value;
  if (data.rfind("dword:", 0) == 0) {
    std::string digits = Trim(data.substr(6));
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      throw RegistryParseError(line, "bad dword value '" + data + "'");
    }
    value.type = RegistryValue::Type::Dword;
    value.dword = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
  } else if (!data.empty() && data[0] == '"') {
    std::size_t pos = 0;
    value.type = RegistryValue::Type::String;
    value.string = Utf8ToWide(Quoted(data, pos, line));
    if (!Trim(data.substr(pos)).empty()) throw RegistryParseError(line, "text after a string");
  } else if (data.rfind("hex(1):", 0) == 0) {
    value.type = RegistryValue::Type::String;
    try {
      value.string = StringFromHex(HexBytes(data.substr(7), line));
    } catch (const RegistryParseError&) {
      throw RegistryParseError(line, "bad text in hex(1) data");
    }
  } else if (data == "-" || data.rfind("hex", 0) == 0) {
    if (data != "-") {
      std::size_t colon = data.find(':');
      if (colon == std::string::npos) throw RegistryParseError(line, "hex value without ':'");
      HexBytes(data.substr(colon + 1), line);
    }
    value.type = RegistryValue::Type::Other;
  } else {
    throw RegistryParseError(line, "unknown value data '" + data + "'");
  }
  return value;
}

std::string HexLine(const std::string& prefix, const std::wstring& text) {
  std::string out = prefix + "hex(1):";
  std::size_t column = out.size();
  auto put = [&](unsigned byte, bool last) {
    static const char* digits = "0123456789abcdef";
    out += digits[byte >> 4];
    out += digits[byte & 15];
    column += 2;
    if (last) return;
    out += ',';
    if (++column > 76) {
      out += "\\\n  ";
      column = 2;
    }
  };
  std::vector<unsigned> bytes;
  for (wchar_t c : text) {
    auto code = static_cast<char32_t>(c);
    auto unit = [&](char32_t u) {
      bytes.push_back(u & 0xFF);
      bytes.push_back((u >> 8) & 0xFF);
    };
    if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
  }
  bytes.push_back(0);
  bytes.push_back(0);
  for (std::size_t i = 0; i < bytes.size(); ++i) put(bytes[i], i + 1 == bytes.size());
  return out;
}

std::string SerializeValue(const std::wstring& name, const RegistryValue& value) {
  std::string prefix = (name == L"@" ? std::string("@") : "\"" + Escape(name) + "\"") + "=";
  if (value.type == RegistryValue::Type::Dword) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x", value.dword);
    return prefix + digits;
  }
  if (HasControl(value.string)) return HexLine(prefix, value.string);
  return prefix + "\"" + Escape(value.string) + "\"";
}

}  // namespace

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
      return false;
    }
  }
  return true;
}

RegistryDocument RegistryDocument::Parse(const std::string& bytes) {
  RegistryDocument document;
  std::vector<std::string> lines = SplitLines(Decode(bytes));
  std::size_t i = 0;
  while (i < lines.size() && Trim(lines[i]).empty()) ++i;
  if (i == lines.size()) return document;
  std::string header = Trim(lines[i]);
  if (header != kHeader && header != "REGEDIT4") {
    throw RegistryParseError(static_cast<int>(i) + 1,
                             "not a registry file: first line is '" + header.substr(0, 60) + "'");
  }
  for (++i; i < lines.size(); ++i) document.ParseLine(lines, i);
  return document;
}

// One line (or, for hex data continued with '\\', several) of the body; `i` ends on its last.
void RegistryDocument::ParseLine(const std::vector<std::string>& lines, std::size_t& i) {
  int line = static_cast<int>(i) + 1;
  std::string text = Trim(lines[i]);
  if (text.empty() || text[0] == ';') {
    if (sections_.empty()) return preamble_.push_back(lines[i]);
    Entry entry;
    entry.raw = lines[i];
    return sections_.back().entries.push_back(std::move(entry));
  }
  if (text[0] == '[') {
    if (text.back() != ']' || text.size() < 3) {
      throw RegistryParseError(line, "a key name is not closed with ']'");
    }
    Section section;
    section.key = Utf8ToWide(text.substr(1, text.size() - 2));
    section.header = lines[i];
    return sections_.push_back(std::move(section));
  }
  if (text[0] != '"' && text[0] != '@') {
    throw RegistryParseError(
        line, "expected a key in brackets or a value, found '" + text.substr(0, 40) + "'");
  }
  if (sections_.empty()) throw RegistryParseError(line, "a value before any key");
  sections_.back().entries.push_back(ValueEntry(lines, i));
}

RegistryDocument::Entry RegistryDocument::ValueEntry(const std::vector<std::string>& lines,
                                                     std::size_t& i) {
  int line = static_cast<int>(i) + 1;
  Entry entry;
  entry.raw = lines[i];
  std::string text = Trim(lines[i]);
  while (!entry.raw.empty() && entry.raw.back() == '\\' && i + 1 < lines.size()) {
    entry.raw += "\n" + lines[++i];
    text += Trim(lines[i]);
  }
  std::size_t pos = 0;
  if (text[0] == '@') {
    entry.name = L"@";
    pos = 1;
  } else {
    entry.name = Utf8ToWide(Quoted(text, pos, line));
    if (entry.name.empty()) throw RegistryParseError(line, "a value without a name");
  }
  std::string rest = Trim(text.substr(pos));
  if (rest.empty() || rest[0] != '=') throw RegistryParseError(line, "expected '=' after the name");
  entry.isValue = true;
  entry.value = ParseData(Trim(rest.substr(1)), line);
  return entry;
}

std::string RegistryDocument::Serialize() const {
  std::string out = std::string(kHeader) + "\n";
  for (const auto& line : preamble_) out += line + "\n";
  for (const auto& section : sections_) {
    out += section.header + "\n";
    for (const auto& entry : section.entries) out += entry.raw + "\n";
  }
  return out;
}

RegistryDocument::Section* RegistryDocument::FindSection(const std::wstring& key) {
  for (auto it = sections_.rbegin(); it != sections_.rend(); ++it) {
    if (SameName(it->key, key)) return &*it;
  }
  return nullptr;
}

const RegistryDocument::Section* RegistryDocument::FindSection(const std::wstring& key) const {
  return const_cast<RegistryDocument*>(this)->FindSection(key);
}

// A new key goes at the end, after a blank line, and ends with a blank line as the editor writes.
RegistryDocument::Section* RegistryDocument::AddSection(const std::wstring& key) {
  if (sections_.empty() && (preamble_.empty() || !Trim(preamble_.back()).empty())) {
    preamble_.push_back("");
  }
  if (!sections_.empty()) {
    auto& entries = sections_.back().entries;
    if (entries.empty() || entries.back().isValue || !Trim(entries.back().raw).empty()) {
      entries.emplace_back();
    }
  }
  Section section;
  section.key = key;
  section.header = "[" + WideToUtf8(key) + "]";
  section.entries.emplace_back();
  sections_.push_back(std::move(section));
  return &sections_.back();
}

std::optional<RegistryValue> RegistryDocument::Get(const std::wstring& key,
                                                   const std::wstring& name) const {
  const Section* section = FindSection(key);
  if (!section) return std::nullopt;
  for (auto it = section->entries.rbegin(); it != section->entries.rend(); ++it) {
    if (it->isValue && SameName(it->name, name)) return it->value;
  }
  return std::nullopt;
}

void RegistryDocument::Set(const std::wstring& key, const std::wstring& name,
                           const RegistryValue& value) {
  Section* section = FindSection(key);
  if (!section) section = AddSection(key);
  for (auto it = section->entries.rbegin(); it != section->entries.rend(); ++it) {
    if (!it->isValue || !SameName(it->name, name)) continue;
    it->value = value;
    it->raw = SerializeValue(it->name, value);
    return;
  }
  auto where = section->entries.end();
  while (where != section->entries.begin() && !std::prev(where)->isValue &&
         Trim(std::prev(where)->raw).empty()) {
    --where;
  }
  Entry entry;
  entry.name = name;
  entry.isValue = true;
  entry.value = value;
  entry.raw = SerializeValue(name, value);
  section->entries.insert(where, std::move(entry));
}

}  // namespace zlk
