// Commands, the process-wide command stack and the command contexts.
#include "Ed/EdCommandStack.h"

#include "DbCommandContext.h"
#include "StaticRxObject.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdEdCommand, OdRxObject, L"OdEdCommand")
ODRX_NO_CONS_DEFINE_MEMBERS(OdEdCommandStack, OdRxObject, L"OdEdCommandStack")
ODRX_NO_CONS_DEFINE_MEMBERS(OdEdUserIO, OdRxObject, L"OdEdUserIO")
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbUserIO, OdEdUserIO, L"OdDbUserIO")
ODRX_NO_CONS_DEFINE_MEMBERS(OdEdCommandContext, OdRxObject, L"OdEdCommandContext")
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbCommandContext, OdEdCommandContext, L"OdDbCommandContext")

namespace {

bool namesCommand(const OdEdCommand& command, const OdString& name) {
  return command.globalName().iCompare(name) == 0 || command.localName().iCompare(name) == 0;
}

}  // namespace

OdEdCommandStack::~OdEdCommandStack() = default;

void OdEdCommandStack::addCommand(OdEdCommand* command) {
  assert(command && "addCommand needs a command");
  OdString group = command->groupName();
  OdString name = command->globalName();
  for (const OdEdCommandPtr& existing : m_commands) {
    if (existing->groupName().iCompare(group) == 0 && existing->globalName().iCompare(name) == 0) {
      throw OdError(eDuplicateKey,
                    OdString(L"Command ") + name + L" is already defined in group " + group);
    }
  }
  m_commands.push_back(OdEdCommandPtr(command));
}

OdResult OdEdCommandStack::removeCmd(const OdString& groupName, const OdString& globalName) {
  for (auto it = m_commands.begin(); it != m_commands.end(); ++it) {
    if ((*it)->groupName().iCompare(groupName) != 0) continue;
    if ((*it)->globalName().iCompare(globalName) != 0) continue;
    OdEdCommandPtr command = *it;
    m_commands.erase(it);
    command->undefine(true);
    return eOk;
  }
  return eKeyNotFound;
}

OdResult OdEdCommandStack::removeGroup(const OdString& groupName) {
  size_t removed = std::erase_if(m_commands, [&](const OdEdCommandPtr& command) {
    return command->groupName().iCompare(groupName) == 0;
  });
  return removed ? eOk : eKeyNotFound;
}

OdEdCommandPtr OdEdCommandStack::lookupCmd(const OdString& name, const OdString& groupName) const {
  for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it) {
    bool inGroup = groupName.isEmpty() || (*it)->groupName().iCompare(groupName) == 0;
    if (inGroup && namesCommand(**it, name)) return *it;
  }
  return OdEdCommandPtr();
}

void OdEdCommandStack::executeCommand(const OdString& name, OdEdCommandContext* context) {
  OdEdCommandPtr command = lookupCmd(name);
  if (command.isNull()) throw OdError(eKeyNotFound, OdString(L"Unknown command \"") + name + L"\"");
  command->execute(context);
}

std::vector<OdEdCommandPtr> OdEdCommandStack::commands() const { return m_commands; }

std::vector<OdString> OdEdCommandStack::groups() const {
  std::vector<OdString> names;
  for (const OdEdCommandPtr& command : m_commands) {
    OdString group = command->groupName();
    bool known = false;
    for (const OdString& name : names) known = known || name.iCompare(group) == 0;
    if (!known) names.push_back(group);
  }
  return names;
}

OdEdCommandStackPtr odedRegCmds() {
  // Never destroyed: modules may remove their commands while statics are torn down.
  static auto* stack = new OdStaticRxObject<OdEdCommandStack>;
  return OdEdCommandStackPtr(stack);
}

OdEdCommandContextPtr OdEdCommandContext::createObject(OdEdUserIO* userIO, OdRxObject* database) {
  auto* context = new OdRxObjectImpl<OdEdCommandContext>(userIO, database);
  return OdEdCommandContextPtr(static_cast<OdEdCommandContext*>(context));
}

OdDbCommandContext::OdDbCommandContext(OdDbDatabase* database, OdDbUserIO* userIO)
    : OdEdCommandContext(userIO, database), m_database(database), m_dbUserIO(userIO) {}

OdDbCommandContextPtr OdDbCommandContext::createObject(OdDbDatabase* database, OdDbUserIO* userIO) {
  auto* context = new OdRxObjectImpl<OdDbCommandContext>(database, userIO);
  return OdDbCommandContextPtr(static_cast<OdDbCommandContext*>(context));
}
