#include "QuorlexModule.h"

#include "Ed/EdCommandStack.h"
#include "HostServices.h"
#include "afxwin.h"

ZLKQuorlexModule::~ZLKQuorlexModule() = default;

// The menu is loaded before any command exists, so that its items can never be chosen for a
// command that is not registered yet. Results of registration and menu loading are not checked:
// the commands work from the command line without the menu.
void ZLKQuorlexModule::initApp() {
  AFX_MAINTAIN_STATE2 moduleState(AfxGetStaticModuleState());
  HINSTANCE instance = AfxGetStaticModuleState()->m_hCurrentInstanceHandle;
  LoadProductMenu(instance);
  OdEdCommandStackPtr commands = odedRegCmds();
  commands->addCommand(&m_quorlex);
  commands->addCommand(&m_quorlexHelp);
  commands->addCommand(&m_quorlexAbout);
}

// The names are given afresh rather than read from the command objects.
void ZLKQuorlexModule::uninitApp() {
  OdEdCommandStackPtr commands = odedRegCmds();
  commands->removeCmd(kQuorlexCommandGroup, L"Quorlex");
  commands->removeCmd(kQuorlexCommandGroup, L"QuorlexHelp");
  commands->removeCmd(kQuorlexCommandGroup, L"QuorlexAbout");
}
