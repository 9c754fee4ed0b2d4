#include "ui/backend.h"

#include <atomic>

namespace ui {

namespace {
std::atomic<Backend*> installed{nullptr};
}  // namespace

Backend* SetBackend(Backend* backend) { return installed.exchange(backend); }

Backend* CurrentBackend() { return installed.load(); }

Answer FirstButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return Answer::Ok;
    case MessageButtons::AbortRetryIgnore:
      return Answer::Abort;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNo:
      return Answer::Yes;
    case MessageButtons::RetryCancel:
      return Answer::Retry;
  }
  return Answer::Ok;
}

bool IsOneOf(Answer answer, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return answer == Answer::Ok;
    case MessageButtons::OkCancel:
      return answer == Answer::Ok || answer == Answer::Cancel;
    case MessageButtons::AbortRetryIgnore:
      return answer == Answer::Abort || answer == Answer::Retry || answer == Answer::Ignore;
    case MessageButtons::YesNoCancel:
      return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    case MessageButtons::YesNo:
      return answer == Answer::Yes || answer == Answer::No;
    case MessageButtons::RetryCancel:
      return answer == Answer::Retry || answer == Answer::Cancel;
  }
  return false;
}

}  // namespace ui
