#!/usr/bin/python3
"""Writes the DXF fixtures of the drawing reader's tests, and what the reader must find in them.

Run with Debian's python3 and its ezdxf package, from any folder:
    /usr/bin/python3 tests/data/dxf/make_fixtures.py
The outputs are committed, so the tests do not need ezdxf to run.

kinds_<version>.dxf hold one entity per case; the entity's layer names the case. expected.tsv
lists, per case, what the accessors of the loaded entity must return:
    oldest version <TAB> case <TAB> accessor <TAB> value [<TAB> value ...]
World coordinates of entities stored in object coordinates (circle, arc, text, lightweight
polyline, solid) are computed here with ezdxf's own OCS, independently of the reader.
"""
import math
import os

import ezdxf
from ezdxf.math import OCS, Vec3

HERE = os.path.dirname(os.path.abspath(__file__))
TILT = Vec3(0.3, -0.4, 0.866).normalize()  # an extrusion that is no axis
DOWN = Vec3(0, 0, -1)
rows = []
since = ["R12"]  # the oldest version whose fixture holds the cases being added


def expect(case, accessor, *values):
    rows.append((since[0], case, accessor, values))


def wcs(normal, p):
    return tuple(OCS(normal).to_wcs(Vec3(p)))


def add_simple(msp):
    msp.add_point((1.25, -2.5, 3.125), dxfattribs={"layer": "POINT"})
    expect("POINT", "position", 1.25, -2.5, 3.125)
    msp.add_line((0, 0, 0), (10.5, 20.25, -3), dxfattribs={"layer": "LINE"})
    expect("LINE", "start", 0, 0, 0)
    expect("LINE", "end", 10.5, 20.25, -3)
    for name, normal in (("CIRCLE", Vec3(0, 0, 1)), ("CIRCLE_TILT", TILT), ("CIRCLE_DOWN", DOWN)):
        msp.add_circle((4, 5, 6), 2.5, dxfattribs={"layer": name, "extrusion": normal})
        expect(name, "center", *wcs(normal, (4, 5, 6)))
        expect(name, "radius", 2.5)
        expect(name, "normal", *normal)
    for name, normal in (("ARC", Vec3(0, 0, 1)), ("ARC_TILT", TILT)):
        msp.add_arc((1, 2, 3), 4, 30, 120, dxfattribs={"layer": name, "extrusion": normal})
        expect(name, "center", *wcs(normal, (1, 2, 3)))
        expect(name, "radius", 4)
        expect(name, "angles", math.radians(30), math.radians(120))
    for name, normal in (("TEXT", Vec3(0, 0, 1)), ("TEXT_TILT", TILT)):
        t = msp.add_text("Hello", dxfattribs={"layer": name, "height": 2.5, "extrusion": normal})
        t.dxf.insert = (7, 8, 9)
        t.dxf.align_point = (17, 8, 9)
        t.dxf.halign = 2  # right: the alignment point is written
        expect(name, "position", *wcs(normal, (7, 8, 9)))
        expect(name, "alignment", *wcs(normal, (17, 8, 9)))
        expect(name, "height", 2.5)
        expect(name, "string", "Hello")
        expect(name, "normal", *normal)
    for name, normal in (("SOLID", Vec3(0, 0, 1)), ("SOLID_TILT", TILT)):
        corners = [(0, 0, 2), (4, 0, 2), (0, 3, 2), (4, 3, 2)]
        msp.add_solid(corners, dxfattribs={"layer": name, "extrusion": normal})
        for i, c in enumerate(corners):
            expect(name, "corner%d" % i, *wcs(normal, c))
    face = [(0, 0, 0), (1, 0, 0.5), (1, 1, 1), (0, 1, 1.5)]
    msp.add_3dface(face, dxfattribs={"layer": "3DFACE"})
    for i, c in enumerate(face):
        expect("3DFACE", "vertex%d" % i, *c)


def add_polylines(msp):
    pts2d = [(1, 2), (3, 4), (5, 2)]
    for name, normal in (("POLY2D", Vec3(0, 0, 1)), ("POLY2D_TILT", TILT)):
        p = msp.add_polyline2d(pts2d, dxfattribs={"layer": name, "extrusion": normal})
        p.dxf.elevation = (0, 0, 5)
        p.close(True)
        expect(name, "elevation", 5)
        expect(name, "normal", *normal)
        expect(name, "closed", 1)
        expect(name, "vertices", *[c for q in pts2d for c in (q[0], q[1], 0)])
    pts3d = [(0, 0, 0), (1, 2, 3), (4, 5, 6.5)]
    msp.add_polyline3d(pts3d, dxfattribs={"layer": "POLY3D"})
    expect("POLY3D", "closed", 0)
    expect("POLY3D", "vertices", *[c for q in pts3d for c in q])
    pf = msp.add_polyface()
    pf.dxf.layer = "POLYFACE"
    pf.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)])
    pf.append_face([(1, 0, 0), (2, 0, 0), (1, 1, 0)])
    records = [v for v in pf.vertices if v.is_face_record]
    records[1].dxf.vtx1 = -records[1].dxf.vtx1  # an invisible edge: the sign is kept
    corners = [v.dxf.location for v in pf.vertices if v.is_poly_face_mesh_vertex]
    expect("POLYFACE", "counts", len(corners), len(records))
    expect("POLYFACE", "vertices", *[c for v in corners for c in v])
    faces = [r.get_dxf_attrib(k, 0) for r in records for k in ("vtx0", "vtx1", "vtx2", "vtx3")]
    expect("POLYFACE", "faces", *faces)
    mesh = msp.add_polymesh((3, 4), dxfattribs={"layer": "POLYMESH"})
    mesh.dxf.flags |= 1 | 32  # closed in M and in N
    grid = []
    for m in range(3):
        for n in range(4):
            mesh.set_mesh_vertex((m, n), (m, n, m * n * 0.5))
            grid.extend((m, n, m * n * 0.5))
    expect("POLYMESH", "size", 3, 4)
    expect("POLYMESH", "closure", 1, 1)
    expect("POLYMESH", "vertices", *grid)


