#!/usr/bin/env python3
"""Draws the complete Zephra3 skin at 100 % and at every display scale in SCALES.

Writes SVG sources to tools/skin/svg/ (svg/<pct>/ for the scaled sets), renders
them with rsvg-convert and normalises the results with ImageMagick into
launcher/res/png/<id>.png and launcher/res/png/<pct>/<id>.png.
Also writes launcher/res/skin_pngs.rc, launcher/res/Zephra3.ico and
installer/LaunchInfo.ini.

Run from anywhere:  python3 tools/skin/draw_skin.py
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
SVG_DIR = os.path.join(HERE, 'svg')
RES_DIR = os.path.join(ROOT, 'launcher', 'res')
PNG_DIR = os.path.join(RES_DIR, 'png')

FONT = "DejaVu Sans"

# ---------------------------------------------------------------------------
# Display scales
#
# Every length below is in 96-DPI pixels.  At dpi (an integer) a coordinate v
# becomes S(v) = floor(v * dpi / 96 + 1/2), mirrored for negative v.  Only
# edges are rounded; a size is the difference of its two rounded edges, so
# neighbouring pieces meet without gaps.  A picture of w x h becomes
# S(w) x S(h); a picture of n frames of width f becomes n * S(f) wide, frame k
# starting at k * S(f).  Artwork is scaled by exactly dpi / 96 and, where
# pieces must meet (sockets, wells, band joints, frames), anchored at the
# rounded edges.
# ---------------------------------------------------------------------------
SCALES = (125, 150, 175, 200, 250, 300)   # percent; the 100 % set has no folder


def pct_dpi(pct):
    return 96 * pct // 100


DPI = 96    # the scale being drawn; set by catalogue()


def S(v, dpi=None):
    dpi = DPI if dpi is None else dpi
    if v < 0:
        return -S(-v, dpi)
    return math.floor(Fraction(v) * dpi / 96 + Fraction(1, 2))


def scale():
    return DPI / 96.0


def num(v):
    """Compact SVG number."""
    return ('%.4f' % v).rstrip('0').rstrip('.')

# ---------------------------------------------------------------------------
# Geometry of the bar
#
# Everything on a bar is laid out in an edge-independent frame:
#   c = distance across the bar, measured from the screen edge (0..133)
#   a = position along the bar, from the top end of a vertical bar (0..1040)
# The frame is mapped to pixels per dock edge by edge_matrix()/place().
# ---------------------------------------------------------------------------
EDGE_RIGHT, EDGE_LEFT, EDGE_TOP, EDGE_BOTTOM = 0, 1, 2, 3
EDGES = (EDGE_RIGHT, EDGE_LEFT, EDGE_TOP, EDGE_BOTTOM)
EDGE_BASE = {EDGE_RIGHT: 145, EDGE_LEFT: 162, EDGE_TOP: 179, EDGE_BOTTOM: 196}
EDGE_LETTER = {EDGE_RIGHT: 'R', EDGE_LEFT: 'L', EDGE_TOP: 'T', EDGE_BOTTOM: 'B'}

BAR_ACROSS = 133
BAR_ALONG = 1040
BODY_W = 108            # width of the glass body, the rest is shadow
BODY_A0, BODY_A1 = 8, 1032
BODY_R = 40             # radius of the outer corners
STRETCH = (215, 815)    # part of the bar covered by the button window

# group bands along the bar (a ranges, end exclusive); group 1 = 1000..1002
BANDS = {1: (621, 1040), 2: (415, 621), 3: (0, 415)}

BTN = 48
SMALL = 27
SOCKET_C0 = 32          # across position of every socket / tool button
SOCKET_MARGIN = 4       # socket artwork stays within the button square + this

# along positions (top-left) of the sockets, indexed [group][count] ->
# list in key order (key 0 = the group's first present tool).  Key order runs
# from the bottom of a vertical bar upwards (= left to right on a horizontal
# bar), like the whole dock.
_CENTER = {1: 694, 2: 512, 3: 290}     # a0 of a single socket
_STEP = 54
SOCKETS = {}
for _g, _a in _CENTER.items():
    SOCKETS[_g] = {
        1: [_a],
        2: [_a + _STEP // 2, _a - _STEP // 2],
        3: [_a + _STEP, _a, _a - _STEP],
    }

GEAR_POS = (24, 422)    # (c0, a0) of the 27x27 settings button
CROSS_POS = (61, 422)   # (c0, a0) of the 27x27 hide button


def edge_matrix(edge):
    """SVG matrix mapping the (c, a) frame to pixels of the edge's bar."""
    return {
        EDGE_RIGHT: (-1, 0, 0, 1, BAR_ACROSS, 0),
        EDGE_LEFT: (1, 0, 0, 1, 0, 0),
        EDGE_TOP: (0, 1, -1, 0, BAR_ALONG, 0),
        EDGE_BOTTOM: (0, -1, -1, 0, BAR_ALONG, BAR_ACROSS),
    }[edge]


def bar_size(edge):
    if edge in (EDGE_RIGHT, EDGE_LEFT):
        return BAR_ACROSS, BAR_ALONG
    return BAR_ALONG, BAR_ACROSS


def place(edge, c0, a0, size):
    """Pixel top-left of a size x size square whose frame corner is (c0, a0)."""
    if edge == EDGE_RIGHT:
        return BAR_ACROSS - c0 - size, a0
    if edge == EDGE_LEFT:
        return c0, a0
    if edge == EDGE_TOP:
        return BAR_ALONG - a0 - size, c0
    return BAR_ALONG - a0 - size, BAR_ACROSS - c0 - size


def socket_rects(edge, count):
    """Pixel rectangles (x0, y0, x1, y1, end exclusive) of the socket areas at
    the current scale."""
    out = []
    if count == 0:
        return out
    m = SOCKET_MARGIN
    for g in (1, 2, 3):
        for a0 in SOCKETS[g][count]:
            x, y = place(edge, SOCKET_C0, a0, BTN)
            out.append((S(x - m), S(y - m), S(x + BTN + m), S(y + BTN + m)))
    return out


def bar_origin(edge):
    """Offset of the scaled artwork that keeps the screen side flush with the
    picture edge (the bar is scaled by dpi / 96 about this point)."""
    w, h = bar_size(edge)
    s = scale()
    return (S(w) - w * s if edge == EDGE_RIGHT else 0.0,
            S(h) - h * s if edge == EDGE_BOTTOM else 0.0)


def anchored(edge, point, target, body):
    """Moves frame-space artwork so that the 96-DPI pixel `point` of the edge's
    bar lands on the output pixel `target`; None in target keeps that axis."""
    if DPI == 96:
        return body
    s = scale()
    t = bar_origin(edge)
    d = [0.0 if target[i] is None else (target[i] - t[i]) / s - point[i] for i in (0, 1)]
    m = edge_matrix(edge)
    dc = m[0] * d[0] + m[1] * d[1]      # the matrices are orthogonal: inverse = transpose
    da = m[2] * d[0] + m[3] * d[1]
    if abs(dc) < 1e-9 and abs(da) < 1e-9:
        return body
    return '<g transform="translate(%s,%s)">%s</g>' % (num(dc), num(da), body)


