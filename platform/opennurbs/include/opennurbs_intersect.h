// The 3x3 linear solver and the three-plane intersection that circles through three points use.
#pragma once

#include "opennurbs_plane.h"

// Solves the system with rows row0..row2 and right-hand side (d0, d1, d2) by Gauss-Jordan
// elimination with full pivoting, in a fixed order so results are reproducible to the bit.
// Returns the rank (0..3); the solution is written only for rank 3, otherwise *x, *y, *z are
// 0. *pivot_ratio (may be null) gets |smallest pivot| / |largest pivot| (0 below rank 3).
int ON_Solve3x3(const double row0[3], const double row1[3], const double row2[3], double d0,
                double d1, double d2, double* x, double* y, double* z, double* pivot_ratio);

// Point common to the three planes (rows = their equations' normals, right-hand side = -d).
// False when the normals are not independent; P is then exactly (0,0,0).
bool ON_Intersect(const ON_Plane& A, const ON_Plane& B, const ON_Plane& C, ON_3dPoint& P);
