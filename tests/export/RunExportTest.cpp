// The export command's flow driven as the host drives it: a drawing context, the scripted
// command line answering "Select objects:", the scripted window system answering the file dialog
// and pressing OK in the options dialog, and the real writer writing the file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyline.h"
#include "DbSpline.h"
#include "DbText.h"
#include "ExportFixture.h"
#include "RxObjectImpl.h"
#include "afxwin.h"
#include "host/ProductTitle.h"

namespace quorlex_test {

// Classes that derive from named ones under names of their own: the checks compare the whole
// name, so neither the point check nor the vertex converters take them.
class RenamedPoint : public OdDbPoint {
  ODRX_DECLARE_MEMBERS(RenamedPoint);
  ODRX_DECLARE_CREATE(RenamedPoint);
};
ODRX_CONS_DEFINE_MEMBERS(RenamedPoint, OdDbPoint, L"QuorlexTestRenamedPoint", L"POINT")

class RenamedPolyline : public OdDbPolyline {
  ODRX_DECLARE_MEMBERS(RenamedPolyline);
  ODRX_DECLARE_CREATE(RenamedPolyline);
};
ODRX_CONS_DEFINE_MEMBERS(RenamedPolyline, OdDbPolyline, L"QuorlexTestRenamedPolyline",
                         L"LWPOLYLINE")

}  // namespace quorlex_test

namespace {

using quorlex_test::EverythingOn;
using quorlex_test::ExportFixture;
using quorlex_test::P;
using quorlex_test::RenamedPoint;
using quorlex_test::RenamedPolyline;

struct XYZ {
  double x, y, z;
};

// The file's points, read back with strtod; asserts the layout "x,y,z\n" per line.
std::vector<XYZ> ParsePoints(const std::string& text, char delimiter = ',') {
  std::vector<XYZ> points;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    XYZ p{};
    double* fields[] = {&p.x, &p.y, &p.z};
    const char* cursor = line.c_str();
    for (int i = 0; i < 3; ++i) {
      char* end = nullptr;
      *fields[i] = std::strtod(cursor, &end);
      EXPECT_NE(end, cursor) << "no number in line \"" << line << "\"";
      EXPECT_EQ(*end, i < 2 ? delimiter : '\0') << "in line \"" << line << "\"";
      cursor = end + (i < 2 ? 1 : 0);
    }
    points.push_back(p);
  }
  return points;
}

void ExpectPointsNear(const std::vector<XYZ>& actual, const std::vector<XYZ>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("point " + std::to_string(i));
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9);
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9);
    EXPECT_NEAR(actual[i].z, expected[i].z, 1e-9);
  }
}

class ExportFlow : public ExportFixture {};

TEST_F(ExportFlow, WithoutContextShowsMessageBoxOnly) {
  BuildProductTitle();
  HWND none = nullptr;
  EXPECT_FALSE(RunExport(nullptr, &none));
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = backend.MessageBoxes()[0].request;
  EXPECT_EQ(box.text, L"This command needs an active drawing");
  EXPECT_EQ(box.caption, L"Quorlex for Bricscad ???? version 1.0");
  EXPECT_EQ(box.icon, ui::MessageIcon::Warning);
  EXPECT_TRUE(backend.FileDialogs().empty());
  EXPECT_TRUE(userIO->prompts().empty());
}

TEST_F(ExportFlow, ContextWithoutDrawingIsHostError) {
  OdEdCommandContextPtr plain = OdEdCommandContext::createObject(userIO);
  EXPECT_THROW(RunExport(plain, nullptr), OdError_NotThatKindOfClass);
  EXPECT_TRUE(userIO->prompts().empty());
  EXPECT_TRUE(backend.FileDialogs().empty());
}

