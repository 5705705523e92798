#!/usr/bin/env python3
"""Writes the skin's SVG sources, one per resource id, from one palette and one stroke width.

Run it after changing a picture here; the build renders the SVG files to PNG at 1x and 2x.
"""
import os

# The palette, shared by every picture.
PALETTE = {
    "back": "#050505",    # the window background
    "plate": "#161b22",   # button face, top
    "plate2": "#0b0e12",  # button face, bottom
    "rim": "#3b4656",     # button edge
    "ink": "#e6edf5",     # glyphs
    "blue": "#2f8cff",    # accent, matches the title text
    "cyan": "#5cc8ff",    # light accent
    "amber": "#ffb020",   # accent, matches the speed read-out
    "red": "#ff4d4d",     # crossing out, delete, close
    "green": "#35c96b",   # confirmation
}
STROKE = 2  # the one stroke width, in pixels at 1x

HERE = os.path.dirname(os.path.abspath(__file__))


def style():
    rules = [f".{k}{{fill:{v}}} .s-{k}{{fill:none;stroke:{v}}}" for k, v in PALETTE.items()]
    return ("<style>*{stroke-width:%d;stroke-linecap:round;stroke-linejoin:round}"
            % STROKE + " ".join(rules) + "</style>")


def defs():
    p = PALETTE
    return ("<defs>"
            f"<linearGradient id='face' x1='0' y1='0' x2='0' y2='1'>"
            f"<stop offset='0' stop-color='{p['plate']}'/><stop offset='1' stop-color='{p['plate2']}'/>"
            "</linearGradient>"
            f"<linearGradient id='glow' x1='0' y1='0' x2='0' y2='1'>"
            f"<stop offset='0' stop-color='{p['cyan']}'/><stop offset='1' stop-color='{p['blue']}'/>"
            "</linearGradient>"
            "</defs>")


def svg(w, h, body, comment):
    return (f"<svg xmlns='http://www.w3.org/2000/svg' width='{w}' height='{h}' viewBox='0 0 {w} {h}'>\n"
            f"<!-- {comment}; palette and stroke from make_svgs.py -->\n"
            f"{style()}{defs()}\n{body}\n</svg>\n")


def disc(w, h):
    """Round face of the transport buttons."""
    r = min(w, h) / 2 - 3
    return (f"<circle cx='{w/2}' cy='{h/2}' r='{r}' fill='url(#face)'/>"
            f"<circle class='s-rim' cx='{w/2}' cy='{h/2}' r='{r}'/>"
            f"<path class='s-blue' d='M{w/2 - r*0.70:.1f} {h/2 - r*0.70:.1f} A{r} {r} 0 0 1 {w/2 + r*0.70:.1f} {h/2 - r*0.70:.1f}' opacity='0.8'/>")


def plate(w, h, radius):
    """Rounded face of the tool and window buttons."""
    return (f"<rect x='2' y='2' width='{w-4}' height='{h-4}' rx='{radius}' fill='url(#face)'/>"
            f"<rect class='s-rim' x='2' y='2' width='{w-4}' height='{h-4}' rx='{radius}'/>"
            f"<path class='s-blue' d='M{2+radius} 2 H{w-2-radius}' opacity='0.8'/>")


def slash(x1, y1, x2, y2):
    """The red crossing-out line, with a background gap so it reads on any glyph."""
    return (f"<path d='M{x1} {y1} L{x2} {y2}' stroke='{PALETTE['plate2']}' stroke-width='{STROKE*3}' fill='none'/>"
            f"<path class='s-red' d='M{x1} {y1} L{x2} {y2}'/>")


def padlock(cx, top, size, colour, opened):
    """A padlock of width size*0.75, body below the shackle."""
    bw = size * 0.72
    bh = size * 0.48
    bx = cx - bw / 2
    by = top + size * 0.42
    sr = bw * 0.30
    shackle_x = cx + (sr * 0.9 if opened else 0)
    lift = size * 0.10 if opened else 0
    return (f"<path class='s-{colour}' d='M{shackle_x - sr:.1f} {by - lift:.1f} V{top + sr + 1 - lift:.1f} "
            f"A{sr:.1f} {sr:.1f} 0 0 1 {shackle_x + sr:.1f} {top + sr + 1 - lift:.1f} V{by if not opened else by - lift - 2:.1f}'/>"
            f"<rect class='{colour}' x='{bx:.1f}' y='{by:.1f}' width='{bw:.1f}' height='{bh:.1f}' rx='2'/>"
            f"<rect class='plate2' x='{cx - 1:.1f}' y='{by + bh*0.3:.1f}' width='2' height='{bh*0.4:.1f}'/>")


