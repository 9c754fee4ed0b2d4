// CommandLineUserIO: the host's user IO. Prompts take their answers from a PromptAnswers source
// (the command-line flags or a script) and show "<prompt> <answer>" on the command line;
// putString prints exactly what it gets. A prompt without an answer left cancels (OdEdCancel),
// as Escape does.
//
// "Select objects:" reads its answer as a SelectionSpec, or W or C followed by two corner points
// (window: entities whose extents lie inside; crossing: whose extents meet the rectangle, see
// app/EntityExtents.h), and selects from model space in drawing order. A script's one answer is
// the selection and a malformed one is shown on the command line and cancels the prompt; a
// person's answers add up until an empty one, and a malformed one is shown and asked again.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "DbDatabase.h"
#include "DbUserIO.h"
#include "app/CommandLineOutput.h"

namespace app {

class PromptAnswers {
 public:
  virtual ~PromptAnswers() = default;
  // The next answer as typed (UTF-8), or nothing when there is none.
  virtual std::optional<std::string> NextAnswer() = 0;
  // A person at a terminal sees the prompt and types the answer on its line: such a source
  // shows `prompt` itself (AnswerPrompt) and the user IO does not echo "<prompt> <answer>".
  virtual bool ShowsPrompts() const { return false; }
  virtual std::optional<std::string> AnswerPrompt(std::wstring_view prompt) {
    static_cast<void>(prompt);
    return NextAnswer();
  }
};

class CommandLineUserIO : public OdDbUserIO {
 public:
  // A counted instance; `database` is what "Select objects:" selects from (may be null).
  static OdSmartPtr<CommandLineUserIO> createObject(CommandLineOutput& output,
                                                    PromptAnswers& answers, OdDbDatabase* database);

  OdDbSelectionSetPtr select(const OdString& prompt = OdString::kEmpty, int options = 0,
                             const OdDbSelectionSet* defaultValue = nullptr,
                             const OdString& keywords = OdString::kEmpty,
                             OdSSetTracker* tracker = nullptr) override;
  OdString getString(const OdString& prompt, int options = 0,
                     const OdString& defaultValue = OdString::kEmpty,
                     const OdString& keywords = OdString::kEmpty) override;
  int getInt(const OdString& prompt, int options = 0, int defaultValue = 0,
             const OdString& keywords = OdString::kEmpty) override;
  double getReal(const OdString& prompt, int options = 0, double defaultValue = 0.0,
                 const OdString& keywords = OdString::kEmpty) override;
  OdGePoint3d getPoint(const OdString& prompt, int options = 0,
                       const OdGePoint3d* defaultValue = nullptr,
                       const OdString& keywords = OdString::kEmpty) override;
  void putString(const OdString& text) override;

  // Whether a prompt showed "*Cancel*" since the last call (so the host does not repeat it).
  bool TakeCancelShown() { return std::exchange(cancelShown_, false); }

 protected:
  CommandLineUserIO(CommandLineOutput& output, PromptAnswers& answers, OdDbDatabase* database)
      : output_(output), answers_(answers), database_(database) {}

 private:
  // The next answer, shown after the prompt; throws OdEdCancel when there is none.
  std::wstring Ask(const OdString& prompt);
  // Adds what one answer to "Select objects:" picks and returns how many it picked (those
  // already selected included); nothing, said on the command line, when it is malformed.
  std::optional<unsigned> AddToSelection(OdDbSelectionSet& selection, const std::wstring& answer);

  CommandLineOutput& output_;
  PromptAnswers& answers_;
  OdDbDatabase* database_;
  bool cancelShown_ = false;
};

// The DXF type name of an entity as a file names it ("LINE", "POLYLINE", "3DFACE", ...).
std::wstring DxfTypeName(const OdDbEntity& entity);

}  // namespace app
