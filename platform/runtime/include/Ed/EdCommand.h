// OdEdCommand: a command a module registers with the host's command stack. The host runs it by
// calling execute() with a command context; it is found by its global or local name.
#pragma once

#include "RxModule.h"
#include "RxObject.h"
#include "SmartPtr.h"

class OdEdCommandContext;

class OdEdCommand : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdEdCommand);

 public:
  enum Flags {
    kModal = 0x00000000,
    kTransparent = 0x00000001,
    kUsePickset = 0x00000002,
    kRedraw = 0x00000004,
    kNoUndoMarker = 0x00000008,
  };

  virtual const OdString groupName() const = 0;
  virtual const OdString globalName() const = 0;
  // The name in the user's language; by default the global name.
  virtual const OdString localName() const { return globalName(); }
  virtual void execute(OdEdCommandContext* context) = 0;
  // The module that registered the command; by default none.
  virtual OdRxModule* module() const { return nullptr; }
  // Called when the command is redefined or undefined; by default it does nothing.
  virtual void undefine(bool undefIt) { (void)undefIt; }
  virtual OdInt32 flags() const { return kModal; }
};

typedef OdSmartPtr<OdEdCommand> OdEdCommandPtr;
