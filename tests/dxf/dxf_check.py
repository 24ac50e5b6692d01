#!/usr/bin/python3
"""Reads a scheme's DXF with ezdxf, an independent DXF library.

  dxf_check.py audit DXF      lines "version V", "codepage C", "errors N",
                              "fixes N", "message M" for each of them, and
                              "layer N NAME" for every layer of the table
                              (N: its model-space entities)
  dxf_check.py entities DXF   a line for each model-space entity:
                              TYPE|LAYER|name=value... (true colour and
                              geometry, numbers to thousandths, texts as
                              JSON strings as ezdxf shows them and as stored)

Exit status 2 when ezdxf cannot read the file at all.
"""
import json
import sys

import ezdxf
from ezdxf.tools.text import plain_text


def load(path):
    try:
        return ezdxf.readfile(path)
    except (IOError, ezdxf.DXFStructureError) as e:
        print("not readable: %s" % e, file=sys.stderr)
        sys.exit(2)


def num(v):
    return format(round(float(v), 3) + 0.0, "g")


def pt(v):
    return num(v[0]) + "," + num(v[1])


def describe(e):
    """TYPE|layer|name=value ... with numbers rounded to thousandths."""
    t = e.dxftype()
    f = []
    if e.dxf.hasattr("true_color"):
        f.append("color=%06x" % e.dxf.true_color)
    if t == "LINE":
        f.append("ltype=" + e.dxf.linetype)
        f.append("from=" + pt(e.dxf.start))
        f.append("to=" + pt(e.dxf.end))
    elif t == "LWPOLYLINE":
        f.append("points=" + " ".join(pt(p) for p in e.get_points("xy")))
        f.append("closed=%d" % e.closed)
        f.append("width=" + num(e.dxf.const_width))
    elif t in ("CIRCLE", "ARC"):
        f.append("center=" + pt(e.dxf.center))
        f.append("radius=" + num(e.dxf.radius))
        if t == "ARC":
            f.append("angles=" + num(e.dxf.start_angle) + "," + num(e.dxf.end_angle))
    elif t == "ELLIPSE":
        f.append("center=" + pt(e.dxf.center))
        f.append("major=" + pt(e.dxf.major_axis))
        f.append("ratio=" + num(e.dxf.ratio))
        f.append("params=" + num(e.dxf.start_param) + "," + num(e.dxf.end_param))
    elif t == "TEXT":
        f.append("insert=" + pt(e.dxf.insert))
        f.append("height=" + num(e.dxf.height))
        f.append("rotation=" + num(e.dxf.rotation))
        f.append("halign=%d" % e.dxf.halign)
        f.append("text=" + json.dumps(plain_text(e.dxf.text), ensure_ascii=False))
        f.append("raw=" + json.dumps(e.dxf.text, ensure_ascii=False))
    elif t == "HATCH":
        f.append("solid=%d" % e.dxf.solid_fill)
        for p in e.paths:
            if hasattr(p, "vertices"):
                f.append("path=" + " ".join(pt(v) for v in p.vertices))
    return "|".join([t, e.dxf.layer] + f)


def main():
    mode, path = sys.argv[1], sys.argv[2]
    doc = load(path)
    if mode == "audit":
        auditor = doc.audit()
        counts = {l.dxf.name: 0 for l in doc.layers}
        for e in doc.modelspace():
            counts[e.dxf.layer] = counts.get(e.dxf.layer, 0) + 1
        print("version " + doc.dxfversion)
        print("codepage " + doc.header.get("$DWGCODEPAGE", ""))
        print("errors %d" % len(auditor.errors))
        print("fixes %d" % len(auditor.fixes))
        for x in auditor.errors + auditor.fixes:
            print("message " + str(x.message))
        for name in sorted(counts):
            print("layer %d %s" % (counts[name], name))
    elif mode == "entities":
        for e in doc.modelspace():
            print(describe(e))


if __name__ == "__main__":
    main()
