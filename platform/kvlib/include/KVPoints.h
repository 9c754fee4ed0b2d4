// KVPoints: the point-file writer. Writes a list of 3D points to a delimited text file.
//
// The file: UTF-8, no header, one point a line "x<d>y<d>z" ended by LF, the coordinates in the
// order handed over, each the shortest decimal text that reads back as the same double, in
// fixed notation (no exponent), negative zero written "0"; an empty list gives an empty file
// (see kvlib/PointText.h). The file is written to a temporary beside the target and renamed
// over it, so a failure leaves an existing file as it was (kvlib/AtomicFile.h).
//
// Write refuses, with a short reason for GetError:
//   "Empty delimiter"
//   "Delimiter must not contain a digit, '.', '+', '-' or a line break"
//   "Delimiter is not valid Unicode text"
//   "Point 3 has a coordinate that is not a finite number"    (points counted from 1)
//   "Path is not valid Unicode text"
//   "Cannot write \"<path>\": <the system's reason>"
#pragma once

#include "afxstr.h"
#include "opennurbs_array.h"

class KVPoints {
 public:
  // Nonzero on success. `delimiter` may be null (refused as empty).
  static int Write(const ON_3dPointArray& points, const CString& path, const wchar_t* delimiter);
  // The reason of the last failed Write of this process; empty after a successful one.
  static CString GetError();
};
