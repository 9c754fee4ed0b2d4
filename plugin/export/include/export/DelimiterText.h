// The delimiter table of the export: the text written between coordinates for each index of the
// options' delimiter choice.
#pragma once

#include "afxstr.h"

// 0 tab, 1 ";", 2 ",", 3 " ", 4 the user's own text `other` unchanged (it may be empty, which the
// writer refuses); any other index, among them -1 for no choice, gives ",".
// The result points into `other` for index 4, else to static text.
const wchar_t* DelimiterText(int delimiter, const CString& other);