# ---------------------------------------------------------------------------
# Tools
# ---------------------------------------------------------------------------
TOOLS = [
    # name, exe, accent colour, tagline (2 lines)
    ("ZepBright", "#ffd25e", ("Display", "brightness")),
    ("ZepSaver", "#7fe08a", ("Battery", "saver")),
    ("ZepAir", "#5cc8ff", ("Wireless", "radios")),
    ("ZepMix", "#b89cff", ("Sound", "mixer")),
    ("ZepCam", "#ff8c7a", ("Webcam", "control")),
    ("ZepTouch", "#8fd6ff", ("Touchpad", "settings")),
    ("ZepGlow", "#ffb26b", ("Keyboard", "backlight")),
    ("ZepSnap", "#ff7fc9", ("Screen", "capture")),
    ("ZepShare", "#66f0c0", ("Network", "sharing")),
    ("ZepCast", "#66ffff", ("Present &amp;", "project")),
]
COMBINED_ACCENT = "#7ff8e0"

STROKE = 'fill="none" stroke="{col}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"'
FILL = 'fill="{col}" stroke="none"'


def _arc(cx, cy, r, a0, a1):
    x0 = cx + r * math.cos(math.radians(a0))
    y0 = cy + r * math.sin(math.radians(a0))
    x1 = cx + r * math.cos(math.radians(a1))
    y1 = cy + r * math.sin(math.radians(a1))
    return 'M%.2f %.2f A%.2f %.2f 0 0 1 %.2f %.2f' % (x0, y0, r, r, x1, y1)


def gear_path(cx, cy, r_out, r_in, r_hole, teeth=8):
    pts = []
    n = teeth * 4
    for i in range(n):
        ang = 2 * math.pi * i / n - math.pi / 2
        r = r_out if (i % 4) in (0, 1) else r_in
        # widen the tooth a little
        da = (math.pi / n) * (0.35 if (i % 4) in (0, 1) else -0.35)
        da = da if i % 2 == 0 else -da
        pts.append((cx + r * math.cos(ang - da), cy + r * math.sin(ang - da)))
    d = 'M' + ' L'.join('%.2f %.2f' % p for p in pts) + ' Z'
    d += ' M%.2f %.2f A%.2f %.2f 0 1 0 %.2f %.2f A%.2f %.2f 0 1 0 %.2f %.2f Z' % (
        cx + r_hole, cy, r_hole, r_hole, cx - r_hole, cy, r_hole, r_hole, cx + r_hole, cy)
    return d


def icon(slot, col):
    """Tool glyph in a 24x24 grid."""
    s = STROKE.format(col=col)
    f = FILL.format(col=col)
    if slot == 0:   # brightness: sun
        rays = ''.join('M%.2f %.2f L%.2f %.2f ' % (
            12 + 7.6 * math.cos(math.radians(a)), 12 + 7.6 * math.sin(math.radians(a)),
            12 + 10.4 * math.cos(math.radians(a)), 12 + 10.4 * math.sin(math.radians(a)))
            for a in range(0, 360, 45))
        return '<circle cx="12" cy="12" r="4.6" %s/><path d="%s" %s/>' % (f, rays, s)
    if slot == 1:   # battery saver: battery with leaf
        return ('<rect x="2.5" y="6.5" width="17" height="11" rx="2.2" %s/>'
                '<path d="M21.5 10 V14" %s/>'
                '<path d="M6.8 14.6 C6.8 10.6 9.8 9 15 9 C15 13 12.4 14.8 8.6 14.6 Z" %s/>'
                '<path d="M6.2 15.4 L10.5 11.6" fill="none" stroke="#0d1828" stroke-width="1.1" stroke-linecap="round"/>'
                % (s, s, f))
    if slot == 2:   # wireless: arcs
        return ('<path d="%s %s %s" %s/><circle cx="12" cy="18.6" r="1.9" %s/>'
                % (_arc(12, 18.6, 4.4, 225, 315), _arc(12, 18.6, 8.4, 225, 315),
                   _arc(12, 18.6, 12.4, 225, 315), s, f))
    if slot == 3:   # mixer: speaker with waves
        return ('<path d="M3 9.2 H7 L12 5 V19 L7 14.8 H3 Z" %s/><path d="%s %s" %s/>'
                % (f, _arc(13, 12, 4.2, -45, 45), _arc(13, 12, 8, -48, 48), s))
    if slot == 4:   # webcam
        return ('<circle cx="12" cy="10" r="7.2" %s/><circle cx="12" cy="10" r="2.6" %s/>'
                '<path d="M12 17.2 V20.5 M7.5 21 H16.5" %s/>' % (s, f, s))
    if slot == 5:   # touchpad
        return ('<rect x="3.5" y="3.5" width="17" height="17" rx="3" %s/>'
                '<path d="M3.5 15 H20.5 M12 15 V20.5" %s/><circle cx="10" cy="9" r="1.8" %s/>'
                % (s, s, f))
    if slot == 6:   # keyboard backlight
        keys = ''.join('<rect x="%.1f" y="%.1f" width="2" height="1.8" rx="0.4" %s/>' % (
            5 + 3.2 * i, 13.6, f) for i in range(5))
        return ('<rect x="2.5" y="10.5" width="19" height="10" rx="2" %s/>%s'
                '<path d="M8 18 H16" %s/>'
                '<path d="M12 2.5 V6 M5.5 4.5 L7.3 7 M18.5 4.5 L16.7 7" %s/>'
                % (s, keys, s, s))
    if slot == 7:   # screen capture
        return ('<path d="M3.5 8.5 V3.5 H8.5 M15.5 3.5 H20.5 V8.5 M20.5 15.5 V20.5 H15.5 '
                'M8.5 20.5 H3.5 V15.5" %s/><circle cx="12" cy="12" r="3.6" %s/>' % (s, f))
    if slot == 8:   # network share: nodes
        return ('<path d="M6 12 L18 5.5 M6 12 L18 18.5" %s/>'
                '<circle cx="6" cy="12" r="3" %s/><circle cx="18" cy="5.5" r="3" %s/>'
                '<circle cx="18" cy="18.5" r="3" %s/>' % (s, f, f, f))
    if slot == 9:   # present on external display
        return ('<rect x="2.5" y="3.5" width="19" height="12.5" rx="1.6" %s/>'
                '<path d="M12 16 V19.5 M7.5 20.5 H16.5" %s/>'
                '<path d="M10 7 L15.2 9.75 L10 12.5 Z" %s/>' % (s, s, f))
    if slot == 10:  # present + share combined
        return ('<g transform="translate(-0.5,-0.5) scale(0.78)">%s</g>'
                '<g transform="translate(11.2,10.6) scale(0.56)">'
                '<circle cx="12" cy="12" r="12.5" fill="#1a2c46" stroke="none"/>%s</g>'
                % (icon(9, col), icon(8, col)))
    raise ValueError(slot)


