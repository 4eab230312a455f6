#!/usr/bin/env python3
"""Draws the program's icon, icons/quillmere.png: a quill writing on a slide
rule, in calm colours on a teal tile. Drawn at eight times its size and
averaged down to 32x32 with ImageMagick's convert. Run from anywhere:
    python3 resources/icons/make_icon.py
"""
import math
import pathlib
import subprocess

S = 8  # drawing scale; the grid below is the icon's own 32 pixels


def p(x, y):
    return f"{x * S:.1f},{y * S:.1f}"


# The quill's shaft runs from the nib, resting on the rule, up to the right.
NIB, TOP = (9.0, 18.5), (27.5, 3.0)
L = math.hypot(TOP[0] - NIB[0], TOP[1] - NIB[1])
D = ((TOP[0] - NIB[0]) / L, (TOP[1] - NIB[1]) / L)
N = (D[1], -D[0])  # across the shaft, to its upper left


def at(t, w):
    """The point at fraction t along the shaft, w pixels to its upper side."""
    return (NIB[0] + D[0] * L * t + N[0] * w, NIB[1] + D[1] * L * t + N[1] * w)


def drawing():
    upper = [(0.2, 0), (0.28, 1.4), (0.4, 2.8), (0.55, 3.8), (0.7, 4.2), (0.82, 3.7), (0.91, 2.6), (0.97, 1.3),
             (1.02, 0)]
    lower = [(0.96, 0.7), (0.86, 1.6), (0.7, 2.2), (0.52, 2.0), (0.36, 1.3), (0.26, 0.5), (0.2, 0)]
    vane = [at(t, w) for t, w in upper] + [at(t, -w) for t, w in lower]
    ink = "'#3c4648'"
    d = [f"fill '#2f6b72' stroke '#24545a' stroke-width {S * 0.8} roundrectangle {p(0.6, 0.6)} {p(31.4, 31.4)} "
         f"{6 * S},{6 * S}",
         # the rule: two stators and the slide between them, scales on both edges
         f"fill '#f0e8d4' stroke {ink} stroke-width {S * 0.8} rectangle {p(3, 19.5)} {p(29, 27)}",
         f"fill '#d6c79f' stroke none rectangle {p(3.4, 22)} {p(28.6, 24.5)}"]
    for i, x in enumerate(range(5, 28, 2)):
        h = 1.6 if i % 3 == 0 else 1.0
        d.append(f"fill {ink} stroke none rectangle {p(x, 19.9)} {p(x + 0.9, 19.9 + h)}")
        d.append(f"fill {ink} stroke none rectangle {p(x, 26.6 - h)} {p(x + 0.9, 26.6)}")
    # the cursor: a clear window with its hairline
    d.append(f"fill '#ffffff40' stroke '#5d6a6c' stroke-width {S * 0.6} rectangle {p(17, 18.3)} {p(20, 28.2)}")
    d.append(f"fill '#9a3b3b' stroke none rectangle {p(18.3, 18.8)} {p(18.8, 27.7)}")
    # the quill: vane, shaft, nib
    d.append(f"fill '#fbf7ec' stroke '#b9b09b' stroke-width {S * 0.6} polygon " + " ".join(p(*q) for q in vane))
    d.append(f"stroke '#8c7f66' stroke-width {S * 0.7} fill none line {p(*at(0.12, 0))} {p(*at(0.98, 0))}")
    d.append(f"fill '#2a2f33' stroke none polygon {p(*at(0, 0))} {p(*at(0.16, 0.85))} {p(*at(0.16, -0.85))}")
    return "\n".join(d)


def main():
    out = pathlib.Path(__file__).with_name("quillmere.png")
    big = 32 * S
    subprocess.run(["convert", "-size", f"{big}x{big}", "xc:none", "-draw", drawing(),
                    "-filter", "box", "-resize", "32x32", "-strip", f"PNG32:{out}"], check=True)
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
