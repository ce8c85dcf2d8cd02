#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

"""The site's fonts: DejaVu Sans, its bold and DejaVu Sans Mono (Debian's fonts-dejavu-core),
cut down to the characters that the pages show and sent as WOFF2, so that every visitor's
browser draws the pages' text with the same letters whatever fonts the visitor's machine has.

    site_fonts.py make  OUTDIR FONTDIR SOURCE...   writes the three .woff2 files into OUTDIR
    site_fonts.py check OUTDIR FONTDIR SOURCE...   fails unless OUTDIR's files are what `make`
                                                   would write now (the build runs this)

The characters are printable ASCII, which the programs print into the console, and every other
character that the SOURCE files (the pages, the stylesheet and the hints) hold. The files are
made the same on every run: no hinting (the browser's rasteriser places the outlines), no time
stamps, and only the names that the fonts' licence asks to keep.
"""

import io
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# The site's file and the font of fonts-dejavu-core that it is cut from.
FONTS = [
    ("dejavu-sans.woff2", "DejaVuSans.ttf"),
    ("dejavu-sans-bold.woff2", "DejaVuSans-Bold.ttf"),
    ("dejavu-sans-mono.woff2", "DejaVuSansMono.ttf"),
]

# Copyright, family and style, unique name, full name, version, PostScript name, trademark,
# licence and its address: the copyright and trademark notices and the permission notice go
# with every copy of the fonts.
NAME_IDS = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14]


def characters(sources):
    chars = set(range(0x20, 0x7F))
    for source in sources:
        with open(source, encoding="utf-8") as f:
            chars.update(ord(c) for c in f.read() if ord(c) > 0x7F)
    return sorted(chars)


def cut(font_path, chars):
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    options.name_IDs = NAME_IDS
    options.recalc_timestamp = False
    options.notdef_outline = True
    # FontForge's time stamps: nothing a browser reads.
    options.drop_tables += ["FFTM"]
    font = subset.load_font(font_path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=chars)
    subsetter.subset(font)
    out = io.BytesIO()
    subset.save_font(font, out, options)
    return out.getvalue()


def drawn(data):
    """What the browser draws from a font file: its tables, out of the WOFF2 wrapping, whose
    compression may differ between versions of the compressor."""
    font = TTFont(io.BytesIO(data))
    return {tag: font.getTableData(tag) for tag in sorted(font.keys()) if tag != "GlyphOrder"}


def main(argv):
    if len(argv) < 5 or argv[1] not in ("make", "check"):
        sys.stderr.write(__doc__)
        return 2
    mode, outdir, fontdir, sources = argv[1], argv[2], argv[3], argv[4:]
    chars = characters(sources)
    stale = []
    for name, source in FONTS:
        made = cut(os.path.join(fontdir, source), chars)
        target = os.path.join(outdir, name)
        if mode == "make":
            with open(target, "wb") as f:
                f.write(made)
            print(f"site_fonts: {target}, {len(made)} bytes")
        elif not os.path.exists(target):
            stale.append(f"{target} is missing")
        else:
            with open(target, "rb") as f:
                if drawn(f.read()) != drawn(made):
                    stale.append(f"{target} is not what {source} gives for the pages' characters")
    if stale:
        sys.stderr.write("site_fonts: " + "; ".join(stale) + ": remake them with `cmake --build "
                         "--preset web --target site-fonts` and commit them\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
