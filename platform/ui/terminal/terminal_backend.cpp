#define NCURSES_WIDECHAR 1
#include "ui/terminal_backend.h"

#include <curses.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

#include "ui/dialog_keys.h"
#include "ui/terminal_layout.h"

namespace ui {
namespace {

constexpr int kEscape = 27;
constexpr int kControlC = 3;
constexpr int kEscapeDelayMs = 25;
constexpr std::size_t kMessageWidth = 60;

struct Frame {
  int top = 0;
  int left = 0;
  int height = 0;
  int width = 0;
};

// A frame of the given client size, centred on the screen.
Frame Centred(int clientHeight, int clientWidth) {
  Frame frame{0, 0, clientHeight + 2, clientWidth + 2};
  frame.top = std::max(0, (LINES - frame.height) / 2);
  frame.left = std::max(0, (COLS - frame.width) / 2);
  return frame;
}

void Put(int row, int column, const std::wstring& text, attr_t attributes = A_NORMAL) {
  attrset(attributes);
  mvaddnwstr(row, column, text.c_str(), static_cast<int>(text.size()));
  attrset(A_NORMAL);
}

void DrawFrame(const Frame& frame, const std::wstring& caption) {
  for (int row = 0; row < frame.height; ++row) {
    mvhline(frame.top + row, frame.left, ' ', frame.width);
  }
  mvaddch(frame.top, frame.left, ACS_ULCORNER);
  mvhline(frame.top, frame.left + 1, ACS_HLINE, frame.width - 2);
  mvaddch(frame.top, frame.left + frame.width - 1, ACS_URCORNER);
  mvvline(frame.top + 1, frame.left, ACS_VLINE, frame.height - 2);
  mvvline(frame.top + 1, frame.left + frame.width - 1, ACS_VLINE, frame.height - 2);
  mvaddch(frame.top + frame.height - 1, frame.left, ACS_LLCORNER);
  mvhline(frame.top + frame.height - 1, frame.left + 1, ACS_HLINE, frame.width - 2);
  mvaddch(frame.top + frame.height - 1, frame.left + frame.width - 1, ACS_LRCORNER);
  if (caption.empty()) return;
  std::wstring title = L" " + caption + L" ";
  if (static_cast<int>(title.size()) > frame.width - 2) title.resize(std::max(0, frame.width - 2));
  Put(frame.top, frame.left + 1 + (frame.width - 2 - static_cast<int>(title.size())) / 2, title,
      A_BOLD);
}

Frame DialogFrame(const DialogLayout& layout) { return Centred(layout.height, layout.width); }

void DrawDialog(const DialogModel& dialog, bool active) {
  const DialogLayout layout = LayoutDialog(dialog);
  const Frame frame = DialogFrame(layout);
  DrawFrame(frame, dialog.caption);
  for (const PlacedControl& placed : layout.controls) {
    const Control& control = dialog.controls[static_cast<std::size_t>(placed.index)];
    const int row = frame.top + 1 + placed.cells.row;
    const int column = frame.left + 1 + placed.cells.column;
    if (control.kind == ControlKind::Line) {
      mvhline(row, column, ACS_HLINE, placed.cells.width);
      continue;
    }
    attr_t attributes = control.enabled ? A_NORMAL : A_DIM;
    if (control.defaultButton) attributes |= A_BOLD;
    if (active && placed.index == dialog.focus) attributes |= A_REVERSE;
    Put(row, column, placed.text, attributes);
  }
}

// The control under a mouse click, or -1.
int ControlAt(const DialogModel& dialog, int row, int column) {
  const DialogLayout layout = LayoutDialog(dialog);
  const Frame frame = DialogFrame(layout);
  for (const PlacedControl& placed : layout.controls) {
    const int top = frame.top + 1 + placed.cells.row;
    const int left = frame.left + 1 + placed.cells.column;
    if (row >= top && row < top + placed.cells.height && column >= left &&
        column < left + placed.cells.width) {
      return placed.index;
    }
  }
  return -1;
}

// One key: a character (`code` false) or a curses key code (`code` true).
struct Keystroke {
  bool code = false;
  wint_t value = 0;
};

Keystroke ReadKey() {
  wint_t value = 0;
  const int status = get_wch(&value);
  if (status == ERR) return Keystroke{false, static_cast<wint_t>(kEscape)};
  return Keystroke{status == KEY_CODE_YES, value};
}

// The dialog key a keystroke means, if any.
std::optional<DialogKey> DialogKeyOf(const Keystroke& key) {
  if (key.code) {
    switch (key.value) {
      case KEY_BTAB:
        return DialogKey::ShiftTab;
      case KEY_UP:
        return DialogKey::Up;
      case KEY_DOWN:
        return DialogKey::Down;
      case KEY_LEFT:
        return DialogKey::Left;
      case KEY_RIGHT:
        return DialogKey::Right;
      case KEY_ENTER:
        return DialogKey::Enter;
      case KEY_BACKSPACE:
        return DialogKey::Backspace;
      default:
        return std::nullopt;  // function keys, resize: nothing to do
    }
  }
  switch (key.value) {
    case L'\t':
      return DialogKey::Tab;
    case L'\n':
    case L'\r':
      return DialogKey::Enter;
    case kEscape:
    case kControlC:
      return DialogKey::Escape;
    case 127:
    case 8:
      return DialogKey::Backspace;
    case L' ':
      return DialogKey::Space;
    default:
      return std::nullopt;
  }
}

std::optional<MEVENT> MouseClick(const Keystroke& key) {
  MEVENT event{};
  if (!key.code || key.value != KEY_MOUSE || getmouse(&event) != OK) return std::nullopt;
  if ((event.bstate & (BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_RELEASED)) == 0) {
    return std::nullopt;
  }
  return event;
}

std::vector<std::wstring> WrapText(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    while (line.size() > kMessageWidth) {
      std::size_t cut = line.rfind(L' ', kMessageWidth);
      if (cut == std::wstring::npos || cut == 0) cut = kMessageWidth;
      lines.push_back(line.substr(0, cut));
      line.erase(0, cut == kMessageWidth ? cut : cut + 1);
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::wstring Wide(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  const std::size_t count = std::mbstowcs(out.data(), text.c_str(), out.size());
  if (count == static_cast<std::size_t>(-1)) return std::wstring(text.begin(), text.end());
  out.resize(count);
  return out;
}

std::string Narrow(const std::wstring& text) {
  std::string out(text.size() * MB_CUR_MAX, '\0');
  const std::size_t count = std::wcstombs(out.data(), text.c_str(), out.size());
  if (count == static_cast<std::size_t>(-1)) return std::string();
  out.resize(count);
  return out;
}

}  // namespace

std::wstring IconMark(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return L"";
    case MessageIcon::Error:
      return L"(X)";
    case MessageIcon::Question:
      return L"(?)";
    case MessageIcon::Warning:
      return L"(!)";
    case MessageIcon::Information:
      return L"(i)";
  }
  return L"";
}

std::vector<Answer> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {Answer::Ok};
    case MessageButtons::OkCancel:
      return {Answer::Ok, Answer::Cancel};
    case MessageButtons::AbortRetryIgnore:
      return {Answer::Abort, Answer::Retry, Answer::Ignore};
    case MessageButtons::YesNoCancel:
      return {Answer::Yes, Answer::No, Answer::Cancel};
    case MessageButtons::YesNo:
      return {Answer::Yes, Answer::No};
    case MessageButtons::RetryCancel:
      return {Answer::Retry, Answer::Cancel};
  }
  return {Answer::Ok};
}

