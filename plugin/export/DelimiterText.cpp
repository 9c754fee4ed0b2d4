#include "export/DelimiterText.h"

const wchar_t* DelimiterText(int delimiter, const CString& other) {
  switch (delimiter) {
    case 0:
      return L"\t";
    case 1:
      return L";";
    case 2:
      return L",";
    case 3:
      return L" ";
    case 4:
      return other.GetString();
    default:
      return L",";
  }
}