def logo(size_units=48, with_disc=True):
    """Product logo in a 48x48 grid: a 'Z' swept by an orbit on a glass disc."""
    parts = []
    if with_disc:
        parts.append('<circle cx="24" cy="24" r="22" fill="url(#logoDisc)" stroke="#9fe6ff" stroke-opacity="0.7" stroke-width="1.2"/>')
        parts.append('<ellipse cx="24" cy="14" rx="15" ry="8" fill="#ffffff" fill-opacity="0.16"/>')
    parts.append('<path d="M14.5 14.5 H33 L15 33.5 H33.5" fill="none" stroke="#ffffff" stroke-width="4.4" stroke-linecap="round" stroke-linejoin="round"/>')
    parts.append('<path d="M7.5 28 C13 38 33 39 41 25" fill="none" stroke="#66ffff" stroke-width="2.2" stroke-linecap="round"/>')
    return ''.join(parts)


LOGO_DEFS = ('<radialGradient id="logoDisc" cx="0.35" cy="0.3" r="0.8">'
             '<stop offset="0" stop-color="#3aa4ff"/><stop offset="0.6" stop-color="#1a4f9c"/>'
             '<stop offset="1" stop-color="#0c2550"/></radialGradient>')


def out_size(w, h, frames=1):
    """Pixel size at the current scale of a w x h picture of `frames` frames."""
    return frames * S(w // frames), S(h)


def svg_doc(w, h, body, defs='', frames=1):
    """Document of the picture whose 96-DPI size is w x h; body in output pixels."""
    w, h = out_size(w, h, frames)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs>%s</defs>\n%s\n</svg>\n' % (w, h, w, h, defs, body))


def centred(w, h, body):
    """body (96-DPI units, w x h) scaled and centred in its S(w) x S(h) box."""
    if DPI == 96:
        return body
    s = scale()
    return '<g transform="translate(%s,%s) scale(%s)">%s</g>' % (
        num((S(w) - w * s) / 2), num((S(h) - h * s) / 2), num(s), body)


def picture(w, h, body, defs=''):
    return svg_doc(w, h, centred(w, h, body), defs)


def frames_clip(n, fw, fh):
    return ''.join('<clipPath id="fr%d"><rect x="%d" y="0" width="%d" height="%d"/></clipPath>'
                   % (i, i * S(fw), S(fw), S(fh)) for i in range(n))


def frame_open(f, fw, fh, dx=0, dy=0):
    """Opens frame f of fw x fh: clipped to its S(fw) column, artwork scaled and
    centred in it, then moved by (dx, dy) 96-DPI pixels.  Close with '</g></g>'."""
    if DPI == 96:
        return '<g clip-path="url(#fr%d)"><g transform="translate(%d,%d)">' % (f, f * fw + dx, dy)
    s = scale()
    return '<g clip-path="url(#fr%d)"><g transform="translate(%s,%s) scale(%s) translate(%d,%d)">' % (
        f, num(f * S(fw) + (S(fw) - fw * s) / 2), num((S(fh) - fh * s) / 2), num(s), dx, dy)


# ---------------------------------------------------------------------------
# Bar backgrounds
# ---------------------------------------------------------------------------
BAR_DEFS = (
    '<linearGradient id="bodyFill" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%d" y2="0">'
    '<stop offset="0" stop-color="#08111f"/><stop offset="0.55" stop-color="#132339"/>'
    '<stop offset="1" stop-color="#1d3352"/></linearGradient>'
    '<linearGradient id="alongSheen" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="1040">'
    '<stop offset="0" stop-color="#8fc8ff" stop-opacity="0.10"/>'
    '<stop offset="0.2" stop-color="#8fc8ff" stop-opacity="0.0"/>'
    '<stop offset="0.8" stop-color="#8fc8ff" stop-opacity="0.0"/>'
    '<stop offset="1" stop-color="#8fc8ff" stop-opacity="0.08"/></linearGradient>'
    '<linearGradient id="edgeSheen" gradientUnits="userSpaceOnUse" x1="88" y1="0" x2="106" y2="0">'
    '<stop offset="0" stop-color="#ffffff" stop-opacity="0"/>'
    '<stop offset="1" stop-color="#bfe3ff" stop-opacity="0.10"/></linearGradient>'
    '<linearGradient id="track" gradientUnits="userSpaceOnUse" x1="14" y1="0" x2="98" y2="0">'
    '<stop offset="0" stop-color="#02070f" stop-opacity="0.42"/>'
    '<stop offset="1" stop-color="#02070f" stop-opacity="0.22"/></linearGradient>'
    '<radialGradient id="sockFill" cx="0.5" cy="0.4" r="0.6">'
    '<stop offset="0" stop-color="#040a14" stop-opacity="0.85"/>'
    '<stop offset="0.8" stop-color="#0a1627" stop-opacity="0.75"/>'
    '<stop offset="1" stop-color="#132640" stop-opacity="0.7"/></radialGradient>'
    '<filter id="shadow" x="-0.3" y="-0.05" width="1.6" height="1.1"><feGaussianBlur stdDeviation="4.5"/></filter>'
    '<filter id="blur3" x="-0.3" y="-0.05" width="1.6" height="1.1"><feGaussianBlur stdDeviation="3"/></filter>'
    '<filter id="blur1" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="1.2"/></filter>'
    '<filter id="glow" x="-1" y="-1" width="3" height="3"><feGaussianBlur stdDeviation="2.2"/></filter>'
    % BODY_W) + LOGO_DEFS


def body_path():
    r = BODY_R
    return ('M0 %d H%d A%d %d 0 0 1 %d %d V%d A%d %d 0 0 1 %d %d H0 Z' % (
        BODY_A0, BODY_W - r, r, r, BODY_W, BODY_A0 + r, BODY_A1 - r, r, r, BODY_W - r, BODY_A1))


def rim_path(inset=0.6):
    r = BODY_R - inset
    w = BODY_W - inset
    a0 = BODY_A0 + inset
    a1 = BODY_A1 - inset
    return ('M0 %.1f H%.1f A%.1f %.1f 0 0 1 %.1f %.1f V%.1f A%.1f %.1f 0 0 1 %.1f %.1f H0' % (
        a0, w - r, r, r, w, a0 + r, a1 - r, r, r, w - r, a1))


def well(cx, cy, r):
    return ('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#02070f" fill-opacity="0.45"/>'
            '<path d="%s" fill="none" stroke="#000000" stroke-opacity="0.45" stroke-width="1.2"/>'
            '<path d="%s" fill="none" stroke="#cfe8ff" stroke-opacity="0.16" stroke-width="1"/>'
            % (cx, cy, r, _arc(cx, cy, r - 0.3, 180, 360), _arc(cx, cy, r + 0.3, 0, 180)))


def socket(c0, a0, n):
    cx, cy = c0 + BTN / 2, a0 + BTN / 2
    m = SOCKET_MARGIN
    return (
        '<clipPath id="sk%d"><rect x="%d" y="%d" width="%d" height="%d"/></clipPath>'
        '<g clip-path="url(#sk%d)">'
        '<circle cx="%.1f" cy="%.1f" r="24.6" fill="none" stroke="#bfe0ff" stroke-opacity="0.10" stroke-width="1.2"/>'
        '<circle cx="%.1f" cy="%.1f" r="23.4" fill="url(#sockFill)"/>'
        '<circle cx="%.1f" cy="%.1f" r="22" fill="none" stroke="#000000" stroke-opacity="0.5" stroke-width="3" filter="url(#blur1)"/>'
        '<path d="%s" fill="none" stroke="#d8ecff" stroke-opacity="0.20" stroke-width="1"/>'
        '<path d="%s" fill="none" stroke="#000000" stroke-opacity="0.55" stroke-width="1"/>'
        '</g>' % (n, c0 - m, a0 - m, BTN + 2 * m, BTN + 2 * m, n,
                  cx, cy, cx, cy, cx, cy,
                  _arc(cx, cy, 23.6, 20, 160), _arc(cx, cy, 23.2, 200, 340)))


def cap_text(edge):
    """Product name and logo in the top end cap, in pixel coordinates."""
    name = ('<text x="0" y="0" font-family="%s" font-weight="bold" font-size="17" '
            'letter-spacing="4" fill="#d6ecff" fill-opacity="0.88" text-anchor="middle">ZEPHRA</text>' % FONT)
    three = ('<text x="0" y="0" font-family="%s" font-weight="bold" font-size="11" '
             'fill="#66ffff" fill-opacity="0.9" text-anchor="middle">3</text>' % FONT)
    mid_c = 54
    if edge in (EDGE_RIGHT, EDGE_LEFT):
        x = BAR_ACROSS - mid_c if edge == EDGE_RIGHT else mid_c
        return ('<g transform="translate(%d,%d) scale(0.92)"><g transform="translate(-24,-24)">%s</g></g>'
                '<g transform="translate(%d,148) rotate(90)"><g transform="translate(0,6)">%s</g></g>'
                '<g transform="translate(%d,205) rotate(90)"><g transform="translate(0,4)">%s</g></g>'
                % (x, 66, logo(), x, name, x, three))
    y = mid_c if edge == EDGE_TOP else BAR_ACROSS - mid_c
    return ('<g transform="translate(%d,%d) scale(0.92)"><g transform="translate(-24,-24)">%s</g></g>'
            '<g transform="translate(%d,%d)">%s</g>'
            '<g transform="translate(%d,%d)">%s</g>'
            % (BAR_ALONG - 176, y, logo(), BAR_ALONG - 92, y + 6, name, BAR_ALONG - 33, y - 2, three))


def bar_svg(edge, count):
    w, h = bar_size(edge)
    m = edge_matrix(edge)
    p = []
    p.append('<g transform="matrix(%g,%g,%g,%g,%g,%g)">' % m)
    # shadow towards the outer side
    p.append('<path d="%s" transform="translate(3,0)" fill="#000000" fill-opacity="0.55" filter="url(#shadow)"/>' % body_path())
    p.append('<clipPath id="bodyClip"><path d="%s"/></clipPath>' % body_path())
    p.append('<path d="%s" fill="url(#bodyFill)" fill-opacity="0.88"/>' % body_path())
    p.append('<g clip-path="url(#bodyClip)">')
    p.append('<rect x="0" y="0" width="%d" height="%d" fill="url(#alongSheen)"/>' % (BODY_W, BAR_ALONG))
    p.append('<rect x="86" y="0" width="%d" height="%d" fill="url(#edgeSheen)"/>' % (BODY_W - 86, BAR_ALONG))
    # soft inner glow along the rim
    p.append('<path d="%s" fill="none" stroke="#4f9be8" stroke-opacity="0.35" stroke-width="7" filter="url(#blur3)"/>' % rim_path(1))
    p.append('</g>')
    # thin light rim
    p.append('<path d="%s" fill="none" stroke="#a9d4ff" stroke-opacity="0.55" stroke-width="1.2"/>' % rim_path())
    # the button track inside the stretch
    p.append('<rect x="14" y="%d" width="84" height="%d" rx="42" fill="url(#track)"/>' % (STRETCH[0] + 5, STRETCH[1] - STRETCH[0] - 10))
    p.append('<rect x="14.5" y="%.1f" width="83" height="%d" rx="41.5" fill="none" stroke="#000000" stroke-opacity="0.35" stroke-width="1"/>' % (STRETCH[0] + 5.5, STRETCH[1] - STRETCH[0] - 11))
    p.append('<path d="M56 %.1f" fill="none"/>' % STRETCH[0])
    # group grooves at the band joints
    for a in (415, 621):
        x, y = place(edge, 0, a, 0)
        on = (None, S(y)) if edge in (EDGE_RIGHT, EDGE_LEFT) else (S(x), None)
        p.append(anchored(edge, (x, y), on,
                          '<path d="M26 %.1f H86" stroke="#000000" stroke-opacity="0.6" stroke-width="1" stroke-linecap="round"/>\n' % (a - 0.5) +
                          '<path d="M26 %.1f H86" stroke="#cfe8ff" stroke-opacity="0.14" stroke-width="1" stroke-linecap="round"/>' % (a + 0.5)))
    # wells under the settings and hide buttons (centred under the scaled
    # buttons) plus a small label line
    for (c0, a0) in (GEAR_POS, CROSS_POS):
        x, y = place(edge, c0, a0, SMALL)
        half = Fraction(S(SMALL), 2)
        p.append(anchored(edge, (x + SMALL / 2, y + SMALL / 2), (S(x) + half, S(y) + half),
                          well(c0 + SMALL / 2, a0 + SMALL / 2, 15.5)))
    p.append('<circle cx="56" cy="%.1f" r="1.6" fill="#66ffff" fill-opacity="0.85"/>' % (GEAR_POS[1] + SMALL / 2))
    p.append('<circle cx="56" cy="%.1f" r="4" fill="#66ffff" fill-opacity="0.35" filter="url(#glow)"/>' % (GEAR_POS[1] + SMALL / 2))
    # bottom end cap: vent grooves and a status light
    for i in range(6):
        a = 880 + i * 9
        p.append('<path d="M34 %.1f H78" stroke="#000000" stroke-opacity="0.55" stroke-width="2.4" stroke-linecap="round"/>' % a)
        p.append('<path d="M34 %.1f H78" stroke="#cfe8ff" stroke-opacity="0.10" stroke-width="1" stroke-linecap="round"/>' % (a + 1.6))
    p.append('<circle cx="56" cy="966" r="6" fill="#66ffff" fill-opacity="0.45" filter="url(#glow)"/>')
    p.append('<circle cx="56" cy="966" r="2.4" fill="#dfffff"/>')
    # sockets
    n = 0
    if count:
        for g in (1, 2, 3):
            for a0 in SOCKETS[g][count]:
                x, y = place(edge, SOCKET_C0, a0, BTN)
                p.append(anchored(edge, (x, y), (S(x), S(y)), socket(SOCKET_C0, a0, n)))
                n += 1
    p.append('</g>')
    p.append(cap_text(edge))
    body = '\n'.join(p)
    if DPI != 96:
        t = bar_origin(edge)
        body = '<g transform="translate(%s,%s) scale(%s)">\n%s\n</g>' % (num(t[0]), num(t[1]), num(scale()), body)
    return svg_doc(w, h, body, BAR_DEFS)


# ---------------------------------------------------------------------------
# Buttons
# ---------------------------------------------------------------------------
BTN_DEFS = (
    '<radialGradient id="plateN" cx="0.4" cy="0.3" r="0.8">'
    '<stop offset="0" stop-color="#34537d"/><stop offset="1" stop-color="#0f1b2e"/></radialGradient>'
    '<radialGradient id="plateH" cx="0.4" cy="0.3" r="0.8">'
    '<stop offset="0" stop-color="#4b76ad"/><stop offset="1" stop-color="#16304f"/></radialGradient>'
    '<radialGradient id="plateP" cx="0.5" cy="0.75" r="0.8">'
    '<stop offset="0" stop-color="#22395a"/><stop offset="1" stop-color="#070e19"/></radialGradient>'
    '<linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#ffffff" stop-opacity="0.30"/>'
    '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></linearGradient>'
    '<filter id="glow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="1.3"/></filter>'
    '<filter id="sglow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="0.9"/></filter>'
    '<filter id="iglow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="1.1"/></filter>'
    '<filter id="ishadow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="0.8"/></filter>'
)


def round_button(size, n_frames, glyph_fn, accent, glyph_box):
    """Three state round button. glyph_fn(col) returns 24x24 glyph markup."""
    w = size * n_frames
    c = size / 2.0
    r = size / 2.0 - 4 if size >= 40 else size / 2.0 - 3.2
    gs = glyph_box / 24.0
    go = (size - glyph_box) / 2.0
    parts = []
    for f in range(n_frames):
        dx = 1 if f == 2 else 0
        plate = ('plateN', 'plateH', 'plateP')[f]
        g = [frame_open(f, size, size)]
        # drop shadow of the plate
        if f != 2:
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#000000" fill-opacity="0.5" filter="url(#ishadow)"/>' % (c, c + 1.2, r))
        if f == 1:
            gw = 3 if size >= 40 else 1.8
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="%s" stroke-width="%.1f" stroke-opacity="0.9" filter="url(#%s)"/>'
                     % (c, c, r + 0.6 if size >= 40 else r, accent, gw, 'glow' if size >= 40 else 'sglow'))
        g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="url(#%s)"/>' % (c + dx, c + dx, r, plate))
        if f == 1:
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="%s" stroke-width="1.4"/>' % (c, c, r - 0.2, accent))
        elif f == 0:
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="#a9d4ff" stroke-opacity="0.6" stroke-width="1"/>' % (c, c, r - 0.5))
        else:
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="#000000" stroke-opacity="0.6" stroke-width="1.6"/>' % (c + dx, c + dx, r - 0.8))
            g.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="%s" stroke-opacity="0.55" stroke-width="1"/>' % (c + dx, c + dx, r - 0.2, accent))
        if f != 2:
            g.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="url(#gloss)"/>' % (c, c - r * 0.45, r * 0.7, r * 0.42))
        # glyph
        col = ('#e6f3ff', '#ffffff', accent)[f]
        tr = 'translate(%.2f,%.2f) scale(%.4f)' % (go + dx, go + dx, gs)
        if f == 1:
            g.append('<g transform="%s" filter="url(#iglow)" opacity="0.9">%s</g>' % (tr, glyph_fn(accent)))
        else:
            g.append('<g transform="translate(%.2f,%.2f) scale(%.4f)" opacity="0.6" filter="url(#ishadow)">%s</g>'
                     % (go + dx, go + dx + 1, gs, glyph_fn('#000000')))
        g.append('<g transform="%s">%s</g>' % (tr, glyph_fn(col)))
        g.append('</g></g>')
        parts.append(''.join(g))
    return svg_doc(w, size, '\n'.join(parts), frames_clip(n_frames, size, size) + BTN_DEFS, n_frames)


