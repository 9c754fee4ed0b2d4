#include "app/CommandLine.h"

#include <utility>

#include "app/Utf8.h"

namespace app {
namespace {

constexpr std::string_view kUsage =
    "usage: quorlex export DRAWING [-o FILE] [--select SPEC]\n"
    "                      [--delimiter tab|semicolon|comma|space|other:C] [--format xyz|yxz]\n"
    "                      [--[no-]points] [--[no-]extract] [--[no-]end-points]\n"
    "                      [--[no-]mid-points] [--[no-]center-points] [--[no-]control-points]\n"
    "                      [--[no-]vertices] [--[no-]text] [--[no-]create-points]\n"
    "                      [--save | --save-as FILE] [--host-version TEXT] [--module PATH]\n"
    "       quorlex run DRAWING --script FILE [--save | --save-as FILE]\n"
    "                      [--host-version TEXT] [--module PATH]\n"
    "       quorlex shell [DRAWING] [--host-version TEXT] [--module PATH]\n"
    "SPEC: ALL (default), NONE, LAYER=a,b, TYPE=LINE,ARC or HANDLE=1F,2A\n";

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Walks the arguments; a flag's value is either "--flag=VALUE" or the next argument.
class ArgumentReader {
 public:
  explicit ArgumentReader(std::span<const std::string_view> args) : args_(args) {}

  bool Done() const { return next_ >= args_.size(); }
  // The next argument; a "--flag=value" one is split, its value kept for Value().
  std::string_view Next() {
    std::string_view arg = args_[next_++];
    inline_value_.reset();
    const size_t equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string_view::npos) {
      inline_value_ = arg.substr(equals + 1);
      arg = arg.substr(0, equals);
    }
    return arg;
  }
  std::string_view Value(std::string_view flag) {
    if (inline_value_) return *std::exchange(inline_value_, std::nullopt);
    if (Done()) throw UsageError("option " + Quoted(flag) + " needs a value");
    return args_[next_++];
  }
  // A flag without a value must not be given one.
  void NoValue(std::string_view flag) const {
    if (inline_value_) throw UsageError("option " + Quoted(flag) + " takes no value");
  }