TEST_F(ExportFlow, EmptySelectionReportsBeforeAnyDialog) {
  AddPoint(P(1, 2, 3));
  EXPECT_FALSE(Run(EverythingOn(), {}, output));
  EXPECT_EQ(userIO->prompts(), std::vector<OdString>{L"Select objects:"});
  EXPECT_EQ(Printed(), "\nFailure [No entities selected]");
  EXPECT_TRUE(backend.FileDialogs().empty());
  EXPECT_TRUE(backend.Dialogs().empty());
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ExportFlow, AsksForSaveFileThenOptionsAndReportsCount) {
  AddPoint(P(1, 2, 3));
  AddPoint(P(-4.5, 0.25, 1e6));
  EXPECT_TRUE(Run(EverythingOn()));
  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  const ui::FileDialogRequest& request = backend.FileDialogs()[0];
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.initialName, L"Export.txt");
  EXPECT_EQ(request.defaultExtension, L"txt");
  EXPECT_EQ(request.filter, L"Points Text Files (*.txt)|*.txt||");
  EXPECT_TRUE(request.overwritePrompt);
  ASSERT_EQ(backend.Dialogs().size(), 1u);
  EXPECT_EQ(backend.Dialogs()[0].opened.caption, L"Quorlex Options");
  EXPECT_EQ(Printed(), "Successfully processed 2 points\n");
  EXPECT_EQ(FileText(), "1,2,3\n-4.5,0.25,1000000\n");
}

TEST_F(ExportFlow, CancelledFileDialogWritesNothing) {
  AddPoint(P(1, 2, 3));
  SaveExportOptions(EverythingOn());
  userIO->queueSelection(ids);
  backend.CancelFileDialog();
  EXPECT_FALSE(RunExport(context, nullptr));
  EXPECT_EQ(Printed(), "Failure [Command cancelled]\n");
  EXPECT_TRUE(backend.Dialogs().empty()) << "no options dialog after a cancelled file dialog";
}

TEST_F(ExportFlow, CancelledOptionsDialogWritesAndCreatesNothing) {
  AddPoint(P(1, 2, 3));
  ExportOptions options = EverythingOn();
  options.createPoints = 1;
  SaveExportOptions(options);
  const std::string stored = ReadFile(registryFile);
  userIO->queueSelection(ids);
  backend.AnswerFileDialog(output.wstring());
  backend.Click(206).Click(IDCANCEL);  // a change, then Cancel
  EXPECT_FALSE(RunExport(context, nullptr));
  EXPECT_EQ(Printed(), "Failure [Command cancelled]\n");
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_TRUE(CreatedPoints().empty());
  EXPECT_EQ(ReadFile(registryFile), stored);
}

TEST_F(ExportFlow, NothingCollectedWritesEmptyFile) {
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(P(5, 5, 0));
  circle->setRadius(1);
  Add(circle);
  circle.release();
  ExportOptions options = EverythingOn();
  options.centerPoint = 0;
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(Printed(), "Successfully processed 0 points\n");
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_EQ(FileText(), "");
}

TEST_F(ExportFlow, WriterFailureKeepsCreatedPoints) {
  AddPoint(P(1, 2, 3));
  AddPoint(P(1, 2, 3));
  ExportOptions options = EverythingOn();
  options.createPoints = 1;
  const std::filesystem::path unwritable = folder / "no such folder" / "points.txt";
  EXPECT_FALSE(Run(options, ids, unwritable));
  EXPECT_EQ(Printed(),
            "Failure [Cannot write \"" + unwritable.string() + "\": No such file or directory]\n");
  const std::vector<OdGePoint3d> created = CreatedPoints();
  ASSERT_EQ(created.size(), 2u) << "one point entity per collected point, duplicates included";
  EXPECT_EQ(created[0], P(1, 2, 3));
  EXPECT_EQ(created[1], P(1, 2, 3));
}

TEST_F(ExportFlow, OtherDelimiterLeftEmptyIsRefusedByWriter) {
  AddPoint(P(1, 2, 3));
  ExportOptions options = EverythingOn();
  options.delimiter = 4;
  options.other = L"";
  EXPECT_FALSE(Run(options));
  EXPECT_EQ(Printed(), "Failure [Empty delimiter]\n");
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ExportFlow, StoredDelimiterOutsideTableWritesComma) {
  AddPoint(P(1, 2, 3));
  ExportOptions options = EverythingOn();
  options.delimiter = 7;  // shows no radio button; OK without a choice reads back -1
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "1,2,3\n");
}

