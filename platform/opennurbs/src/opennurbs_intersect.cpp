// Gauss-Jordan solve of a 3x3 system with full pivoting, and the three-plane intersection.
//
// The elimination order below is fixed on purpose: the circle through three points takes its
// centre from this solve, and the platform's centres are matched to the last bit only when
// every multiplication and addition happens in the same order.
#include "opennurbs_intersect.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct Work {
  double m[3][4];
  int var[3] = {0, 1, 2};  // which unknown each column stands for
};

void SwapColumns(Work& w, int a, int b) {
  for (auto& row : w.m) std::swap(row[a], row[b]);
  std::swap(w.var[a], w.var[b]);
}

// First coefficient of strictly largest magnitude among the 9, scanned row by row.
double FindFullPivot(const double* rows[3], int& pr, int& pc) {
  double best = 0.0;
  pr = pc = 0;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (std::fabs(rows[r][c]) > best) {
        best = std::fabs(rows[r][c]);
        pr = r;
        pc = c;
      }
    }
  }
  return best;
}

void LoadRow(double out[4], const double* row, double d) {
  out[0] = row[0];
  out[1] = row[1];
  out[2] = row[2];
  out[3] = d;
}

// Steps 2-4: pivot row first, pivot column first, then eliminate column 0.
void EliminateFirstColumn(Work& w, const double* rows[3], const double d[3], int pr, int pc) {
  static const int kOrder[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}};
  for (int k = 0; k < 3; ++k) LoadRow(w.m[k], rows[kOrder[pr][k]], d[kOrder[pr][k]]);
  if (pc != 0) SwapColumns(w, 0, pc);
  const double r = 1.0 / w.m[0][0];
  for (int c = 1; c < 4; ++c) w.m[0][c] *= r;
  for (int k = 1; k < 3; ++k) {
    const double f = -w.m[k][0];
    if (f == 0.0) continue;
    for (int c = 1; c < 4; ++c) w.m[k][c] += f * w.m[0][c];
  }
}

// Step 5: pivot of the lower-right 2x2 block; returns its row (0 when the block is zero).
int FindBlockPivot(Work& w) {
  static const int kCells[4][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}};
  double best = 0.0;
  int pr = 0, pc = 0;
  for (const auto& cell : kCells) {
    const double v = std::fabs(w.m[cell[0]][cell[1]]);
    if (v > best) {
      best = v;
      pr = cell[0];
      pc = cell[1];
    }
  }
  if (best == 0.0) return 0;
  if (pc == 2) SwapColumns(w, 1, 2);
  return pr;
}

// Step 6: normalise the pivot row on column 1 and clear column 1 of rows 0 and o.
void EliminateSecondColumn(Work& w, int pv, int o) {
  const double r = 1.0 / w.m[pv][1];
  for (int c = 2; c < 4; ++c) w.m[pv][c] *= r;
  for (int k : {0, o}) {
    const double f = -w.m[k][1];
    if (f == 0.0) continue;
    for (int c = 2; c < 4; ++c) w.m[k][c] += f * w.m[pv][c];
  }
}

// Step 7: back substitution of the last unknown.
void BackSubstitute(Work& w, int pv, int o) {
  w.m[o][3] = w.m[o][3] / w.m[o][2];
  double f = -w.m[pv][2];
  if (f != 0.0) w.m[pv][3] += f * w.m[o][3];
  f = -w.m[0][2];
  if (f != 0.0) w.m[0][3] += f * w.m[o][3];
}

double PivotRatio(double a, double b, double c) {
  a = std::fabs(a);
  b = std::fabs(b);
  c = std::fabs(c);
  const double lo = std::min({a, b, c});
  const double hi = std::max({a, b, c});
  return hi > 0.0 ? lo / hi : 0.0;
}

}  // namespace

int ON_Solve3x3(const double row0[3], const double row1[3], const double row2[3], double d0,
                double d1, double d2, double* x, double* y, double* z, double* pivot_ratio) {
  *x = *y = *z = 0.0;
  if (pivot_ratio != nullptr) *pivot_ratio = 0.0;
  const double* rows[3] = {row0, row1, row2};
  const double d[3] = {d0, d1, d2};
  int pr = 0, pc = 0;
  const double p0 = FindFullPivot(rows, pr, pc);
  if (p0 == 0.0) return 0;
  Work w;
  EliminateFirstColumn(w, rows, d, pr, pc);
  const int pv = FindBlockPivot(w);
  if (pv == 0) return 1;
  const int o = (pv == 1) ? 2 : 1;
  const double p1 = w.m[pv][1];
  EliminateSecondColumn(w, pv, o);
  if (w.m[o][2] == 0.0) return 2;
  const double p2 = w.m[o][2];
  BackSubstitute(w, pv, o);
  double* out[3] = {x, y, z};
  *out[w.var[0]] = w.m[0][3];
  *out[w.var[1]] = w.m[pv][3];
  *out[w.var[2]] = w.m[o][3];
  if (pivot_ratio != nullptr) *pivot_ratio = PivotRatio(p0, p1, p2);
  return 3;
}

bool ON_Intersect(const ON_Plane& A, const ON_Plane& B, const ON_Plane& C, ON_3dPoint& P) {
  const ON_PlaneEquation& a = A.plane_equation;
  const ON_PlaneEquation& b = B.plane_equation;
  const ON_PlaneEquation& c = C.plane_equation;
  const double r0[3] = {a.x, a.y, a.z};
  const double r1[3] = {b.x, b.y, b.z};
  const double r2[3] = {c.x, c.y, c.z};
  const int rank = ON_Solve3x3(r0, r1, r2, -a.d, -b.d, -c.d, &P.x, &P.y, &P.z, nullptr);
  return rank == 3;
}
