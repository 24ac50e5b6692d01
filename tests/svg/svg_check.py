#!/usr/bin/python3
"""Checks a scheme's SVG with independent clients.

  svg_check.py rsvg SVG PNG OUT      render SVG with rsvg-convert into OUT and
                                      print the mean difference from PNG
  svg_check.py chromium SVG PNG OUT  the same with a headless Chromium screenshot
  svg_check.py texts SVG             parse SVG and print each text element's
                                      content, one JSON string a line

The mean difference is over every pixel and every colour channel, in levels
of 0..255. Exit status 2 when the SVG is not well-formed XML or a client fails.
"""
import json
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image, ImageChops, ImageStat

SVG_NS = "{http://www.w3.org/2000/svg}"


def parse(svg):
    try:
        return ET.parse(svg).getroot()
    except ET.ParseError as e:
        print("not well-formed: %s" % e, file=sys.stderr)
        sys.exit(2)


def mean_difference(a_path, b_path):
    a = Image.open(a_path).convert("RGB")
    b = Image.open(b_path).convert("RGB")
    if a.size != b.size:
        print("sizes differ: %s %s" % (a.size, b.size), file=sys.stderr)
        sys.exit(2)
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3.0


def run(cmd):
    r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=180)
    if r.returncode != 0:
        print("%s failed: %s" % (cmd[0], r.stderr.decode(errors="replace")), file=sys.stderr)
        sys.exit(2)


def main():
    mode, svg = sys.argv[1], sys.argv[2]
    root = parse(svg)
    if mode == "texts":
        for t in root.iter(SVG_NS + "text"):
            print(json.dumps("".join(t.itertext())))
        return
    png, out = sys.argv[3], sys.argv[4]
    w, h = int(root.get("width")), int(root.get("height"))
    if mode == "rsvg":
        run(["rsvg-convert", "--width", str(w), "--height", str(h), "-o", out, svg])
    elif mode == "chromium":
        with tempfile.TemporaryDirectory() as profile:
            run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                 "--user-data-dir=" + profile, "--screenshot=" + os.path.abspath(out),
                 "--window-size=%d,%d" % (w, h), "file://" + os.path.abspath(svg)])
    else:
        sys.exit("unknown mode " + mode)
    print("%.3f" % mean_difference(png, out))


if __name__ == "__main__":
    main()
