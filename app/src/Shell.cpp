#include "app/Shell.h"

#include <unistd.h>

#include <charconv>
#include <clocale>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "DbObjectIterator.h"
#include "Ed/EdCommandStack.h"
#include "OdError.h"
#include "app/CommandLineUserIO.h"
#include "app/HostSession.h"
#include "app/ModuleLoader.h"
#include "app/ShellBackend.h"
#include "app/ShellLineSource.h"
#include "app/ShellProgress.h"
#include "app/Utf8.h"
#include "sds.h"
#include "ui/terminal_layout.h"

namespace app {
namespace {

constexpr int kUnusable = 2;

std::wstring Wide(std::string_view utf8) { return DecodeUtf8(utf8).value_or(L"?"); }

// The typed name without its "_" (English name) or "." (built-in) marks, upper-cased.
std::wstring CommandKey(const std::wstring& typed) {
  std::wstring_view name = typed;
  while (!name.empty() && (name.front() == L'_' || name.front() == L'.')) name.remove_prefix(1);
  return AsciiUpper(name);
}

// The prompts' answers: the words typed after a command name first, then the terminal.
class ShellAnswers : public PromptAnswers {
 public:
  ShellAnswers(LineSource& lines, CommandLineOutput& output) : lines_(lines), output_(output) {}

  bool ShowsPrompts() const override { return true; }
  std::optional<std::string> NextAnswer() override { return AnswerPrompt(L""); }
  std::optional<std::string> AnswerPrompt(std::wstring_view prompt) override {
    if (!queued_.empty()) {
      std::string answer = std::move(queued_.front());
      queued_.pop_front();
      output_.Prompt(prompt, Wide(answer));
      return answer;
    }
    const TypedLine line = lines_.Read(EncodeUtf8(prompt) + " ");
    if (line.status != LineStatus::kLine) return std::nullopt;
    return line.text;
  }

  void Queue(std::deque<std::string> answers) { queued_ = std::move(answers); }
  void Clear() { queued_.clear(); }

 private:
  LineSource& lines_;
  CommandLineOutput& output_;
  std::deque<std::string> queued_;
};

class Shell {
 public:
  Shell(const ShellRequest& request, CommandLineOutput& output, LineSource& lines,
        ShellAnswers& answers, std::ostream& errors)
      : request_(request),
        output_(output),
        lines_(lines),
        answers_(answers),
        errors_(errors),
        drawing_(request.drawing) {}

  void Open(ui::Backend& backend) {
    ShellProgress progress(errors_, drawing_);
    session_ =
        std::make_unique<HostSession>(request_, output_, answers_, backend, progress.options());
  }

  void Loop() {
    while (!quit_) {
      output_.Finish();
      const TypedLine line = lines_.Read("Command: ");
      if (line.status == LineStatus::kEnd) return EndOfInput();
      if (line.status == LineStatus::kCancelled) continue;
      RunLine(line.text);
    }
  }

 private:
  using Command = void (Shell::*)();

  static const std::map<std::wstring, Command>& HostCommands() {
    static const std::map<std::wstring, Command> commands = {
        {L"OPEN", &Shell::OpenCommand},       {L"SAVE", &Shell::SaveCommand},
        {L"SAVEAS", &Shell::SaveAsCommand},   {L"QUIT", &Shell::QuitCommand},
        {L"EXIT", &Shell::QuitCommand},       {L"LIST", &Shell::ListCommand},
        {L"SETVAR", &Shell::SetVarCommand},   {L"GETVAR", &Shell::GetVarCommand},
        {L"APPLOAD", &Shell::AppLoadCommand}, {L"MENU", &Shell::MenuCommand},
        {L"HELP", &Shell::HelpCommand},
    };
    return commands;
  }

  // One command line: the name, then answers for its prompts. Empty repeats the last command.
  void RunLine(const std::string& text) {
    std::vector<std::string> words = SplitWords(text);
    if (words.empty()) {
      if (last_.empty()) return;
      output_.Line(L"Repeating " + last_);
      words.push_back(EncodeUtf8(last_));
    }
    const std::wstring typed = Wide(words.front());
    answers_.Queue(std::deque<std::string>(words.begin() + 1, words.end()));
    Run(typed);
    answers_.Clear();
  }

