#include "NewDrawing.h"

#include "DbBlockTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbObjectIterator.h"
#include "EntityWriter.h"
#include "TagWriter.h"

namespace dxf {
namespace {

// Hands out handles above every handle of the database for the records only the file has.
class Handles {
 public:
  explicit Handles(std::uint64_t seed) : next_(seed) {}
  std::uint64_t take() { return next_++; }
  std::uint64_t seed() const { return next_; }

 private:
  std::uint64_t next_;
};

struct Writer {
  TagWriter& w;
  Handles& h;

  std::uint64_t tableStart(const char* name, int count) {
    std::uint64_t handle = h.take();
    w.text(0, "TABLE");
    w.text(2, name);
    w.handle(5, handle);
    w.handle(330, 0);
    w.text(100, "AcDbSymbolTable");
    w.integer(70, count);
    return handle;
  }
  void record(const char* type, std::uint64_t table, const char* subclass, const std::string& name,
              int handleCode = 5) {
    w.text(0, type);
    w.handle(handleCode, h.take());
    w.handle(330, table);
    w.text(100, "AcDbSymbolTableRecord");
    w.text(100, subclass);
    w.text(2, name);
    w.integer(70, 0);
  }
  void tableEnd() { w.text(0, "ENDTAB"); }
};

void header(TagWriter& w, std::uint64_t seed) {
  w.text(0, "SECTION");
  w.text(2, "HEADER");
  w.text(9, "$ACADVER");
  w.text(1, "AC1015");
  w.text(9, "$DWGCODEPAGE");
  w.text(3, "ANSI_1252");
  w.text(9, "$HANDSEED");
  w.handle(5, seed);
  w.text(0, "ENDSEC");
  w.text(0, "SECTION");
  w.text(2, "CLASSES");
  w.text(0, "ENDSEC");
}

void lineTypes(Writer& t) {
  std::uint64_t table = t.tableStart("LTYPE", 3);
  for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
    t.record("LTYPE", table, "AcDbLinetypeTableRecord", name);
    t.w.text(3, name[0] == 'C' ? "Solid line" : "");
    t.w.integer(72, 65);
    t.w.integer(73, 0);
    t.w.real(40, 0.0);
  }
  t.tableEnd();
}

void layers(Writer& t, OdDbDatabase* db) {
  std::vector<OdDbObjectId> ids = db->layerIds();
  std::uint64_t table = t.tableStart("LAYER", static_cast<int>(ids.size()));
  for (const OdDbObjectId& id : ids) {
    OdDbLayerTableRecordPtr layer = id.safeOpenObject();
    t.record("LAYER", table, "AcDbLayerTableRecord", encodeText(layer->getName(), false));
    t.w.integer(62, 7);
    t.w.text(6, "Continuous");
  }
  t.tableEnd();
}

void otherTables(Writer& t) {
  for (const char* name : {"VPORT", "VIEW", "UCS"}) {
    t.tableStart(name, 0);
    t.tableEnd();
  }
  std::uint64_t style = t.tableStart("STYLE", 1);
  t.record("STYLE", style, "AcDbTextStyleTableRecord", "Standard");
  t.w.real(40, 0.0);
  t.w.real(41, 1.0);
  t.w.real(50, 0.0);
  t.w.integer(71, 0);
  t.w.real(42, 2.5);
  t.w.text(3, "txt");
  t.w.text(4, "");
  t.tableEnd();
  std::uint64_t appid = t.tableStart("APPID", 1);
  t.record("APPID", appid, "AcDbRegAppTableRecord", "ACAD");
  t.tableEnd();
  std::uint64_t dim = t.tableStart("DIMSTYLE", 1);
  t.w.text(100, "AcDbDimStyleTable");
  t.record("DIMSTYLE", dim, "AcDbDimStyleTableRecord", "Standard", 105);
  t.tableEnd();
}

// The block records and BLOCK/ENDBLK pairs of the two layouts; gives the model space handle.
std::uint64_t layoutBlocks(Writer& t, TagWriter& blocks) {
  std::uint64_t table = t.tableStart("BLOCK_RECORD", 2);
  std::uint64_t model = 0;
  for (const char* name : {"*Model_Space", "*Paper_Space"}) {
    std::uint64_t record = t.h.seed();
    if (model == 0) model = record;
    t.record("BLOCK_RECORD", table, "AcDbBlockTableRecord", name);
    for (const char* kind : {"BLOCK", "ENDBLK"}) {
      blocks.text(0, kind);
      blocks.handle(5, t.h.take());
      blocks.handle(330, record);
      blocks.text(100, "AcDbEntity");
      blocks.text(8, "0");
      bool begin = kind[0] == 'B';
      blocks.text(100, begin ? "AcDbBlockBegin" : "AcDbBlockEnd");
      if (!begin) continue;
      blocks.text(2, name);
      blocks.integer(70, 0);
      blocks.point(10, 0.0, 0.0, 0.0);
      blocks.text(3, name);
      blocks.text(1, "");
    }
  }
  t.tableEnd();
  return model;
}

void objects(TagWriter& w, Handles& h) {
  std::uint64_t root = h.take();
  std::uint64_t groups = h.take();
  w.text(0, "SECTION");
  w.text(2, "OBJECTS");
  w.text(0, "DICTIONARY");
  w.handle(5, root);
  w.handle(330, 0);
  w.text(100, "AcDbDictionary");
  w.integer(281, 1);
  w.text(3, "ACAD_GROUP");
  w.handle(350, groups);
  w.text(0, "DICTIONARY");
  w.handle(5, groups);
  w.handle(330, root);
  w.text(100, "AcDbDictionary");
  w.integer(281, 1);
  w.text(0, "ENDSEC");
}

}  // namespace

std::string writeNewDrawing(OdDbDatabase* db, const std::string& path) {
  Dialect dialect;
  Handles handles(db->handseed());
  TagWriter tables(dialect);
  TagWriter blocks(dialect);
  Writer t{tables, handles};
  lineTypes(t);
  layers(t, db);
  otherTables(t);
  std::uint64_t model = layoutBlocks(t, blocks);
  TagWriter entities(dialect);
  EntityWriter writer(entities, {true, true, true, model, false});
  OdDbBlockTableRecordPtr space = db->getModelSpaceId().safeOpenObject();
  for (OdDbObjectIteratorPtr it = space->newIterator(); !it->done(); it->step()) {
    OdDbEntityPtr e = it->objectId().safeOpenObject();
    writer.write(e.get(), path);
  }
  TagWriter tail(dialect);
  objects(tail, handles);
  tail.text(0, "EOF");
  TagWriter head(dialect);
  header(head, handles.seed());
  std::string out = head.take();
  out += "  0\nSECTION\n  2\nTABLES\n" + tables.take() + "  0\nENDSEC\n";
  out += "  0\nSECTION\n  2\nBLOCKS\n" + blocks.take() + "  0\nENDSEC\n";
  out += "  0\nSECTION\n  2\nENTITIES\n" + entities.take() + "  0\nENDSEC\n";
  return out + tail.take();
}

}  // namespace dxf
