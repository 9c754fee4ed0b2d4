#!/usr/bin/env python3
"""Writes the large drawings the read benchmark measures, reproducibly (seeded).

    gen_drawing.py points OUT.dxf [COUNT]   COUNT point entities (default 1,000,000), R2000 ASCII
    gen_drawing.py mixed OUT.dxf [COUNT]    COUNT entities of every kind the reader fills
                                            (default 300,000), R2000 ASCII

Plain text is written directly (no DXF library), as a CAD host writes R2000.
"""
import math
import random
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


def common(kind, handle, subclass):
    return "  0\n%s\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\n0\n100\n%s\n" % (kind, handle, subclass)


def xyz(code, p):
    return "%3d\n%r\n%3d\n%r\n%3d\n%r\n" % (code, p[0], code + 10, p[1], code + 20, p[2])


def rnd(r):
    return (r.uniform(-1e5, 1e5), r.uniform(-1e5, 1e5), r.uniform(-100, 100))


def point(r, h):
    return common("POINT", h, "AcDbPoint") + xyz(10, rnd(r))


def line(r, h):
    return common("LINE", h, "AcDbLine") + xyz(10, rnd(r)) + xyz(11, rnd(r))


def circle(r, h):
    return common("CIRCLE", h, "AcDbCircle") + xyz(10, rnd(r)) + " 40\n%r\n" % r.uniform(0.1, 50)


def arc(r, h):
    return circle(r, h).replace("CIRCLE", "ARC", 1) + "100\nAcDbArc\n 50\n%r\n 51\n%r\n" % (
        r.uniform(0, 360), r.uniform(0, 360))


def text(r, h):
    return (common("TEXT", h, "AcDbText") + xyz(10, rnd(r)) + " 40\n2.5\n  1\nLabel %d\n" % h +
            xyz(210, (0.0, 0.6, 0.8)) + "100\nAcDbText\n")


def lwpolyline(r, h):
    n = r.randint(2, 12)
    s = common("LWPOLYLINE", h, "AcDbPolyline") + " 90\n%d\n 70\n1\n 38\n%r\n" % (n, r.random())
    for _ in range(n):
        s += " 10\n%r\n 20\n%r\n 42\n%r\n" % (r.uniform(-1e4, 1e4), r.uniform(-1e4, 1e4), r.random())
    return s


def face(r, h):
    s = common("3DFACE", h, "AcDbFace")
    for i in range(4):
        s += xyz(10 + i, rnd(r))
    return s


def solid(r, h):
    return face(r, h).replace("3DFACE", "SOLID", 1).replace("AcDbFace", "AcDbTrace", 1)


def spline(r, h):
    n = r.randint(4, 10)
    s = common("SPLINE", h, "AcDbSpline") + " 70\n8\n 71\n3\n 72\n%d\n 73\n%d\n 74\n0\n" % (n + 4, n)
    knots = [0.0] * 4 + [float(i) for i in range(1, n - 3)] + [float(n - 3)] * 4
    for k in knots:
        s += " 40\n%r\n" % k
    for _ in range(n):
        s += xyz(10, rnd(r))
    return s


def polyline3d(r, h):
    n = r.randint(2, 8)
    s = common("POLYLINE", h, "AcDb3dPolyline") + " 66\n1\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 70\n8\n"
    for i in range(n):
        s += common("VERTEX", h + 1 + i, "AcDbVertex") + "100\nAcDb3dPolylineVertex\n" + xyz(
            10, rnd(r)) + " 70\n32\n"
    return s + "  0\nSEQEND\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\n0\n" % (h + 1 + n), n + 2


KINDS = [point, line, circle, arc, text, lwpolyline, face, solid, spline]


def main():
    kind, out = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else (1000000 if kind == "points" else 300000)
    r = random.Random(20261211)
    h = 0x100
    body = []
    for i in range(count):
        if kind == "points":
            body.append(point(r, h))
            h += 1
        elif i % 10 == 9:
            s, used = polyline3d(r, h)
            body.append(s)
            h += used
        else:
            body.append(KINDS[i % len(KINDS)](r, h))
            h += 1
    with open(out, "w") as f:
        f.write(HEAD.format(seed=h))
        f.writelines(body)
        f.write(TAIL)


if __name__ == "__main__":
    main()