  void Run(const std::wstring& typed) {
    last_ = typed;
    const auto host = HostCommands().find(CommandKey(typed));
    if (host == HostCommands().end()) return session_->RunCommand(typed);
    try {
      (this->*host->second)();
    } catch (const OdEdCancel&) {
      // The prompt's line already shows "*Cancel*".
    } catch (const OdError& error) {
      output_.Line(error.description().wide());
    } catch (const std::exception& error) {
      output_.Line(Wide(error.what()));
    }
  }

  // The answer to one of the host's own prompts; throws OdEdCancel when cancelled.
  std::string Ask(const std::wstring& prompt) {
    output_.Finish();
    std::optional<std::string> answer = answers_.AnswerPrompt(prompt);
    if (!answer) throw OdEdCancel();
    return *answer;
  }

  OdDbDatabase* Drawing() {
    OdDbDatabase* database = session_->database();
    if (database == nullptr) output_.Line(L"No drawing is open.");
    return database;
  }

  bool Unsaved() {
    OdDbDatabase* database = session_->database();
    return database != nullptr && !database->appendedSinceLoad().empty();
  }

  // Asks before unsaved changes go; false when the person cancelled (or saving failed).
  bool MayDiscard() {
    if (!Unsaved()) return true;
    ui::MessageBoxRequest request;
    request.caption = L"Quorlex";
    request.text = L"Save changes to " + Wide(FileName()) + L"?";
    request.icon = ui::MessageIcon::Question;
    request.buttons = ui::MessageButtons::YesNoCancel;
    const ui::Answer answer = ui::CurrentBackend()->ShowMessageBox(request);
    if (answer == ui::Answer::No) return true;
    if (answer != ui::Answer::Yes) return false;
    return SaveTo(drawing_);
  }

  std::string FileName() const {
    return drawing_.empty() ? std::string("Drawing")
                            : std::filesystem::path(drawing_).filename().string();
  }

  bool SaveTo(const std::string& path) {
    try {
      session_->SaveTo(path);
      output_.Line(L"Drawing saved to " + Wide(path));
      return true;
    } catch (const OdError& error) {
      output_.Line(error.description().wide());
      return false;
    }
  }

  void OpenCommand() {
    const std::string path = Ask(L"Enter name of drawing to open:");
    if (path.empty() || !MayDiscard()) return;
    ShellProgress progress(errors_, path);
    session_->Open(path, progress.options());
    drawing_ = path;
    output_.Line(L"Opened " + Wide(path));
  }

  void SaveCommand() {
    if (Drawing() == nullptr) return;
    if (drawing_.empty()) return SaveAsCommand();
    SaveTo(drawing_);
  }

  void SaveAsCommand() {
    if (Drawing() == nullptr) return;
    const std::string path = Ask(L"Save drawing as <" + Wide(drawing_) + L">:");
    const std::string target = path.empty() ? drawing_ : path;
    if (!target.empty() && SaveTo(target)) drawing_ = target;
  }

  void QuitCommand() {
    if (MayDiscard()) quit_ = true;
  }

  void EndOfInput() {
    if (Unsaved() && !MayDiscard())
      output_.Line(L"Changes to " + Wide(FileName()) + L" were discarded.");
    quit_ = true;
  }

  void ListCommand() {
    OdDbDatabase* database = Drawing();
    if (database == nullptr) return;
    std::map<std::wstring, int> counts;
    int total = 0;
    OdDbObjectIteratorPtr it = OdDbObjectIterator::createObject(database->getModelSpaceId());
    for (; !it->done(); it->step()) {
      OdDbEntityPtr entity = it->entity();
      if (entity.isNull()) continue;
      ++counts[entity->isA()->name().wide() + L" (" + DxfTypeName(*entity) + L")"];
      ++total;
    }
    for (const auto& [name, count] : counts) {
      output_.Line(L"  " + name + L": " + std::to_wstring(count));
    }
    output_.Line(std::to_wstring(total) + L" entities in model space");
  }

