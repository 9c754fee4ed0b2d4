#!/usr/bin/env python3
"""Writes the large drawings the benchmarks measure, reproducibly (seeded).

    gen_drawing.py points OUT.dxf [SCALE]   1,000,000 x SCALE point entities (about 106 MB at 1)
    gen_drawing.py mixed OUT.dxf [SCALE]    300,000 x SCALE entities of every kind the reader
                                            fills, among them polylines and meshes with about
                                            1,000,000 x SCALE vertex records (about 204 MB at 1)

Both are R2000 ASCII as a CAD host writes it (plain text, no DXF library), with survey-like
coordinates: x around 500000, y around 5200000, 3 to 4 decimals. Every fifth planar entity has a
tilted extrusion. SCALE may be a fraction (0.1, 0.25) for the linearity runs.
"""
import os
import random
import shutil
import sys

HEAD = """  0
SECTION
  2
HEADER
  9
$ACADVER
  1
AC1015
  9
$HANDSEED
  5
{seed:X}
  0
ENDSEC
  0
SECTION
  2
ENTITIES
"""
TAIL = """  0
ENDSEC
  0
EOF
"""
TILTS = [(0.0, 0.6, 0.8), (0.28, -0.96, 0.0), (-0.48, 0.36, 0.8)]


class Gen:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.h = 0x100

    def handle(self):
        self.h += 1
        return self.h - 1

    def common(self, kind, subclass, layer="0"):
        return "  0\n%s\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\n%s\n100\n%s\n" % (
            kind, self.handle(), layer, subclass)

    def coord(self):
        r = self.r
        return (round(500000 + r.uniform(-5000, 5000), 3),
                round(5200000 + r.uniform(-5000, 5000), r.choice((3, 4))),
                round(r.uniform(80, 400), 3))

    def xyz(self, code, p=None):
        p = p or self.coord()
        return "%3d\n%s\n%3d\n%s\n%3d\n%s\n" % (code, num(p[0]), code + 10, num(p[1]), code + 20,
                                                num(p[2]))

    def normal(self, i):
        return self.xyz(210, TILTS[i % 3]) if i % 5 == 4 else ""

    def point(self, i):
        return self.common("POINT", "AcDbPoint", "SURVEY") + self.xyz(10)

    def line(self, i):
        return self.common("LINE", "AcDbLine", "BREAKLINES") + self.xyz(10) + self.xyz(11)

    def circle(self, i, kind="CIRCLE"):
        return (self.common(kind, "AcDbCircle") + self.xyz(10) +
                " 40\n%s\n" % num(round(self.r.uniform(0.1, 50), 3)) + self.normal(i))

    def arc(self, i):
        r = self.r
        return self.circle(i, "ARC") + "100\nAcDbArc\n 50\n%s\n 51\n%s\n" % (
            num(round(r.uniform(0, 360), 4)), num(round(r.uniform(0, 360), 4)))

    def ellipse(self, i):
        r = self.r
        return (self.common("ELLIPSE", "AcDbEllipse") + self.xyz(10) +
                self.xyz(11, (round(r.uniform(1, 40), 3), round(r.uniform(1, 40), 3), 0.0)) +
                self.normal(i) + " 40\n%s\n 41\n0.0\n 42\n%s\n" % (
                    num(round(r.uniform(0.1, 1), 4)), num(round(r.uniform(1, 6.28), 4))))

    def text(self, i):
        return (self.common("TEXT", "AcDbText", "LABELS") + self.xyz(10) + " 40\n2.5\n" +
                "  1\nPt %d elev %.3f\n" % (self.h, self.r.uniform(80, 400)) + self.normal(i) +
                "100\nAcDbText\n")

    def face(self, i, kind="3DFACE", subclass="AcDbFace"):
        return self.common(kind, subclass) + "".join(self.xyz(10 + k) for k in range(4))

    def solid(self, i):
        return self.face(i, "SOLID", "AcDbTrace") + self.normal(i)

    def lwpolyline(self, i):
        r = self.r
        n = r.randint(2, 12)
        s = self.common("LWPOLYLINE", "AcDbPolyline", "PARCELS") + " 90\n%d\n 70\n1\n" % n
        s += " 38\n%s\n" % num(round(r.uniform(80, 400), 3))
        for _ in range(n):
            x, y, _z = self.coord()
            s += " 10\n%s\n 20\n%s\n" % (num(x), num(y))
        return s + self.normal(i)

    def spline(self, i):
        r = self.r
        n = r.randint(4, 10)
        s = self.common("SPLINE", "AcDbSpline") + " 70\n8\n 71\n3\n 72\n%d\n 73\n%d\n 74\n0\n" % (
            n + 4, n)
        knots = [0.0] * 4 + [float(k) for k in range(1, n - 3)] + [float(n - 3)] * 4
        s += "".join(" 40\n%s\n" % num(k) for k in knots)
        return s + "".join(self.xyz(10) for _ in range(n))

    def vertex(self, subclass, flags, p=None, extra=""):
        return (self.common("VERTEX", "AcDbVertex") + "100\n%s\n" % subclass + self.xyz(10, p) +
                extra + " 70\n%d\n" % flags)

    def seqend(self):
        return "  0\nSEQEND\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\n0\n" % self.handle()

    def polyline_head(self, subclass, flags, extra=""):
        return (self.common("POLYLINE", subclass) + " 66\n1\n 10\n0.0\n 20\n0.0\n 30\n0.0\n" +
                " 70\n%d\n" % flags + extra)

    def polyline3d(self, i):
        n = self.r.randint(4, 24)
        s = self.polyline_head("AcDb3dPolyline", 8)
        s += "".join(self.vertex("AcDb3dPolylineVertex", 32) for _ in range(n))
        return s + self.seqend()

    def polyline2d(self, i):
        n = self.r.randint(4, 16)
        s = self.polyline_head("AcDb2dPolyline", 1, self.normal(i))
        for _ in range(n):
            x, y, _z = self.coord()
            s += self.vertex("AcDb2dVertex", 0, (x, y, 0.0))
        return s + self.seqend()

    def polygon_mesh(self, i):
        m, n = self.r.randint(2, 5), self.r.randint(2, 5)
        s = self.polyline_head("AcDbPolygonMesh", 16, " 71\n%d\n 72\n%d\n" % (m, n))
        s += "".join(self.vertex("AcDbPolygonMeshVertex", 64) for _ in range(m * n))
        return s + self.seqend()

    def polyface_mesh(self, i):
        nv = self.r.randint(4, 12)
        nf = nv - 2
        s = self.polyline_head("AcDbPolyFaceMesh", 64, " 71\n%d\n 72\n%d\n" % (nv, nf))
        s += "".join(self.vertex("AcDbPolyFaceMeshVertex", 192) for _ in range(nv))
        for f in range(nf):
            idx = " 71\n1\n 72\n%d\n 73\n%d\n" % (f + 2, f + 3)
            s += self.vertex("AcDbFaceRecord", 128, (0.0, 0.0, 0.0), idx)
        return s + self.seqend()


