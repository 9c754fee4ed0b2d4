#include <gtest/gtest.h>

#include "ZLKRegistry.h"
#include "registry_fixture.h"

namespace {

const wchar_t kKey[] = L"Software\\ZELKOR\\Quorlex for IntelliCAD";

using ZlkguiRegistry = RegistryFileTest;

TEST_F(ZlkguiRegistry, WritesTheRegistryEditorsFormat) {
  {
    ZLKRegistry store;
    ASSERT_EQ(store.SetKey(kKey, 1), 1);
    EXPECT_EQ(store.WriteBool(L"Points", 7), 1);
    store.WriteInt(L"Delimiter", -1);
    store.WriteString(L"Other", L"a\"b\\c");
    EXPECT_FALSE(std::filesystem::exists(file)) << "writes are committed together at the end";
  }
  EXPECT_EQ(Read(file),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
            "\"Points\"=dword:00000001\n"
            "\"Delimiter\"=dword:ffffffff\n"
            "\"Other\"=\"a\\\"b\\\\c\"\n"
            "\n");
}

TEST_F(ZlkguiRegistry, ValuesRoundTripAndAWrongTypeReadsAsMissing) {
  {
    ZLKRegistry store;
    store.SetKey(kKey, 1);
    store.WriteInt(L"Format", -7);
    store.WriteBool(L"Extract", 0);
    store.WriteString(L"Other", L"\u00e9\U0001F4CD");
    store.WriteString(L"Lines", L"one\ntwo");
  }
  ZLKRegistry store;
  store.SetKey(kKey, 1);
  EXPECT_EQ(store.ReadInt(L"Format", 5), -7);
  EXPECT_EQ(store.ReadInt(L"format", 5), -7) << "names compare without case";
  EXPECT_EQ(store.ReadBool(L"Extract", 1), 0);
  EXPECT_EQ(store.ReadString(L"Other", L""), L"\u00e9\U0001F4CD");
  EXPECT_EQ(store.ReadString(L"Lines", L""), L"one\ntwo");
  EXPECT_EQ(store.ReadString(L"Format", L"missing"), L"missing");
  EXPECT_EQ(store.ReadInt(L"Other", 3), 3);
  EXPECT_EQ(store.ReadBool(L"Absent", 1), 1);
  EXPECT_NE(Read(file).find("\"Lines\"=hex(1):6f,00,6e,00,65,00,0a,00"), std::string::npos);
}

TEST_F(ZlkguiRegistry, ReadsWhatAnotherProgramWroteIncludingUtf16AndOldHeaders) {
  const std::string body =
      "\r\n[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\r\n"
      "\"Points\"=dword:00000005\r\n\"Other\"=\"|\"\r\n";
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string utf16 = "\xff\xfe";
  for (char c : "Windows Registry Editor Version 5.00" + body) {
    utf16 += c;
    utf16 += '\0';
  }
  const Case cases[] = {
      {"UTF-8 with CRLF", "Windows Registry Editor Version 5.00" + body},
      {"UTF-8 with BOM", "\xef\xbb\xbfWindows Registry Editor Version 5.00" + body},
      {"REGEDIT4", "REGEDIT4" + body},
      {"UTF-16LE", utf16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.bytes);
    ZLKRegistry store;
    store.SetKey(kKey, 1);
    EXPECT_EQ(store.ReadBool(L"Points", 0), 1) << "a nonzero dword is true";
    EXPECT_EQ(store.ReadInt(L"Points", 0), 5);
    EXPECT_EQ(store.ReadString(L"Other", L""), L"|");
  }
}

TEST_F(ZlkguiRegistry, KeysValuesAndLinesItDoesNotKnowAreKept) {
  const std::string before =
      "Windows Registry Editor Version 5.00\n"
      "; exported by hand\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Other Vendor]\n"
      "\"Binary\"=hex:01,02,\\\n"
      "  03,04\n"
      "@=\"default\"\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
      "\"Points\"=dword:00000001\n"
      "\"Expand\"=hex(2):25,00,00,00\n"
      "\"Gone\"=-\n"
      "\n"
      "[-HKEY_CURRENT_USER\\Software\\Old]\n";
  WriteFile(before);
  {
    ZLKRegistry store;
    store.SetKey(kKey, 1);
    store.WriteBool(L"points", 0);
    store.WriteInt(L"Format", 1);
  }
  std::string expected = before;
  expected.replace(expected.find("\"Points\"=dword:00000001"), 23, "\"Points\"=dword:00000000");
  expected.insert(expected.find("\n\n[-HKEY") + 1, "\"Format\"=dword:00000001\n");
  EXPECT_EQ(Read(file), expected);
}

TEST_F(ZlkguiRegistry, ANewKeyIsAddedAfterTheOthers) {
  WriteFile(
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\"");
  {
    ZLKRegistry store;
    store.SetKey(L"Software\\B", 1);
    store.WriteString(L"y", L"2");
  }
  EXPECT_EQ(Read(file),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n"
            "\"x\"=\"1\"\n\n[HKEY_CURRENT_USER\\Software\\B]\n\"y\"=\"2\"\n\n");
}

TEST_F(ZlkguiRegistry, ABadKeyOrHiveSelectsNothing) {
  const wchar_t* badKeys[] = {L"",           L"\\Software", L"Software\\", L"Software\\\\X",
                              L"Soft[ware]", L"Soft\nware"};
  for (const wchar_t* key : badKeys) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(key)));
    ZLKRegistry store;
    EXPECT_EQ(store.SetKey(key, 1), 0);
    EXPECT_EQ(store.WriteInt(L"Format", 1), 0);
    EXPECT_EQ(store.ReadInt(L"Format", 9), 9);
  }
  ZLKRegistry machine;
  EXPECT_EQ(machine.SetKey(kKey, 2), 0);
  EXPECT_EQ(machine.WriteInt(L"Format", 1), 0);
  ZLKRegistry unnamed;
  unnamed.SetKey(kKey, 1);
  EXPECT_EQ(unnamed.WriteInt(L"", 1), 0);
  EXPECT_EQ(unnamed.WriteInt(L"two\nlines", 1), 0) << "a name must fit on its line";
  EXPECT_EQ(unnamed.Commit(), 1);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ZlkguiRegistry, ACorruptFileIsSetAsideWithOneWarning) {
  const std::string corrupt = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\X\n";
  WriteFile(corrupt);
  testing::internal::CaptureStderr();
  {
    ZLKRegistry store;
    store.SetKey(kKey, 1);
    EXPECT_EQ(store.ReadInt(L"Format", 4), 4);
    store.WriteInt(L"Format", 1);
  }
  std::string warning = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Read(folder / "registry.reg.corrupt"), corrupt);
  EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
  EXPECT_NE(warning.find("line 2: a key name is not closed"), std::string::npos) << warning;
  EXPECT_NE(warning.find("registry.reg.corrupt"), std::string::npos) << warning;
  ZLKRegistry store;
  store.SetKey(kKey, 1);
  EXPECT_EQ(store.ReadInt(L"Format", 4), 1) << "the store started afresh and saved";

  WriteFile("not a registry file\n");
  testing::internal::CaptureStderr();
  ZLKRegistry again;
  again.SetKey(kKey, 1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(Read(folder / "registry.reg.corrupt.2"), "not a registry file\n")
      << "an earlier set-aside file is not overwritten";
  EXPECT_EQ(Read(folder / "registry.reg.corrupt"), corrupt);
}

