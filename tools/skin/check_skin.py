#!/usr/bin/env python3
"""Checks the generated skin: sizes, PNG formats, seamless bar backgrounds,
socket places, the demo configuration and the resource scripts.

Run after draw_skin.py:  python3 tools/skin/check_skin.py
"""
import configparser
import os
import re
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_skin as D  # noqa: E402

errors = []


def fail(msg):
    errors.append(msg)
    print('FAIL:', msg)


def ihdr(path):
    with open(path, 'rb') as f:
        head = f.read(33)
    if head[:8] != b'\x89PNG\r\n\x1a\n' or head[12:16] != b'IHDR':
        raise ValueError('not a PNG: ' + path)
    w, h, depth, ctype = struct.unpack('>IIBB', head[16:26])
    return w, h, depth, ctype


def rgba(path):
    return subprocess.run(['convert', path, '-depth', '8', 'rgba:-'],
                          check=True, stdout=subprocess.PIPE).stdout


def png(pid):
    return os.path.join(D.PNG_DIR, '%d.png' % pid)


def check_formats():
    sizes = {pid: (w, h) for pid, w, h, _ in D.catalogue()}
    if len(sizes) != 87:
        fail('catalogue has %d ids' % len(sizes))
    for pid, (w, h) in sorted(sizes.items()):
        p = png(pid)
        if not os.path.exists(p):
            fail('missing %s' % p)
            continue
        pw, ph, depth, ctype = ihdr(p)
        want_type = 2 if pid in D.OPAQUE_IDS else 6
        if (pw, ph) != (w, h):
            fail('%d: size %dx%d, want %dx%d' % (pid, pw, ph, w, h))
        if depth != 8:
            fail('%d: bit depth %d' % (pid, depth))
        if ctype != want_type:
            fail('%d: colour type %d, want %d' % (pid, ctype, want_type))
    return sizes


def check_frames(sizes):
    """All three frames of every button must differ."""
    ids = []
    for b in D.EDGE_BASE.values():
        ids += list(range(b + 4, b + 17))
    ids += [301, 302, 303, 304, 305]
    for pid in ids:
        w, h = sizes[pid]
        fw = w // 3
        data = subprocess.run(['convert', png(pid), '-alpha', 'on', '-depth', '8', 'rgba:-'],
                              check=True, stdout=subprocess.PIPE).stdout
        frames = []
        for f in range(3):
            rows = [data[(y * w + f * fw) * 4:(y * w + f * fw + fw) * 4] for y in range(h)]
            frames.append(b''.join(rows))
        for i in range(3):
            for j in range(i + 1, 3):
                diff = sum(1 for k in range(0, len(frames[i]), 4) if frames[i][k:k + 4] != frames[j][k:k + 4])
                if diff < fw * h // 20:
                    fail('%d: frames %d and %d differ in only %d pixels' % (pid, i, j, diff))


def check_bars():
    lo, hi = D.STRETCH
    for edge in D.EDGES:
        b = D.EDGE_BASE[edge]
        w, h = D.bar_size(edge)
        # sockets inside the stretch and inside their band (frame coordinates)
        for n in (1, 2, 3):
            for g in (1, 2, 3):
                band = D.BANDS[g]
                places = D.SOCKETS[g][n]
                if len(places) != n:
                    fail('group %d layout %d has %d places' % (g, n, len(places)))
                for a0 in places:
                    s0, s1 = a0 - D.SOCKET_MARGIN, a0 + D.BTN + D.SOCKET_MARGIN
                    if not (lo <= a0 and a0 + D.BTN <= hi):
                        fail('socket a=%d outside the stretch' % a0)
                    if not (band[0] <= s0 and s1 <= band[1]):
                        fail('socket a=%d (area %d..%d) outside band %d %s' % (a0, s0, s1, g, band))
        for pos in (D.GEAR_POS, D.CROSS_POS):
            if not (lo <= pos[1] and pos[1] + D.SMALL <= hi):
                fail('settings/hide button outside the stretch')
        # the four backgrounds are identical outside the socket areas
        mask = bytearray(w * h)
        for n in (1, 2, 3):
            for (x0, y0, x1, y1) in D.socket_rects(edge, n):
                if x0 < 0 or y0 < 0 or x1 > w or y1 > h:
                    fail('edge %d: socket area %r outside the picture' % (edge, (x0, y0, x1, y1)))
                for y in range(max(0, y0), min(h, y1)):
                    mask[y * w + max(0, x0):y * w + min(w, x1)] = b'\x01' * (min(w, x1) - max(0, x0))
        imgs = [rgba(png(b + k)) for k in range(4)]
        for k in (1, 2, 3):
            bad = 0
            for i in range(w * h):
                if not mask[i] and imgs[k][i * 4:i * 4 + 4] != imgs[0][i * 4:i * 4 + 4]:
                    bad += 1
            if bad:
                fail('edge %d: background %d differs from background 0 in %d pixels outside the sockets' % (edge, k, bad))
            # every socket of background k is actually drawn
            for (x0, y0, x1, y1) in D.socket_rects(edge, k):
                cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
                i = (cy * w + cx) * 4
                if imgs[k][i:i + 4] == imgs[0][i:i + 4]:
                    fail('edge %d: socket at %d,%d of background %d not visible' % (edge, cx, cy, k))
        # the screen side is flush: the body reaches the picture edge there
        mid = D.BAR_ALONG // 2
        if edge == D.EDGE_RIGHT:
            x, y = w - 1, mid
        elif edge == D.EDGE_LEFT:
            x, y = 0, mid
        elif edge == D.EDGE_TOP:
            x, y = mid, 0
        else:
            x, y = mid, h - 1
        if imgs[0][(y * w + x) * 4 + 3] < 180:
            fail('edge %d: screen side is not covered by the bar' % edge)