def tool_button_svg(slot):
    accent = COMBINED_ACCENT if slot == 10 else TOOLS[slot][1]
    return round_button(BTN, 3, lambda col: icon(slot, col), accent, 26)


def gear_glyph(col):
    return '<path d="%s" fill="%s" fill-rule="evenodd"/>' % (gear_path(12, 12, 10.5, 7.6, 3.4), col)


def cross_glyph(col):
    return '<path d="M6.5 6.5 L17.5 17.5 M17.5 6.5 L6.5 17.5" fill="none" stroke="%s" stroke-width="3" stroke-linecap="round"/>' % col


# ---------------------------------------------------------------------------
# Settings dialog
# ---------------------------------------------------------------------------
TRAY = '#16253b'
SETTINGS_W, SETTINGS_H = 420, 175
EDGE_BTN_W, EDGE_BTN_H = 75, 55
OK_W, OK_H = 50, 25
SETTING_POS = [(24, 52), (123, 52), (222, 52), (321, 52), (350, 137)]
TRAY_RECT = (12, 44, 396, 71)

PANEL_DEFS = (
    '<linearGradient id="panel" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#1a2c46"/><stop offset="1" stop-color="#0a1424"/></linearGradient>'
    '<linearGradient id="head" x1="0" y1="0" x2="1" y2="0">'
    '<stop offset="0" stop-color="#3d7fd0" stop-opacity="0.45"/>'
    '<stop offset="1" stop-color="#3d7fd0" stop-opacity="0"/></linearGradient>'
    '<filter id="pshadow" x="-0.1" y="-0.1" width="1.2" height="1.2"><feGaussianBlur stdDeviation="2"/></filter>'
)


