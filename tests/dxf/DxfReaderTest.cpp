// Reading drawings: every entity kind's accessor values from fixtures written by ezdxf (R12,
// R2000 ASCII and binary, R2018), object-to-world conversion included; spaces, file order,
// handles, layers and text in code pages.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbPolyline.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbText.h"
#include "DxfTestSupport.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

namespace {

using Numbers = std::vector<double>;

struct Row {
  std::string since, kase, accessor;
  std::vector<std::string> values;
};

std::vector<Row> expectedRows() {
  std::ifstream in(dxftest::fixture("expected.tsv"));
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    std::istringstream cells(line);
    Row r;
    std::getline(cells, r.since, '\t');
    std::getline(cells, r.kase, '\t');
    std::getline(cells, r.accessor, '\t');
    for (std::string v; std::getline(cells, v, '\t');) r.values.push_back(v);
    rows.push_back(r);
  }
  return rows;
}

void add(Numbers& n, const OdGePoint3d& p) { n.insert(n.end(), {p.x, p.y, p.z}); }
void add(Numbers& n, const OdGeVector3d& v) { n.insert(n.end(), {v.x, v.y, v.z}); }

// The vertex positions of a polyline or mesh, through its vertex iterator.
Numbers subPositions(OdDbObjectIteratorPtr it, Numbers* faces = nullptr) {
  Numbers n;
  for (; !it->done(); it->step()) {
    OdDbObjectPtr o = it->objectId().safeOpenObject();
    if (auto v = OdDb2dVertex::cast(o); !v.isNull()) add(n, v->position());
    if (auto v = OdDb3dPolylineVertex::cast(o); !v.isNull()) add(n, v->position());
    if (auto v = OdDbPolyFaceMeshVertex::cast(o); !v.isNull()) add(n, v->position());
    if (auto v = OdDbPolygonMeshVertex::cast(o); !v.isNull()) add(n, v->position());
    if (auto f = OdDbFaceRecord::cast(o); !f.isNull() && faces != nullptr) {
      for (OdUInt16 i = 0; i < 4; ++i) faces->push_back(f->getVertexAt(i));
    }
  }
  return n;
}

Numbers vertices(const OdDbEntity* e) {
  if (auto p = OdDbPolyline::cast(e); !p.isNull()) {
    Numbers n;
    for (unsigned i = 0; i < p->numVerts(); ++i) {
      OdGePoint3d q;
      p->getPointAt(i, q);
      add(n, q);
    }
    return n;
  }
  if (auto p = OdDb2dPolyline::cast(e); !p.isNull()) return subPositions(p->vertexIterator());
  if (auto p = OdDb3dPolyline::cast(e); !p.isNull()) return subPositions(p->vertexIterator());
  if (auto p = OdDbPolyFaceMesh::cast(e); !p.isNull()) return subPositions(p->vertexIterator());
  if (auto p = OdDbPolygonMesh::cast(e); !p.isNull()) return subPositions(p->vertexIterator());
  return {};
}

Numbers splineData(const OdDbEntity* e, const std::string& what) {
  OdDbSplinePtr s = OdDbSpline::cast(e);
  int degree = 0;
  bool rational = false, closed = false, periodic = false;
  OdGePoint3dArray ctrl;
  OdGeDoubleArray knots, weights;
  double ct = 0, kt = 0;
  s->getNurbsData(degree, rational, closed, periodic, ctrl, knots, weights, ct, kt);
  Numbers n;
  if (what == "degree") n = {double(degree)};
  if (what == "rational") n = {double(rational)};
  if (what == "knots") n.assign(knots.begin(), knots.end());
  if (what == "weights") n.assign(weights.begin(), weights.end());
  if (what == "control") {
    for (const auto& p : ctrl) add(n, p);
  }
  return n;
}