  void GetVarCommand() {
    const std::wstring name = AsciiUpper(Wide(Ask(L"Enter variable name:")));
    std::optional<std::wstring> value = VariableText(name);
    output_.Line(value ? name + L" = " + *value : L"Unknown variable name \"" + name + L"\".");
  }

  static std::optional<std::wstring> VariableText(const std::wstring& name) {
    resbuf value{};
    if (sds_getvar(name.c_str(), &value) != RTNORM) return std::nullopt;
    if (value.restype == RTSHORT) return std::to_wstring(value.resval.rint);
    std::wstring text = value.restype == RTSTR && value.resval.rstring ? value.resval.rstring : L"";
    if (value.restype == RTSTR) std::free(value.resval.rstring);
    return L"\"" + text + L"\"";
  }

  void SetVarCommand() {
    const std::wstring name = AsciiUpper(Wide(Ask(L"Enter variable name:")));
    resbuf current{};
    if (sds_getvar(name.c_str(), &current) != RTNORM) {
      output_.Line(L"Unknown variable name \"" + name + L"\".");
      return;
    }
    const std::optional<std::wstring> shown = VariableText(name);
    if (current.restype == RTSTR) std::free(current.resval.rstring);
    const std::string text =
        Ask(L"Enter new value for " + name + L" <" + shown.value_or(L"") + L">:");
    if (text.empty()) return;
    if (!SetVariable(name, current.restype, text)) {
      output_.Line(L"Cannot set " + name + L" to " + Wide(text) + L".");
    }
  }

  static bool SetVariable(const std::wstring& name, short type, const std::string& text) {
    resbuf value{};
    value.restype = type;
    if (type == RTSHORT) {
      int number = 0;
      const auto parsed = std::from_chars(text.data(), text.data() + text.size(), number);
      if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) return false;
      if (number < -32768 || number > 32767) return false;
      value.resval.rint = static_cast<short>(number);
      return sds_setvar(name.c_str(), &value) == RTNORM;
    }
    std::wstring wide = Wide(text);
    value.resval.rstring = wide.data();
    return sds_setvar(name.c_str(), &value) == RTNORM;
  }

  void AppLoadCommand() {
    const std::string path = Ask(L"Enter name of module to load:");
    if (path.empty()) return;
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    const std::string main = request_.modulePath.value_or(ProgramFolder() + kModuleFileName);
    if (canonical == std::filesystem::weakly_canonical(main, error) || loaded_.count(canonical)) {
      output_.Line(Wide(path) + L" is already loaded.");
      return;
    }
    modules_.push_back(LoadedModule::Load(path));
    loaded_.insert({canonical, modules_.size() - 1});
    output_.Line(Wide(path) + L" loaded.");
  }

  void MenuCommand();
  void HelpCommand();
  const PullDownMenu* PullDown(const MenuBar::Entry& entry);
  void RunMacro(const std::wstring& macro);

  const ShellRequest& request_;
  CommandLineOutput& output_;
  LineSource& lines_;
  ShellAnswers& answers_;
  std::ostream& errors_;
  std::string drawing_;
  std::wstring last_;
  bool quit_ = false;
  std::unique_ptr<HostSession> session_;
  // Modules loaded with APPLOAD stop before the session (declared after it).
  std::vector<std::unique_ptr<LoadedModule>> modules_;
  std::map<std::filesystem::path, size_t> loaded_;
};

const PullDownMenu* Shell::PullDown(const MenuBar::Entry& entry) {
  if (entry.group.empty()) return nullptr;
  const MenuGroup* group = session_->menus().Group(entry.group);
  if (group == nullptr) return nullptr;
  for (const PullDownMenu& menu : group->pullDowns) {
    if (menu.number == entry.number) return &menu;
  }
  return nullptr;
}

std::optional<size_t> ChoiceIndex(const std::string& text, size_t count) {
  size_t choice = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), choice);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) return std::nullopt;
  if (choice < 1 || choice > count) return std::nullopt;
  return choice - 1;
}

