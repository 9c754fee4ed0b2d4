// ZLKQuorlexModule: the module object the host creates through odrxCreateModuleObject. initApp
// loads the product menu and registers the three commands; uninitApp removes them (the menu stays
// loaded). The counting, the instance handle and deletion come from OdRxWin32Module.
#pragma once

#include "QuorlexCommands.h"
#include "RxModule.h"

class ZLKQuorlexModule : public OdRxModule {
 public:
  ~ZLKQuorlexModule() override;

  void initApp() override;
  void uninitApp() override;

 private:
  // Constructed in this order, destroyed in reverse.
  OdStaticRxObject<ZLKQuorlex_Quorlex> m_quorlex;
  OdStaticRxObject<ZLKQuorlex_QuorlexHelp> m_quorlexHelp;
  OdStaticRxObject<ZLKQuorlex_QuorlexAbout> m_quorlexAbout;
};
