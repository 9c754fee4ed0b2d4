#include "app/CommandLineOutput.h"

#include "app/Utf8.h"

namespace app {

std::wstring OneLine(std::wstring text) {
  for (wchar_t& c : text) {
    if (c == L'\n' || c == L'\r') c = L' ';
  }
  return text;
}

void CommandLineOutput::Write(std::wstring_view text) {
  if (text.empty()) return;
  out_ << EncodeUtf8(text);
  out_.flush();
  atLineStart_ = text.back() == L'\n';
}

void CommandLineOutput::StartLine() {
  if (!atLineStart_) Write(L"\n");
}

void CommandLineOutput::Print(std::wstring_view text) {
  std::wstring_view message = text;
  while (!message.empty() && (message.front() == L'\n' || message.front() == L'\r')) {
    message.remove_prefix(1);
  }
  if (message.starts_with(L"Failure [")) failure_ = true;
  if (message.starts_with(L"Successfully processed ")) success_ = true;
  Write(text);
}

void CommandLineOutput::Prompt(std::wstring_view prompt, std::wstring_view answer) {
  StartLine();
  Write(prompt);
  if (!answer.empty() && !prompt.empty() && prompt.back() != L' ') Write(L" ");
  Write(answer);
  Write(L"\n");
}

void CommandLineOutput::Line(std::wstring_view text) {
  StartLine();
  Write(text);
  Write(L"\n");
}

void CommandLineOutput::Finish() { StartLine(); }

}  // namespace app
