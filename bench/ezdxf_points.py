#!/usr/bin/python3
"""The comparison a user would script: reads the drawing with ezdxf and writes the points the
export collects with every option on (point locations; line ends and middles; circle, ellipse and
arc centres, arc ends and middles; spline control points; polyline, face and mesh vertices; text
insertion points) as comma-separated x,y,z. World coordinates through each entity's OCS.

    ezdxf_points.py DRAWING.dxf OUT.csv
"""
import math
import sys

import ezdxf


def points_of(e):
    t = e.dxftype()
    if t == "POINT":
        return [e.dxf.location]
    if t == "LINE":
        s, n = e.dxf.start, e.dxf.end
        return [s, n, s.lerp(n)]
    if t == "CIRCLE":
        return [e.ocs().to_wcs(e.dxf.center)]
    if t == "ARC":
        ocs, c, r = e.ocs(), e.dxf.center, e.dxf.radius
        a0, a1 = math.radians(e.dxf.start_angle), math.radians(e.dxf.end_angle)
        if a1 < a0:
            a1 += 2 * math.pi
        at = [c + (r * math.cos(a), r * math.sin(a), 0) for a in (a0, a1, (a0 + a1) / 2)]
        return [ocs.to_wcs(p) for p in at] + [ocs.to_wcs(c)]
    if t == "ELLIPSE":
        return [e.dxf.center]
    if t == "SPLINE":
        return list(e.control_points)
    if t == "TEXT":
        return [e.ocs().to_wcs(e.dxf.insert)]
    if t in ("3DFACE", "SOLID"):
        return sorted(set(e.wcs_vertices()))  # distinct corners, as the export gives them
    if t == "LWPOLYLINE":
        return list(e.vertices_in_wcs())
    if t == "POLYLINE":
        return [v.dxf.location for v in e.vertices if not v.is_face_record]
    return []


def main():
    doc = ezdxf.readfile(sys.argv[1])
    count = 0
    with open(sys.argv[2], "w") as out:
        for e in doc.modelspace():
            for p in points_of(e):
                out.write("%r,%r,%r\n" % (p[0], p[1], p[2]))
                count += 1
    print(count)


if __name__ == "__main__":
    main()