// What an accessor named in expected.tsv returns for an entity.
Numbers numbersOf(const OdDbEntity* e, const std::string& a) {
  Numbers n;
  if (a == "position") {
    if (auto p = OdDbPoint::cast(e); !p.isNull()) add(n, p->position());
    if (auto t = OdDbText::cast(e); !t.isNull()) add(n, t->position());
  } else if (a == "start" || a == "end") {
    OdDbLinePtr l = OdDbLine::cast(e);
    add(n, a == "start" ? l->startPoint() : l->endPoint());
  } else if (a == "center") {
    if (auto c = OdDbCircle::cast(e); !c.isNull()) add(n, c->center());
    if (auto c = OdDbArc::cast(e); !c.isNull()) add(n, c->center());
    if (auto c = OdDbEllipse::cast(e); !c.isNull()) add(n, c->center());
  } else if (a == "radius") {
    if (auto c = OdDbCircle::cast(e); !c.isNull()) n = {c->radius()};
    if (auto c = OdDbArc::cast(e); !c.isNull()) n = {c->radius()};
  } else if (a == "normal") {
    if (auto c = OdDbCircle::cast(e); !c.isNull()) add(n, c->normal());
    if (auto t = OdDbText::cast(e); !t.isNull()) add(n, t->normal());
    if (auto p = OdDb2dPolyline::cast(e); !p.isNull()) add(n, p->normal());
  } else if (a == "angles") {
    OdDbArcPtr c = OdDbArc::cast(e);
    n = {c->startAngle(), c->endAngle()};
  } else if (a == "alignment") {
    add(n, OdDbText::cast(e)->alignmentPoint());
  } else if (a == "height") {
    n = {OdDbText::cast(e)->height()};
  } else if (a.rfind("corner", 0) == 0) {
    OdGePoint3d p;
    OdDbSolid::cast(e)->getPointAt(a.back() - '0', p);
    add(n, p);
  } else if (a.rfind("vertex", 0) == 0 && a.size() == 7) {
    OdGePoint3d p;
    OdDbFace::cast(e)->getVertexAt(static_cast<OdUInt16>(a.back() - '0'), p);
    add(n, p);
  } else if (a == "elevation") {
    if (auto p = OdDb2dPolyline::cast(e); !p.isNull()) n = {p->elevation()};
    if (auto p = OdDbPolyline::cast(e); !p.isNull()) n = {p->elevation()};
  } else if (a == "closed") {
    n = {double(OdDbCurve::cast(e)->isClosed())};
  } else if (a == "vertices") {
    n = vertices(e);
  } else if (a == "counts") {
    OdDbPolyFaceMeshPtr m = OdDbPolyFaceMesh::cast(e);
    n = {double(m->numVertices()), double(m->numFaces())};
  } else if (a == "faces") {
    subPositions(OdDbPolyFaceMesh::cast(e)->vertexIterator(), &n);
  } else if (a == "size" || a == "closure") {
    OdDbPolygonMeshPtr m = OdDbPolygonMesh::cast(e);
    n = a == "size" ? Numbers{double(m->mSize()), double(m->nSize())}
                    : Numbers{double(m->isMClosed()), double(m->isNClosed())};
  } else if (a == "bulges") {
    OdDbPolylinePtr p = OdDbPolyline::cast(e);
    for (unsigned i = 0; i < p->numVerts(); ++i) n.push_back(p->getBulgeAt(i));
  } else if (a == "major") {
    add(n, OdDbEllipse::cast(e)->majorAxis());
  } else if (a == "ratio") {
    n = {OdDbEllipse::cast(e)->radiusRatio()};
  } else {
    n = splineData(e, a);
  }
  return n;
}

std::string textOf(const OdDbEntity* e, const std::string& accessor) {
  if (accessor == "class") return e->isA()->name().toUtf8();
  return OdDbText::cast(e)->textString().toUtf8();
}

// Model space entities by layer (each fixture case has its own layer), in drawing order.
std::vector<std::pair<std::string, OdDbEntityPtr>> modelSpace(OdDbDatabase* db) {
  std::vector<std::pair<std::string, OdDbEntityPtr>> out;
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  for (OdDbObjectIteratorPtr it = ms->newIterator(); !it->done(); it->step()) {
    OdDbEntityPtr e = it->objectId().safeOpenObject();
    out.emplace_back(e->layer().toUtf8(), e);
  }
  return out;
}

class KindsTest : public testing::TestWithParam<std::string> {};

