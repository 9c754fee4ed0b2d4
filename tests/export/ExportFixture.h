// A drawing held in memory, a scripted command line and a scripted window system, wired together
// as the host wires them for one run of the export: the tests build the drawing with the
// runtime's own entities, store the options the dialog will show, queue the user's answers, run
// RunExport and read the file it wrote.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbCommandContext.h"
#include "DbDatabase.h"
#include "DbPoint.h"
#include "DbScriptedUserIO.h"
#include "export/RunExport.h"
#include "options/export_options.h"
#include "ui/scripted_backend.h"

namespace quorlex_test {

// Every check box on, "X, Y, Z", Comma: what a first run shows.
inline ExportOptions EverythingOn() {
  ExportOptions options;
  options.points = options.extract = options.endPoint = options.midPoint = 1;
  options.centerPoint = options.controlPoint = options.vertex = options.text = 1;
  options.format = 0;
  options.delimiter = 2;
  options.createPoints = 0;
  return options;
}

inline OdGePoint3d P(double x, double y, double z) { return OdGePoint3d(x, y, z); }

class ExportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             (std::string("quorlex_export_") + info->test_suite_name() + "_" + info->name() + "_" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    registryFile = folder / "registry.reg";
    ::setenv("QUORLEX_REGISTRY", registryFile.c_str(), 1);
    output = folder / "points.txt";
  }
  void TearDown() override {
    ::unsetenv("QUORLEX_REGISTRY");
    std::filesystem::remove_all(folder);
  }

  // Appends entity to model space and closes it again.
  OdDbObjectId Add(OdDbEntity* entity) {
    OdDbBlockTableRecordPtr modelSpace =
        database->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    const OdDbObjectId id = modelSpace->appendOdDbEntity(entity);
    ids.push_back(id);
    return id;
  }
  OdDbObjectId AddPoint(const OdGePoint3d& position) {
    OdDbPointPtr point = OdDbPoint::createObject();
    point->setPosition(position);
    return Add(point);
  }

  // Stores `options` for the dialog, answers the prompt with `selection` and the file dialog
  // with `path`, presses OK and runs the export.
  bool Run(const ExportOptions& options, const std::vector<OdDbObjectId>& selection,
           const std::filesystem::path& path) {
    SaveExportOptions(options);
    userIO->queueSelection(selection);
    backend.AnswerFileDialog(path.wstring());
    backend.Click(IDOK);
    return RunExport(context, nullptr);
  }
  bool Run(const ExportOptions& options) { return Run(options, ids, output); }

  std::string Printed() const { return userIO->output().toUtf8(); }
  std::string FileText() const { return ReadFile(output); }
  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Positions of the point entities appended to the drawing after the fixture's own entities.
  std::vector<OdGePoint3d> CreatedPoints() const {
    std::vector<OdGePoint3d> positions;
    for (const OdDbObjectId& id : database->appendedSinceLoad()) {
      if (std::find(ids.begin(), ids.end(), id) != ids.end()) continue;
      OdDbPointPtr point = id.safeOpenObject();
      positions.push_back(point->position());
    }
    return positions;
  }

  std::filesystem::path folder;
  std::filesystem::path registryFile;
  std::filesystem::path output;
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbScriptedUserIOPtr userIO = OdDbScriptedUserIO::createObject();
  OdDbCommandContextPtr context = OdDbCommandContext::createObject(database, userIO);
  ui::ScriptedBackend backend;
  ui::ScopedBackend installed{&backend};
  std::vector<OdDbObjectId> ids;  // every entity added, in drawing order
};

}  // namespace quorlex_test
