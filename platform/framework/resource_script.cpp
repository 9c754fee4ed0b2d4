#include "framework/resource_script.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "afxres.h"
#include "afxstr.h"

namespace framework {

namespace {

enum class TokenKind { Number, String, Name, Punct, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // names and punctuation; UTF-8 content of strings
  long long number = 0;
  int line = 0;
};

// Splits the script into tokens; preprocessor lines are handed to `onDirective`.
class Lexer {
 public:
  Lexer(std::string_view text, const std::string& origin) : text_(text), origin_(origin) {}

  std::vector<Token> Run(std::map<std::string, long long>& defines) {
    std::vector<Token> tokens;
    while (SkipSpaceAndComments()) {
      if (atLineStart_ && text_[pos_] == '#') {
        Directive(defines);
        continue;
      }
      atLineStart_ = false;
      tokens.push_back(Next());
    }
    Token end;
    end.line = line_;
    tokens.push_back(end);
    return tokens;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ResourceScriptError(origin_, line_, what);
  }

  // Moves past blanks and comments; false at the end of the text.
  bool SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
        atLineStart_ = true;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++pos_;
      } else if (text_.substr(pos_, 2) == "//") {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else if (text_.substr(pos_, 2) == "/*") {
        BlockComment();
      } else {
        return true;
      }
    }
    return false;
  }

  void BlockComment() {
    int start = line_;
    pos_ += 2;
    while (pos_ < text_.size() && text_.substr(pos_, 2) != "*/") {
      if (text_[pos_++] == '\n') ++line_;
    }
    if (pos_ >= text_.size()) {
      line_ = start;
      Fail("comment is not closed");
    }
    pos_ += 2;
  }

  std::string RestOfLine() {
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string line(text_.substr(pos_, end - pos_));
    pos_ = end;
    return line;
  }

  // `#define NAME number` adds a symbol; every other directive is skipped.
  void Directive(std::map<std::string, long long>& defines) {
    std::string line = RestOfLine();
    std::size_t i = 1;
    auto word = [&]() {
      while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
      std::size_t start = i;
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
      return line.substr(start, i - start);
    };
    if (word() != "define") return;
    std::string name = word();
    std::string value = word();
    auto number = ParseNumber(value);
    if (!name.empty() && number) defines[name] = *number;
  }

  static std::optional<long long> ParseNumber(std::string value) {
    bool negative = !value.empty() && value[0] == '-';
    if (negative) value.erase(0, 1);
    while (!value.empty() && (value.back() == 'L' || value.back() == 'l' || value.back() == 'U' ||
                              value.back() == 'u')) {
      value.pop_back();
    }
    if (value.empty()) return std::nullopt;
    int base = 10;
    std::size_t i = 0;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
      base = 16;
      i = 2;
    }
    long long result = 0;
    for (; i < value.size(); ++i) {
      int digit = std::isdigit(static_cast<unsigned char>(value[i]))
                      ? value[i] - '0'
                      : (base == 16 && std::isxdigit(static_cast<unsigned char>(value[i]))
                             ? std::tolower(static_cast<unsigned char>(value[i])) - 'a' + 10
                             : -1);
      if (digit < 0) return std::nullopt;
      result = result * base + digit;
      if (result > 0xFFFFFFFFLL) return std::nullopt;
    }
    return negative ? -result : result;
  }

  Token Next() {
    Token token;
    token.line = line_;
    char c = text_[pos_];
    if (c == '"') return String(token);
    if (std::isdigit(static_cast<unsigned char>(c))) return Number(token);
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Name(token);
    if (std::string_view(",|{}()-+").find(c) == std::string_view::npos) {
      Fail(std::string("unexpected character '") +
           (std::isprint(static_cast<unsigned char>(c)) ? std::string(1, c) : "\\x" + Hex(c)) +
           "'");
    }
    token.kind = TokenKind::Punct;
    token.text = std::string(1, c);
    ++pos_;
    return token;
  }

  static std::string Hex(char c) {
    static const char* digits = "0123456789abcdef";
    auto byte = static_cast<unsigned char>(c);
    return {digits[byte >> 4], digits[byte & 15]};
  }

  Token Number(Token token) {
    std::size_t start = pos_;
    while (pos_ < text_.size() && std::isalnum(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    std::string word(text_.substr(start, pos_ - start));
    auto value = ParseNumber(word);
    if (!value) Fail("bad number '" + word + "'");
    token.kind = TokenKind::Number;
    token.number = *value;
    return token;
  }

  Token Name(Token token) {
    std::size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
      ++pos_;
    }
    token.kind = TokenKind::Name;
    token.text = std::string(text_.substr(start, pos_ - start));
    if (token.text == "L" && pos_ < text_.size() && text_[pos_] == '"') return String(token);
    return token;
  }

  // A quoted string: "" is a quote; \\ \" \n \t \r \a and \ooo octal escapes.
  Token String(Token token) {
    token.kind = TokenKind::String;
    token.text.clear();
    ++pos_;
    while (true) {
      if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("string is not closed on its line");
      char c = text_[pos_++];
      if (c == '"') {
        if (pos_ < text_.size() && text_[pos_] == '"') {
          token.text += '"';
          ++pos_;
          continue;
        }
        return token;
      }
      token.text += c == '\\' ? Escape() : c;
    }
  }

  char Escape() {
    if (pos_ >= text_.size()) Fail("string is not closed on its line");
    char c = text_[pos_++];
    if (c >= '0' && c <= '7') {
      int value = c - '0';
      for (int k = 0; k < 2 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7';
           ++k) {
        value = value * 8 + (text_[pos_++] - '0');
      }
      return static_cast<char>(value & 0xFF);
    }
    switch (c) {
      case 'n':
        return '\n';
      case 't':
        return '\t';
      case 'r':
        return '\r';
      case 'a':
        return '\a';
      default:
        return c;
    }
  }

  std::string_view text_;
  const std::string& origin_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool atLineStart_ = true;
};