def num(v):
    """Shortest text that reads back as v, as CAD hosts print reals (no exponent here)."""
    return repr(float(v))


MIXED = ["point", "line", "circle", "arc", "ellipse", "text", "face", "solid", "lwpolyline",
         "spline", "polyline3d", "polyline2d", "polygon_mesh", "polyface_mesh"]


def main():
    kind, out = sys.argv[1], sys.argv[2]
    scale = float(sys.argv[3]) if len(sys.argv) > 3 else 1.0
    g = Gen(20261211)
    count = int((1000000 if kind == "points" else 300000) * scale)
    makers = [g.point] if kind == "points" else [getattr(g, m) for m in MIXED]
    # The body goes to a scratch file first: $HANDSEED, in front, is known only at its end.
    with open(out + ".body", "w") as body:
        chunk = []
        for i in range(count):
            chunk.append(makers[i % len(makers)](i // len(makers)))
            if len(chunk) == 10000:
                body.writelines(chunk)
                chunk = []
        body.writelines(chunk)
        body.write(TAIL)
    with open(out, "w") as f, open(out + ".body") as body:
        f.write(HEAD.format(seed=g.h))
        shutil.copyfileobj(body, f, 1 << 20)
    os.remove(out + ".body")

if __name__ == "__main__":
    main()
