#include "QuorlexCommands.h"

#include "HostServices.h"
#include "afxwin.h"
#include "export/RunExport.h"
#include "host/HostWindow.h"
#include "host/ProductTitle.h"

const wchar_t* const kQuorlexCommandGroup = L"Quorlex Commands";

namespace {

// Command names are given as narrow text in the host's ANSI code page, as the host expects of
// names typed on its command line.
OdString NarrowName(const char* name) { return OdString(name, CP_ANSI_1252); }

// The main window as the module's services take it: a pointer to its handle, null when the host
// has none.
class MainWindow {
 public:
  MainWindow() : m_handle(FindHostMainWindow()) {}
  HWND* get() { return m_handle ? &m_handle : nullptr; }

 private:
  HWND m_handle;
};

}  // namespace

const OdString ZLKQuorlex_Quorlex::groupName() const { return kQuorlexCommandGroup; }
const OdString ZLKQuorlex_Quorlex::globalName() const { return NarrowName("Quorlex"); }
const OdString ZLKQuorlex_Quorlex::localName() const { return globalName(); }

void ZLKQuorlex_Quorlex::execute(OdEdCommandContext* context) {
  MainWindow mainWindow;
  BuildProductTitle();
  RunExport(context, mainWindow.get());
}

const OdString ZLKQuorlex_QuorlexHelp::groupName() const { return kQuorlexCommandGroup; }
const OdString ZLKQuorlex_QuorlexHelp::globalName() const { return NarrowName("QuorlexHelp"); }
const OdString ZLKQuorlex_QuorlexHelp::localName() const { return globalName(); }

void ZLKQuorlex_QuorlexHelp::execute(OdEdCommandContext*) {
  AFX_MAINTAIN_STATE2 moduleState(AfxGetStaticModuleState());
  HINSTANCE instance = AfxGetStaticModuleState()->m_hCurrentInstanceHandle;
  MainWindow mainWindow;
  ShowHelp(instance, mainWindow.get());
}

const OdString ZLKQuorlex_QuorlexAbout::groupName() const { return kQuorlexCommandGroup; }
const OdString ZLKQuorlex_QuorlexAbout::globalName() const { return NarrowName("QuorlexAbout"); }
const OdString ZLKQuorlex_QuorlexAbout::localName() const { return globalName(); }

void ZLKQuorlex_QuorlexAbout::execute(OdEdCommandContext*) {
  MainWindow mainWindow;
  ShowAbout(mainWindow.get());
}
