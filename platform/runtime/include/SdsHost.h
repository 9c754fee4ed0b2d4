// OdSdsHost: what the host program implements behind the SDS functions (sds.h): system variables,
// running a host command, running a menu command. One host is installed at a time.
#pragma once

#include "sds.h"

class OdSdsHost {
 public:
  virtual ~OdSdsHost() = default;
  // As sds_getvar: fills result and returns RTNORM, or returns RTERROR leaving it unchanged.
  // Strings are set with odSdsSetString so that sds_relrb can free them.
  virtual int getVar(const wchar_t* name, resbuf* result) = 0;
  virtual int setVar(const wchar_t* name, const resbuf* value) = 0;
  // The command and its arguments as a chain (first buffer: the command name, RTSTR). The chain
  // belongs to the caller.
  virtual int command(const resbuf* arguments) = 0;
  virtual int menuCmd(const wchar_t* command) = 0;
};

// Installs host (null uninstalls) and returns the one installed before. The host is not owned.
OdSdsHost* odSdsSetHost(OdSdsHost* host);
OdSdsHost* odSdsHost();
// Sets rb to the RTSTR value text (a malloc'd copy; a string rb held before is freed).
// RTNORM, or RTERROR when out of memory.
int odSdsSetString(resbuf* rb, const wchar_t* text);