TEST_P(KindsTest, AccessorsReturnWhatEzdxfWrote) {
  bool r12 = GetParam().find("r12") != std::string::npos;
  OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture(GetParam()).string());
  std::map<std::string, OdDbEntityPtr> byLayer;
  for (auto& [layer, e] : modelSpace(db.get())) byLayer.emplace(layer, e);
  for (const Row& row : expectedRows()) {
    if (r12 && row.since != "R12") continue;
    SCOPED_TRACE(row.kase + " " + row.accessor);
    auto it = byLayer.find(row.kase);
    ASSERT_NE(it, byLayer.end()) << "no entity of the case in model space";
    const OdDbEntity* e = it->second.get();
    if (row.accessor == "class" || row.accessor == "string") {
      EXPECT_EQ(textOf(e, row.accessor), row.values.at(0));
      continue;
    }
    Numbers got = numbersOf(e, row.accessor);
    ASSERT_EQ(got.size(), row.values.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i], std::stod(row.values[i]), 1e-12) << "value " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, KindsTest,
                         testing::Values("kinds_r12.dxf", "kinds_r2000.dxf", "kinds_r2000_bin.dxf",
                                         "kinds_r2018.dxf"),
                         [](const auto& info) {
                           std::string n = info.param.substr(0, info.param.find('.'));
                           return n;
                         });

// The (handle, layer) of every top-level entity of the ENTITIES section, in file order, as the
// tokenizer sees them; the paper space one is left out.
std::vector<std::pair<std::uint64_t, std::string>> entitiesInFile(const std::string& path) {
  dxf::DxfTagReader r(path, path);
  std::vector<std::pair<std::uint64_t, std::string>> out;
  bool inEntities = false, paper = false, top = false;
  std::pair<std::uint64_t, std::string> current;
  auto flush = [&] {
    if (top && !paper) out.push_back(current);
  };
  while (r.next()) {
    if (r.code() == 2 && r.isValue("ENTITIES")) inEntities = true;
    if (!inEntities) continue;
    if (r.code() == 0) {
      flush();
      top = !r.isValue("VERTEX") && !r.isValue("SEQEND") && !r.isValue("ENDSEC");
      paper = false;
      current = {};
      if (r.isValue("ENDSEC")) break;
    }
    if (r.code() == 5) current.first = r.handle();
    if (r.code() == 8) current.second = r.text();
    if (r.code() == 67) paper = r.integer() == 1;
  }
  return out;
}

TEST(DxfReader, ModelSpaceHoldsTheFileEntitiesInOrderWithTheirHandles) {
  for (const char* name : {"kinds_r2000.dxf", "kinds_r2000_bin.dxf", "kinds_r12.dxf"}) {
    SCOPED_TRACE(name);
    std::string path = dxftest::fixture(name).string();
    OdDbDatabasePtr db = dxf::readDxfFile(path);
    auto inFile = entitiesInFile(path);
    auto ms = modelSpace(db.get());
    ASSERT_EQ(ms.size(), inFile.size());
    for (std::size_t i = 0; i < ms.size(); ++i) {
      EXPECT_EQ(ms[i].first, inFile[i].second);
      EXPECT_EQ(ms[i].second->getDbHandle().value(), inFile[i].first);
    }
    EXPECT_GT(db->handseed().value(), inFile.back().first);
  }
}

TEST(DxfReader, PaperSpaceAndBlockEntitiesAreNotInModelSpace) {
  OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture("kinds_r2000.dxf").string());
  for (auto& [layer, e] : modelSpace(db.get())) {
    EXPECT_NE(layer, "PAPER");
    EXPECT_NE(layer, "IN_BLOCK");
  }
  OdDbBlockTableRecordPtr block = db->getBlockTableRecordId(L"BLK").safeOpenObject();
  ASSERT_EQ(block->entityCount(), 1u);
  OdDbEntityPtr inBlock = block->newIterator()->objectId().safeOpenObject();
  EXPECT_EQ(inBlock->layer(), OdString(L"IN_BLOCK"));
  EXPECT_EQ(OdDbPoint::cast(inBlock)->position(), OdGePoint3d(5, 5, 5));
  OdDbBlockTableRecordPtr paper = db->getPaperSpaceId().safeOpenObject();
  bool found = false;
  for (OdDbObjectIteratorPtr it = paper->newIterator(); !it->done(); it->step()) {
    found = found || it->entity()->layer() == OdString(L"PAPER");
  }
  EXPECT_TRUE(found);
}