TEST_F(ExportFlow, ErasedEntityInSelectionEndsCommandInHost) {
  AddPoint(P(1, 2, 3));
  const OdDbObjectId erased = AddPoint(P(4, 5, 6));
  {
    OdDbObjectPtr object = erased.safeOpenObject(OdDb::kForWrite);
    object->erase();
  }
  SaveExportOptions(EverythingOn());
  userIO->queueSelection(ids);
  backend.AnswerFileDialog(output.wstring());
  backend.Click(IDOK);
  EXPECT_THROW(RunExport(context, nullptr), OdError_WasErased);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ExportFlow, ObjectsThatAreNotEntitiesAreSkipped) {
  AddPoint(P(1, 2, 3));
  std::vector<OdDbObjectId> selection = ids;
  selection.push_back(database->getLayerId(L"0"));
  EXPECT_TRUE(Run(EverythingOn(), selection, output));
  EXPECT_EQ(FileText(), "1,2,3\n");
}

TEST_F(ExportFlow, DialogsAreOwnedByMainWindow) {
  CWnd host;
  ASSERT_TRUE(host.CreateTopLevel(L"Host drawing window"));
  HWND handle = host.GetSafeHwnd();
  AddPoint(P(1, 2, 3));
  SaveExportOptions(EverythingOn());
  userIO->queueSelection(ids);
  backend.AnswerFileDialog(output.wstring());
  backend.Click(IDOK);
  EXPECT_TRUE(RunExport(context, &handle));
  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  EXPECT_EQ(backend.FileDialogs()[0].owner, L"Host drawing window");
  host.DestroyWindow();
}

// --- Which points each entity gives ------------------------------------------------------------

class ExportCollection : public ExportFixture {
 protected:
  void AddLine(const OdGePoint3d& from, const OdGePoint3d& to) {
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(from);
    line->setEndPoint(to);
    Add(line);
  }
  // Centre (10, 20, 3), radius 2, from 0 to pi: start (12, 20, 3), end (8, 20, 3), middle
  // (10, 22, 3).
  void AddHalfArc() {
    OdDbArcPtr arc = OdDbArc::createObject();
    arc->setCenter(P(10, 20, 3));
    arc->setRadius(2);
    arc->setStartAngle(0);
    arc->setEndAngle(M_PI);
    Add(arc);
  }
  void AddCircle(const OdGePoint3d& center) {
    OdDbCirclePtr circle = OdDbCircle::createObject();
    circle->setCenter(center);
    circle->setRadius(1.5);
    Add(circle);
  }
  void AddEllipse(const OdGePoint3d& center) {
    OdDbEllipsePtr ellipse = OdDbEllipse::createObject();
    ellipse->setCenter(center);
    ellipse->setMajorAxis(OdGeVector3d(4, 0, 0));
    ellipse->setRadiusRatio(0.5);
    ellipse->setStartParam(0);
    ellipse->setEndParam(2 * M_PI);
    Add(ellipse);
  }
  void AddFace(const OdGePoint3d (&corners)[4]) {
    OdDbFacePtr face = OdDbFace::createObject();
    for (OdUInt16 i = 0; i < 4; ++i) face->setVertexAt(i, corners[i]);
    Add(face);
  }
  // A cubic spline with these control points and the clamped knots of a four-point curve.
  void AddSpline(const std::vector<OdGePoint3d>& points) {
    OdGePoint3dArray controlPoints;
    for (const OdGePoint3d& p : points) controlPoints.append(p);
    OdGeDoubleArray knots{0, 0, 0, 0, 1, 1, 1, 1};
    OdDbSplinePtr spline = OdDbSpline::createObject();
    spline->setNurbsData(3, false, false, false, controlPoints, knots, OdGeDoubleArray());
    Add(spline);
  }
  void AddLightweightPolyline(const std::vector<OdGePoint2d>& vertices, bool closed) {
    OdDbPolylinePtr polyline = OdDbPolyline::createObject();
    for (unsigned int i = 0; i < vertices.size(); ++i) polyline->addVertexAt(i, vertices[i]);
    polyline->setClosed(closed);
    Add(polyline);
  }
};

TEST_F(ExportCollection, LineGivesStartEndThenMiddle) {
  AddLine(P(0.1, 5, -3), P(0.7, 5, 2));
  EXPECT_TRUE(Run(EverythingOn()));
  // The middle keeps an equal coordinate as it is and takes 0.5*from + 0.5*to elsewhere.
  EXPECT_EQ(FileText(), "0.1,5,-3\n0.7,5,2\n0.39999999999999997,5,-0.5\n");
}

