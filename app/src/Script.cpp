#include "app/Script.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/CommandLine.h"
#include "app/Utf8.h"

namespace app {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsComment(const std::string& line) { return TrimBlanks(line).starts_with(';'); }

}  // namespace

bool IsCancelAnswer(const std::string& line) {
  return AsciiUpper(DecodeUtf8(TrimBlanks(line)).value_or(L"")) == L"*CANCEL*";
}

Script Script::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScriptError(path + ": " + std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  return FromText(text.str(), path);
}

Script Script::FromText(std::string_view text, const std::string& name) {
  Script script;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!DecodeUtf8(line)) {
      throw ScriptError(name + ":" + std::to_string(script.lines_.size() + 1) + ": not UTF-8 text");
    }
    script.lines_.emplace_back(line);
    start = end + 1;
  }
  return script;
}

std::optional<std::string> Script::NextLine() {
  while (next_ < lines_.size()) {
    const std::string& line = lines_[next_++];
    if (!IsComment(line)) return line;
  }
  return std::nullopt;
}

std::optional<std::string> Script::NextCommand() {
  for (std::optional<std::string> line = NextLine(); line; line = NextLine()) {
    if (!TrimBlanks(*line).empty()) return std::string(TrimBlanks(*line));
  }
  return std::nullopt;
}

std::optional<std::string> ScriptAnswers::NextAnswer() {
  std::optional<std::string> line = script_.NextLine();
  if (!line || IsCancelAnswer(*line)) return std::nullopt;
  return line;
}

std::optional<std::wstring> ScriptAnswers::SaveFile(const ui::FileDialogRequest& request) {
  const std::optional<std::string> line = script_.NextLine();
  if (!line || IsCancelAnswer(*line)) return std::nullopt;
  const std::string_view path = TrimBlanks(*line);
  replace_ = !path.empty();
  if (path.empty()) return request.initialName;
  return DecodeUtf8(path).value_or(L"");
}

std::optional<OptionFlags> ScriptAnswers::Options() {
  const std::optional<std::string> line = script_.NextLine();
  if (!line || IsCancelAnswer(*line)) return std::nullopt;
  const std::vector<std::string> words = SplitWords(*line);
  const std::vector<std::string_view> args(words.begin(), words.end());
  try {
    return ParseOptionFlags(args);
  } catch (const UsageError& error) {
    output_.Line(L"Invalid options: " + DecodeUtf8(error.what()).value_or(L"?"));
    return std::nullopt;
  }
}

}  // namespace app