 private:
  std::span<const std::string_view> args_;
  size_t next_ = 0;
  std::optional<std::string_view> inline_value_;
};

DelimiterChoice ParseDelimiter(std::string_view value, std::wstring& otherText) {
  if (value == "tab") return DelimiterChoice::kTab;
  if (value == "semicolon") return DelimiterChoice::kSemicolon;
  if (value == "comma") return DelimiterChoice::kComma;
  if (value == "space") return DelimiterChoice::kSpace;
  if (!value.starts_with("other:")) {
    throw UsageError("unknown delimiter " + Quoted(value) +
                     " (use tab, semicolon, comma, space or other:C)");
  }
  const std::optional<std::wstring> text = DecodeUtf8(value.substr(6));
  if (!text) throw UsageError("the delimiter after 'other:' is not valid UTF-8");
  if (text->size() > 1) {
    throw UsageError("the delimiter after 'other:' must be at most one character, not " +
                     Quoted(value.substr(6)));
  }
  otherText = *text;
  return DelimiterChoice::kOther;
}

CoordinateOrder ParseFormat(std::string_view value) {
  if (value == "xyz") return CoordinateOrder::kXyz;
  if (value == "yxz") return CoordinateOrder::kYxz;
  throw UsageError("unknown format " + Quoted(value) + " (use xyz or yxz)");
}

// "--vertices" / "--no-vertices" and the like; false when `flag` is none of them.
bool ParseCheckFlag(std::string_view flag, OptionFlags& options) {
  if (!flag.starts_with("--")) return false;
  std::string_view name = flag.substr(2);
  const bool on = !name.starts_with("no-");
  if (!on) name.remove_prefix(3);
  for (size_t i = 0; i < kCheckOptionCount; ++i) {
    const auto option = static_cast<CheckOption>(i);
    if (FlagName(option) != name) continue;
    options.Check(option) = on;
    return true;
  }
  return false;
}

// Flags every drawing command knows; false when `flag` is none of them.
bool ParseDrawingFlag(std::string_view flag, ArgumentReader& reader, DrawingRequest& request) {
  if (flag == "--save") {
    reader.NoValue(flag);
    if (request.save == SaveMode::kAs) throw UsageError("--save and --save-as exclude each other");
    request.save = SaveMode::kInPlace;
  } else if (flag == "--save-as") {
    request.saveAs = reader.Value(flag);
    if (request.save == SaveMode::kInPlace) {
      throw UsageError("--save and --save-as exclude each other");
    }
    request.save = SaveMode::kAs;
  } else if (flag == "--host-version") {
    request.hostVersion = reader.Value(flag);
  } else if (flag == "--module") {
    request.modulePath = reader.Value(flag);
  } else {
    return false;
  }
  return true;
}

bool ParseOptionFlag(std::string_view flag, ArgumentReader& reader, OptionFlags& options) {
  if (flag == "--delimiter") {
    options.delimiter = ParseDelimiter(reader.Value(flag), options.otherText);
  } else if (flag == "--format") {
    options.format = ParseFormat(reader.Value(flag));
  } else if (ParseCheckFlag(flag, options)) {
    reader.NoValue(flag);
  } else {
    return false;
  }
  return true;
}

bool ParseExportFlag(std::string_view flag, ArgumentReader& reader, ExportRequest& request) {
  if (ParseOptionFlag(flag, reader, request.options)) return true;
  if (flag == "-o" || flag == "--output") {
    request.output = reader.Value(flag);
    request.outputGiven = true;
  } else if (flag == "--select") {
    try {
      request.selectionText = reader.Value(flag);
      request.selection = SelectionSpec::Parse(request.selectionText);
    } catch (const SelectionSpecError& error) {
      throw UsageError(std::string("--select: ") + error.what());
    }
  } else {
    return ParseDrawingFlag(flag, reader, request);
  }
  return true;
}

bool ParseRunFlag(std::string_view flag, ArgumentReader& reader, RunRequest& request) {
  if (flag != "--script") return ParseDrawingFlag(flag, reader, request);
  request.script = reader.Value(flag);
  return true;
}

// The shell saves with its own commands, so it takes only the host's flags.
bool ParseShellFlag(std::string_view flag, ArgumentReader& reader, ShellRequest& request) {
  if (flag != "--host-version" && flag != "--module") return false;
  return ParseDrawingFlag(flag, reader, request);
}

// The shared walk: the one positional argument is the drawing, every other must be a flag.
template <typename Request, typename FlagParser>
Request ParseCommand(ArgumentReader& reader, FlagParser parseFlag, bool needsDrawing = true) {
  Request request;
  bool haveDrawing = false;
  while (!reader.Done()) {
    const std::string_view arg = reader.Next();
    if (arg.starts_with("-") && arg.size() > 1) {
      if (!parseFlag(arg, reader, request)) throw UsageError("unknown option " + Quoted(arg));
    } else if (!haveDrawing) {
      request.drawing = arg;
      haveDrawing = true;
    } else {
      throw UsageError("unexpected argument " + Quoted(arg));
    }
  }
  if (!haveDrawing && needsDrawing) throw UsageError("no drawing given");
  return request;
}

}  // namespace

Request ParseCommandLine(std::span<const std::string_view> args) {
  if (args.empty()) throw UsageError("no command given");
  const std::string_view command = args[0];
  ArgumentReader reader(args.subspan(1));
  if (command == "--help" || command == "-h" || command == "help") return HelpRequest{};
  if (command == "export") return ParseCommand<ExportRequest>(reader, ParseExportFlag);
  if (command == "shell") return ParseCommand<ShellRequest>(reader, ParseShellFlag, false);
  if (command != "run") throw UsageError("unknown command " + Quoted(command));
  RunRequest request = ParseCommand<RunRequest>(reader, ParseRunFlag);
  if (request.script.empty()) throw UsageError("run needs --script FILE");
  return request;
}

OptionFlags ParseOptionFlags(std::span<const std::string_view> args) {
  ArgumentReader reader(args);
  OptionFlags options;
  while (!reader.Done()) {
    const std::string_view arg = reader.Next();
    if (!ParseOptionFlag(arg, reader, options)) throw UsageError("unknown option " + Quoted(arg));
  }
  return options;
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  bool inWord = false;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      if (!inWord) words.emplace_back();
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      inWord = false;
    } else {
      if (!inWord) words.emplace_back();
      inWord = true;
      words.back() += c;
    }
  }
  return words;
}

std::string_view UsageText() { return kUsage; }

}  // namespace app