def settings_svg():
    w, h = SETTINGS_W, SETTINGS_H
    p = []
    p.append('<rect x="3" y="4" width="%d" height="%d" rx="12" fill="#000000" fill-opacity="0.5" filter="url(#pshadow)"/>' % (w - 6, h - 6))
    p.append('<rect x="2" y="2" width="%d" height="%d" rx="12" fill="url(#panel)" fill-opacity="0.9"/>' % (w - 4, h - 5))
    p.append('<rect x="2.5" y="2.5" width="%d" height="36" rx="11" fill="url(#head)"/>' % (w - 5))
    p.append('<rect x="2.5" y="2.5" width="%d" height="%d" rx="11.5" fill="none" stroke="#a9d4ff" stroke-opacity="0.55" stroke-width="1"/>' % (w - 5, h - 6))
    p.append('<g transform="translate(16,10) scale(0.8)">%s</g>' % gear_glyph('#66ffff'))
    p.append('<text x="44" y="28" font-family="%s" font-weight="bold" font-size="16" fill="#ffffff">Dock position</text>' % FONT)
    x, y, tw, th = TRAY_RECT
    p.append('<rect x="%d" y="%d" width="%d" height="%d" rx="8" fill="%s"/>' % (x, y, tw, th, TRAY))
    p.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="7.5" fill="none" stroke="#000000" stroke-opacity="0.5" stroke-width="1"/>' % (x + 0.5, y + 0.5, tw - 1, th - 1))
    p.append('<path d="M%d %.1f H%d" stroke="#cfe8ff" stroke-opacity="0.15" stroke-width="1"/>' % (x + 8, y + th + 0.5, x + tw - 8))
    p.append('<text x="20" y="143" font-family="%s" font-size="12" fill="#b9d3ef">Choose the screen edge</text>' % FONT)
    p.append('<text x="20" y="159" font-family="%s" font-size="12" fill="#b9d3ef">for the Zephra dock.</text>' % FONT)
    return picture(w, h, '\n'.join(p), PANEL_DEFS)


