#!/usr/bin/python3
"""Writes the small drawings the host program's end-to-end tests export.

    /usr/bin/python3 tests/data/export/make_fixtures.py

flow.dxf       one entity of each kind the export reads, in a known order, with coordinates whose
               points are exact in binary (so every expected line is known to the last digit),
               and an MTEXT and an INSERT that the export passes over
precision.dxf  point entities whose coordinates test exact passage (0.1, 0.30000000000000004,
               -0.0, 1e-07, survey coordinates) and a 3D face at x = 1000000.9, a value that
               single precision would round to 1000000.875
bad.dxf        a drawing cut off with a malformed group code at line 9 (written by hand below)
"""
import io
import os
import sys

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))
from make_site import pin  # noqa: E402  (fixed header stamps, shared with the sample)


def save(doc, name):
    stream = io.StringIO()
    doc.write(stream)
    with open(os.path.join(HERE, name), "w", encoding="cp1252", newline="\n") as out:
        out.write(pin(stream.getvalue()))


def flow():
    doc = ezdxf.new("R2000")
    doc.header["$FINGERPRINTGUID"] = "{0F1E2D3C-4B5A-4968-8776-000000000001}"
    for layer in ("LINES", "POINTS", "CURVES", "OUTLINES", "FACES", "LABELS"):
        doc.layers.add(layer)
    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (10, 0, 0), dxfattribs={"layer": "LINES"})
    msp.add_point((1, 2, 3), dxfattribs={"layer": "POINTS"})
    msp.add_arc((100, 100, 0), radius=10, start_angle=0, end_angle=180,
                dxfattribs={"layer": "CURVES"})
    msp.add_circle((50, 50, 5), radius=3, dxfattribs={"layer": "CURVES"})
    msp.add_ellipse((70, 70, 0), major_axis=(4, 0, 0), ratio=0.5, dxfattribs={"layer": "CURVES"})
    msp.add_lwpolyline([(0, 0), (4, 0), (4, 3), (0, 3)], close=True,
                       dxfattribs={"layer": "OUTLINES", "elevation": 2})
    msp.add_lwpolyline([(0, 0), (5, 5)], close=True, dxfattribs={"layer": "OUTLINES"})
    msp.add_3dface([(3, 1, 0), (1, 1, 0), (1, 1, 0), (2, 5, 0)], dxfattribs={"layer": "FACES"})
    msp.add_text("Label", height=1, dxfattribs={"layer": "LABELS", "insert": (7, 8, 0)})
    msp.add_open_spline([(0, 0, 0), (1, 2, 0), (3, 2, 0), (4, 0, 0)], degree=3,
                        dxfattribs={"layer": "CURVES"})
    msp.add_mtext("Skipped", dxfattribs={"layer": "LABELS", "insert": (9, 9, 0)})
    block = doc.blocks.new("MARK")
    block.add_point((0, 0, 0))
    msp.add_blockref("MARK", (20, 20, 0), dxfattribs={"layer": "POINTS"})
    save(doc, "flow.dxf")


def precision():
    doc = ezdxf.new("R2000")
    doc.header["$FINGERPRINTGUID"] = "{0F1E2D3C-4B5A-4968-8776-000000000002}"
    msp = doc.modelspace()
    for point in [(500000.123456789, 5200000.987654321, 412.1), (0.1, 0.30000000000000004, -0.0),
                  (1e-07, -2.5e-10, 1e+21), (1000000.9, 2.0, 3.0)]:
        msp.add_point(point)
    msp.add_3dface([(1000000.9, 2.0, 3.0), (1000001.9, 2.0, 3.0), (1000001.9, 3.0, 3.0),
                    (1000001.9, 3.0, 3.0)])
    save(doc, "precision.dxf")


BAD = """  0
SECTION
  2
ENTITIES
  0
POINT
 10
1.0
abc
2.0
  0
ENDSEC
  0
EOF
"""


def bad():
    with open(os.path.join(HERE, "bad.dxf"), "w", newline="\n") as out:
        out.write(BAD)


if __name__ == "__main__":
    flow()
    precision()
    bad()
