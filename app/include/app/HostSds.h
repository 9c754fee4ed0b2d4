// HostSds: the host side of the SDS functions (sds_getvar, sds_setvar, sds_command,
// sds_menucmd) for one session.
//
// Host commands (sds_command), names case-insensitive, with an optional "_" (the English name)
// or "." (the built-in one) in front:
//   MENULOAD <file>   reads a menu file and keeps its menu group (MenuBar)
// Menu commands (sds_menucmd) go to the MenuBar ("P10=+Quorlex.pop1"). A command that cannot
// be carried out prints one line saying why on the command line and returns RTERROR; success
// prints nothing (the host does not echo commands run by a module).
#pragma once

#include "SdsHost.h"
#include "app/CommandLineOutput.h"
#include "app/HostSystemVariables.h"
#include "app/MenuBar.h"

namespace app {

class HostSds : public OdSdsHost {
 public:
  HostSds(HostSystemVariables& variables, MenuBar& menus, CommandLineOutput& output)
      : variables_(variables), menus_(menus), output_(output) {}

  int getVar(const wchar_t* name, resbuf* result) override;
  int setVar(const wchar_t* name, const resbuf* value) override;
  int command(const resbuf* arguments) override;
  int menuCmd(const wchar_t* command) override;

 private:
  int LoadMenu(const resbuf* arguments);

  HostSystemVariables& variables_;
  MenuBar& menus_;
  CommandLineOutput& output_;
};

// Installs a host for one scope and puts the previous one back.
class ScopedSdsHost {
 public:
  explicit ScopedSdsHost(OdSdsHost* host) : previous_(odSdsSetHost(host)) {}
  ~ScopedSdsHost() { odSdsSetHost(previous_); }
  ScopedSdsHost(const ScopedSdsHost&) = delete;
  ScopedSdsHost& operator=(const ScopedSdsHost&) = delete;

 private:
  OdSdsHost* previous_;
};

}  // namespace app
