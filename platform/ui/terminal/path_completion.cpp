#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/terminal_backend.h"

namespace ui {
namespace {

std::string CommonPrefix(const std::vector<std::string>& names) {
  std::string prefix = names.front();
  for (const std::string& name : names) {
    std::size_t length = 0;
    while (length < prefix.size() && length < name.size() && prefix[length] == name[length]) {
      ++length;
    }
    prefix.resize(length);
  }
  return prefix;
}

}  // namespace

std::string CompletePath(const std::string& typed, std::vector<std::string>* candidates) {
  const std::size_t slash = typed.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : typed.substr(0, slash + 1);
  const std::string start = slash == std::string::npos ? typed : typed.substr(slash + 1);
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  std::vector<std::string> names;
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().string();
    if (!name.starts_with(start) || (start.empty() && name.starts_with("."))) continue;
    std::error_code kindError;
    if (it->is_directory(kindError)) name += '/';
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  if (candidates != nullptr) *candidates = names;
  if (names.empty()) return typed;
  return folder + CommonPrefix(names);
}

}  // namespace ui