std::wstring ButtonCaption(Answer answer) {
  switch (answer) {
    case Answer::Failed:
      return L"";
    case Answer::Ok:
      return L"OK";
    case Answer::Cancel:
      return L"Cancel";
    case Answer::Abort:
      return L"Abort";
    case Answer::Retry:
      return L"Retry";
    case Answer::Ignore:
      return L"Ignore";
    case Answer::Yes:
      return L"Yes";
    case Answer::No:
      return L"No";
  }
  return L"";
}

TerminalBackend::~TerminalBackend() {
  if (started_ && depth_ > 0) endwin();
}

bool TerminalBackend::Enter() {
  if (failed_) return false;
  if (!started_) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return failed_ = true, false;
    if (newterm(nullptr, stdout, stdin) == nullptr) return failed_ = true, false;
    started_ = true;
    raw();
    noecho();
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    mousemask(BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_RELEASED, nullptr);
    curs_set(0);
  } else if (depth_ == 0) {
    reset_prog_mode();
    refresh();
  }
  ++depth_;
  return true;
}

void TerminalBackend::Leave() {
  if (--depth_ > 0) return;
  erase();
  refresh();
  endwin();
}

void TerminalBackend::DrawOpenDialogs() const {
  erase();
  for (std::size_t i = 0; i < open_.size(); ++i) DrawDialog(*open_[i], false);
}

