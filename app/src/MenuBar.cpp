#include "app/MenuBar.h"

#include <charconv>

#include "app/Utf8.h"

namespace app {
namespace {

bool SameName(std::wstring_view a, std::wstring_view b) { return AsciiUpper(a) == AsciiUpper(b); }

std::string Quote(std::wstring_view text) { return "'" + EncodeUtf8(text) + "'"; }

// "P10" -> 10; 0 when the text is no position.
size_t ParsePosition(std::wstring_view text) {
  if (text.size() < 2 || (text[0] != L'P' && text[0] != L'p')) return 0;
  const std::string digits = EncodeUtf8(text.substr(1));
  size_t position = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), position);
  return result.ec == std::errc() && result.ptr == digits.data() + digits.size() ? position : 0;
}

}  // namespace

MenuBar::MenuBar() {
  for (const wchar_t* title : {L"&File", L"&Edit", L"&View", L"&Insert", L"&Settings", L"&Tools",
                               L"&Draw", L"Dime&nsions", L"&Modify", L"&Window", L"&Help"}) {
    entries_.push_back(Entry{title, L"", -1});
  }
}

bool MenuBar::LoadGroup(MenuGroup group, std::string& error) {
  if (Group(group.name) != nullptr) {
    error = "menu group " + Quote(group.name) + " is already loaded";
    return false;
  }
  groups_.push_back(std::move(group));
  return true;
}

const MenuGroup* MenuBar::Group(std::wstring_view name) const {
  for (const MenuGroup& group : groups_) {
    if (SameName(group.name, name)) return &group;
  }
  return nullptr;
}

bool MenuBar::Run(std::wstring_view command, std::string& error) {
  const size_t equals = command.find(L'=');
  const size_t position = ParsePosition(command.substr(0, equals));
  const std::wstring_view action =
      equals == std::wstring_view::npos ? std::wstring_view() : command.substr(equals + 1);
  if (position == 0 || action.empty() || (action[0] != L'+' && action != L"-")) {
    error = "unknown menu command " + Quote(command) + " (use Pn=+group.menu or Pn=-)";
    return false;
  }
  if (action[0] == L'+') return Insert(position, action.substr(1), error);
  if (position > entries_.size()) {
    error = "the menu bar has no menu " + std::to_string(position);
    return false;
  }
  entries_.erase(entries_.begin() + static_cast<long>(position - 1));
  return true;
}

bool MenuBar::Insert(size_t position, std::wstring_view target, std::string& error) {
  const size_t dot = target.find(L'.');
  const MenuGroup* group = Group(target.substr(0, dot));
  if (group == nullptr || dot == std::wstring_view::npos) {
    error = "no menu group loaded for " + Quote(target);
    return false;
  }
  const PullDownMenu* menu = group->Find(target.substr(dot + 1));
  if (menu == nullptr) {
    error =
        "menu group " + Quote(group->name) + " has no pull-down " + Quote(target.substr(dot + 1));
    return false;
  }
  for (const Entry& entry : entries_) {
    if (SameName(entry.group, group->name) && entry.number == menu->number) return true;
  }
  const size_t index = std::min(position - 1, entries_.size());
  entries_.insert(entries_.begin() + static_cast<long>(index),
                  Entry{menu->title, group->name, menu->number});
  return true;
}

}  // namespace app