TEST(DxfReader, TextInTheDrawingsCodePageOrUtf8BecomesWideText) {
  const std::pair<const char*, const wchar_t*> cases[] = {
      {"text_cp1251_r2000.dxf", L"Привет"},     {"text_cp932_r2000.dxf", L"日本語"},
      {"text_cp1252_r2000.dxf", L"Grüße €"},    {"text_escape_r2000.dxf", L"Ωmega"},
      {"text_utf8_r2018.dxf", L"Grüße Ω 日本"},
  };
  for (const auto& [file, text] : cases) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture(file).string());
    auto ms = modelSpace(db.get());
    ASSERT_EQ(ms.size(), 1u);
    EXPECT_EQ(OdDbText::cast(ms[0].second)->textString().wide(), std::wstring(text));
  }
}

// Hand-written R12 and R2007 files: raw code-page bytes, both escapes, and broken UTF-8.
TEST(DxfReader, TextBytesAndEscapesDecodeByVersionAndCodePage) {
  const struct {
    const char* version;
    const char* codePage;
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"AC1009", "ANSI_1251", "\xCF\xF0\xE8", L"При"},
      {"AC1009", "ANSI_1252", "caf\xE9 \\U+03A9", L"café Ω"},
      {"AC1015", "ANSI_1252", "\\M+18341!", L"ア!"},        // Shift-JIS 0x8341
      {"AC1015", "", "\xE9t\xE9", L"été"},                  // no code page: the format's default
      {"AC1021", "ANSI_1251", "\xC3\xA9\xFF", L"é\uFFFD"},  // UTF-8 from R2007 on
  };
  dxftest::ScratchDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.version) + " " + c.codePage);
    std::string header = std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n") +
                         c.version + "\n  9\n$DWGCODEPAGE\n  3\n" + c.codePage + "\n  0\nENDSEC\n";
    std::string body =
        "  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  1\n" + c.bytes + "\n  0\nENDSEC\n  0\nEOF\n";
    std::string path = (dir / "text.dxf").string();
    dxftest::writeAll(path, header + body);
    OdDbDatabasePtr db = dxf::readDxfFile(path);
    auto ms = modelSpace(db.get());
    ASSERT_EQ(ms.size(), 1u);
    EXPECT_EQ(OdDbText::cast(ms[0].second)->textString().wide(), c.text);
  }
}

}  // namespace

// Numbers come out bit for bit as the standard library's correctly rounded conversion gives them,
// whichever way the reader takes them: short decimals, long mantissas, exponents, signs, zeros.
TEST(DxfReader, NumbersAreReadExactly) {
  std::vector<std::string> texts = {"0",
                                    "-0",
                                    "-0.0",
                                    "5.",
                                    ".5",
                                    "+1.5",
                                    "00012.50",
                                    "1e5",
                                    "-2.5E-3",
                                    "123456789012345",
                                    "1234567890123456",
                                    "0.1",
                                    "0.30000000000000004",
                                    "5196203.1591",
                                    "-497627.353",
                                    "  42.25  "};
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::string digits = std::to_string(random() % 100000000000000000ull);
    digits = digits.substr(0, 1 + random() % digits.size());
    std::size_t point = random() % (digits.size() + 1);
    std::string text =
        (random() % 2 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
    texts.push_back(text);
  }
  std::string file;
  for (const std::string& t : texts) file += " 10\n" + t + "\n";
  dxftest::ScratchDir dir;
  dxftest::writeAll(dir / "numbers.dxf", file);
  dxf::DxfTagReader reader((dir / "numbers.dxf").string(), "numbers.dxf");
  for (const std::string& t : texts) {
    ASSERT_TRUE(reader.next());
    std::string_view s = reader.trimmed();
    if (s.front() == '+') s.remove_prefix(1);
    double expected = 0;
    std::from_chars(s.data(), s.data() + s.size(), expected);
    double got = reader.real();
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << t << ": " << got << " vs " << expected;
  }
}