bool TerminalBackend::RunModal(DialogModel& dialog, DialogEvents& events) {
  if (!Enter()) return false;
  open_.push_back(&dialog);
  if (dialog.focus < 0) dialog.focus = dialog.FirstTabStop();
  while (!dialog.ended) {
    DrawOpenDialogs();
    DrawDialog(dialog, true);
    refresh();
    const Keystroke key = ReadKey();
    if (const std::optional<MEVENT> click = MouseClick(key)) {
      ClickDialogControl(dialog, events, ControlAt(dialog, click->y, click->x));
    } else if (const std::optional<DialogKey> dialogKey = DialogKeyOf(key)) {
      PressDialogKey(dialog, events, *dialogKey);
    } else if (!key.code && key.value >= 32 && !TypeIntoDialog(dialog, events, key.value)) {
      beep();
    }
  }
  open_.pop_back();
  Leave();
  return true;
}

namespace {

struct BoxLayout {
  Frame frame;
  std::vector<std::wstring> lines;
  std::vector<Answer> buttons;
  int buttonRow = 0;
  std::vector<int> buttonColumns;
};

constexpr int kButtonWidth = 10;

BoxLayout LayoutMessageBox(const MessageBoxRequest& request) {
  BoxLayout box;
  box.lines = WrapText(request.text);
  box.buttons = ButtonsOf(request.buttons);
  const int iconWidth = request.icon == MessageIcon::None ? 0 : 4;
  int width = static_cast<int>(request.caption.size()) + 4;
  for (const std::wstring& line : box.lines) {
    width = std::max(width, iconWidth + static_cast<int>(line.size()));
  }
  const int buttonsWidth = static_cast<int>(box.buttons.size()) * (kButtonWidth + 2) - 2;
  width = std::max(width, buttonsWidth) + 4;
  const int height = static_cast<int>(box.lines.size()) + 4;
  box.frame = Centred(height, width);
  box.buttonRow = box.frame.top + height - 1;
  int column = box.frame.left + 1 + (width - buttonsWidth) / 2;
  for (std::size_t i = 0; i < box.buttons.size(); ++i, column += kButtonWidth + 2) {
    box.buttonColumns.push_back(column);
  }
  return box;
}

void DrawMessageBox(const MessageBoxRequest& request, const BoxLayout& box, std::size_t focus) {
  DrawFrame(box.frame, request.caption);
  const std::wstring icon = IconMark(request.icon);
  const int textColumn = box.frame.left + 3 + (icon.empty() ? 0 : 4);
  if (!icon.empty()) Put(box.frame.top + 2, box.frame.left + 3, icon, A_BOLD);
  for (std::size_t i = 0; i < box.lines.size(); ++i) {
    Put(box.frame.top + 2 + static_cast<int>(i), textColumn, box.lines[i]);
  }
  for (std::size_t i = 0; i < box.buttons.size(); ++i) {
    Control button;
    button.kind = ControlKind::PushButton;
    button.text = ButtonCaption(box.buttons[i]);
    Put(box.buttonRow, box.buttonColumns[i], ControlText(button, kButtonWidth),
        i == focus ? A_REVERSE : A_NORMAL);
  }
}

// What Escape answers: Cancel where the box has it, OK for a box with OK alone, else nothing.
std::optional<Answer> EscapeAnswer(const std::vector<Answer>& buttons) {
  for (Answer answer : buttons) {
    if (answer == Answer::Cancel) return answer;
  }
  if (buttons.size() == 1 && buttons.front() == Answer::Ok) return Answer::Ok;
  return std::nullopt;
}

std::optional<Answer> ButtonByLetter(const std::vector<Answer>& buttons, wint_t letter) {
  for (Answer answer : buttons) {
    if (std::towupper(ButtonCaption(answer).front()) == std::towupper(letter)) return answer;
  }
  return std::nullopt;
}

std::optional<Answer> ButtonAt(const BoxLayout& box, int row, int column) {
  if (row != box.buttonRow) return std::nullopt;
  for (std::size_t i = 0; i < box.buttons.size(); ++i) {
    if (column >= box.buttonColumns[i] && column < box.buttonColumns[i] + kButtonWidth) {
      return box.buttons[i];
    }
  }
  return std::nullopt;
}

}  // namespace

