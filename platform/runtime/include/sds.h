// The host's SDS functions: system variables, host commands and menu commands, with result
// buffers (resbuf) as the value carrier. They forward to the SDS host that the host program
// installs (SdsHost.h); with none installed they return RTERROR.
#pragma once

#include <cwchar>

#ifdef __cplusplus
extern "C" {
#endif

typedef double sds_real;
typedef sds_real sds_point[3];

struct resbuf {
  struct resbuf* rbnext;
  short restype;
  union {
    double rreal;
    double rpoint[3];
    short rint;
    long rlong;
    wchar_t* rstring;  // owned by the buffer: allocated with malloc, freed by sds_relrb
  } resval;
};
typedef struct resbuf sds_resbuf;

// Result-buffer types and results.
enum {
  RTNONE = 5000,
  RTREAL = 5001,
  RTPOINT = 5002,
  RTSHORT = 5003,
  RTSTR = 5005,
  RTLONG = 5010,
  RTNORM = 5100,
  RTERROR = -5001,
  RTCAN = -5002,
};

// A zeroed buffer of that type (rbnext null, string null); null when out of memory.
struct resbuf* sds_newrb(int type);
// Frees the chain starting at rb, with the strings of its RTSTR buffers. Null is fine.
int sds_relrb(struct resbuf* rb);
// Fills result with the variable's value (its type set by the host; an RTSTR value is a fresh
// copy the buffer owns, any string it held before is freed). RTNORM on success, RTERROR for an
// unknown variable or when no host is installed; result is then unchanged.
int sds_getvar(const wchar_t* name, struct resbuf* result);
int sds_setvar(const wchar_t* name, const struct resbuf* value);
// Runs a host command from (type, value) pairs ended by RTNONE: RTSTR takes const wchar_t*,
// RTREAL double, RTSHORT int, RTLONG long, RTPOINT const double* (three values). An unknown type
// code gives RTERROR without running anything.
int sds_command(int type, ...);
// Runs a menu command ("P10=+Quorlex.pop1" inserts a pull-down menu).
int sds_menucmd(const wchar_t* command);

#ifdef __cplusplus
}
#endif
