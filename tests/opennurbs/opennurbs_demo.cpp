// Prints a few facts of the geometry library: the frame a plane gets from its normal, an arc
// through three points, a clamped knot vector, and a mesh's topology order with survey
// coordinates.
#include <cstdio>

#include "opennurbs.h"

namespace {

void Print(const char* label, const ON_3dPoint& p) {
  std::printf("  %-10s (%.17g, %.17g, %.17g)\n", label, p.x, p.y, p.z);
}

void Print(const char* label, const ON_3dVector& v) { Print(label, ON_3dPoint(v)); }

void ShowPlane() {
  const ON_Plane plane(ON_3dPoint(1, 2, 3), ON_3dVector(0, 0, 1));
  std::printf("Plane through (1,2,3) with normal (0,0,1):\n");
  Print("x axis", plane.xaxis);
  Print("y axis", plane.yaxis);
  Print("z axis", plane.zaxis);
}

void ShowArc() {
  ON_Arc arc;
  const bool rc = arc.Create(ON_3dPoint(1, 0, 0), ON_3dPoint(0, -1, 0), ON_3dPoint(-1, 0, 0));
  std::printf("Arc through (1,0,0), (0,-1,0), (-1,0,0): %s\n", rc ? "created" : "failed");
  Print("normal", arc.plane.zaxis);
  Print("start", arc.StartPoint());
  Print("mid", arc.MidPoint());
  Print("end", arc.EndPoint());
  const bool bad = arc.Create(ON_3dPoint(1, 2, 0), ON_3dPoint(2, 4, 0), ON_3dPoint(3, 6, 0));
  std::printf("Arc through collinear (1,2,0), (2,4,0), (3,6,0): %s, radius %.17g\n",
              bad ? "created" : "failed", arc.radius);
  Print("centre", arc.Center());
}

void ShowKnots() {
  const ON_3dPoint points[] = {{0, 0, 0}, {1, 1, 0}, {2, 1, 0}, {3, 0, 0}, {4, 0, 1}};
  ON_NurbsCurve curve;
  curve.CreateClampedUniformNurbs(3, 4, 5, points, 1.0);
  std::printf("Clamped uniform cubic with 5 control points, %d knots:", curve.KnotCount());
  for (int i = 0; i < curve.KnotCount(); ++i) std::printf(" %g", curve.Knot(i));
  std::printf("\n");
}

void ShowTopology() {
  const ON_3dPoint corners[] = {{1000000.9, 4999999.93, 101.25},
                                {1000000.88, 4999999.93, 101.25},
                                {1000000.88, 5000012.07, 101.5},
                                {999987.4, 5000012.07, 99.75}};
  ON_Mesh mesh(1, 4, false, false);
  for (int i = 0; i < 4; ++i) mesh.SetVertex(i, corners[i]);
  mesh.SetQuad(0, 0, 1, 2, 3);
  mesh.Compact();
  const ON_MeshTopology& top = mesh.Topology();
  std::printf("Quad with survey corners, topology %s, vertices in ascending x, y, z:\n",
              top.IsValid() ? "valid" : "invalid");
  for (int k = 0; k < top.TopVertexCount(); ++k) {
    char label[24];
    std::snprintf(label, sizeof label, "vertex %d", k);
    Print(label, top.TopVertexPoint(k));
  }
}

}  // namespace

int main() {
  ShowPlane();
  ShowArc();
  ShowKnots();
  ShowTopology();
  return 0;
}
