// A settings file of its own in a fresh temporary folder for each test (through
// QUORLEX_REGISTRY), the scripted backend installed, and helpers to seed and read stored values.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ZLKRegistry.h"
#include "options/export_options.h"
#include "ui/scripted_backend.h"

inline const wchar_t kOptionsKey[] = L"Software\\ZELKOR\\Quorlex for IntelliCAD";

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("options-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    file = folder / "registry.reg";
    setenv("QUORLEX_REGISTRY", file.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("QUORLEX_REGISTRY");
    std::filesystem::remove_all(folder);
  }

  std::string FileBytes() const {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  static void StoreInt(const wchar_t* name, int value) {
    ZLKRegistry store;
    store.SetKey(kOptionsKey, 1);
    store.WriteInt(name, value);
  }
  static void StoreString(const wchar_t* name, const wchar_t* value) {
    ZLKRegistry store;
    store.SetKey(kOptionsKey, 1);
    store.WriteString(name, value);
  }
  static ExportOptions Stored() {
    ExportOptions options;
    LoadExportOptions(options);
    return options;
  }

  std::filesystem::path folder;
  std::filesystem::path file;
  ui::ScriptedBackend script;
  ui::ScopedBackend installed{&script};
};

// The first-run defaults: the eight extraction boxes on, "X, Y, Z", Comma, no points created.
inline ExportOptions FirstRunDefaults() {
  ExportOptions o;
  o.points = o.extract = o.endPoint = o.midPoint = o.centerPoint = o.controlPoint = o.vertex =
      o.text = 1;
  o.format = 0;
  o.delimiter = 2;
  o.createPoints = 0;
  return o;
}

inline void PrintTo(const ExportOptions& o, std::ostream* out) {
  *out << "{points " << o.points << ", extract " << o.extract << ", end " << o.endPoint << ", mid "
       << o.midPoint << ", center " << o.centerPoint << ", control " << o.controlPoint
       << ", vertex " << o.vertex << ", text " << o.text << ", format " << o.format
       << ", delimiter " << o.delimiter << ", other \"" << CW2A(o.other).str() << "\", create "
       << o.createPoints << "}";
}
