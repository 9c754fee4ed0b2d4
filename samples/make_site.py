#!/usr/bin/python3
"""Writes site.dxf: a small site survey drawing for trying the point export.

Real-world coordinates (a UTM-like grid around E 500000, N 5200000, metres, 3 decimals), one
layer per kind of feature, and every entity kind the export reads, plus an MTEXT and a block
INSERT that the export passes over. Run with Debian's python3 and ezdxf:

    /usr/bin/python3 samples/make_site.py            # writes samples/site.dxf

The output is deterministic (fixed header stamps), so a regenerated file diffs cleanly.
"""
import io
import os
import re
import sys

import ezdxf

E0, N0 = 500000.0, 5200000.0


def at(e, n, h=0.0):
    """A site point: offsets from the grid origin, rounded to survey precision (mm)."""
    return (round(E0 + e, 3), round(N0 + n, 3), round(h, 3))


def layers(doc):
    for name, colour in [("SURVEY-POINTS", 1), ("BUILDINGS", 5), ("ROAD-CL", 3), ("KERB", 8),
                         ("TREES", 94), ("POND", 4), ("CONTOURS", 32), ("BREAKLINES", 6),
                         ("TERRAIN", 9), ("LABELS", 7), ("NOTES", 2), ("SYMBOLS", 30)]:
        doc.layers.add(name, color=colour)


def survey_points(msp):
    shots = [(12.345, 8.912, 412.118), (48.002, 11.507, 412.640), (81.777, 9.031, 413.205),
             (15.204, 47.660, 414.012), (52.918, 50.333, 414.587), (86.431, 45.129, 415.030),
             (33.650, 78.404, 415.912), (70.125, 81.290, 416.441)]
    for i, (e, n, h) in enumerate(shots, start=1):
        msp.add_point(at(e, n, h), dxfattribs={"layer": "SURVEY-POINTS"})
        msp.add_text(f"P{i} {h:.3f}", height=0.8,
                     dxfattribs={"layer": "LABELS", "insert": at(e + 0.5, n + 0.5, h)})


def buildings(msp):
    house = [at(20.0, 20.0)[:2], at(32.5, 20.0)[:2], at(32.5, 29.25)[:2], at(20.0, 29.25)[:2]]
    msp.add_lwpolyline(house, close=True, dxfattribs={"layer": "BUILDINGS", "elevation": 413.5})
    shed = [at(60.125, 22.0)[:2], at(66.375, 22.0)[:2], at(66.375, 26.5)[:2], at(63.25, 28.75)[:2],
            at(60.125, 26.5)[:2]]
    msp.add_lwpolyline(shed, close=True, dxfattribs={"layer": "BUILDINGS", "elevation": 414.25})


def road(msp):
    msp.add_line(at(0.0, 60.0, 414.2), at(40.0, 60.0, 414.6), dxfattribs={"layer": "ROAD-CL"})
    # A 30 m curve turning north, then the straight on.
    msp.add_arc(at(40.0, 90.0, 414.6), radius=30.0, start_angle=270.0, end_angle=330.0,
                dxfattribs={"layer": "ROAD-CL"})
    msp.add_line(at(65.981, 75.0, 414.6), at(73.981, 88.856, 415.0), dxfattribs={"layer": "ROAD-CL"})
    # Then a right-hand curve of 30 m (arcs run counter-clockwise, so from 110 to 150 degrees).
    msp.add_arc(at(99.962, 73.856, 415.0), radius=30.0, start_angle=110.0, end_angle=150.0,
                dxfattribs={"layer": "ROAD-CL"})
    # The kerb as a cubic B-spline by its control points, as surveyed kerb lines are drawn.
    kerb = [at(0.0, 56.5, 414.1), at(20.0, 56.4, 414.3), at(40.0, 56.6, 414.5),
            at(55.0, 59.8, 414.5), at(66.0, 66.1, 414.6), at(80.0, 73.2, 415.0)]
    msp.add_open_spline(kerb, degree=3, dxfattribs={"layer": "KERB"})


