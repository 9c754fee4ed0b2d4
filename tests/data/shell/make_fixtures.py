#!/usr/bin/python3
"""Writes the drawing the interactive shell's tests open.

    /usr/bin/python3 tests/data/shell/make_fixtures.py

shell.dxf  three point entities on layer SURVEY at (1, 2, 3), (4, 5, 6) and (40, 50, 0), a line
           from (0, 0, 0) to (2, 2, 0) and a circle at (10, 10, 0) with radius 1 on layer 0,
           all coordinates exact in binary, so window and crossing selections have known results
"""
import io
import os
import sys

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))
from make_site import pin  # noqa: E402  (fixed header stamps, shared with the sample)


def main():
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    doc.layers.add("SURVEY")
    for point in [(1, 2, 3), (4, 5, 6), (40, 50, 0)]:
        msp.add_point(point, dxfattribs={"layer": "SURVEY"})
    msp.add_line((0, 0, 0), (2, 2, 0))
    msp.add_circle((10, 10, 0), 1)
    stream = io.StringIO()
    doc.write(stream)
    with open(os.path.join(HERE, "shell.dxf"), "w", encoding="cp1252", newline="\n") as out:
        out.write(pin(stream.getvalue()))


if __name__ == "__main__":
    main()
