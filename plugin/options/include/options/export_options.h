// ExportOptions, the user's twelve export choices, and their load from and save to the settings
// store key "Software\ZELKOR\Quorlex for IntelliCAD".
#pragma once

#include "afxstr.h"

// The check-box fields hold 0 or 1; `format` is 0 "X, Y, Z", 1 "Y, X, Z", -1 none; `delimiter`
// is 0 Tab, 1 Semicolon, 2 Comma, 3 Space, 4 Other (the `other` text), -1 none. Values are not
// validated on load: whatever the store holds is passed on.
struct ExportOptions {
  int points = 0;
  int extract = 0;
  int endPoint = 0;
  int midPoint = 0;
  int centerPoint = 0;
  int controlPoint = 0;
  int vertex = 0;
  int text = 0;
  int format = -1;
  int delimiter = -1;
  CString other;
  int createPoints = 0;
};

bool operator==(const ExportOptions& a, const ExportOptions& b);

// Fills every field from the store; missing values take the first-run defaults (the eight
// extraction check boxes on, format 0, delimiter 2 (Comma), empty other, createPoints off).
void LoadExportOptions(ExportOptions& options);
// Writes all twelve values to the store in one commit. Store failures are not reported here.
void SaveExportOptions(const ExportOptions& options);