TEST_F(ExportCollection, ArcGivesStartEndMiddleCentre) {
  AddHalfArc();
  EXPECT_TRUE(Run(EverythingOn()));
  ExpectPointsNear(ParsePoints(FileText()), {{12, 20, 3}, {8, 20, 3}, {10, 22, 3}, {10, 20, 3}});
}

TEST_F(ExportCollection, FailedConversionAddsNothingOfPreviousEntity) {
  AddSpline({P(0, 0, 0), P(1, 2, 0), P(3, 2, 1), P(4, 0, 1)});
  AddSpline({P(7, 7, 7), P(8, 8, 8)});  // too few control points for degree 3: no curve
  EXPECT_TRUE(Run(EverythingOn()));
  EXPECT_EQ(FileText(), "0,0,0\n1,2,0\n3,2,1\n4,0,1\n");
}

TEST_F(ExportCollection, OptionsChooseWhichPointsInFixedOrder) {
  struct Case {
    const char* name;
    int endPoint, midPoint, centerPoint;
    std::vector<XYZ> expected;  // for: line, arc, circle, ellipse, in drawing order
  };
  const Case cases[] = {
      {"ends only", 1, 0, 0, {{0, 0, 0}, {4, 0, 0}, {12, 20, 3}, {8, 20, 3}}},
      {"middles only", 0, 1, 0, {{2, 0, 0}, {10, 22, 3}}},
      {"centres only", 0, 0, 1, {{10, 20, 3}, {30, 30, 1}, {50, 50, 2}}},
      {"none", 0, 0, 0, {}},
  };
  AddLine(P(0, 0, 0), P(4, 0, 0));
  AddHalfArc();
  AddCircle(P(30, 30, 1));
  AddEllipse(P(50, 50, 2));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExportOptions options = EverythingOn();
    options.endPoint = c.endPoint;
    options.midPoint = c.midPoint;
    options.centerPoint = c.centerPoint;
    userIO->clearOutput();
    ASSERT_TRUE(Run(options));
    ExpectPointsNear(ParsePoints(FileText()), c.expected);
  }
}

TEST_F(ExportCollection, ExtractOffLeavesOnlyPointEntities) {
  AddLine(P(0, 0, 0), P(4, 0, 0));
  AddPoint(P(7, 8, 9));
  AddCircle(P(30, 30, 1));
  ExportOptions options = EverythingOn();
  options.extract = 0;
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "7,8,9\n");
}

TEST_F(ExportCollection, PointsOffLeavesPointEntitiesOut) {
  AddPoint(P(7, 8, 9));
  AddLine(P(0, 0, 0), P(4, 0, 0));
  ExportOptions options = EverythingOn();
  options.points = 0;
  options.midPoint = 0;
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "0,0,0\n4,0,0\n");
}

TEST_F(ExportCollection, ClosedPolylineDoesNotRepeatFirstVertex) {
  AddLightweightPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  AddLightweightPolyline({{1, 1}, {2, 2}}, true);  // too short to count as closed
  AddLightweightPolyline({{5, 5}, {6, 5}, {6, 6}}, false);
  EXPECT_TRUE(Run(EverythingOn()));
  EXPECT_EQ(FileText(),
            "0,0,0\n10,0,0\n10,10,0\n0,10,0\n"
            "1,1,0\n2,2,0\n1,1,0\n"
            "5,5,0\n6,5,0\n6,6,0\n");
}

TEST_F(ExportCollection, FaceGivesDistinctCornersSortedInFullPrecision) {
  // x = 1000000.9 has no single-precision twin (the nearest float is 1000000.875).
  AddFace({P(1000000.9, 5, 1), P(2, 3, 1), P(2, 1, 1), P(2, 1, 1)});
  AddPoint(P(1000000.9, 5, 1));
  EXPECT_TRUE(Run(EverythingOn()));
  EXPECT_EQ(FileText(), "2,1,1\n2,3,1\n1000000.9,5,1\n1000000.9,5,1\n");
}