def check_settings():
    data = subprocess.run(['convert', png(300), '-depth', '8', 'rgba:-'],
                          check=True, stdout=subprocess.PIPE).stdout
    tray = bytes(int(D.TRAY[i:i + 2], 16) for i in (1, 3, 5)) + b'\xff'
    for key, (x, y) in enumerate(D.SETTING_POS[:4]):
        for (px, py) in ((x, y), (x + 74, y), (x, y + 54), (x + 74, y + 54)):
            i = (py * D.SETTINGS_W + px) * 4
            if data[i:i + 4] != tray:
                fail('300: panel under edge button %d at %d,%d is %r, not the tray colour' % (key, px, py, data[i:i + 4]))
    for pid in D.OPAQUE_IDS:
        px = subprocess.run(['convert', png(pid) + '[1x1+0+0]', '-depth', '8', 'rgb:-'],
                            check=True, stdout=subprocess.PIPE).stdout
        if px != tray[:3]:
            fail('%d: background %r does not match the tray' % (pid, px))
    x, y = D.SETTING_POS[4]
    if x + D.OK_W > D.SETTINGS_W or y + D.OK_H > D.SETTINGS_H:
        fail('OK button outside the settings panel')


def check_ini():
    path = os.path.join(D.ROOT, 'installer', 'LaunchInfo.ini')
    raw = open(path, 'rb').read()
    if b'\n' in raw.replace(b'\r\n', b''):
        fail('LaunchInfo.ini: not CRLF throughout')
    cp = configparser.ConfigParser(interpolation=None)
    cp.optionxform = str
    cp.read_string(raw.decode('ascii'))
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
                if used:
                    r = rects[g * n + key % 3]
                    m = D.SOCKET_MARGIN
                    if (x - m, y - m) != (r[0], r[1]):
                        fail('%s key %d: %d,%d does not sit on its socket %r' % (sec.name, key, x, y, r))
                if not (0 <= x and x + D.BTN <= w and 0 <= y and y + D.BTN <= h):
                    fail('%s key %d outside the bar' % (sec.name, key))
    sp = cp['Setting_Ctrl_Pos']
    for key in range(5):
        if tuple(int(v) for v in sp[str(key)].split(',')) != D.SETTING_POS[key]:
            fail('Setting_Ctrl_Pos key %d' % key)


def check_rc():
    lines = open(os.path.join(D.RES_DIR, 'skin_pngs.rc')).read().splitlines()
    ids = []
    for ln in lines:
        m = re.match(r'^(\d+) PNG "png/(\d+)\.png"$', ln)
        if not m or m.group(1) != m.group(2):
            fail('skin_pngs.rc: bad line %r' % ln)
            continue
        ids.append(int(m.group(1)))
    want = sorted(pid for pid, _, _, _ in D.catalogue())
    if ids != want:
        fail('skin_pngs.rc does not list the 87 ids in order')
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


def main():
    sizes = check_formats()
    check_frames(sizes)
    check_bars()
    check_settings()
    check_ini()
    check_rc()
    if errors:
        print('%d problem(s)' % len(errors))
        return 1
    print('skin OK: %d pictures checked' % len(sizes))
    return 0


if __name__ == '__main__':
    sys.exit(main())
