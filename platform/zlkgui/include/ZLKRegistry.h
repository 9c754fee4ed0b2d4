// ZLKRegistry: the settings store. Values live in keys of the current user's hive, kept in one
// per-user file in the registry editor's text format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Vendor\Product]
//   "Name"=dword:00000001
//   "Text"="a \"quoted\" value"
//
// The file is $QUORLEX_REGISTRY when that is set and not empty, else
// $XDG_CONFIG_HOME/quorlex/registry.reg (XDG_CONFIG_HOME only when absolute), else
// ~/.config/quorlex/registry.reg. It is written as UTF-8 without byte-order mark; a UTF-16LE file
// with its byte-order mark (as the registry editor exports) and the older "REGEDIT4" header are
// read too. Strings holding line breaks are written as hex(1) (UTF-16LE bytes), which the editor
// also reads. Key and value names compare without regard to case.
//
// Booleans and integers are dword values; strings are string values. A value of another type
// reads as missing. Writes are collected by the object and committed together when it is
// destroyed (or on Commit): under an exclusive lock on "<file>.lock", the file is read again, the
// changes are merged into it, and the result is written to a temporary file beside it, flushed to
// disk and renamed over it. So two programs saving at the same time never corrupt the file nor
// lose each other's keys, and one object's writes land all or not at all. Keys, values, comments
// and value types that this store does not know are kept as they stand.
//
// A file that cannot be parsed is never overwritten: it is renamed to "<file>.corrupt" (or
// .corrupt.2, ... when that exists), one warning line goes to standard error, and the store
// starts from an empty file. Failures to write are reported as one warning line on standard
// error; the file then keeps what it held before.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "afxstr.h"

class ZLKRegistry {
 public:
  ZLKRegistry();
  ~ZLKRegistry();  // commits pending writes
  ZLKRegistry(const ZLKRegistry&) = delete;
  ZLKRegistry& operator=(const ZLKRegistry&) = delete;

  // Selects key `path` (backslash-separated, e.g. "Software\Vendor\Product") for the calls that
  // follow. `hive` 1 is the current user's hive, the only one there is. Returns 1, or 0 for
  // another hive or a path that is empty, starts or ends with a backslash, has an empty part, or
  // holds brackets or control characters; reads then give their defaults and writes are dropped.
  int SetKey(CString path, int hive);

  // The stored dword as 0 or 1; `defaultValue` when missing or not a dword.
  int ReadBool(CString name, int defaultValue);
  // The stored dword as a signed 32-bit integer; `defaultValue` when missing or not a dword.
  int ReadInt(CString name, int defaultValue);
  // The stored string; `defaultValue` when missing or not a string.
  CString ReadString(CString name, CString defaultValue);

  // Queue a value for the commit. Return 1, or 0 without a selected key or with a name that is
  // empty or holds control characters.
  int WriteBool(CString name, int value);
  int WriteInt(CString name, int value);
  int WriteString(CString name, CString value);

  // Commits the pending writes now. Returns 1 when they are on disk (or there were none).
  int Commit();

  // The file this store reads and writes, resolved from the environment when constructed.
  const std::string& FilePath() const;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};
