// The SDS functions, forwarding to the installed host.
#include <atomic>
#include <cstdarg>
#include <cstdlib>
#include <cwchar>

#include "SdsHost.h"

namespace {

std::atomic<OdSdsHost*> g_host{nullptr};

void freeString(resbuf* rb) {
  if (rb->restype != RTSTR) return;
  std::free(rb->resval.rstring);
  rb->resval.rstring = nullptr;
}

// Reads one (type, value) argument into a new buffer; null for an unknown type.
resbuf* readArgument(int type, va_list& args) {
  resbuf* rb = sds_newrb(type);
  if (!rb) return nullptr;
  switch (type) {
    case RTSTR:
      if (odSdsSetString(rb, va_arg(args, const wchar_t*)) == RTNORM) return rb;
      break;
    case RTREAL:
      rb->resval.rreal = va_arg(args, double);
      return rb;
    case RTSHORT:
      rb->resval.rint = static_cast<short>(va_arg(args, int));
      return rb;
    case RTLONG:
      rb->resval.rlong = va_arg(args, long);
      return rb;
    case RTPOINT: {
      const double* p = va_arg(args, const double*);
      for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = p ? p[i] : 0.0;
      return rb;
    }
    default:
      break;
  }
  sds_relrb(rb);
  return nullptr;
}

}  // namespace

OdSdsHost* odSdsSetHost(OdSdsHost* host) { return g_host.exchange(host); }

OdSdsHost* odSdsHost() { return g_host.load(); }

int odSdsSetString(resbuf* rb, const wchar_t* text) {
  if (!rb) return RTERROR;
  size_t length = text ? std::wcslen(text) : 0;
  auto* copy = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
  if (!copy) return RTERROR;
  if (length) std::wmemcpy(copy, text, length);
  copy[length] = L'\0';
  freeString(rb);
  rb->restype = RTSTR;
  rb->resval.rstring = copy;
  return RTNORM;
}

extern "C" {

resbuf* sds_newrb(int type) {
  auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (rb) rb->restype = static_cast<short>(type);
  return rb;
}

int sds_relrb(resbuf* rb) {
  while (rb) {
    resbuf* next = rb->rbnext;
    freeString(rb);
    std::free(rb);
    rb = next;
  }
  return RTNORM;
}

int sds_getvar(const wchar_t* name, resbuf* result) {
  OdSdsHost* host = odSdsHost();
  if (!host || !name || !result) return RTERROR;
  return host->getVar(name, result);
}

int sds_setvar(const wchar_t* name, const resbuf* value) {
  OdSdsHost* host = odSdsHost();
  if (!host || !name || !value) return RTERROR;
  return host->setVar(name, value);
}

int sds_command(int type, ...) {
  OdSdsHost* host = odSdsHost();
  if (!host) return RTERROR;
  va_list args;
  va_start(args, type);
  resbuf* head = nullptr;
  resbuf** tail = &head;
  bool ok = true;
  while (type != RTNONE) {
    *tail = readArgument(type, args);
    if (!*tail) {
      ok = false;  // an unknown type: the rest of the arguments cannot be read safely
      break;
    }
    tail = &(*tail)->rbnext;
    type = va_arg(args, int);
  }
  va_end(args);
  int result = ok && head ? host->command(head) : RTERROR;
  sds_relrb(head);
  return result;
}

int sds_menucmd(const wchar_t* command) {
  OdSdsHost* host = odSdsHost();
  if (!host || !command) return RTERROR;
  return host->menuCmd(command);
}

}  // extern "C"