def speaker(w, h):
    cy = h / 2
    return (f"<path class='ink' d='M3 {cy-5} H8 L15 {cy-12} V{cy+12} L8 {cy+5} H3 Z'/>"
            f"<path class='s-cyan' d='M18 {cy-6} A8 8 0 0 1 18 {cy+6}'/>"
            f"<path class='s-cyan' d='M20 {cy-11} A14 14 0 0 1 20 {cy+11}' opacity='0.7'/>")


def circular_arrow(cx, cy, r):
    return (f"<path class='s-ink' d='M{cx + r} {cy} A{r} {r} 0 1 1 {cx + r*0.5:.1f} {cy - r*0.866:.1f}'/>"
            f"<path class='ink' d='M{cx + r*0.5 - 1:.1f} {cy - r*0.866 - 4:.1f} L{cx + r + 2:.1f} {cy - r*0.7:.1f} L{cx + r*0.62:.1f} {cy - r*0.15:.1f} Z'/>")


def frame(cx, cy, half):
    return (f"<rect class='s-ink' x='{cx-half}' y='{cy-half}' width='{2*half}' height='{2*half}' rx='1'/>"
            f"<path class='s-cyan' d='M{cx-half} {cy-half+2} H{cx+half}'/>")


IMAGES = {}


def image(rid, w, h, comment):
    def register(fn):
        IMAGES[rid] = (w, h, comment, fn)
        return fn
    return register


# Transport: round faces, filled glyphs.
@image("png/129", 64, 64, "play")
def _(w, h):
    return disc(w, h) + "<path class='ink' d='M26 20 L45 32 L26 44 Z'/>"


@image("png/132", 64, 64, "pause")
def _(w, h):
    return disc(w, h) + "<rect class='amber' x='23' y='20' width='6' height='24' rx='1'/><rect class='amber' x='35' y='20' width='6' height='24' rx='1'/>"


@image("png/133", 64, 64, "stop")
def _(w, h):
    return disc(w, h) + "<rect class='ink' x='22' y='22' width='20' height='20' rx='2'/>"


@image("png/136", 64, 64, "fast forward")
def _(w, h):
    return disc(w, h) + "<path class='ink' d='M17 22 L31 32 L17 42 Z M32 22 L46 32 L32 42 Z'/>"


@image("png/203", 64, 64, "skip to next")
def _(w, h):
    return disc(w, h) + "<path class='ink' d='M21 21 L38 32 L21 43 Z'/><rect class='ink' x='40' y='21' width='4' height='22' rx='1'/>"


# Tools 64 x 48: rounded plates, line glyphs.
@image("png/139", 64, 48, "folder")
def _(w, h):
    return plate(w, h, 8) + ("<path class='s-amber' d='M16 15 H26 L29 18 H46 V34 H16 Z'/>"
                             "<path class='s-amber' d='M16 22 H46' opacity='0.6'/>")


@image("png/140", 64, 48, "camera")
def _(w, h):
    return plate(w, h, 8) + ("<path class='s-ink' d='M15 18 H23 L26 14 H38 L41 18 H49 V36 H15 Z'/>"
                             "<circle class='s-cyan' cx='32' cy='26' r='6'/><circle class='ink' cx='44' cy='22' r='1.5'/>")


@image("png/141", 64, 48, "floppy disk")
def _(w, h):
    return plate(w, h, 8) + ("<path class='s-ink' d='M20 12 H40 L45 17 V37 H20 Z'/>"
                             "<path class='s-cyan' d='M25 12 V19 H38 V12'/><rect class='s-ink' x='25' y='27' width='15' height='10'/>")


