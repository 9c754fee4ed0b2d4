// MenuBar: the menu groups the host has loaded and the pull-down menus of its menu bar.
//
// The bar starts with the host's own pull-downs. Menu commands change it:
//   P10=+Quorlex.pop1   inserts pull-down "pop1" of group "Quorlex" as the 10th menu of the bar
//                       (at the end when the bar is shorter); a menu already on the bar stays
//                       where it is
//   P10=-               removes the 10th menu of the bar
// Group and menu names are case-insensitive.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/MenuFile.h"

namespace app {

class MenuBar {
 public:
  struct Entry {
    std::wstring title;
    std::wstring group;  // empty for the host's own menus
    int number = -1;     // ***POPn of the group's pull-down, -1 for the host's own menus
  };

  MenuBar();

  // Keeps `group` under its name. False, with `error`, when a group of that name is loaded.
  bool LoadGroup(MenuGroup group, std::string& error);
  const MenuGroup* Group(std::wstring_view name) const;

  // Runs one menu command; false, with `error` saying why, when it cannot.
  bool Run(std::wstring_view command, std::string& error);

  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  bool Insert(size_t position, std::wstring_view target, std::string& error);

  std::vector<MenuGroup> groups_;
  std::vector<Entry> entries_;
};

}  // namespace app