EDGE_BTN_DEFS = (
    '<linearGradient id="tileN" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#25406a"/><stop offset="1" stop-color="#172a47"/></linearGradient>'
    '<linearGradient id="tileH" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#33598f"/><stop offset="1" stop-color="#1f3a62"/></linearGradient>'
    '<linearGradient id="tileP" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#0c1628"/><stop offset="1" stop-color="#14233a"/></linearGradient>'
    '<filter id="glow" x="-0.3" y="-0.3" width="1.6" height="1.6"><feGaussianBlur stdDeviation="1.6"/></filter>'
)


def edge_button_svg(which):
    """which: 'bottom', 'top', 'left', 'right'."""
    fw, fh = EDGE_BTN_W, EDGE_BTN_H
    parts = ['<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (out_size(fw * 3, fh, 3) + (TRAY,))]
    for f in range(3):
        d = 1 if f == 2 else 0
        g = [frame_open(f, fw, fh, d, d)]
        tile = ('tileN', 'tileH', 'tileP')[f]
        if f == 1:
            g.append('<rect x="4" y="4" width="67" height="47" rx="7" fill="none" stroke="#66ffff" stroke-width="3" stroke-opacity="0.7" filter="url(#glow)"/>')
        g.append('<rect x="4.5" y="4.5" width="66" height="46" rx="7" fill="url(#%s)" stroke="%s" stroke-width="1"/>'
                 % (tile, ('#5b86bb', '#66ffff', '#0a111d')[f]))
        if f != 2:
            g.append('<path d="M11 5.5 H64" stroke="#ffffff" stroke-opacity="0.18" stroke-width="1"/>')
        # screen outline
        sx, sy, sw, sh = 19, 11, 37, 25
        scol = ('#a9cdf2', '#e8f8ff', '#7d9cc0')[f]
        g.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="2" fill="#0a1424" fill-opacity="0.8" stroke="%s" stroke-width="1.5"/>' % (sx + .5, sy + .5, sw, sh, scol))
        g.append('<path d="M37.5 %d V%d M31 %.1f H44" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (sy + sh + 1, sy + sh + 6, sy + sh + 6.5, scol))
        bar = {
            'bottom': (sx + 3, sy + sh - 5, sw - 5, 4),
            'top': (sx + 3, sy + 3, sw - 5, 4),
            'left': (sx + 3, sy + 3, 5, sh - 5),
            'right': (sx + sw - 7, sy + 3, 5, sh - 5),
        }[which]
        bcol = ('#4fd8ff', '#66ffff', '#3aa6c8')[f]
        if f == 1:
            g.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" fill="#66ffff" filter="url(#glow)"/>' % bar)
        g.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="1" fill="%s"/>' % (bar + (bcol,)))
        g.append('</g></g>')
        parts.append(''.join(g))
    return svg_doc(fw * 3, fh, '\n'.join(parts), frames_clip(3, fw, fh) + EDGE_BTN_DEFS, 3)


def ok_button_svg():
    fw, fh = OK_W, OK_H
    defs = (frames_clip(3, fw, fh) +
            '<linearGradient id="okN" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3271bd"/><stop offset="1" stop-color="#173d6f"/></linearGradient>'
            '<linearGradient id="okH" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#4a92e6"/><stop offset="1" stop-color="#1f5596"/></linearGradient>'
            '<linearGradient id="okP" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#0d2442"/><stop offset="1" stop-color="#173a66"/></linearGradient>'
            '<filter id="glow" x="-0.3" y="-0.5" width="1.6" height="2"><feGaussianBlur stdDeviation="1.2"/></filter>')
    parts = []
    for f in range(3):
        d = 1 if f == 2 else 0
        g = [frame_open(f, fw, fh)]
        if f == 1:
            g.append('<rect x="2" y="2" width="46" height="21" rx="10.5" fill="none" stroke="#66ffff" stroke-width="2.5" filter="url(#glow)"/>')
        g.append('<rect x="%.1f" y="%.1f" width="45" height="20" rx="10" fill="url(#ok%s)" stroke="%s" stroke-width="1"/>'
                 % (2.5 + d, 2.5 + d, 'NHP'[f], ('#8cc4ff', '#66ffff', '#08121f')[f]))
        if f != 2:
            g.append('<rect x="8" y="3.5" width="34" height="7" rx="3.5" fill="#ffffff" fill-opacity="0.14"/>')
        g.append('<text x="%.1f" y="%.1f" font-family="%s" font-weight="bold" font-size="12" text-anchor="middle" fill="%s">OK</text>'
                 % (25 + d, 17 + d, FONT, ('#ffffff', '#ffffff', '#a9c8ea')[f]))
        g.append('</g></g>')
        parts.append(''.join(g))
    return svg_doc(fw * 3, fh, '\n'.join(parts), defs, 3)


# ---------------------------------------------------------------------------
# Description cards
# ---------------------------------------------------------------------------
CARD_W, CARD_H = 225, 344
CARD_FILL = '#0c1727'


def card_defs(accents):
    d = ['<linearGradient id="cpanel" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#15263f"/><stop offset="0.34" stop-color="%s"/></linearGradient>' % CARD_FILL,
         '<filter id="pshadow" x="-0.1" y="-0.1" width="1.2" height="1.2"><feGaussianBlur stdDeviation="2"/></filter>',
         '<filter id="iglow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="3"/></filter>',
         '<radialGradient id="iconDisc" cx="0.4" cy="0.3" r="0.8">'
         '<stop offset="0" stop-color="#34537d"/><stop offset="1" stop-color="#0f1b2e"/></radialGradient>',
         '<linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#ffffff" stop-opacity="0.28"/><stop offset="1" stop-color="#ffffff" stop-opacity="0"/></linearGradient>']
    for i, acc in enumerate(accents):
        d.append('<linearGradient id="band%d" x1="0" y1="0" x2="1" y2="0">'
                 '<stop offset="0" stop-color="%s" stop-opacity="0.45"/>'
                 '<stop offset="1" stop-color="%s" stop-opacity="0.0"/></linearGradient>' % (i, acc, acc))
    return ''.join(d)


def card_half(x0, width, slot, idx, with_tagline, band=None):
    """One card's artwork with its left edge at x0 (texts start at x0 + 21)."""
    name, acc, tag = TOOLS[slot]
    isl = slot
    p = []
    bx, bw, brx = band if band else (x0 + 2.5, width - 5, 11)
    p.append('<rect x="%.1f" y="2.5" width="%.1f" height="42" rx="%d" fill="url(#band%d)"/>' % (bx, bw, brx, idx))
    p.append('<rect x="%d" y="44" width="%d" height="1" fill="%s" fill-opacity="0.55"/>' % (x0 + 14, width - 28, acc))
    p.append('<text x="%d" y="31" font-family="%s" font-weight="bold" font-size="19" fill="#ffffff">%s</text>' % (x0 + 21, FONT, name))
    p.append('<circle cx="%d" cy="23.5" r="3.5" fill="%s"/>' % (x0 + width - 24, acc))
    # icon medallion (21..77, 58..114)
    cx, cy, r = x0 + 49, 86, 27
    p.append('<circle cx="%d" cy="%d" r="%d" fill="%s" fill-opacity="0.35" filter="url(#iglow)"/>' % (cx, cy, r + 1, acc))
    p.append('<circle cx="%d" cy="%d" r="%d" fill="url(#iconDisc)" stroke="%s" stroke-width="1.4"/>' % (cx, cy, r, acc))
    p.append('<ellipse cx="%d" cy="%.1f" rx="%.1f" ry="%.1f" fill="url(#gloss)"/>' % (cx, cy - r * 0.45, r * 0.7, r * 0.42))
    p.append('<g transform="translate(%.1f,%.1f) scale(%.4f)">%s</g>' % (cx - 16, cy - 16, 32 / 24.0, icon(isl, '#ffffff')))
    if with_tagline:
        p.append('<text x="%d" y="82" font-family="%s" font-weight="bold" font-size="15" fill="#ffffff">%s</text>' % (x0 + 88, FONT, tag[0]))
        p.append('<text x="%d" y="100" font-family="%s" font-size="13" fill="#66ffff">%s</text>' % (x0 + 88, FONT, tag[1]))
    # divider above the text area
    p.append('<rect x="%d" y="117" width="%d" height="1" fill="#a9d4ff" fill-opacity="0.25"/>' % (x0 + 21, width - 42))
    return ''.join(p)


def card_frame(w):
    return ('<rect x="3" y="4" width="%d" height="%d" rx="12" fill="#000000" fill-opacity="0.5" filter="url(#pshadow)"/>'
            '<rect x="2" y="2" width="%d" height="%d" rx="12" fill="url(#cpanel)" fill-opacity="0.96"/>'
            % (w - 6, CARD_H - 6, w - 4, CARD_H - 5))


def card_rim(w):
    return ('<rect x="2.5" y="2.5" width="%d" height="%d" rx="11.5" fill="none" stroke="#a9d4ff" '
            'stroke-opacity="0.5" stroke-width="1"/>' % (w - 5, CARD_H - 6))


def card_svg(slot):
    acc = TOOLS[slot][1]
    body = card_frame(CARD_W) + card_half(0, CARD_W, slot, 0, slot != 0) + card_rim(CARD_W)
    return picture(CARD_W, CARD_H, body, card_defs([acc]))


def wide_card_svg():
    w = 436
    body = [card_frame(w), card_half(0, 218, 9, 0, True, (2.5, 214, 11)),
            card_half(210, 226, 8, 1, True, (219.5, 214, 3))]
    body.append('<rect x="217.5" y="56" width="1" height="270" fill="#a9d4ff" fill-opacity="0.22"/>')
    body.append(card_rim(w))
    return picture(w, CARD_H, ''.join(body), card_defs([TOOLS[9][1], TOOLS[8][1]]))


# ---------------------------------------------------------------------------
# Glow lines
# ---------------------------------------------------------------------------
def line_svg(vertical):
    L, T = 495, 17
    defs = ('<linearGradient id="fade" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%s" y2="%s">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0"/>'
            '<stop offset="0.12" stop-color="#ffffff" stop-opacity="1"/>'
            '<stop offset="0.88" stop-color="#ffffff" stop-opacity="1"/>'
            '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></linearGradient>'
            '<linearGradient id="fadeG" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%s" y2="%s">'
            '<stop offset="0" stop-color="#9feaff" stop-opacity="0"/>'
            '<stop offset="0.15" stop-color="#9feaff" stop-opacity="0.75"/>'
            '<stop offset="0.85" stop-color="#9feaff" stop-opacity="0.75"/>'
            '<stop offset="1" stop-color="#9feaff" stop-opacity="0"/></linearGradient>'
            '<filter id="glow" x="-2" y="-0.1" width="5" height="1.2"><feGaussianBlur stdDeviation="2.2"/></filter>'
            % ((0, L, 0, L) if vertical else (L, 0, L, 0)))
    if vertical:
        body = ('<rect x="5.5" y="4" width="6" height="487" fill="url(#fadeG)" filter="url(#glow)"/>'
                '<rect x="7.5" y="0" width="2" height="495" fill="url(#fade)"/>')
        return picture(T, L, body, defs)
    body = ('<rect x="4" y="5.5" width="487" height="6" fill="url(#fadeG)" filter="url(#glow)"/>'
            '<rect x="0" y="7.5" width="495" height="2" fill="url(#fade)"/>')
    return picture(L, T, body, defs)


# ---------------------------------------------------------------------------
# Catalogue
# ---------------------------------------------------------------------------
OPAQUE_IDS = (301, 302, 303, 304)


FRAMED_IDS = tuple(b + k for b in EDGE_BASE.values() for k in range(4, 17)) + (301, 302, 303, 304, 305)


def frames(pid):
    """Number of frames side by side in picture pid."""
    return 3 if pid in FRAMED_IDS else 1


def catalogue(dpi=96):
    """Returns [(id, width, height, svg_text)] for all pictures, the sizes at
    96 DPI and the SVG drawn at dpi (out_size() gives its pixel size)."""
    global DPI
    DPI = dpi
    out = []
    for edge in EDGES:
        b = EDGE_BASE[edge]
        w, h = bar_size(edge)
        for k in range(4):
            out.append((b + k, w, h, bar_svg(edge, k)))
        for k in range(4, 15):
            out.append((b + k, 144, 48, tool_button_svg(k - 4)))
        out.append((b + 15, 81, 27, round_button(SMALL, 3, gear_glyph, '#66ffff', 17)))
        out.append((b + 16, 81, 27, round_button(SMALL, 3, cross_glyph, '#ff8c7a', 13)))
    out.append((300, SETTINGS_W, SETTINGS_H, settings_svg()))
    for i, which in enumerate(('bottom', 'top', 'left', 'right')):
        out.append((301 + i, 225, 55, edge_button_svg(which)))
    out.append((305, 150, 25, ok_button_svg()))
    for slot in range(10):
        out.append((306 + slot, CARD_W, CARD_H, card_svg(slot)))
    out.append((316, 436, CARD_H, wide_card_svg()))
    out.append((317, 17, 495, line_svg(True)))
    out.append((318, 495, 17, line_svg(False)))
    return out


def run(cmd):
    subprocess.run(cmd, check=True)


def png_path(pid, pct=100, png_dir=PNG_DIR):
    if pct == 100:
        return os.path.join(png_dir, '%d.png' % pid)
    return os.path.join(png_dir, str(pct), '%d.png' % pid)


def render(svg_path, png_path, w, h, opaque):
    tmp = png_path + '.tmp.png'
    run(['rsvg-convert', '-w', str(w), '-h', str(h), '-o', tmp, svg_path])
    if opaque:
        run(['convert', tmp, '-background', TRAY, '-alpha', 'remove', '-alpha', 'off',
             '-strip', '-depth', '8', 'PNG24:' + png_path])
    else:
        run(['convert', tmp, '-strip', '-depth', '8', 'PNG32:' + png_path])
    os.remove(tmp)


def write_ico():
    logo_svg = svg_doc(48, 48, logo(), LOGO_DEFS)
    path = os.path.join(SVG_DIR, 'logo.svg')
    with open(path, 'w', newline='\n') as f:
        f.write(logo_svg)
    tmpdir = tempfile.mkdtemp(prefix='zskin')
    try:
        pngs = []
        for s in (16, 32, 48):
            p = os.path.join(tmpdir, 'logo%d.png' % s)
            run(['rsvg-convert', '-w', str(s), '-h', str(s), '-o', p, path])
            q = os.path.join(tmpdir, 'logo%d_n.png' % s)
            run(['convert', p, '-strip', '-depth', '8', 'PNG32:' + q])
            pngs.append(q)
        run(['convert'] + pngs + ['-strip', os.path.join(RES_DIR, 'Zephra3.ico')])
    finally:
        shutil.rmtree(tmpdir)


# ---------------------------------------------------------------------------
# Demo configuration (button places follow the sockets drawn above)
# ---------------------------------------------------------------------------
ALT_TOOL_6 = "ZepGlowLite"
FULL_PATH_SLOT = 8


def ini_text():
    lines = ['; Zephra3 demo installation', '; generated by tools/skin/draw_skin.py', '']
    lines.append('[AppName]')
    for slot, t in enumerate(TOOLS):
        lines.append('%d=%s' % (slot, t[0]))
    lines.append('6.1=%s' % ALT_TOOL_6)
    lines.append('')
    names = [t[0] for t in TOOLS] + [ALT_TOOL_6]
    for slot, name in enumerate(names):
        lines.append('[%s]' % name)
        if slot == FULL_PATH_SLOT:
            lines.append('ExecutePath=C:\\Program Files\\Zephra\\Tools\\%s\\' % name)
        else:
            lines.append('ExecutePath=\\Zephra\\Tools\\%s\\' % name)
        lines.append('ExecuteName=%s.exe' % name)
        lines.append('')
    for edge in EDGES:
        for n in (1, 2, 3):
            lines.append('[Main_Ctrl_Pos_%s%d]' % (EDGE_LETTER[edge], n))
            for key, (x, y) in enumerate(ctrl_positions(edge, n)):
                lines.append('%d=%d,%d' % (key, x, y))
            lines.append('')
    lines.append('[Setting_Ctrl_Pos]')
    for key, (x, y) in enumerate(SETTING_POS):
        lines.append('%d=%d,%d' % (key, x, y))
    lines.append('')
    return '\r\n'.join(lines)


def ctrl_positions(edge, n):
    """Nine (x, y) places of the Main_Ctrl_Pos_<edge><n> section."""
    keys = []
    for g in (1, 2, 3):
        used = [place(edge, SOCKET_C0, a0, BTN) for a0 in SOCKETS[g][n]]
        keys += used + [used[-1]] * (3 - n)
    if n == 1:
        keys[7] = place(edge, GEAR_POS[0], GEAR_POS[1], SMALL)
        keys[8] = place(edge, CROSS_POS[0], CROSS_POS[1], SMALL)
    return keys


def draw_set(pct, ids=None, png_dir=PNG_DIR, svg_dir=SVG_DIR):
    """Writes the SVGs and PNGs of one scale (all pictures, or those in ids)."""
    items = catalogue(pct_dpi(pct))
    size = {pid: out_size(w, h, frames(pid)) for pid, w, h, _ in items}
    sub = '' if pct == 100 else str(pct)
    os.makedirs(os.path.join(svg_dir, sub), exist_ok=True)
    os.makedirs(os.path.join(png_dir, sub), exist_ok=True)
    jobs = []
    for pid, _, _, svg in items:
        if ids is not None and pid not in ids:
            continue
        sp = os.path.join(svg_dir, sub, '%d.svg' % pid)
        with open(sp, 'w', newline='\n') as f:
            f.write(svg)
        jobs.append((sp, png_path(pid, pct, png_dir)) + size[pid] + (pid in OPAQUE_IDS,))
    with ThreadPoolExecutor(max_workers=2) as pool:
        for r in [pool.submit(render, *j) for j in jobs]:
            r.result()
    catalogue(96)
    return [pid for pid, _, _, _ in items]


def main():
    ids = draw_set(100)
    assert len(ids) == 87 and len(set(ids)) == 87, len(ids)
    for pct in SCALES:
        draw_set(pct)
    with open(os.path.join(RES_DIR, 'skin_pngs.rc'), 'w', newline='\n') as f:
        for pid in sorted(ids):
            f.write('%d PNG "png/%d.png"\n' % (pid, pid))
        for pct in SCALES:
            for pid in sorted(ids):
                f.write('%d PNG%d "png/%d/%d.png"\n' % (pid, pct, pct, pid))
    write_ico()
    ini = os.path.join(ROOT, 'installer', 'LaunchInfo.ini')
    os.makedirs(os.path.dirname(ini), exist_ok=True)
    with open(ini, 'w', newline='') as f:
        f.write(ini_text())
    print('wrote %d pictures at 100 %% and at %s %% to %s' % (len(ids), ', '.join(map(str, SCALES)), PNG_DIR))


if __name__ == '__main__':
    sys.exit(main())