void Shell::MenuCommand() {
  const std::vector<MenuBar::Entry>& entries = session_->menus().Entries();
  std::wstring bar;
  for (size_t i = 0; i < entries.size(); ++i) {
    bar += std::to_wstring(i + 1) + L" " + ui::WithoutMnemonics(entries[i].title) + L"  ";
  }
  output_.Line(bar);
  const std::string menuText = Ask(L"Choose a menu:");
  const std::optional<size_t> menuIndex = ChoiceIndex(menuText, entries.size());
  if (!menuIndex) return output_.Line(L"No such menu.");
  const PullDownMenu* menu = PullDown(entries[*menuIndex]);
  if (menu == nullptr || menu->items.empty()) return output_.Line(L"The menu has no items.");
  output_.Line(ui::WithoutMnemonics(menu->title));
  for (size_t i = 0; i < menu->items.size(); ++i) {
    const MenuItem& item = menu->items[i];
    const std::wstring indent(static_cast<size_t>(item.depth) * 2 + 2, L' ');
    output_.Line(indent + std::to_wstring(i + 1) + L" " +
                 (item.separator ? L"----" : ui::WithoutMnemonics(item.label)));
  }
  const std::optional<size_t> itemIndex = ChoiceIndex(Ask(L"Choose an item:"), menu->items.size());
  if (!itemIndex || menu->items[*itemIndex].separator) return output_.Line(L"No such item.");
  RunMacro(menu->items[*itemIndex].macro);
}

// A menu macro: "^C" cancels whatever runs (nothing here), then words as typed at "Command:",
// ";" standing for Enter.
void Shell::RunMacro(const std::wstring& macro) {
  std::wstring text = macro;
  while (text.starts_with(L"^C") || text.starts_with(L"^c")) text.erase(0, 2);
  for (wchar_t& c : text) {
    if (c == L';') c = L' ';
  }
  const std::vector<std::string> words = SplitWords(EncodeUtf8(text));
  if (words.empty()) return;
  output_.Line(L"Command: " + text);
  answers_.Queue(std::deque<std::string>(words.begin() + 1, words.end()));
  Run(Wide(words.front()));
}

void Shell::HelpCommand() {
  output_.Line(L"Host commands: OPEN SAVE SAVEAS QUIT LIST SETVAR GETVAR APPLOAD MENU HELP");
  std::wstring loaded;
  for (const MenuBar::Entry& entry : session_->menus().Entries()) {
    const PullDownMenu* menu = PullDown(entry);
    if (menu == nullptr) continue;
    for (const MenuItem& item : menu->items) {
      std::wstring name = item.macro;
      while (name.starts_with(L"^C")) name.erase(0, 2);
      name = name.substr(0, name.find_first_of(L" ;"));
      if (!name.empty() && !odedRegCmds()->lookupCmd(CommandKey(name)).isNull()) {
        loaded += L" " + CommandKey(name);
      }
    }
  }
  if (!loaded.empty()) output_.Line(L"Module commands on the menu bar:" + loaded);
  output_.Line(L"Enter repeats the last command; Ctrl-C or Escape cancels a prompt.");
  output_.Line(L"FILEDIA 0 asks for file names on the command line.");
}

}  // namespace

int RunShell(const ShellRequest& request, std::istream& in, std::ostream& out,
             std::ostream& errors) {
  std::setlocale(LC_ALL, "");
  const bool terminal = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
  CommandLineOutput output(out);
  std::unique_ptr<LineSource> lines;
  if (terminal) {
    lines = std::make_unique<ReadlineSource>();
  } else {
    lines = std::make_unique<StreamLineSource>(in, out);
  }
  ShellAnswers answers(*lines, output);
  ShellBackend backend(output, *lines, terminal);
  Shell shell(request, output, *lines, answers, errors);
  try {
    shell.Open(backend);
  } catch (const OdError& error) {
    errors << "quorlex: " << error.description().toUtf8() << "\n";
    return kUnusable;
  } catch (const std::exception& error) {
    errors << "quorlex: " << error.what() << "\n";
    return kUnusable;
  }
  shell.Loop();
  output.Finish();
  return 0;
}

}  // namespace app