@image("png/142", 64, 48, "waste bin")
def _(w, h):
    return plate(w, h, 8) + ("<path class='s-red' d='M22 16 H42 M29 16 V13 H35 V16'/>"
                             "<path class='s-ink' d='M24 19 L25.5 37 H38.5 L40 19'/><path class='s-ink' d='M29.5 22 V33 M34.5 22 V33'/>")


# Small tools 32 x 32.
@image("png/143", 32, 32, "circular arrow")
def _(w, h):
    return plate(w, h, 6) + circular_arrow(16, 16, 7)


@image("png/176", 32, 32, "circular arrow, crossed out")
def _(w, h):
    return plate(w, h, 6) + circular_arrow(16, 16, 7) + slash(8, 24, 24, 8)


@image("png/145", 32, 32, "the letters KML")
def _(w, h):
    return plate(w, h, 6) + ("<path class='s-ink' d='M7 11 V21 M12 11 L7.5 16 L12 21'/>"
                             "<path class='s-amber' d='M14 21 V11 L16.5 16 L19 11 V21'/>"
                             "<path class='s-ink' d='M22 11 V21 H26'/>")


@image("png/146", 32, 32, "map")
def _(w, h):
    return plate(w, h, 6) + ("<path class='s-ink' d='M7 10 L13 8 L19 10 L25 8 V22 L19 24 L13 22 L7 24 Z'/>"
                             "<path class='s-ink' d='M13 8 V22 M19 10 V24' opacity='0.6'/><circle class='red' cx='19' cy='15' r='2'/>")


@image("png/147", 32, 32, "graph")
def _(w, h):
    return plate(w, h, 6) + ("<path class='s-rim' d='M7 16 H25'/><path class='s-ink' d='M7 8 V24 H25'/>"
                             "<path class='s-green' d='M8 17 L11 12 L14 19 L17 10 L20 20 L23 15'/>")


@image("png/148", 32, 32, "open padlock")
def _(w, h):
    return plate(w, h, 6) + padlock(15, 6, 20, "amber", True)


# Window buttons 32 x 33.
@image("png/151", 32, 33, "close")
def _(w, h):
    return plate(w, h, 6) + "<path class='s-red' d='M11 11.5 L21 21.5 M21 11.5 L11 21.5'/>"


@image("png/152", 32, 33, "maximise")
def _(w, h):
    return plate(w, h, 6) + "<rect class='s-ink' x='10' y='11' width='12' height='11' rx='1'/><path class='s-cyan' d='M10 13 H22'/>"


@image("png/153", 32, 33, "minimise")
def _(w, h):
    return plate(w, h, 6) + "<path class='s-ink' d='M10 21 H22'/>"


@image("png/154", 32, 33, "question mark")
def _(w, h):
    return plate(w, h, 6) + ("<path class='s-ink' d='M12 13 A4 4 0 1 1 17.5 16.7 C16.3 17.3 16 18 16 19.5'/>"
                             "<circle class='ink' cx='16' cy='23' r='1.5'/>")


# Volume 24 x 44.
@image("png/156", 24, 44, "loudspeaker")
def _(w, h):
    return speaker(w, h)


@image("png/155", 24, 44, "loudspeaker, crossed out")
def _(w, h):
    cy = h / 2
    return (f"<path class='ink' d='M3 {cy-5} H8 L15 {cy-12} V{cy+12} L8 {cy+5} H3 Z' opacity='0.55'/>"
            + slash(3, cy + 10, 21, cy - 10))


# Preset sizes 16 x 16: frames of growing size.
@image("png/1045", 16, 16, "small frame")
def _(w, h):
    return frame(8, 8, 3)


@image("png/187", 16, 16, "medium frame")
def _(w, h):
    return frame(8, 8, 5)


@image("png/188", 16, 16, "large frame")
def _(w, h):
    return frame(8, 8, 7)


