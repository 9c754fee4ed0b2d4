// CObject, CCmdTarget and message maps: the framework's root classes and the static tables that
// route a control's notification (for example BN_CLICKED) to a member function.
#pragma once

#include "windows.h"

class CObject {
 public:
  virtual ~CObject() = default;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND; 0 ends a table
  UINT nCode;     // notification code, e.g. BN_CLICKED
  UINT nID;       // first control id handled
  UINT nLastID;   // last control id handled
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null at the root
  const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject {
 public:
  // Finds the handler for (id, code) in the message maps from the most derived class towards the
  // root and calls it. Returns TRUE when a handler ran.
  virtual BOOL OnCmdMsg(UINT id, int code);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    typedef theClass ThisClass;                                                     \
    typedef baseClass TheBaseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, nullptr }                                                                       \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, BN_CLICKED, UINT(id), UINT(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) \
  {WM_COMMAND, BN_CLICKED, UINT(id), UINT(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_CBN_SELCHANGE(id, memberFxn) \
  {WM_COMMAND, CBN_SELCHANGE, UINT(id), UINT(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_EN_CHANGE(id, memberFxn) \
  {WM_COMMAND, EN_CHANGE, UINT(id), UINT(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
