// The command line of the host program: `quorlex export ...` and `quorlex run ...`, parsed into
// plain requests. Parsing checks everything that can be checked without opening a file (flag
// names and values, the selection spec), so that a usage error is reported before any work.
//
//   quorlex export DRAWING [-o FILE] [--select SPEC] [--delimiter
//   tab|semicolon|comma|space|other:C]
//                  [--format xyz|yxz] [--[no-]points] [--[no-]extract] [--[no-]end-points]
//                  [--[no-]mid-points] [--[no-]center-points] [--[no-]control-points]
//                  [--[no-]vertices] [--[no-]text] [--[no-]create-points]
//                  [--save | --save-as FILE] [--host-version TEXT] [--module PATH]
//   quorlex run DRAWING --script FILE [--save | --save-as FILE] [--host-version TEXT]
//                  [--module PATH]
//   quorlex shell [DRAWING] [--host-version TEXT] [--module PATH]
//
// Every flag that takes a value also accepts the form --flag=VALUE. A flag given twice takes the
// last value.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/OptionFlags.h"
#include "app/SelectionSpec.h"

namespace app {

// A malformed command line; what() is the one line after "quorlex: ".
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class SaveMode { kNone, kInPlace, kAs };

// What every command that opens a drawing shares.
struct DrawingRequest {
  std::string drawing;
  SaveMode save = SaveMode::kNone;
  std::string saveAs;
  std::optional<std::string> hostVersion;  // the _VERNUM value; the host's own when not given
  std::optional<std::string> modulePath;   // the module beside the program when not given
};

struct ExportRequest : DrawingRequest {
  std::string output = "Export.txt";
  bool outputGiven = false;           // a named file answers the overwrite question with yes
  std::string selectionText = "ALL";  // the answer to "Select objects:", as given
  SelectionSpec selection;            // selectionText parsed
  OptionFlags options;
};

struct RunRequest : DrawingRequest {
  std::string script;
};

// The interactive shell (app/Shell.h); the drawing may be empty.
struct ShellRequest : DrawingRequest {};

struct HelpRequest {};

using Request = std::variant<ExportRequest, RunRequest, ShellRequest, HelpRequest>;

// `args` are the arguments after the program name. Throws UsageError.
Request ParseCommandLine(std::span<const std::string_view> args);

// The option flags alone ("--no-extract --delimiter tab ..."), as a script answers the options
// dialog with them. Throws UsageError.
OptionFlags ParseOptionFlags(std::span<const std::string_view> args);

// Splits a line into words at blanks; "double quotes" keep blanks inside a word.
std::vector<std::string> SplitWords(std::string_view line);

// The short usage text printed after a usage error and for --help (ends with a line break).
std::string_view UsageText();

}  // namespace app