# Indicators.
@image("png/150", 32, 32, "satellite dish")
def _(w, h):
    return ("<path class='cyan' d='M6 13 A12 12 0 0 0 19 26 Z' opacity='0.25'/>"
            "<path class='s-cyan' d='M6 13 A12 12 0 0 0 19 26 Z'/>"
            "<path class='s-ink' d='M12.5 19.5 L19 13'/><circle class='green' cx='20' cy='12' r='2'/>"
            "<path class='s-green' d='M23 5 A6 6 0 0 1 27 9 M22 1.5 A10 10 0 0 1 30.5 10' opacity='0.9'/>"
            "<path class='s-ink' d='M10 26 L13 30 H5 L8 26'/>")


@image("png/157", 64, 64, "car")
def _(w, h):
    return ("<path fill='url(#glow)' d='M6 40 C6 34 9 32 14 31 L22 22 C24 20 26 19 30 19 H41 C45 19 47 20 50 23 "
            "L56 30 C59 31 60 33 60 36 V40 C60 42 59 43 57 43 H7 C6 43 6 42 6 40 Z'/>"
            "<path class='plate2' d='M24 30 L29 23 H36 V30 Z M39 30 V23 H42 C44 23 45 24 46 25 L50 30 Z'/>"
            "<circle class='plate2' cx='18' cy='43' r='7'/><circle class='s-ink' cx='18' cy='43' r='5'/>"
            "<circle class='plate2' cx='48' cy='43' r='7'/><circle class='s-ink' cx='48' cy='43' r='5'/>"
            "<path class='s-amber' d='M57 35 H60'/>")


# Bitmaps: 189 and 200 are opaque (rendered on the background colour).
@image("bmp/189", 30, 30, "progress bar pattern, blue vertical gradient")
def _(w, h):
    p = PALETTE
    return ("<defs><linearGradient id='bar' x1='0' y1='0' x2='0' y2='1'>"
            f"<stop offset='0' stop-color='{p['cyan']}'/><stop offset='0.45' stop-color='{p['blue']}'/>"
            "<stop offset='1' stop-color='#0d3a80'/></linearGradient></defs>"
            f"<rect width='{w}' height='{h}' fill='url(#bar)'/>")


@image("bmp/200", 128, 128, "product logo")
def _(w, h):
    return ("<circle cx='64' cy='64' r='52' fill='url(#face)'/><circle class='s-rim' cx='64' cy='64' r='52'/>"
            "<circle class='s-blue' cx='64' cy='64' r='44' opacity='0.6'/>"
            "<path fill='url(#glow)' d='M34 38 H48 L64 78 L80 38 H94 L70 96 H58 Z'/>"
            "<circle class='amber' cx='64' cy='30' r='4'/>")


@image("bmp/158", 96, 24, "list images: none, G-sensor lock, manual lock, both")
def _(w, h):
    return ("" + padlock(36, 2, 20, "amber", False) + padlock(60, 2, 20, "cyan", False)
            + padlock(84, 2, 20, "red", False))


@image("bmp/161", 32, 32, "green tick")
def _(w, h):
    return ("<circle class='green' cx='16' cy='16' r='14'/>"
            "<path d='M9 16.5 L14 21.5 L23.5 11' fill='none' stroke='#ffffff' stroke-width='3'/>")


@image("icon/128", 256, 256, "application icon")
def _(w, h):
    s = 2  # drawn on the logo's 128 grid
    return (f"<g transform='scale({s})'><rect x='4' y='4' width='120' height='120' rx='26' class='back'/>"
            "<rect x='4' y='4' width='120' height='120' rx='26' class='s-rim'/>"
            "<circle cx='64' cy='64' r='46' fill='url(#face)'/><circle class='s-blue' cx='64' cy='64' r='46'/>"
            "<path fill='url(#glow)' d='M36 40 H49 L64 77 L79 40 H92 L69 94 H59 Z'/>"
            "<circle class='amber' cx='64' cy='30' r='4'/></g>")


def main():
    for rid, (w, h, comment, fn) in IMAGES.items():
        folder, name = rid.split("/")
        if folder == "icon":
            path = os.path.join(HERE, "..", "icons", "norvik.svg")
        else:
            path = os.path.join(HERE, f"{folder}-{name}.svg" if folder == "bmp" else f"{name}.svg")
        with open(path, "w") as out:
            out.write(svg(w, h, fn(w, h), comment))


if __name__ == "__main__":
    main()
