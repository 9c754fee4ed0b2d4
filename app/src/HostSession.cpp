#include "app/HostSession.h"

#include <exception>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "DbCommandContext.h"
#include "Ed/EdCommandStack.h"
#include "afxthread.h"
#include "app/HostSds.h"
#include "app/HostSystemVariables.h"
#include "app/MenuBar.h"
#include "app/ModuleLoader.h"
#include "app/Utf8.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "ui/backend.h"

namespace app {
namespace {

std::wstring Wide(std::string_view utf8) { return DecodeUtf8(utf8).value_or(L"?"); }

std::wstring CommandName(const std::wstring& typed) {
  std::wstring_view name = typed;
  while (!name.empty() && (name.front() == L'_' || name.front() == L'.')) name.remove_prefix(1);
  return std::wstring(name);
}

// The host's main window and the thread object that knows it, for the session.
class MainWindow {
 public:
  MainWindow() {
    window_.CreateTopLevel(L"Quorlex");
    thread_.m_pMainWnd = &window_;
    previous_ = AfxSetThread(&thread_);
  }
  ~MainWindow() {
    AfxSetThread(previous_);
    window_.DestroyWindow();
  }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

 private:
  CWnd window_;
  CWinThread thread_;
  CWinThread* previous_ = nullptr;
};

// The drawings kept until the process ends; reachable, so a leak checker does not count them.
std::vector<OdDbDatabasePtr>& DrawingsKeptUntilExit() {
  static auto* kept = new std::vector<OdDbDatabasePtr>;
  return *kept;
}

OdDbDatabasePtr ReadDrawing(const std::string& path, const dxf::ReadOptions& read) {
  if (path.empty()) return OdDbDatabasePtr();
  return dxf::readDxfFile(path, read);
}

}  // namespace

class HostSession::Impl {
 public:
  // Exactly one of `dialogs` (the batch host's answers) and `backend` is given.
  Impl(const DrawingRequest& request, CommandLineOutput& output, PromptAnswers& prompts,
       DialogAnswers* dialogs, ui::Backend* backend, const dxf::ReadOptions& read)
      : request_(request),
        output_(output),
        prompts_(prompts),
        variables_(Wide(request.hostVersion.value_or(EncodeUtf8(kDefaultHostVersion))),
                   request.drawing),
        sds_(variables_, menus_, output),
        sdsScope_(&sds_),
        hostBackend_(dialogs ? std::make_unique<HostBackend>(output, *dialogs) : nullptr),
        backendScope_(hostBackend_ ? hostBackend_.get() : backend),
        database_(ReadDrawing(request.drawing, read)),
        userIO_(CommandLineUserIO::createObject(output, prompts, database_.get())),
        module_(
            LoadedModule::Load(request.modulePath.value_or(ProgramFolder() + kModuleFileName))) {}

  ~Impl() {
    userIO_ = nullptr;
    database_ = nullptr;
    module_.reset();
  }

  void RunCommand(const std::wstring& typed) {
    OdEdCommandPtr command = odedRegCmds()->lookupCmd(CommandName(typed));
    if (command.isNull()) {
      output_.Line(L"Unknown command \"" + typed + L"\".");
      output_.NoteFailure();
      return;
    }
    // With no drawing open a command gets no context, which is how commands learn of it.
    if (database_.isNull()) return Execute(*command, nullptr);
    OdDbCommandContextPtr context =
        OdDbCommandContext::createObject(database_.get(), userIO_.get());
    Execute(*command, context.get());
  }

  OdDbDatabase* database() { return database_.get(); }
  MenuBar& menus() { return menus_; }

  void KeepDrawingUntilExit() {
    userIO_ = CommandLineUserIO::createObject(output_, prompts_, nullptr);
    if (!database_.isNull()) DrawingsKeptUntilExit().push_back(std::move(database_));
    database_ = nullptr;
  }

  void Open(const std::string& path, const dxf::ReadOptions& read) {
    OdDbDatabasePtr opened = dxf::readDxfFile(path, read);
    userIO_ = CommandLineUserIO::createObject(output_, prompts_, opened.get());
    database_ = opened;
    variables_.SetDrawing(path);
  }

  void SaveTo(const std::string& path) {
    if (database_.isNull()) throw OdError(L"No drawing is open");
    dxf::saveDxfFile(database_.get(), path);
    database_->clearAppendedSinceLoad();
    variables_.SetDrawing(path);
  }

  bool Save(std::ostream& errors) {
    if (request_.save == SaveMode::kNone) {
      ReportUnsaved();
      return true;
    }
    const std::string& path = request_.save == SaveMode::kAs ? request_.saveAs : request_.drawing;
    try {
      dxf::saveDxfFile(database_.get(), path);
      database_->clearAppendedSinceLoad();
      output_.Line(L"Drawing saved to " + Wide(path));
      return true;
    } catch (const OdError& error) {
      errors << "quorlex: " << error.description().toUtf8() << "\n";
      return false;
    }
  }

 private:
  void Execute(OdEdCommand& command, OdDbCommandContext* context) {
    try {
      command.execute(context);
      return;
    } catch (const OdEdCancel&) {
      if (!userIO_->TakeCancelShown()) output_.Line(L"*Cancel*");
    } catch (const OdError& error) {
      output_.Line(OneLine(error.description().wide()));
    } catch (const std::exception& error) {
      output_.Line(L"Error: " + OneLine(Wide(error.what())));
    }
    output_.NoteFailure();
  }

  void ReportUnsaved() {
    if (database_.isNull()) return;
    const size_t added = database_->appendedSinceLoad().size();
    if (added == 0) return;
    output_.Line(std::to_wstring(added) + (added == 1 ? L" entity was" : L" entities were") +
                 L" added; the drawing was not saved (use --save or --save-as to keep them)");
  }

  const DrawingRequest& request_;
  CommandLineOutput& output_;
  PromptAnswers& prompts_;
  HostSystemVariables variables_;
  MenuBar menus_;
  HostSds sds_;
  ScopedSdsHost sdsScope_;
  std::unique_ptr<HostBackend> hostBackend_;
  ui::ScopedBackend backendScope_;
  MainWindow mainWindow_;
  OdDbDatabasePtr database_;
  OdSmartPtr<CommandLineUserIO> userIO_;
  std::unique_ptr<LoadedModule> module_;
};

HostSession::HostSession(const DrawingRequest& request, CommandLineOutput& output,
                         PromptAnswers& prompts, DialogAnswers& dialogs)
    : impl_(std::make_unique<Impl>(request, output, prompts, &dialogs, nullptr,
                                   dxf::ReadOptions{})) {}

HostSession::HostSession(const DrawingRequest& request, CommandLineOutput& output,
                         PromptAnswers& prompts, ui::Backend& backend, const dxf::ReadOptions& read)
    : impl_(std::make_unique<Impl>(request, output, prompts, nullptr, &backend, read)) {}

HostSession::~HostSession() = default;

void HostSession::RunCommand(const std::wstring& name) { impl_->RunCommand(name); }

bool HostSession::Save(std::ostream& errors) { return impl_->Save(errors); }

OdDbDatabase* HostSession::database() { return impl_->database(); }

MenuBar& HostSession::menus() { return impl_->menus(); }

void HostSession::Open(const std::string& path, const dxf::ReadOptions& read) {
  impl_->Open(path, read);
}

void HostSession::SaveTo(const std::string& path) { impl_->SaveTo(path); }

void HostSession::KeepDrawingUntilExit() { impl_->KeepDrawingUntilExit(); }

}  // namespace app
