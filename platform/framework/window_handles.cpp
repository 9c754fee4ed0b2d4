#include "window_handles.h"

#include <map>

namespace {

std::map<HWND, std::unique_ptr<HWND__>>& Live() {
  static std::map<HWND, std::unique_ptr<HWND__>> handles;
  return handles;
}

std::vector<HWND>& ModalStack() {
  static std::vector<HWND> stack;
  return stack;
}

HWND Make() {
  auto handle = std::make_unique<HWND__>();
  HWND raw = handle.get();
  Live().emplace(raw, std::move(handle));
  return raw;
}

}  // namespace

HWND WindowHandles::CreateTopLevel(std::wstring caption) {
  HWND handle = Make();
  handle->caption = std::move(caption);
  return handle;
}

HWND WindowHandles::CreateDialogWindow(ui::DialogModel* model, HWND owner) {
  HWND dialog = Make();
  dialog->dialog = model;
  dialog->owner = owner;
  for (std::size_t i = 0; i < model->controls.size(); ++i) {
    HWND child = Make();
    child->dialog = model;
    child->parent = dialog;
    child->controlIndex = static_cast<int>(i);
    dialog->children.push_back(child);
  }
  return dialog;
}

void WindowHandles::Destroy(HWND handle) {
  auto it = Live().find(handle);
  if (!handle || it == Live().end()) return;
  for (HWND child : handle->children) Destroy(child);
  if (handle->attached) handle->attached->m_hWnd = nullptr;
  if (handle->temporary) handle->temporary->m_hWnd = nullptr;
  std::unique_ptr<HWND__> owned = std::move(it->second);
  Live().erase(it);
}

bool WindowHandles::IsLive(HWND handle) { return handle && Live().count(handle) > 0; }

void WindowHandles::Attach(CWnd* window, HWND handle) {
  handle->attached = window;
  window->m_hWnd = handle;
}

HWND WindowHandles::Child(HWND dialog, int id) {
  if (!IsLive(dialog) || !dialog->dialog || id == ui::kNoControlId) return nullptr;
  int index = dialog->dialog->IndexOf(id);
  if (index < 0 || static_cast<std::size_t>(index) >= dialog->children.size()) return nullptr;
  return dialog->children[static_cast<std::size_t>(index)];
}

ui::Control* WindowHandles::ControlOf(HWND handle) {
  if (!IsLive(handle) || !handle->dialog || handle->controlIndex < 0) return nullptr;
  return &handle->dialog->controls[static_cast<std::size_t>(handle->controlIndex)];
}

std::wstring WindowHandles::CaptionOf(HWND handle) {
  if (!IsLive(handle)) return {};
  if (ui::Control* control = ControlOf(handle)) return control->text;
  return handle->dialog ? handle->dialog->caption : handle->caption;
}

void WindowHandles::PushModal(HWND dialog) { ModalStack().push_back(dialog); }

void WindowHandles::PopModal(HWND dialog) {
  auto& stack = ModalStack();
  if (!stack.empty() && stack.back() == dialog) stack.pop_back();
}

HWND WindowHandles::ActiveModal() { return ModalStack().empty() ? nullptr : ModalStack().back(); }
