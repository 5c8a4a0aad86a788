#!/usr/bin/python3
"""Renders the program's two SVG icons into the PNGs the windows show.

Run by hand after changing resources/quirasol.svg or resources/application-x-quirasol.svg
(the build only compiles in the PNGs it writes):
    /usr/bin/python3 tools/render_icons.py
Needs rsvg-convert, from the Debian package librsvg2-bin.

Writes resources/icones/NAME-SIZE.png for each icon at each size title bars, task bars and
switchers ask for; resources/icones.qrc lists them and platform/Icons.h names the sizes. The
SVGs themselves stay the icons the association installs for the desktop's icon theme.
"""

import os
import subprocess
import sys

ICONS = ("quirasol", "application-x-quirasol")
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    out_dir = os.path.join(resources, "icones")
    os.makedirs(out_dir, exist_ok=True)
    for name in ICONS:
        svg = os.path.join(resources, name + ".svg")
        for size in SIZES:
            png = os.path.join(out_dir, "%s-%d.png" % (name, size))
            subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                            "--keep-aspect-ratio", "--output", png, svg], check=True)
            print(os.path.relpath(png))
    return 0


if __name__ == "__main__":
    sys.exit(main())
