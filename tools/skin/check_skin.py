#!/usr/bin/env python3
"""Checks the generated skin at every scale: sizes, frame layout, PNG formats,
likeness to the 100 % pictures, seamless bar bands, sockets under the INI
places, the demo configuration and the resource scripts.

Run after draw_skin.py:  python3 tools/skin/check_skin.py [pct ...]
"""
import configparser
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_skin as D  # noqa: E402

errors = []


def fail(msg):
    errors.append(msg)
    print('FAIL:', msg)


def S(v, dpi):
    """The launcher's rounding of a 96-DPI coordinate."""
    if v < 0:
        return -S(-v, dpi)
    return math.floor(Fraction(v) * dpi / 96 + Fraction(1, 2))


def ihdr(path):
    with open(path, 'rb') as f:
        head = f.read(33)
    if head[:8] != b'\x89PNG\r\n\x1a\n' or head[12:16] != b'IHDR':
        raise ValueError('not a PNG: ' + path)
    w, h, depth, ctype = struct.unpack('>IIBB', head[16:26])
    return w, h, depth, ctype


def rgba(path):
    return subprocess.run(['convert', path, '-alpha', 'on', '-depth', '8', 'rgba:-'],
                          check=True, stdout=subprocess.PIPE).stdout


class Set:
    """One scale's pictures."""

    def __init__(self, pct):
        self.pct = pct
        self.dpi = D.pct_dpi(pct)
        self.s = self.dpi / 96.0
        self.tag = '%d %%' % pct

    def S(self, v):
        return S(v, self.dpi)

    def png(self, pid):
        return D.png_path(pid, self.pct)

    def size(self, pid, w, h):
        n = D.frames(pid)
        return n * self.S(w // n), self.S(h)


def check_formats(st):
    sizes = {}
    for pid, w, h, _ in D.catalogue():
        sizes[pid] = st.size(pid, w, h)
    if len(sizes) != 87:
        fail('catalogue has %d ids' % len(sizes))
    for pid, (w, h) in sorted(sizes.items()):
        p = st.png(pid)
        if not os.path.exists(p):
            fail('missing %s' % p)
            continue
        pw, ph, depth, ctype = ihdr(p)
        want_type = 2 if pid in D.OPAQUE_IDS else 6
        if (pw, ph) != (w, h):
            fail('%s %d: size %dx%d, want %dx%d' % (st.tag, pid, pw, ph, w, h))
        if depth != 8:
            fail('%s %d: bit depth %d' % (st.tag, pid, depth))
        if ctype != want_type:
            fail('%s %d: colour type %d, want %d' % (st.tag, pid, ctype, want_type))
    return sizes


def check_likeness(st, sizes, tmp):
    """Every scaled picture, shrunk back to 96 DPI frame by frame, looks like
    the 100 % one: nothing moved, lost or added.  Measured as the worst mean
    difference over 8 x 8 blocks, colours premultiplied by alpha and alpha."""
    small = os.path.join(tmp, 'small.png')
    for pid, w, h, _ in D.catalogue():
        n, base = D.frames(pid), D.png_path(pid)
        subprocess.run(['convert', st.png(pid), '-crop', '%dx%d' % (sizes[pid][0] // n, sizes[pid][1]), '+repage',
                        '-filter', 'Box', '-resize', '%dx%d!' % (w // n, h), '+append', 'PNG32:' + small], check=True)
        diff = ['(', '(', base, '-background', 'black', '-alpha', 'remove', ')',
                '(', small, '-background', 'black', '-alpha', 'remove', ')', '-compose', 'difference', '-composite', ')',
                '(', '(', base, '-alpha', 'extract', ')', '(', small, '-alpha', 'extract', ')',
                '-compose', 'difference', '-composite', ')']
        worst = float(subprocess.run(['convert'] + diff + ['-compose', 'over', '+append', '-alpha', 'off', '-filter', 'Box',
                                      '-resize', '12.5%', '-format', '%[fx:maxima*255]', 'info:'],
                                     check=True, stdout=subprocess.PIPE, text=True).stdout)
        if worst > 30:
            fail('%s %d: an 8 x 8 block differs from the 100 %% picture by %.0f levels' % (st.tag, pid, worst))


def check_frames(st, sizes):
    """The three frames of every button differ, and each frame's artwork is
    centred in its own S(f) column (round buttons and OK: alpha centroid)."""
    for pid in D.FRAMED_IDS:
        w, h = sizes[pid]
        fw = w // 3
        data = rgba(st.png(pid))
        frames = []
        for f in range(3):
            rows = [data[(y * w + f * fw) * 4:(y * w + f * fw + fw) * 4] for y in range(h)]
            frames.append(b''.join(rows))
        for i in range(3):
            for j in range(i + 1, 3):
                diff = sum(1 for k in range(0, len(frames[i]), 4) if frames[i][k:k + 4] != frames[j][k:k + 4])
                if diff < fw * h // 20:
                    fail('%s %d: frames %d and %d differ in only %d pixels' % (st.tag, pid, i, j, diff))
        if pid in D.OPAQUE_IDS:
            continue
        for f in (0, 1):    # the pressed frame is drawn off centre on purpose
            mass = moment = 0
            for k in range(3, len(frames[f]), 4):
                mass += frames[f][k]
                moment += frames[f][k] * ((k // 4) % fw + 0.5)
            off = moment / mass - fw / 2.0
            if abs(off) > 0.05:
                fail('%s %d: frame %d is %.2f px off the centre of its column' % (st.tag, pid, f, off))


def ini():
    path = os.path.join(D.ROOT, 'installer', 'LaunchInfo.ini')
    raw = open(path, 'rb').read()
    cp = configparser.ConfigParser(interpolation=None)
    cp.optionxform = str
    cp.read_string(raw.decode('ascii'))
    return raw, cp


def ini_places(cp, edge, n):
    """(x, y) of the used tool keys of Main_Ctrl_Pos_<edge><n>, in key order."""
    sec = cp['Main_Ctrl_Pos_%s%d' % (D.EDGE_LETTER[edge], n)]
    return [tuple(int(v) for v in sec[str(key)].split(',')) for key in range(9) if key % 3 < n]


def bands(st, edge):
    """Pixel rectangles of the three bands as the launcher copies them."""
    w, h = st.size(0, *D.bar_size(edge))
    out = {}
    for g, (a0, a1) in D.BANDS.items():
        if edge in (D.EDGE_RIGHT, D.EDGE_LEFT):
            out[g] = (0, st.S(a0), w, st.S(a1))
        else:
            out[g] = (st.S(D.BAR_ALONG - a1), 0, st.S(D.BAR_ALONG - a0), h)
    return out


def check_bars(st, cp):
    lo, hi = D.STRETCH
    m, btn = D.SOCKET_MARGIN, D.BTN
    if st.pct == 100:
        for n in (1, 2, 3):
            for g in (1, 2, 3):
                places = D.SOCKETS[g][n]
                if len(places) != n:
                    fail('group %d layout %d has %d places' % (g, n, len(places)))
                for a0 in places:
                    if not (lo <= a0 and a0 + btn <= hi):
                        fail('socket a=%d outside the stretch' % a0)
        for pos in (D.GEAR_POS, D.CROSS_POS):
            if not (lo <= pos[1] and pos[1] + D.SMALL <= hi):
                fail('settings/hide button outside the stretch')
    for edge in D.EDGES:
        b = D.EDGE_BASE[edge]
        w, h = st.size(b, *D.bar_size(edge))
        band = bands(st, edge)
        # socket areas from the INI places: inside the picture and inside their band
        areas = {}
        for n in (1, 2, 3):
            areas[n] = []
            for i, (x, y) in enumerate(ini_places(cp, edge, n)):
                r = (st.S(x - m), st.S(y - m), st.S(x + btn + m), st.S(y + btn + m))
                areas[n].append((r, (st.S(x), st.S(y))))
                bx0, by0, bx1, by1 = band[i // n + 1]
                if not (bx0 <= r[0] and by0 <= r[1] and r[2] <= bx1 and r[3] <= by1):
                    fail('%s edge %d: socket area %r crosses the band %r' % (st.tag, edge, r, band[i // n + 1]))
                if r[0] < 0 or r[1] < 0 or r[2] > w or r[3] > h:
                    fail('%s edge %d: socket area %r outside the picture' % (st.tag, edge, r))
        imgs = [rgba(st.png(b + k)) for k in range(4)]
        # outside the socket areas the four backgrounds are identical, so any mix of
        # bands copied at the band rectangles is seamless
        blank = [bytearray(img) for img in imgs]
        for n in (1, 2, 3):
            for (x0, y0, x1, y1), _ in areas[n]:
                for img in blank:
                    for y in range(max(0, y0), min(h, y1)):
                        img[(y * w + x0) * 4:(y * w + x1) * 4] = bytes((x1 - x0) * 4)
        for k in (1, 2, 3):
            if blank[k] != blank[0]:
                bad = sum(1 for i in range(0, len(blank[0]), 4) if blank[k][i:i + 4] != blank[0][i:i + 4])
                fail('%s edge %d: background %d differs from background 0 in %d pixels outside the sockets'
                     % (st.tag, edge, k, bad))
        # each socket is drawn centred under its button, S(x) + S(48) / 2, and all
        # sockets are the same pixels up to rounding (all on the pixel grid)
        size = st.S(btn)
        first = None
        for k in (1, 2, 3):
            for (x0, y0, x1, y1), (sx, sy) in areas[k]:
                xs, ys = [], []
                for y in range(y0, y1):
                    for x in range(x0, x1):
                        i = (y * w + x) * 4
                        if imgs[k][i:i + 4] != imgs[0][i:i + 4]:
                            xs.append(x)
                            ys.append(y)
                cx, cy = (min(xs) + max(xs) + 1) / 2.0, (min(ys) + max(ys) + 1) / 2.0
                if abs(cx - sx - size / 2.0) > 0.5 or abs(cy - sy - size / 2.0) > 0.5:
                    fail('%s edge %d: socket of background %d centred at %.1f,%.1f, its button at %.1f,%.1f'
                         % (st.tag, edge, k, cx, cy, sx + size / 2.0, sy + size / 2.0))
                square = b''.join(imgs[k][((sy + y) * w + sx) * 4:((sy + y) * w + sx + size) * 4] for y in range(size))
                if first is None:
                    first = square
                elif square != first and max(abs(p - q) for p, q in zip(square, first)) > 1:
                    fail('%s edge %d: socket at %d,%d of background %d is not drawn like the others'
                         % (st.tag, edge, sx, sy, k))
        # the screen side is flush: the body reaches the picture edge there
        x, y = {D.EDGE_RIGHT: (w - 1, h // 2), D.EDGE_LEFT: (0, h // 2),
                D.EDGE_TOP: (w // 2, 0), D.EDGE_BOTTOM: (w // 2, h - 1)}[edge]
        if imgs[0][(y * w + x) * 4 + 3] < 180:
            fail('%s edge %d: screen side is not covered by the bar' % (st.tag, edge))


def check_settings(st, cp):
    data = rgba(st.png(300))
    pw = st.size(300, D.SETTINGS_W, D.SETTINGS_H)[0]
    tray = bytes(int(D.TRAY[i:i + 2], 16) for i in (1, 3, 5)) + b'\xff'
    places = [tuple(int(v) for v in cp['Setting_Ctrl_Pos'][str(k)].split(',')) for k in range(5)]
    bw, bh = st.S(D.EDGE_BTN_W), st.S(D.EDGE_BTN_H)
    for key, (x, y) in enumerate(places[:4]):
        x, y = st.S(x), st.S(y)
        for (px, py) in ((x, y), (x + bw - 1, y), (x, y + bh - 1), (x + bw - 1, y + bh - 1)):
            i = (py * pw + px) * 4
            if data[i:i + 4] != tray:
                fail('%s 300: panel under edge button %d at %d,%d is %r, not the tray colour'
                     % (st.tag, key, px, py, data[i:i + 4]))
    for pid in D.OPAQUE_IDS:
        px = rgba(st.png(pid) + '[1x1+0+0]')
        if px != tray:
            fail('%s %d: background %r does not match the tray' % (st.tag, pid, px))
    x, y = places[4]
    if st.S(x) + st.S(D.OK_W) > pw or st.S(y) + st.S(D.OK_H) > st.S(D.SETTINGS_H):
        fail('%s: OK button outside the settings panel' % st.tag)


def check_ini(raw, cp):
    if b'\n' in raw.replace(b'\r\n', b''):
        fail('LaunchInfo.ini: not CRLF throughout')
    names = [cp['AppName'][str(i)] for i in range(10)] + [cp['AppName']['6.1']]
    for slot, name in enumerate(names):
        sec = cp[name]
        path_ = sec['ExecutePath']
        if slot == 8:
            if not re.match(r'^[A-Z]:\\.*\\$', path_):
                fail('slot 8 ExecutePath must be a full path: %s' % path_)
        elif not (path_.startswith('\\') and path_.endswith('\\')):
            fail('%s: ExecutePath must be relative to Program Files' % name)
        if not sec['ExecuteName'].lower().endswith('.exe'):
            fail('%s: ExecuteName' % name)
    m = D.SOCKET_MARGIN
    for edge in D.EDGES:
        w, h = D.bar_size(edge)
        for n in (1, 2, 3):
            sec = cp['Main_Ctrl_Pos_%s%d' % (D.EDGE_LETTER[edge], n)]
            rects = D.socket_rects(edge, n)
            for key in range(9):
                x, y = (int(v) for v in sec[str(key)].split(','))
                g = key // 3
                used = key % 3 < n
                if n == 1 and key in (7, 8):
                    want = D.place(edge, *(D.GEAR_POS if key == 7 else D.CROSS_POS), D.SMALL)
                    if (x, y) != want:
                        fail('%s key %d: %d,%d is not the %s place' % (sec.name, key, x, y, 'gear' if key == 7 else 'cross'))
                    continue
                if used and (x - m, y - m) != rects[g * n + key % 3][:2]:
                    fail('%s key %d: %d,%d does not sit on its socket %r' % (sec.name, key, x, y, rects[g * n + key % 3]))
                if not (0 <= x and x + D.BTN <= w and 0 <= y and y + D.BTN <= h):
                    fail('%s key %d outside the bar' % (sec.name, key))
    sp = cp['Setting_Ctrl_Pos']
    for key in range(5):
        if tuple(int(v) for v in sp[str(key)].split(',')) != D.SETTING_POS[key]:
            fail('Setting_Ctrl_Pos key %d' % key)


def check_rc():
    lines = open(os.path.join(D.RES_DIR, 'skin_pngs.rc')).read().splitlines()
    want_ids = sorted(pid for pid, _, _, _ in D.catalogue())
    want = ['%d PNG "png/%d.png"' % (i, i) for i in want_ids]
    for pct in D.SCALES:
        want += ['%d PNG%d "png/%d/%d.png"' % (i, pct, pct, i) for i in want_ids]
    if lines != want:
        bad = [ln for ln in lines if ln not in want] or ['(lines missing or out of order)']
        fail('skin_pngs.rc must list the 87 ids for 100 %% and each of %r, first bad line %r' % (D.SCALES, bad[0]))
    text = open(os.path.join(D.RES_DIR, 'strings.rc'), encoding='utf-8').read()
    found = [int(x) for x in re.findall(r'^\s+(\d+)\s+"', text, re.M)]
    if found != list(range(400, 440)):
        fail('strings.rc must hold 400..439 in order, has %r' % found)
    if not os.path.exists(os.path.join(D.RES_DIR, 'Zephra3.ico')):
        fail('Zephra3.ico missing')
    else:
        out = subprocess.run(['identify', os.path.join(D.RES_DIR, 'Zephra3.ico')],
                             check=True, stdout=subprocess.PIPE, text=True).stdout
        for s in ('16x16', '32x32', '48x48'):
            if s not in out:
                fail('Zephra3.ico lacks %s' % s)


def main(argv):
    pcts = [int(a) for a in argv] or [100] + list(D.SCALES)
    tmp = tempfile.mkdtemp(prefix='zskincheck')
    raw, cp = ini()
    check_ini(raw, cp)
    check_rc()
    for pct in pcts:
        st = Set(pct)
        sizes = check_formats(st)
        check_frames(st, sizes)
        check_bars(st, cp)
        check_settings(st, cp)
        if pct != 100:
            check_likeness(st, sizes, tmp)
        print('%s checked' % st.tag)
    shutil.rmtree(tmp)
    if errors:
        print('%d problem(s)' % len(errors))
        return 1
    print('skin OK: 87 pictures at %s %%' % ', '.join(map(str, pcts)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
