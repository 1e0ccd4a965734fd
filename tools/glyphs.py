#!/usr/bin/env python3
"""The outlines of the letters the figures print, from the program's font, as C++ data
for the core's pictures of the drawing: run at build time, never committed.
  glyphs.py FONT LETTERS OUTPUT"""
import sys

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.ttLib import TTFont

font_path, letters, output = sys.argv[1], sys.argv[2], sys.argv[3]
font = TTFont(font_path)
cmap = font.getBestCmap()
glyphs = font.getGlyphSet()
lines = [
    "// Generated from %s by tools/glyphs.py: do not edit." % font_path.split("/")[-1],
    "inline constexpr int kUnitsPerEm = %d;" % font["head"].unitsPerEm,
    "inline constexpr int kAscender = %d;" % font["hhea"].ascent,
    "inline constexpr Glyph kGlyphs[] = {",
]
for letter in letters:
    name = cmap[ord(letter)]
    pen = SVGPathPen(glyphs)
    glyphs[name].draw(pen)
    lines.append('    {U\'\\x%x\', %d, "%s"}, // %s' % (ord(letter), glyphs[name].width, pen.getCommands(), letter))
lines.append("};")
open(output, "w", encoding="utf-8").write("\n".join(lines) + "\n")
