#include "app/MenuFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/Utf8.h"

namespace app {
namespace {

constexpr int kLastPullDown = 499;

std::wstring DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (std::optional<std::wstring> utf8 = DecodeUtf8(bytes)) return *utf8;
  std::wstring latin1;
  for (const char byte : bytes) latin1 += static_cast<wchar_t>(static_cast<unsigned char>(byte));
  return latin1;
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.remove_suffix(1);
  return text;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// One logical line: continuation lines joined, with the number of its first physical line.
struct Line {
  std::wstring text;
  int number = 0;
};

std::vector<Line> SplitLines(std::wstring_view text) {
  std::vector<Line> lines;
  bool continuing = false;
  for (size_t start = 0, number = 1; start < text.size(); ++number) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    if (!continuing) lines.push_back(Line{L"", static_cast<int>(number)});
    continuing = !line.empty() && line.back() == L'+';
    if (continuing) line.remove_suffix(1);
    lines.back().text += line;
  }
  return lines;
}

class MenuParser {
 public:
  explicit MenuParser(const std::string& fileName) : file_(fileName) {
    group_.file = fileName;
    group_.name = DecodeText(BaseName(fileName));
  }

  MenuGroup Parse(std::wstring_view text) {
    for (const Line& line : SplitLines(text)) {
      line_ = line.number;
      ParseLine(Trim(line.text));
    }
    FinishPullDown();
    return std::move(group_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw MenuFileError(file_ + ":" + std::to_string(line_) + ": " + what);
  }

  void ParseLine(std::wstring_view text) {
    if (text.empty() || text.starts_with(L"//")) return;
    if (text.starts_with(L"***")) return ParseSection(text.substr(3));
    if (!inSection_) Fail("text outside a menu section");
    if (current_ == nullptr) return;  // a section the host does not use
    if (text.starts_with(L"**")) return AddAlias(Trim(text.substr(2)));
    ParseItem(text);
  }

  void ParseSection(std::wstring_view header) {
    FinishPullDown();
    const std::wstring upper = AsciiUpper(Trim(header));
    if (upper.starts_with(L"MENUGROUP")) return SetGroupName(header);
    inSection_ = true;
    if (!upper.starts_with(L"POP")) return;
    const std::string digits = EncodeUtf8(std::wstring_view(upper).substr(3));
    int number = -1;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || result.ptr != digits.data() + digits.size() || number < 0 ||
        number > kLastPullDown) {
      Fail("bad pull-down section '***" + EncodeUtf8(header) + "' (use ***POP0 to ***POP499)");
    }
    group_.pullDowns.push_back(PullDownMenu{number, {}, L"", {}});
    current_ = &group_.pullDowns.back();
    titled_ = false;
    depth_ = 0;
  }

  void SetGroupName(std::wstring_view header) {
    const size_t equals = header.find(L'=');
    const std::wstring_view name =
        equals == std::wstring_view::npos ? std::wstring_view() : Trim(header.substr(equals + 1));
    if (name.empty()) Fail("***MENUGROUP needs a name: ***MENUGROUP=name");
    if (namedGroup_) Fail("a second ***MENUGROUP");
    if (inSection_) Fail("***MENUGROUP must come before the menu sections");
    group_.name = name;
    namedGroup_ = true;
  }

  void AddAlias(std::wstring_view alias) {
    if (alias.empty()) Fail("'**' needs a menu name");
    current_->aliases.emplace_back(alias);
  }

  void ParseItem(std::wstring_view text) {
    MenuItem item;
    const size_t open = text.find(L'[');
    if (open != std::wstring_view::npos) {
      const size_t close = text.find(L']', open);
      if (close == std::wstring_view::npos) Fail("missing ']' after '[' in a menu item");
      item.nameTag = Trim(text.substr(0, open));
      item.label = text.substr(open + 1, close - open - 1);
      item.macro = Trim(text.substr(close + 1));
    } else {
      item.macro = text;  // an item without a label shows its macro
      item.label = text;
    }
    if (!titled_) {
      current_->title = item.label;
      titled_ = true;
      return;
    }
    AddItem(std::move(item));
  }

  void AddItem(MenuItem item) {
    int closes = 0;
    while (item.label.starts_with(L"<-")) item.label.erase(0, 2), ++closes;
    const bool opens = item.label.starts_with(L"->");
    if (opens) item.label.erase(0, 2);
    item.separator = item.label == L"--";
    item.depth = depth_;
    current_->items.push_back(std::move(item));
    if (opens) ++depth_;
    if (closes > depth_) Fail("'<-' closes a submenu that was never opened");
    depth_ -= closes;
  }

  void FinishPullDown() {
    if (current_ != nullptr && !titled_) Fail("pull-down menu has no title line before this");
    current_ = nullptr;
  }

  std::string file_;
  MenuGroup group_;
  int line_ = 0;
  bool inSection_ = false;
  bool namedGroup_ = false;
  PullDownMenu* current_ = nullptr;
  bool titled_ = false;
  int depth_ = 0;
};

}  // namespace

bool PullDownMenu::IsNamed(std::wstring_view name) const {
  const std::wstring upper = AsciiUpper(name);
  if (upper == L"POP" + std::to_wstring(number)) return true;
  for (const std::wstring& alias : aliases) {
    if (AsciiUpper(alias) == upper) return true;
  }
  return false;
}

const PullDownMenu* MenuGroup::Find(std::wstring_view menuName) const {
  for (const PullDownMenu& menu : pullDowns) {
    if (menu.IsNamed(menuName)) return &menu;
  }
  return nullptr;
}

MenuGroup ParseMenuFile(std::string_view text, const std::string& fileName) {
  return MenuParser(fileName).Parse(DecodeText(text));
}

MenuGroup LoadMenuFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw MenuFileError(path + ": " + std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw MenuFileError(path + ": " + std::strerror(errno));
  return ParseMenuFile(text.str(), path);
}

}  // namespace app