def nature(msp):
    msp.add_circle(at(45.5, 36.25, 414.3), radius=2.75, dxfattribs={"layer": "TREES"})
    msp.add_ellipse(at(80.0, 30.0, 413.9), major_axis=(8.0, 3.0, 0.0), ratio=0.5,
                    dxfattribs={"layer": "POND"})


def terrain(msp):
    contour = [at(0.0, 40.0)[:2], at(25.0, 42.5)[:2], at(50.0, 41.0)[:2], at(75.0, 44.0)[:2],
               at(100.0, 43.0)[:2]]
    msp.add_polyline2d(contour, dxfattribs={"layer": "CONTOURS", "elevation": (0, 0, 414.0)})
    breakline = [at(5.0, 95.0, 416.1), at(30.0, 97.5, 416.4), at(60.0, 96.0, 416.9),
                 at(95.0, 99.0, 417.3)]
    msp.add_polyline3d(breakline, dxfattribs={"layer": "BREAKLINES"})
    msp.add_3dface([at(10.0, 10.0, 412.2), at(30.0, 10.0, 412.6), at(30.0, 30.0, 413.4),
                    at(10.0, 30.0, 413.0)], dxfattribs={"layer": "TERRAIN"})
    msp.add_solid([at(92.0, 5.0)[:2], at(98.0, 5.0)[:2], at(92.0, 9.0)[:2], at(98.0, 9.0)[:2]],
                  dxfattribs={"layer": "SYMBOLS", "elevation": 412.9})


def meshes(msp):
    face = msp.add_polyface(dxfattribs={"layer": "TERRAIN"})
    a, b, c, d = at(40.0, 5.0, 412.5), at(50.0, 5.0, 412.7), at(50.0, 15.0, 413.1), at(40.0, 15.0, 412.9)
    e = at(45.0, 10.0, 413.4)
    face.append_faces([[a, b, e], [b, c, e], [c, d, e], [d, a, e]])
    mesh = msp.add_polymesh(size=(3, 3), dxfattribs={"layer": "TERRAIN"})
    for m in range(3):
        for n in range(3):
            mesh.set_mesh_vertex((m, n), at(60.0 + 5.0 * m, 5.0 + 5.0 * n, 412.5 + 0.25 * (m + n)))


def skipped(doc, msp):
    msp.add_mtext("Site survey 2026\\PGrid: local UTM, heights above datum",
                  dxfattribs={"layer": "NOTES", "insert": at(2.0, 118.0), "char_height": 1.5})
    marker = doc.blocks.new("BENCHMARK")
    marker.add_circle((0.0, 0.0), radius=0.5)
    marker.add_line((-0.75, 0.0), (0.75, 0.0))
    marker.add_line((0.0, -0.75), (0.0, 0.75))
    msp.add_blockref("BENCHMARK", at(3.0, 3.0, 412.0), dxfattribs={"layer": "SYMBOLS"})


def make(path):
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = 6  # metres
    doc.header["$FINGERPRINTGUID"] = "{5E1A3C90-2B4D-4F61-9A7E-0C3D2B1A0F01}"
    layers(doc)
    msp = doc.modelspace()
    survey_points(msp)
    buildings(msp)
    road(msp)
    nature(msp)
    terrain(msp)
    meshes(msp)
    skipped(doc, msp)
    stream = io.StringIO()
    doc.write(stream)
    with open(path, "w", encoding="cp1252", newline="\r\n") as out:
        out.write(pin(stream.getvalue()))


# ezdxf stamps the save time and a fresh GUID into every file it writes; pin them so that the
# committed drawing is reproducible.
PINNED = {"$TDCREATE": "2461385.5", "$TDUCREATE": "2461385.5", "$TDUPDATE": "2461385.5",
          "$TDUUPDATE": "2461385.5", "$VERSIONGUID": "{5E1A3C90-2B4D-4F61-9A7E-0C3D2B1A0F02}"}


def pin(text):
    lines = text.split("\n")
    for i, line in enumerate(lines[:-2]):
        if line in PINNED:
            lines[i + 2] = PINNED[line]
    text = "\n".join(lines)
    return re.sub(r"(\d+\.\d+\.\d+) @ \S+", r"\1 @ 2026-12-11T00:00:00+00:00", text)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    make(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "site.dxf"))