#define RC_SYMBOL(name) \
  { #name, static_cast < long long>(name) }
const std::map<std::string, long long>& BuiltinSymbols() {
  static const std::map<std::string, long long> symbols = {RC_SYMBOL(IDOK),
                                                           RC_SYMBOL(IDCANCEL),
                                                           RC_SYMBOL(IDABORT),
                                                           RC_SYMBOL(IDRETRY),
                                                           RC_SYMBOL(IDIGNORE),
                                                           RC_SYMBOL(IDYES),
                                                           RC_SYMBOL(IDNO),
                                                           {"IDHELP", 9},
                                                           {"IDC_STATIC", -1},
                                                           RC_SYMBOL(WS_POPUP),
                                                           RC_SYMBOL(WS_CHILD),
                                                           RC_SYMBOL(WS_VISIBLE),
                                                           RC_SYMBOL(WS_DISABLED),
                                                           RC_SYMBOL(WS_CAPTION),
                                                           RC_SYMBOL(WS_BORDER),
                                                           RC_SYMBOL(WS_DLGFRAME),
                                                           RC_SYMBOL(WS_VSCROLL),
                                                           RC_SYMBOL(WS_HSCROLL),
                                                           RC_SYMBOL(WS_SYSMENU),
                                                           RC_SYMBOL(WS_THICKFRAME),
                                                           RC_SYMBOL(WS_GROUP),
                                                           RC_SYMBOL(WS_TABSTOP),
                                                           RC_SYMBOL(DS_SETFONT),
                                                           RC_SYMBOL(DS_MODALFRAME),
                                                           RC_SYMBOL(DS_FIXEDSYS),
                                                           RC_SYMBOL(DS_CENTER),
                                                           RC_SYMBOL(DS_SHELLFONT),
                                                           RC_SYMBOL(BS_PUSHBUTTON),
                                                           RC_SYMBOL(BS_DEFPUSHBUTTON),
                                                           RC_SYMBOL(BS_CHECKBOX),
                                                           RC_SYMBOL(BS_AUTOCHECKBOX),
                                                           RC_SYMBOL(BS_RADIOBUTTON),
                                                           RC_SYMBOL(BS_3STATE),
                                                           RC_SYMBOL(BS_AUTO3STATE),
                                                           RC_SYMBOL(BS_GROUPBOX),
                                                           RC_SYMBOL(BS_AUTORADIOBUTTON),
                                                           RC_SYMBOL(BS_LEFTTEXT),
                                                           RC_SYMBOL(ES_LEFT),
                                                           RC_SYMBOL(ES_CENTER),
                                                           RC_SYMBOL(ES_RIGHT),
                                                           RC_SYMBOL(ES_AUTOHSCROLL),
                                                           RC_SYMBOL(ES_READONLY),
                                                           RC_SYMBOL(ES_NUMBER),
                                                           RC_SYMBOL(CBS_SIMPLE),
                                                           RC_SYMBOL(CBS_DROPDOWN),
                                                           RC_SYMBOL(CBS_DROPDOWNLIST),
                                                           RC_SYMBOL(CBS_SORT),
                                                           RC_SYMBOL(CBS_HASSTRINGS),
                                                           RC_SYMBOL(SS_LEFT),
                                                           RC_SYMBOL(SS_CENTER),
                                                           RC_SYMBOL(SS_RIGHT),
                                                           RC_SYMBOL(SS_ETCHEDHORZ),
                                                           RC_SYMBOL(SS_ETCHEDVERT),
                                                           RC_SYMBOL(SS_NOTIFY),
                                                           {"WS_EX_NOPARENTNOTIFY", 0x4},
                                                           {"WS_EX_CLIENTEDGE", 0x200},
                                                           {"WS_EX_STATICEDGE", 0x20000}};
  return symbols;
}
#undef RC_SYMBOL

struct StyleValue {
  DWORD set = 0;
  DWORD cleared = 0;
  DWORD Apply(DWORD defaults) const { return (defaults | set) & ~cleared; }
};

struct StatementForm {
  const char* keyword;
  bool hasText;
  const wchar_t* className;
  DWORD defaults;
};

// The control statements that are not CONTROL, with the class and default style they imply.
const StatementForm* FindForm(const std::string& keyword) {
  static const StatementForm forms[] = {
      {"PUSHBUTTON", true, L"Button", BS_PUSHBUTTON | WS_TABSTOP},
      {"DEFPUSHBUTTON", true, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP},
      {"CHECKBOX", true, L"Button", BS_CHECKBOX | WS_TABSTOP},
      {"AUTOCHECKBOX", true, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP},
      {"RADIOBUTTON", true, L"Button", BS_RADIOBUTTON | WS_TABSTOP},
      {"AUTORADIOBUTTON", true, L"Button", BS_AUTORADIOBUTTON | WS_TABSTOP},
      {"STATE3", true, L"Button", BS_3STATE | WS_TABSTOP},
      {"AUTO3STATE", true, L"Button", BS_AUTO3STATE | WS_TABSTOP},
      {"GROUPBOX", true, L"Button", BS_GROUPBOX},
      {"LTEXT", true, L"Static", SS_LEFT | WS_GROUP},
      {"CTEXT", true, L"Static", SS_CENTER | WS_GROUP},
      {"RTEXT", true, L"Static", SS_RIGHT | WS_GROUP},
      {"EDITTEXT", false, L"Edit", ES_LEFT | WS_BORDER | WS_TABSTOP},
      {"COMBOBOX", false, L"ComboBox", CBS_SIMPLE | WS_TABSTOP},
  };
  for (const auto& form : forms) {
    if (keyword == form.keyword) return &form;
  }
  return nullptr;
}

bool IsBegin(const Token& t) {
  return (t.kind == TokenKind::Name && t.text == "BEGIN") ||
         (t.kind == TokenKind::Punct && t.text == "{");
}
bool IsEnd(const Token& t) {
  return (t.kind == TokenKind::Name && t.text == "END") ||
         (t.kind == TokenKind::Punct && t.text == "}");
}

std::string Describe(const Token& t) {
  switch (t.kind) {
    case TokenKind::Number:
      return "number " + std::to_string(t.number);
    case TokenKind::String:
      return "string \"" + t.text + "\"";
    case TokenKind::Name:
      return "'" + t.text + "'";
    case TokenKind::Punct:
      return "'" + t.text + "'";
    case TokenKind::End:
      return "the end of the script";
  }
  return "?";
}

class Parser {
 public:
  Parser(std::vector<Token> tokens, std::map<std::string, long long> defines,
         const std::string& origin)
      : tokens_(std::move(tokens)), defines_(std::move(defines)), origin_(origin) {}

  std::vector<DialogTemplate> Run() {
    while (Peek().kind != TokenKind::End) Resource();
    for (auto& [id, entries] : initData_) {
      auto dialog = std::find_if(dialogs_.begin(), dialogs_.end(),
                                 [id = id](const DialogTemplate& d) { return d.id == id; });
      if (dialog != dialogs_.end()) dialog->initData = std::move(entries);
    }
    return std::move(dialogs_);
  }

 private:
  [[noreturn]] void Fail(const Token& at, const std::string& what) const {
    throw ResourceScriptError(origin_, at.line, what);
  }
  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  const Token& Take() {
    const Token& t = Peek();
    if (pos_ < tokens_.size() - 1) ++pos_;
    return t;
  }
  bool TakeIf(const char* punct) {
    if (Peek().kind != TokenKind::Punct || Peek().text != punct) return false;
    Take();
    return true;
  }
  void Expect(const char* punct, const char* where) {
    if (!TakeIf(punct)) {
      Fail(Peek(),
           std::string("expected '") + punct + "' " + where + ", found " + Describe(Peek()));
    }
  }

  std::optional<long long> Symbol(const std::string& name) const {
    if (auto it = defines_.find(name); it != defines_.end()) return it->second;
    if (auto it = BuiltinSymbols().find(name); it != BuiltinSymbols().end()) return it->second;
    return std::nullopt;
  }

  // number | -number | symbol | ( expression )
  long long Term(const char* what, int depth) {
    const Token& t = Take();
    if (t.kind == TokenKind::Number) return t.number;
    if (t.kind == TokenKind::Punct && t.text == "-" && depth < 16) return -Term(what, depth + 1);
    if (t.kind == TokenKind::Name) {
      if (auto value = Symbol(t.text)) return *value;
      Fail(t, "unknown name '" + t.text + "' in " + what);
    }
    if (t.kind == TokenKind::Punct && t.text == "(" && depth < 16) {
      long long value = static_cast<long long>(Expression(what, depth + 1).set);
      Expect(")", "to close the parenthesis");
      return value;
    }
    Fail(t, std::string("expected ") + what + ", found " + Describe(t));
  }

  // term { (| or +) [NOT] term }, with NOT clearing bits from the statement's defaults.
  StyleValue Expression(const char* what, int depth = 0) {
    StyleValue value;
    do {
      bool negate = Peek().kind == TokenKind::Name && Peek().text == "NOT";
      if (negate) Take();
      auto bits = static_cast<DWORD>(Term(what, depth));
      (negate ? value.cleared : value.set) |= bits;
      if (negate) value.set &= ~bits;
    } while (TakeIf("|") || TakeIf("+"));
    return value;
  }

  int Integer(const char* what) {
    const Token& at = Peek();
    StyleValue v = Expression(what);
    auto value = static_cast<long long>(static_cast<int32_t>(v.set));
    if (v.cleared) Fail(at, std::string("NOT is not allowed in ") + what);
    return static_cast<int>(value);
  }

  std::wstring Text(const char* what) {
    const Token& t = Take();
    if (t.kind == TokenKind::String) return Utf8ToWide(t.text);
    if (t.kind == TokenKind::Number) return std::wstring();  // an icon or bitmap id
    Fail(t, std::string("expected ") + what + " in quotes, found " + Describe(t));
  }

  void Resource() {
    const Token& name = Take();
    if (name.kind == TokenKind::Name && name.text == "LANGUAGE") return SkipLine(name.line);
    if (name.kind == TokenKind::Name && name.text == "STRINGTABLE") return SkipResource(name);
    if (name.kind != TokenKind::Name && name.kind != TokenKind::Number) {
      Fail(name, "expected a resource name, found " + Describe(name));
    }
    const Token& type = Take();
    if (type.kind != TokenKind::Name) Fail(type, "expected a resource type after the name");
    if (type.text == "DIALOGEX" || type.text == "DIALOG") return Dialog(name, type);
    if (type.text == "DLGINIT") return DialogInit(name);
    SkipResource(type);
  }

  void SkipLine(int line) {
    while (Peek().kind != TokenKind::End && Peek().line == line) Take();
  }

  // A resource this reader does not use: a one-line reference to a file, or a block.
  void SkipResource(const Token& type) {
    bool fileOnLine = false;
    for (std::size_t k = 0; Peek(k).kind != TokenKind::End && Peek(k).line == type.line; ++k) {
      fileOnLine = fileOnLine || Peek(k).kind == TokenKind::String;
    }
    if (fileOnLine) return SkipLine(type.line);
    while (!IsBegin(Peek())) {
      if (Peek().kind == TokenKind::End) Fail(type, "resource has no BEGIN block");
      Take();
    }
    SkipBlock();
  }

  void SkipBlock() {
    const Token& open = Take();
    for (int depth = 1; depth > 0;) {
      const Token& t = Take();
      if (t.kind == TokenKind::End) Fail(open, "BEGIN without END");
      depth += IsBegin(t) ? 1 : (IsEnd(t) ? -1 : 0);
    }
  }

  int ResourceId(const Token& name) {
    if (name.kind == TokenKind::Number) return static_cast<int>(name.number);
    if (auto value = Symbol(name.text)) return static_cast<int>(*value);
    Fail(name, "resource name '" + name.text + "' is neither a number nor a #define");
  }

  void Dialog(const Token& name, const Token& type) {
    DialogTemplate dialog;
    dialog.id = ResourceId(name);
    dialog.extended = type.text == "DIALOGEX";
    dialog.x = Integer("the dialog's x");
    Expect(",", "after the dialog's x");
    dialog.y = Integer("the dialog's y");
    Expect(",", "after the dialog's y");
    dialog.cx = Integer("the dialog's width");
    Expect(",", "after the dialog's width");
    dialog.cy = Integer("the dialog's height");
    if (TakeIf(",")) Integer("the dialog's help id");
    dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    while (!IsBegin(Peek())) DialogOption(dialog);
    Take();
    while (!IsEnd(Peek())) dialog.controls.push_back(Control());
    Take();
    dialogs_.push_back(std::move(dialog));
  }

  void DialogOption(DialogTemplate& dialog) {
    const Token& option = Take();
    if (option.kind != TokenKind::Name) {
      Fail(option, "expected a dialog option or BEGIN, found " + Describe(option));
    }
    if (option.text == "STYLE") {
      dialog.style = Expression("the dialog style").Apply(0);
    } else if (option.text == "EXSTYLE") {
      dialog.exStyle = Expression("the dialog's extended style").Apply(0);
    } else if (option.text == "CAPTION") {
      dialog.caption = Text("the caption");
      dialog.style |= WS_CAPTION;
    } else if (option.text == "FONT") {
      Font(dialog);
    } else if (option.text == "LANGUAGE" || option.text == "CHARACTERISTICS" ||
               option.text == "VERSION" || option.text == "MENU" || option.text == "CLASS") {
      SkipLine(option.line);
    } else {
      Fail(option, "unknown dialog option '" + option.text + "'");
    }
  }

  void Font(DialogTemplate& dialog) {
    dialog.fontSize = Integer("the font size");
    Expect(",", "after the font size");
    dialog.fontName = Text("the font name");
    for (int extra = 0; extra < 3 && TakeIf(","); ++extra) Integer("the font's weight or style");
    dialog.style |= DS_SETFONT;
  }

  ControlTemplate Control() {
    const Token& keyword = Take();
    if (keyword.kind == TokenKind::End) Fail(keyword, "dialog has no END");
    if (keyword.kind != TokenKind::Name) {
      Fail(keyword, "expected a control statement, found " + Describe(keyword));
    }
    ControlTemplate control;
    control.line = keyword.line;
    if (keyword.text == "CONTROL") {
      GenericControl(control);
    } else if (const StatementForm* form = FindForm(keyword.text)) {
      FormControl(control, *form);
    } else {
      Fail(keyword, "unknown control statement '" + keyword.text + "'");
    }
    control.style |= WS_CHILD | WS_VISIBLE;
    return control;
  }

  void Rectangle(ControlTemplate& control) {
    control.x = Integer("the control's x");
    Expect(",", "after the control's x");
    control.y = Integer("the control's y");
    Expect(",", "after the control's y");
    control.cx = Integer("the control's width");
    Expect(",", "after the control's width");
    control.cy = Integer("the control's height");
  }

  // CONTROL text, id, class, style, x, y, cx, cy [, exstyle]
  void GenericControl(ControlTemplate& control) {
    control.text = Text("the control's text");
    Expect(",", "after the control's text");
    control.id = Integer("the control id");
    Expect(",", "after the control id");
    control.className = ClassName();
    Expect(",", "after the control class");
    control.style = Expression("the control style").Apply(0);
    Expect(",", "after the control style");
    Rectangle(control);
    if (TakeIf(",")) control.exStyle = Expression("the extended style").Apply(0);
  }

  std::wstring ClassName() {
    const Token& t = Take();
    std::string name = t.text;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (t.kind != TokenKind::String && t.kind != TokenKind::Name) {
      Fail(t, "expected the control class, found " + Describe(t));
    }
    if (name == "button" || name == "wc_button") return L"Button";
    if (name == "edit" || name == "wc_edit") return L"Edit";
    if (name == "static" || name == "wc_static") return L"Static";
    if (name == "combobox" || name == "wc_combobox") return L"ComboBox";
    Fail(t, "unsupported control class \"" + t.text + "\"");
  }

  // KEYWORD [text,] id, x, y, cx, cy [, style [, exstyle]]
  void FormControl(ControlTemplate& control, const StatementForm& form) {
    if (form.hasText) {
      control.text = Text("the control's text");
      Expect(",", "after the control's text");
    }
    control.id = Integer("the control id");
    Expect(",", "after the control id");
    Rectangle(control);
    control.className = form.className;
    control.style = form.defaults;
    if (TakeIf(",")) control.style = Expression("the control style").Apply(form.defaults);
    if (TakeIf(",")) control.exStyle = Expression("the extended style").Apply(0);
  }

  // id DLGINIT BEGIN { control, message, length, 0, data... } 0 END
  void DialogInit(const Token& name) {
    int id = ResourceId(name);
    if (!IsBegin(Peek())) Fail(Peek(), "expected BEGIN after DLGINIT");
    Take();
    std::vector<InitDataEntry> entries;
    while (true) {
      const Token& first = Peek();
      if (IsEnd(first)) Fail(first, "init data must end with 0 before END");
      int control = Integer("a control id in init data");
      TakeIf(",");
      if (control == 0 && IsEnd(Peek())) break;
      entries.push_back(InitEntry(control, first));
    }
    Take();
    initData_[id] = std::move(entries);
  }

  InitDataEntry InitEntry(int control, const Token& at) {
    InitDataEntry entry;
    entry.controlId = control;
    entry.message = static_cast<UINT>(Integer("the init message"));
    Expect(",", "after the init message");
    int length = Integer("the init data length");
    Expect(",", "after the init data length");
    if (length < 0 || length > 65535) Fail(at, "init data length out of range");
    if (Integer("the reserved 0 of init data") != 0) Fail(at, "init data needs 0 after the length");
    std::string bytes = InitBytes(static_cast<std::size_t>(length), at);
    std::wstring text;
    for (char c : bytes) {
      if (c == '\0') break;
      text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    entry.text = std::move(text);
    return entry;
  }

  std::string InitBytes(std::size_t length, const Token& at) {
    std::string bytes;
    while (bytes.size() < length) {
      TakeIf(",");
      const Token& t = Take();
      if (t.kind == TokenKind::String) {
        bytes += t.text;
      } else if (t.kind == TokenKind::Number) {
        bytes += static_cast<char>(t.number & 0xFF);
        bytes += static_cast<char>((t.number >> 8) & 0xFF);
      } else {
        Fail(t,
             "init data ends before its " + std::to_string(length) + " bytes, at " + Describe(t));
      }
    }
    if (bytes.size() > length + 1) Fail(at, "init data is longer than its length");
    TakeIf(",");
    return bytes;
  }

  std::vector<Token> tokens_;
  std::map<std::string, long long> defines_;
  const std::string& origin_;
  std::size_t pos_ = 0;
  std::vector<DialogTemplate> dialogs_;
  std::map<int, std::vector<InitDataEntry>> initData_;
};

}  // namespace

ResourceScriptError::ResourceScriptError(const std::string& origin, int line,
                                         const std::string& what)
    : std::runtime_error(origin + ":" + std::to_string(line) + ": " + what), line_(line) {}

ResourceScript ResourceScript::Parse(std::string_view text, const std::string& origin) {
  std::map<std::string, long long> defines;
  std::vector<Token> tokens = Lexer(text, origin).Run(defines);
  ResourceScript script;
  script.dialogs_ = Parser(std::move(tokens), std::move(defines), origin).Run();
  return script;
}

const DialogTemplate* ResourceScript::FindDialog(int id) const {
  for (const auto& dialog : dialogs_) {
    if (dialog.id == id) return &dialog;
  }
  return nullptr;
}

}  // namespace framework
