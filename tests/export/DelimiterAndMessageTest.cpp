// The delimiter table and the command-line reporter of the export.
#include <gtest/gtest.h>

#include <string>

#include "DbScriptedUserIO.h"
#include "export/DelimiterText.h"
#include "export/PrintMessage.h"

namespace {

TEST(ExportDelimiter, TableGivesTextForEveryIndex) {
  struct Case {
    int delimiter;
    const wchar_t* other;
    std::wstring expected;
  };
  const Case cases[] = {
      {0, L"x", L"\t"}, {1, L"x", L";"}, {2, L"x", L","},   {3, L"x", L" "},
      {4, L"x", L"x"},  {4, L"", L""},   {4, L"ab", L"ab"},  // passed on unchanged
      {-1, L"x", L","}, {5, L"x", L","}, {7, L"x", L","},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.delimiter) + " other size " +
                 std::to_string(std::wstring(c.other).size()));
    const CString other(c.other);
    EXPECT_EQ(std::wstring(DelimiterText(c.delimiter, other)), c.expected);
  }
}

TEST(ExportMessage, PrintsFormattedTextExactly) {
  OdDbScriptedUserIOPtr io = OdDbScriptedUserIO::createObject();
  PrintMessage(io, L"Failure [%ls]\n", L"100% full");
  PrintMessage(io, L"Successfully processed %d points\n", 12345);
  PrintMessage(io, L"\nFailure [No entities selected]");
  EXPECT_EQ(io->output().toUtf8(),
            "Failure [100% full]\nSuccessfully processed 12345 points\n"
            "\nFailure [No entities selected]");
}

TEST(ExportMessage, LongTextIsPrintedWhole) {
  OdDbScriptedUserIOPtr io = OdDbScriptedUserIO::createObject();
  const std::wstring reason = L"Cannot write \"/" + std::wstring(5000, L'd') + L"/\u00e9.txt\"";
  PrintMessage(io, L"Failure [%ls]\n", reason.c_str());
  EXPECT_EQ(io->output().wide(), L"Failure [" + reason + L"]\n");
}

}  // namespace