Answer TerminalBackend::ShowMessageBox(const MessageBoxRequest& request) {
  if (!Enter()) return Answer::Failed;
  const BoxLayout box = LayoutMessageBox(request);
  std::size_t focus = 0;
  std::optional<Answer> answer;
  const std::size_t count = box.buttons.size();
  while (!answer) {
    DrawOpenDialogs();
    DrawMessageBox(request, box, focus);
    refresh();
    const Keystroke key = ReadKey();
    const std::optional<DialogKey> dialogKey = DialogKeyOf(key);
    if (const std::optional<MEVENT> click = MouseClick(key)) {
      answer = ButtonAt(box, click->y, click->x);
    } else if (dialogKey == DialogKey::Tab || dialogKey == DialogKey::Right) {
      focus = (focus + 1) % count;
    } else if (dialogKey == DialogKey::ShiftTab || dialogKey == DialogKey::Left) {
      focus = (focus + count - 1) % count;
    } else if (dialogKey == DialogKey::Enter || dialogKey == DialogKey::Space) {
      answer = box.buttons[focus];
    } else if (dialogKey == DialogKey::Escape) {
      answer = EscapeAnswer(box.buttons);
    } else if (!key.code) {
      answer = ButtonByLetter(box.buttons, key.value);
    }
  }
  Leave();
  return *answer;
}

namespace {

// The filter's first description ("Text files (*.txt)|*.txt||" -> "Text files (*.txt)").
std::wstring FilterDescription(const std::wstring& filter) {
  return filter.substr(0, filter.find(L'|'));
}

void DrawFileDialog(const FileDialogRequest& request, const std::wstring& name,
                    const std::wstring& hint) {
  constexpr int kWidth = 66;
  const Frame frame = Centred(7, kWidth);
  DrawFrame(frame, request.save ? L"Save As" : L"Open");
  Put(frame.top + 2, frame.left + 2, L"File name:");
  std::wstring shown = name;
  const int field = kWidth - 14;
  if (static_cast<int>(shown.size()) > field) shown.erase(0, shown.size() - field);
  Put(frame.top + 2, frame.left + 13,
      L"[" + shown + std::wstring(field - shown.size(), L' ') + L"]", A_REVERSE);
  Put(frame.top + 3, frame.left + 2, L"Save as type: " + FilterDescription(request.filter));
  std::wstring line = hint.substr(0, kWidth - 2);
  Put(frame.top + 5, frame.left + 2, line, A_DIM);
  Put(frame.top + 6, frame.left + 2, L"Enter: save   Tab: complete   Escape: cancel", A_DIM);
}

constexpr int kCtrlU = 0x15;

std::wstring CandidateHint(const std::vector<std::string>& candidates) {
  std::wstring hint;
  for (const std::string& candidate : candidates) hint += Wide(candidate) + L"  ";
  return hint;
}

}  // namespace

std::optional<std::wstring> TerminalBackend::ShowFileDialog(const FileDialogRequest& request) {
  if (!Enter()) return std::nullopt;
  std::wstring name = request.initialName;
  // The offered name stands selected, as in a window system's file dialog: typing or Backspace
  // replaces it, Tab or an arrow key keeps it for editing. Ctrl-U clears the field.
  bool offered = !name.empty();
  std::wstring hint;
  std::optional<std::optional<std::wstring>> result;
  while (!result) {
    DrawOpenDialogs();
    DrawFileDialog(request, name, hint);
    refresh();
    const Keystroke key = ReadKey();
    const std::optional<DialogKey> dialogKey = DialogKeyOf(key);
    hint.clear();
    if (dialogKey == DialogKey::Enter) {
      if (!name.empty()) result = std::optional<std::wstring>(name);
    } else if (dialogKey == DialogKey::Escape) {
      result = std::optional<std::wstring>();
    } else if (dialogKey == DialogKey::Tab) {
      offered = false;
      std::vector<std::string> candidates;
      name = Wide(CompletePath(Narrow(name), &candidates));
      if (candidates.size() > 1) hint = CandidateHint(candidates);
    } else if (dialogKey == DialogKey::Backspace) {
      if (offered) name.clear();
      if (!name.empty()) name.pop_back();
      offered = false;
    } else if (dialogKey == DialogKey::Left || dialogKey == DialogKey::Right) {
      offered = false;
    } else if (!key.code && key.value == kCtrlU) {
      name.clear();
      offered = false;
    } else if (!key.code && key.value >= 32) {
      if (offered) name.clear();
      offered = false;
      name += static_cast<wchar_t>(key.value);
    }
  }
  Leave();
  return *result;
}

}  // namespace ui
