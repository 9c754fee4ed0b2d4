// OdEdCommandStack: the host's registry of commands, by group and name, and odedRegCmds(), which
// gives the one process-wide stack. Names are matched case-insensitively, as a CAD command line
// does. The stack holds a reference to each registered command until it is removed.
#pragma once

#include <vector>

#include "Ed/EdCommand.h"

class OdEdCommandStack : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdEdCommandStack);

 public:
  // Registers command in its group. A second command with the same global name in the same group
  // throws OdError(eDuplicateKey); a null command is an assert.
  virtual void addCommand(OdEdCommand* command);
  // eOk, or eKeyNotFound when the group holds no command of that global name.
  virtual OdResult removeCmd(const OdString& groupName, const OdString& globalName);
  virtual OdResult removeGroup(const OdString& groupName);
  // By global or local name; in groupName only, when given. Null when there is none; with equal
  // names in several groups, the one registered last.
  virtual OdEdCommandPtr lookupCmd(const OdString& name,
                                   const OdString& groupName = OdString::kEmpty) const;
  // Runs the command; throws OdError(eKeyNotFound) naming it when there is none.
  virtual void executeCommand(const OdString& name, OdEdCommandContext* context);
  // All commands in registration order, and the group names in order of their first command.
  std::vector<OdEdCommandPtr> commands() const;
  std::vector<OdString> groups() const;

 protected:
  OdEdCommandStack() = default;
  ~OdEdCommandStack() override;

 private:
  std::vector<OdEdCommandPtr> m_commands;
};

typedef OdSmartPtr<OdEdCommandStack> OdEdCommandStackPtr;

OdEdCommandStackPtr odedRegCmds();
