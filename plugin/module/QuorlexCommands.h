// The module's three commands, in the group "Quorlex Commands": Quorlex (the export), QuorlexHelp
// (opens the help file) and QuorlexAbout (the About box). They are held by value in the module
// object as OdStaticRxObject<...>, so reference counting never destroys them; they live exactly
// as long as the module object.
#pragma once

#include "Ed/EdCommand.h"
#include "StaticRxObject.h"

// The group all three are registered in.
extern const wchar_t* const kQuorlexCommandGroup;

class ZLKQuorlex_Quorlex : public OdStaticRxObject<OdEdCommand> {
 public:
  const OdString groupName() const override;
  const OdString globalName() const override;
  const OdString localName() const override;  // the global name
  // Rebuilds the product title and runs the export with the context and the host's main window.
  void execute(OdEdCommandContext* context) override;
};

class ZLKQuorlex_QuorlexHelp : public OdStaticRxObject<OdEdCommand> {
 public:
  const OdString groupName() const override;
  const OdString globalName() const override;
  const OdString localName() const override;
  // Opens the help file beside the module, in the module's own framework state; the context is
  // not read.
  void execute(OdEdCommandContext* context) override;
};

class ZLKQuorlex_QuorlexAbout : public OdStaticRxObject<OdEdCommand> {
 public:
  const OdString groupName() const override;
  const OdString globalName() const override;
  const OdString localName() const override;
  // Shows the About box; the context is not read.
  void execute(OdEdCommandContext* context) override;
};