def add_modern(msp):
    since[0] = "R2000"
    for name, normal in (("LWPOLY", Vec3(0, 0, 1)), ("LWPOLY_TILT", TILT)):
        pts = [(0, 0, 0, 0, 0.5), (2, 0, 0, 0, 0), (2, 3, 0, 0, -1)]
        lw = msp.add_lwpolyline(pts, format="xyseb",
                                dxfattribs={"layer": name, "extrusion": normal, "elevation": 1.5})
        lw.close(True)
        world = [c for q in pts for c in wcs(normal, (q[0], q[1], 1.5))]
        expect(name, "vertices", *world)
        expect(name, "bulges", 0.5, 0, -1)
        expect(name, "closed", 1)
        expect(name, "elevation", 1.5)
    ctrl = [(0, 0, 0), (1, 2, 0), (3, 2, 1), (4, 0, 1), (6, 1, 2)]
    sp = msp.add_rational_spline(ctrl, [1, 0.5, 2, 1, 1], degree=3,
                                 dxfattribs={"layer": "SPLINE"})
    expect("SPLINE", "degree", 3)
    expect("SPLINE", "control", *[c for q in ctrl for c in q])
    expect("SPLINE", "knots", *sp.knots)
    expect("SPLINE", "weights", 1, 0.5, 2, 1, 1)
    expect("SPLINE", "rational", 1)
    msp.add_ellipse((1, 1, 0), major_axis=(3, 0, 0), ratio=0.5, start_param=0,
                    end_param=math.pi, dxfattribs={"layer": "ELLIPSE"})
    expect("ELLIPSE", "center", 1, 1, 0)
    expect("ELLIPSE", "major", 3, 0, 0)
    expect("ELLIPSE", "ratio", 0.5)
    msp.add_mtext("not exported", dxfattribs={"layer": "MTEXT"})
    expect("MTEXT", "class", "AcDbMText")


def add_spaces(doc):
    psp = doc.layout("Layout1")
    psp.add_point((9, 9, 9), dxfattribs={"layer": "PAPER"})
    blk = doc.blocks.new("BLK")
    blk.add_point((5, 5, 5), dxfattribs={"layer": "IN_BLOCK"})
    doc.modelspace().add_blockref("BLK", (0, 0, 0), dxfattribs={"layer": "INSERT"})
    expect("INSERT", "class", "AcDbBlockReference")


def build(version):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    add_simple(msp)
    add_polylines(msp)
    if version != "R12":
        add_modern(msp)
    since[0] = "R12"
    add_spaces(doc)
    return doc


def write_kinds():
    for version, tag in (("R12", "r12"), ("R2000", "r2000"), ("R2018", "r2018")):
        del rows[:]
        doc = build(version)
        doc.saveas(os.path.join(HERE, "kinds_%s.dxf" % tag))
        if version == "R2000":
            doc.saveas(os.path.join(HERE, "kinds_r2000_bin.dxf"), fmt="bin")
            kept = list(rows)
    with open(os.path.join(HERE, "expected.tsv"), "w") as f:
        for first, case, accessor, values in kept:
            f.write("\t".join([first, case, accessor] + [v if isinstance(v, str) else repr(float(v))
                                                  for v in values]) + "\n")


def write_texts():
    """Text in a code page (R2000) and in UTF-8 (R2018), with a character that needs \\U+."""
    for version, page, text, tag in (
            ("R2000", "ANSI_1251", "Привет", "cp1251_r2000"),
            ("R2000", "ANSI_932", "日本語", "cp932_r2000"),
            ("R2000", "ANSI_1252", "Grüße €", "cp1252_r2000"),
            ("R2000", "ANSI_1252", "Ωmega", "escape_r2000"),
            ("R2018", "ANSI_1252", "Grüße Ω 日本", "utf8_r2018")):
        doc = ezdxf.new(version)
        doc.header["$DWGCODEPAGE"] = page
        doc.modelspace().add_text(text, dxfattribs={"layer": "TEXT"})
        doc.saveas(os.path.join(HERE, "text_%s.dxf" % tag))


def write_points():
    """A small drawing of points for the round trip, as R12, R2000 and R2018, ASCII and binary."""
    for version, tag in (("R12", "r12"), ("R2000", "r2000"), ("R2018", "r2018")):
        doc = ezdxf.new(version)
        msp = doc.modelspace()
        for i in range(5):
            msp.add_point((i * 1.1, i * -2.2, 0.1 * i))
        msp.add_line((0, 0, 0), (1, 1, 1))
        doc.saveas(os.path.join(HERE, "points_%s.dxf" % tag))
        doc.saveas(os.path.join(HERE, "points_%s_bin.dxf" % tag), fmt="bin")


if __name__ == "__main__":
    write_kinds()
    write_texts()
    write_points()