TEST_F(ZlkguiRegistry, FilesThatAreNotParsedAreRecognised) {
  const char* bodies[] = {
      "\"Points\"=dword:1\n",               // value before any key
      "[K]\n\"Points\"=dword:123456789\n",  // dword too long
      "[K]\n\"Points\"=dword:\n",           // dword without digits
      "[K]\n\"Points\"=\"open\n",           // string not closed
      "[K]\n\"Points\"=\"a\" b\n",          // text after the string
      "[K]\nPoints=dword:1\n",              // name without quotes
      "[K]\n\"Points\"dword:1\n",           // no '='
      "[K]\n\"Points\"=hex:0g\n",           // bad hex byte
      "[K]\n\"Points\"=word:1\n",           // unknown data
      "[K]\n\"\"=dword:1\n",                // empty name
      "[K]\n\"s\"=hex(1):00,d8,00,00\n",    // unpaired surrogate
  };
  for (const char* body : bodies) {
    SCOPED_TRACE(body);
    WriteFile(std::string("Windows Registry Editor Version 5.00\n") + body);
    testing::internal::CaptureStderr();
    {
      ZLKRegistry store;
      store.SetKey(L"K", 1);
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be parsed"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::remove(folder / "registry.reg.corrupt");
  }
  WriteFile("Windows Registry Editor Version 5.00\n\xff\xfe\n");
  testing::internal::CaptureStderr();
  ZLKRegistry store;
  store.SetKey(L"K", 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not UTF-8"), std::string::npos);
}

TEST_F(ZlkguiRegistry, AFailedSaveWarnsAndLeavesNothingHalfWritten) {
  std::filesystem::path blocker = folder / "blocker";
  std::ofstream(blocker) << "a file where a folder should be";
  setenv("QUORLEX_REGISTRY", (blocker / "registry.reg").c_str(), 1);
  testing::internal::CaptureStderr();
  ZLKRegistry store;
  store.SetKey(kKey, 1);
  store.WriteInt(L"Format", 1);
  EXPECT_EQ(store.Commit(), 0);
  std::string warning = testing::internal::GetCapturedStderr();
  EXPECT_NE(warning.find("warning: settings were not saved: "), std::string::npos) << warning;
  EXPECT_EQ(Read(blocker), "a file where a folder should be");
}

TEST_F(ZlkguiRegistry, ReadingNeverCreatesTheFile) {
  ZLKRegistry store;
  store.SetKey(kKey, 1);
  EXPECT_EQ(store.ReadBool(L"Points", 1), 1);
  EXPECT_EQ(store.Commit(), 1);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ZlkguiRegistry, TheFileFollowsTheEnvironment) {
  struct Case {
    const char* registry;
    const char* xdg;
    const char* home;
    std::string expected;
  };
  const Case cases[] = {
      {"/tmp/chosen.reg", "/xdg", "/home/u", "/tmp/chosen.reg"},
      {"", "/xdg", "/home/u", "/xdg/quorlex/registry.reg"},
      {nullptr, "relative/xdg", "/home/u", "/home/u/.config/quorlex/registry.reg"},
      {nullptr, nullptr, "/home/u", "/home/u/.config/quorlex/registry.reg"},
  };
  const char* oldXdg = getenv("XDG_CONFIG_HOME");
  const char* oldHome = getenv("HOME");
  std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
  auto set = [](const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    set("QUORLEX_REGISTRY", c.registry);
    set("XDG_CONFIG_HOME", c.xdg);
    set("HOME", c.home);
    EXPECT_EQ(ZLKRegistry().FilePath(), c.expected);
  }
  set("XDG_CONFIG_HOME", oldXdg ? savedXdg.c_str() : nullptr);
  set("HOME", oldHome ? savedHome.c_str() : nullptr);
}

}  // namespace
