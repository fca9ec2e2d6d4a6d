#!/usr/bin/env python3
"""Reads an 8-bit RGB/RGBA PNG without extra modules and answers questions about its pixels.

png_probe.py FILE size            -> "W H"
png_probe.py FILE pixel X Y       -> "R G B"
png_probe.py FILE count R G B TOL -> number of pixels within TOL of (R, G, B) on every channel
png_probe.py FILE darkbox         -> "left top right bottom" of pixels darker than 128, or "none"
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise SystemExit('not a PNG file')
    pos, idat = 8, b''
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', body[:10])
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    if depth != 8 or colour not in (2, 6):
        raise SystemExit('unsupported PNG kind')
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - channels] if x >= channels else 0
            b = prev[x]
            c = prev[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 255
        rows.append(line)
        prev = line
    return width, height, channels, rows


def main():
    path, question = sys.argv[1], sys.argv[2]
    width, height, channels, rows = read_png(path)
    pixel = lambda x, y: tuple(rows[y][x * channels:x * channels + 3])
    if question == 'size':
        print(width, height)
    elif question == 'pixel':
        print(*pixel(int(sys.argv[3]), int(sys.argv[4])))
    elif question == 'count':
        want, tol = [int(v) for v in sys.argv[3:6]], int(sys.argv[6])
        print(sum(1 for y in range(height) for x in range(width)
                  if all(abs(p - w) <= tol for p, w in zip(pixel(x, y), want))))
    elif question == 'darkbox':
        box = None
        for y in range(height):
            for x in range(width):
                if sum(pixel(x, y)) / 3 < 128:
                    box = (x, y, x, y) if box is None else (
                        min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
        print(*box if box else ['none'])


main()