TEST_F(ExportCollection, EachFaceGivesItsOwnCornersWhenTheMeshIsReused) {
  AddFace({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0)});
  AddFace({P(5, 5, 5), P(6, 5, 5), P(6, 6, 5), P(6, 6, 5)});
  EXPECT_TRUE(Run(EverythingOn()));
  EXPECT_EQ(FileText(), "0,0,0\n0,1,0\n1,0,0\n1,1,0\n5,5,5\n6,5,5\n6,6,5\n");
}

TEST_F(ExportCollection, SplineGivesControlPointsInOrder) {
  AddSpline({P(0, 0, 0), P(1, 2, 0), P(3, 2, 1), P(4, 0, 1)});
  ExportOptions options = EverythingOn();
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "0,0,0\n1,2,0\n3,2,1\n4,0,1\n");
  options.controlPoint = 0;
  userIO->clearOutput();
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "");
}

TEST_F(ExportCollection, TextGivesItsPosition) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(L"BM 12");
  text->setHeight(0.5);
  text->setPosition(P(101.25, 202.5, 3.75));
  Add(text);
  text.release();
  ExportOptions options = EverythingOn();
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "101.25,202.5,3.75\n");
  options.text = 0;
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "");
}

// What the walk decides about a class it decides once; entities of several classes in turn,
// each kind more than once, must each give their own points.
TEST_F(ExportCollection, InterleavedClassesEachGiveTheirOwnPoints) {
  AddPoint(P(1, 1, 1));
  AddLine(P(0, 0, 0), P(4, 0, 0));
  AddLightweightPolyline({{5, 5}, {6, 5}}, false);
  OdDbPointPtr renamedPoint = RenamedPoint::createObject();
  renamedPoint->setPosition(P(9, 9, 9));
  Add(renamedPoint);
  renamedPoint.release();
  AddPoint(P(2, 2, 2));
  OdDbPolylinePtr renamedPolyline = RenamedPolyline::createObject();
  renamedPolyline->addVertexAt(0, OdGePoint2d(8, 8));
  renamedPolyline->addVertexAt(1, OdGePoint2d(9, 8));
  Add(renamedPolyline);
  renamedPolyline.release();
  AddFace({P(0, 0, 7), P(1, 0, 7), P(1, 1, 7), P(1, 1, 7)});
  AddLine(P(0, 2, 0), P(2, 2, 0));
  AddLightweightPolyline({{7, 7}, {8, 7}}, false);
  AddPoint(P(3, 3, 3));
  EXPECT_TRUE(Run(EverythingOn()));
  EXPECT_EQ(FileText(),
            "1,1,1\n0,0,0\n4,0,0\n2,0,0\n5,5,0\n6,5,0\n2,2,2\n0,0,7\n1,0,7\n1,1,7\n"
            "0,2,0\n2,2,0\n1,2,0\n7,7,0\n8,7,0\n3,3,3\n");
}

// --- The two choices of the dialog the export honours --------------------------------------------

class ExportChoices : public ExportFixture {};

TEST_F(ExportChoices, YXZExchangesCoordinatesInFileOnly) {
  AddPoint(P(1000.5, 2000.25, 12));
  ExportOptions options = EverythingOn();
  options.format = 1;
  options.createPoints = 1;
  options.delimiter = 1;
  EXPECT_TRUE(Run(options));
  EXPECT_EQ(FileText(), "2000.25;1000.5;12\n");
  EXPECT_EQ(CreatedPoints(), std::vector<OdGePoint3d>{P(1000.5, 2000.25, 12)});
}

TEST_F(ExportChoices, DelimiterChoiceReachesFile) {
  const std::pair<int, const char*> cases[] = {
      {0, "1\t2\t3\n"}, {1, "1;2;3\n"}, {2, "1,2,3\n"}, {3, "1 2 3\n"}, {4, "1|2|3\n"}};
  AddPoint(P(1, 2, 3));
  for (const auto& [delimiter, expected] : cases) {
    SCOPED_TRACE(delimiter);
    ExportOptions options = EverythingOn();
    options.delimiter = delimiter;
    options.other = L"|";
    ASSERT_TRUE(Run(options));
    EXPECT_EQ(FileText(), expected);
  }
}

}  // namespace
