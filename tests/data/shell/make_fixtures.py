#!/usr/bin/python3
"""Writes the drawing the interactive shell's tests open.

    /usr/bin/python3 tests/data/shell/make_fixtures.py

shell.dxf  three point entities on layer SURVEY at (1, 2, 3), (4, 5, 6) and (40, 50, 0), a line
           from (0, 0, 0) to (2, 2, 0) and a circle at (10, 10, 0) with radius 1 on layer 0,
           all coordinates exact in binary, so window and crossing selections have known results
extents.dxf one entity of each kind, each on a layer named after it, whose extents are known
           exactly (arcs whose extreme lies between their ends, a bulged polyline segment, a
           cubic spline that is a Bezier curve with its highest point 0.75 at its middle), and an
           MTEXT and a block INSERT, which have no extents of their own
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


def extents():
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()

    def on(name):
        doc.layers.add(name)
        return {"layer": name}

    msp.add_point((3, 4, 5), dxfattribs=on("POINT"))
    msp.add_line((1, 2, 3), (4, -6, 8), dxfattribs=on("LINE"))
    msp.add_circle((10, 0, 0), 2, dxfattribs=on("CIRCLE"))
    msp.add_arc((0, 0, 0), 2, 45, 135, dxfattribs=on("ARC"))
    msp.add_ellipse((0, 0, 0), (4, 0, 0), 0.5, dxfattribs=on("ELLIPSE"))
    msp.add_lwpolyline([(0, 0, 1), (2, 0, 0)], format="xyb", dxfattribs=on("LWPOLYLINE"))
    msp.add_open_spline([(0, 0, 0), (1, 1, 0), (2, 1, 0), (3, 0, 0)], degree=3,
                        dxfattribs=on("SPLINE"))
    msp.add_3dface([(0, 0, 0), (1, 0, 1), (1, 1, 2), (0, 1, 0)], dxfattribs=on("3DFACE"))
    msp.add_solid([(0, 0), (2, 0), (0, 3), (2, 3)], dxfattribs=on("SOLID"))
    msp.add_text("T", dxfattribs={**on("TEXT"), "insert": (5, 6, 7)})
    msp.add_polyline3d([(0, 0, 0), (1, 5, -2), (3, 1, 4)], dxfattribs=on("POLYLINE3D"))
    msp.add_polyline2d([(0, 0), (3, 0), (3, 2)], dxfattribs=on("POLYLINE2D"))
    face = msp.add_polyface(dxfattribs=on("POLYFACE"))
    face.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 1), (0, 1, 1)])
    mesh = msp.add_polymesh((2, 2), dxfattribs=on("POLYMESH"))
    for (m, n), point in {(0, 0): (0, 0, 0), (0, 1): (0, 1, 0), (1, 0): (1, 0, 3),
                          (1, 1): (1, 1, 0)}.items():
        mesh.set_mesh_vertex((m, n), point)
    msp.add_mtext("M", dxfattribs={**on("MTEXT"), "insert": (1, 1, 0)})
    block = doc.blocks.new("B")
    block.add_line((0, 0), (1, 1))
    msp.add_blockref("B", (2, 2), dxfattribs=on("INSERT"))
    save(doc, "extents.dxf")


def main():
    extents()
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    doc.layers.add("SURVEY")
    for point in [(1, 2, 3), (4, 5, 6), (40, 50, 0)]:
        msp.add_point(point, dxfattribs={"layer": "SURVEY"})
    msp.add_line((0, 0, 0), (2, 2, 0))
    msp.add_circle((10, 10, 0), 1)
    save(doc, "shell.dxf")


if __name__ == "__main__":
    main()
