#!/usr/bin/env python3
"""Edge sharpness of two pictures of the same thing at the same size.

  sharpness.py A.png B.png [--rect X,Y,W,H] [--rect-b X,Y,W,H]
      two pictures, e.g. screenshots of the running dock, over a rectangle
      (--rect for both, --rect-b for B when it lies elsewhere there)
  sharpness.py --pct 150 [--id 148] [--from 100] [--filter Triangle] [--rect ...]
      skin picture id drawn at pct % (A) against the same picture drawn at
      `from` % and resized to A's size with the ImageMagick filter (B).
      Triangle is bilinear, as Windows stretches a program that is not DPI
      aware; a set that is not in launcher/res/png is drawn into a temporary
      folder first.

For each picture it prints, on the luminance of the picture laid over
--background (default #000000):
  contrast   mean gradient magnitude (levels per pixel), about the same for
             a sharp and a blurred rendering of the same artwork;
  sharpness  gradient-weighted mean gradient magnitude, sum |g|^2 / sum |g|:
             the steepness of a typical edge, which blurring lowers.
"""
import argparse
import math
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def pixels(path, rect, background):
    """(w, h, luminance rows) of path, cropped to rect (x, y, w, h) if given."""
    cmd = ['convert', path]
    if rect:
        cmd += ['-crop', '%dx%d+%d+%d' % (rect[2], rect[3], rect[0], rect[1]), '+repage']
    cmd += ['-background', background, '-alpha', 'remove', '-alpha', 'off', '-depth', '8']
    size = subprocess.run(cmd + ['-format', '%w %h', 'info:'], check=True, stdout=subprocess.PIPE, text=True).stdout
    w, h = (int(v) for v in size.split())
    data = subprocess.run(cmd + ['rgb:-'], check=True, stdout=subprocess.PIPE).stdout
    lum = [0.2126 * data[i] + 0.7152 * data[i + 1] + 0.0722 * data[i + 2] for i in range(0, len(data), 3)]
    return w, h, [lum[y * w:(y + 1) * w] for y in range(h)]


def figures(w, h, rows):
    """(contrast, sharpness) from forward differences."""
    total = energy = 0.0
    for y in range(h - 1):
        row, below = rows[y], rows[y + 1]
        for x in range(w - 1):
            g = math.hypot(row[x + 1] - row[x], below[x] - row[x])
            total += g
            energy += g * g
    n = (w - 1) * (h - 1)
    return total / n, (energy / total if total else 0.0)


def rect_arg(text):
    v = [int(p) for p in text.split(',')]
    if len(v) != 4 or min(v) < 0 or v[2] < 2 or v[3] < 2:
        raise argparse.ArgumentTypeError('want X,Y,W,H')
    return v


def skin_picture(pid, pct, tmp):
    sys.path.insert(0, HERE)
    import draw_skin as D
    path = D.png_path(pid, pct)
    if not os.path.exists(path):
        D.draw_set(pct, {pid}, png_dir=tmp, svg_dir=tmp)
        path = D.png_path(pid, pct, tmp)
    return path


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('pictures', nargs='*', metavar='PNG')
    ap.add_argument('--pct', type=int)
    ap.add_argument('--id', type=int, default=148)
    ap.add_argument('--from', dest='src', type=int, default=100)
    ap.add_argument('--filter', default='Triangle')
    ap.add_argument('--rect', type=rect_arg)
    ap.add_argument('--rect-b', type=rect_arg)
    ap.add_argument('--background', default='#000000')
    args = ap.parse_args()
    tmp = tempfile.mkdtemp(prefix='zsharp')
    try:
        if args.pct:
            if args.pictures:
                ap.error('give either two pictures or --pct')
            a = skin_picture(args.id, args.pct, tmp)
            size = subprocess.run(['identify', '-format', '%wx%h', a], check=True,
                                  stdout=subprocess.PIPE, text=True).stdout
            b = os.path.join(tmp, 'resized.png')
            subprocess.run(['convert', skin_picture(args.id, args.src, tmp), '-filter', args.filter,
                            '-resize', size + '!', 'PNG32:' + b], check=True)
            names = ('%d at %d %%' % (args.id, args.pct),
                     '%d at %d %%, %s to %s' % (args.id, args.src, args.filter, size))
        elif len(args.pictures) == 2:
            a, b = args.pictures
            names = tuple(args.pictures)
        else:
            ap.error('give two pictures or --pct')
        results = []
        for path, rect, name in ((a, args.rect, names[0]), (b, args.rect_b or args.rect, names[1])):
            w, h, rows = pixels(path, rect, args.background)
            if w < 2 or h < 2:
                ap.error('%s: rectangle too small' % name)
            results.append(figures(w, h, rows))
            print('%-40s %5dx%-5d contrast %6.2f  sharpness %6.2f' % ((name, w, h) + results[-1]))
        print('sharpness A / B = %.2f' % (results[0][1] / results[1][1] if results[1][1] else float('inf')))
    finally:
        shutil.rmtree(tmp)
    return 0


if __name__ == '__main__':
    sys.exit(main())
