// Menu files (.mnu text) and the host's menu bar.
//
// A menu file is read line by line (CR LF or LF, UTF-8 or else Latin-1, "//" starts a comment
// line):
//   ***MENUGROUP=Quorlex          names the group (else the file's base name); at most once
//   ***POP1                       starts pull-down menu 1 (***POP0 to ***POP499)
//   **pop1                        a name (alias) of the menu, used by "P10=+Quorlex.pop1"
//   [&Quorlex]                    the first item line of a pull-down is its title
//   ID_Export [&Export points...]^C^C_Quorlex      an item: optional name tag, [label], macro
//   [--]                          a separator
//   [->&More] ... [<-&Last]       a submenu; each "<-" closes one level
// A line ending in "+" continues on the next line. Sections other than ***POPn (***BUTTONS1,
// ***TOOLBARS, ***HELPSTRINGS, ...) are read over and kept out of the model. Malformed text is
// refused with "FILE:LINE: what is wrong".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class MenuFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MenuItem {
  std::wstring nameTag;  // "ID_Export", may be empty
  std::wstring label;    // without the brackets and the submenu marks
  std::wstring macro;    // "^C^C_Quorlex"
  int depth = 0;         // 0 for the pull-down's own items, 1 inside a submenu, ...
  bool separator = false;
};

struct PullDownMenu {
  int number = 0;                     // n of ***POPn
  std::vector<std::wstring> aliases;  // the **names
  std::wstring title;
  std::vector<MenuItem> items;

  // "pop1" matches ***POP1 and an alias, case-insensitively.
  bool IsNamed(std::wstring_view name) const;
};

struct MenuGroup {
  std::wstring name;
  std::string file;
  std::vector<PullDownMenu> pullDowns;

  const PullDownMenu* Find(std::wstring_view name) const;
};

// `fileName` names the file in messages and gives the default group name.
MenuGroup ParseMenuFile(std::string_view text, const std::string& fileName);
// Throws MenuFileError also when the file cannot be read ("FILE: reason").
MenuGroup LoadMenuFile(const std::string& path);

}  // namespace app
