// Stage benchmark of one export: reads the drawing named on the command line into the runtime
// database, selects every model-space entity and walks them with the export's collector (every
// extraction option on, as on the first run), writes the points file, then appends a point
// entity per point and saves the drawing as another file. Prints one tab-separated line per
// stage: seconds, MB/s of the drawing, points, points per second and the process's peak memory
// so far (VmHWM: a stage's peak includes everything before it). Run by bench/run.sh; the tests
// never run it.
//
//   export_stages_bench DRAWING.dxf OUT-DIR
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "DbBlockTableRecord.h"
#include "DbObjectIterator.h"
#include "DbSSet.h"
#include "KVPoints.h"
#include "create/PointCreation.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "export/CollectPoints.h"

namespace {

using Clock = std::chrono::steady_clock;

// Peak resident memory of this process so far, in MB.
double peakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      double kb = 0.0;
      status >> kb;
      return kb / 1e3;
    }
  }
  return 0.0;
}

struct Stage {
  const char* name;
  double megabytes;  // of the drawing
  Clock::time_point start = Clock::now();

  void done(double points) const {
    double s = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%s\t%.3f\t%.0f\t%.0f\t%.0f\t%.0f\n", name, s, megabytes / s, points, points / s,
                peakMegabytes());
  }
};

ExportOptions everythingOn() {
  ExportOptions o;
  o.points = o.extract = o.endPoint = o.midPoint = o.centerPoint = 1;
  o.controlPoint = o.vertex = o.text = 1;
  o.format = 0;
  o.delimiter = 2;
  return o;
}

OdDbSelectionSetPtr selectAll(const OdDbDatabasePtr& db) {
  OdDbSelectionSetPtr selection = OdDbSelectionSet::createObject(db.get());
  OdDbObjectIteratorPtr it = OdDbObjectIterator::createObject(db->getModelSpaceId());
  for (; !it->done(); it->step()) selection->append(it->objectId());
  return selection;
}

void run(const std::string& drawing, const std::filesystem::path& outDir) {
  const double mb = static_cast<double>(std::filesystem::file_size(drawing)) / 1e6;
  std::printf("# %s: %.1f MB\n# stage\tseconds\tMB/s\tpoints\tpoints/s\tpeak MB\n", drawing.c_str(),
              mb);
  Stage read{"read", mb};
  OdDbDatabasePtr db = dxf::readDxfFile(drawing);
  read.done(0.0);

  Stage walk{"walk+collect", mb};
  const ExportOptions options = everythingOn();
  ON_3dPointArray points;
  {
    OdDbSelectionSetPtr selection = selectAll(db);
    points.Reserve(static_cast<int>(selection->numEntities()));  // as the export does
    CollectPoints(*selection, options, points);
  }
  walk.done(points.Count());

  Stage write{"write points", mb};
  const std::string pointsPath = (outDir / "stages-points.txt").string();
  if (!KVPoints::Write(points, CString(pointsPath.c_str()), L",")) {
    std::fprintf(stderr, "write failed: %ls\n", KVPoints::GetError().GetString());
    return;
  }
  write.done(points.Count());

  Stage create{"create points", mb};
  for (int i = 0; i < points.Count(); ++i) CreatePointEntity(points[i], db);
  create.done(points.Count());

  Stage save{"save as", mb};
  dxf::saveDxfFile(db.get(), (outDir / "stages-saved.dxf").string());
  save.done(points.Count());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s drawing.dxf out-dir\n", argv[0]);
    return 2;
  }
  try {
    run(argv[1], argv[2]);
  } catch (const OdError& e) {
    std::fprintf(stderr, "%s\n", e.description().toUtf8().c_str());
    return 1;
  }
  return 0;
}
