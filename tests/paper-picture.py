#!/usr/bin/python3
"""Checks a figure copied or saved for paper as any program reads it.

    paper-picture.py SVG [PNG]

The SVG must be an XML document whose root <svg> gives its width and height in points;
the PNG must decode, at 300 dpi, to that size in pixels, with ink on some of it (a figure's
lines and letters) and clear elsewhere. Prints the size in inches and
exits 0, or says what is wrong and exits 1.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET


def fail(why):
    print(why)
    sys.exit(1)


def main():
    try:
        root = ET.parse(sys.argv[1]).getroot()
    except ET.ParseError as e:
        fail(f"the SVG is no XML document: {e}")
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        fail(f"the root is {root.tag}, not an SVG")
    inches = []
    for name in ("width", "height"):
        value = root.get(name, "")
        try:
            if not value.endswith("pt"):
                raise ValueError
            inches.append(float(value[:-2]) / 72)
        except ValueError:
            fail(f"the SVG's {name} is {value!r}, not a length in points")
    if len(sys.argv) > 2:
        # ImageMagick decodes it whole; its resolution as pixels an inch.
        out = subprocess.run(["convert", sys.argv[2], "-units", "PixelsPerInch", "-format",
                              "%w %h %x %y", "info:"], capture_output=True, text=True)
        if out.returncode != 0 or out.stderr.strip():
            fail(f"the PNG does not decode: {out.stderr.strip()}")
        w, h, x, y = (float(n) for n in out.stdout.split())
        want = [round(i * 300) for i in inches]
        if [w, h] != want:
            fail(f"the PNG is {w:g} × {h:g} pixels, not {want[0]} × {want[1]}")
        if abs(x - 300) > 0.5 or abs(y - 300) > 0.5:
            fail(f"the PNG says {x:g} × {y:g} dpi, not 300")
        # How much of it is ink: opaque and dark, as the figure's lines and letters are.
        out = subprocess.run(["convert", sys.argv[2], "-background", "white", "-flatten",
                              "-negate", "-colorspace", "Gray", "-format", "%[fx:mean]", "info:"],
                             capture_output=True, text=True)
        ink = float(out.stdout)
        if not 0.005 < ink < 0.3:
            fail(f"the PNG is {ink:.1%} ink: no figure on it")
    print(f"{inches[0]:.4f} {inches[1]:.4f}")


main()
