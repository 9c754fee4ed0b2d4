// The two ways the program drives a HostSession: `export` (one Quorlex command answered from the
// command-line flags) and `run` (a script).
#include <iostream>

#include "OdError.h"
#include "app/HostSession.h"
#include "app/Script.h"
#include "app/Utf8.h"

namespace app {
namespace {

constexpr int kFailed = 1;
constexpr int kUnusable = 2;

// The export's answers: each is given once; a second question of the same kind is cancelled,
// so an overwrite refusal cannot loop.
class ExportAnswers : public PromptAnswers, public DialogAnswers {
 public:
  explicit ExportAnswers(const ExportRequest& request) : request_(request) {}

  std::optional<std::string> NextAnswer() override {
    if (std::exchange(selectionGiven_, true)) return std::nullopt;
    return request_.selectionText;
  }
  std::optional<std::wstring> SaveFile(const ui::FileDialogRequest&) override {
    if (std::exchange(fileGiven_, true)) return std::nullopt;
    return DecodeUtf8(request_.output).value_or(L"");
  }
  bool ReplaceExisting() override { return request_.outputGiven; }
  std::optional<OptionFlags> Options() override {
    if (std::exchange(optionsGiven_, true)) return std::nullopt;
    return request_.options;
  }

 private:
  const ExportRequest& request_;
  bool selectionGiven_ = false;
  bool fileGiven_ = false;
  bool optionsGiven_ = false;
};

// Runs `body` with an open session; a drawing or module that cannot be used gives kUnusable.
template <typename Body>
int WithSession(const DrawingRequest& request, CommandLineOutput& output, PromptAnswers& prompts,
                DialogAnswers& dialogs, std::ostream& errors, SessionEnd end, Body body) {
  std::optional<HostSession> session;
  try {
    session.emplace(request, output, prompts, dialogs);
  } catch (const OdError& error) {
    errors << "quorlex: " << error.description().toUtf8() << "\n";
    return kUnusable;
  } catch (const std::exception& error) {  // ModuleError, or what a module's initApp threw
    errors << "quorlex: " << error.what() << "\n";
    return kUnusable;
  }
  body(*session);
  const bool saved = session->Save(errors);
  output.Finish();
  if (end == SessionEnd::kProcessExit) session->KeepDrawingUntilExit();
  return output.sawFailure() || !saved ? kFailed : 0;
}

}  // namespace

int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors,
              SessionEnd end) {
  CommandLineOutput output(out);
  ExportAnswers answers(request);
  bool succeeded = false;
  const int status =
      WithSession(request, output, answers, answers, errors, end, [&](HostSession& s) {
        output.Prompt(L"Command:", L"Quorlex");
        s.RunCommand(L"Quorlex");
        succeeded = output.sawSuccess();
      });
  if (status == 0 && !succeeded) return kFailed;
  return status;
}

int RunScript(const RunRequest& request, std::ostream& out, std::ostream& errors, SessionEnd end) {
  std::optional<Script> script;
  try {
    script = Script::Load(request.script);
  } catch (const ScriptError& error) {
    errors << "quorlex: " << error.what() << "\n";
    return kUnusable;
  }
  CommandLineOutput output(out);
  ScriptAnswers answers(*script, output);
  return WithSession(request, output, answers, answers, errors, end, [&](HostSession& session) {
    for (std::optional<std::string> line = script->NextCommand(); line;
         line = script->NextCommand()) {
      const std::wstring command = DecodeUtf8(*line).value_or(L"");
      output.Prompt(L"Command:", command);
      session.RunCommand(command);
    }
  });
}

}  // namespace app
