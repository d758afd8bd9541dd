#!/usr/bin/python3
"""Draws the busy clip that the main window loops while a flight plan is built:
an aeroplane flying a dashed route from one airport to another, the leg
behind it drawn in as it goes.

    tools/make-busy-clip.py OUT.avi [--preview [FILE.png]]

The AVI holds uncompressed 8-bit palettized frames, which the common
controls' animation control plays without a codec. Palette entry 0 is the
background: with ACS_TRANSPARENT the control keys on the first frame's
top-left pixel, so that colour is used nowhere else. Output is byte-for-byte
reproducible. --preview also writes the frames, enlarged, as a PNG strip
(default: busy-clip-frames.png beside OUT.avi).
"""

import argparse
import os
import struct
import sys
import zlib

WIDTH = 48
HEIGHT = 20
FRAMES = 16
FPS = 10

# Index 0 is the key colour; the drawing keeps to the VGA colours the rest of
# the artwork uses. Unused entries repeat black, so none matches the key.
COLOURS = {
    ".": (255, 0, 255),     # background, never drawn
    "k": (0, 0, 0),
    "n": (0, 0, 128),
    "b": (0, 0, 255),
    "r": (255, 0, 0),
    "g": (128, 128, 128),
    "w": (255, 255, 255),
}
KEYS = list(COLOURS)
PALETTE = list(COLOURS.values()) + [(0, 0, 0)] * (256 - len(COLOURS))
BG = 0

# An airport as charts show it: a disc with its runway.
AIRPORT = """
...nnn...
.nnbbbnn.
.nbbbbwwn
nbbbbwwbn
nbbbwwbbn
nbbwwbbbn
nwwbbbbn.
.nnbbbnn.
...nnn...
"""

# A jet seen from above, nose to the right.
PLANE = """
...kkk.......
....kkk......
.....kkk.....
.k....kkk....
.kk.kkkkkkkk.
kkkkkkkkkkkkk
.kk.kkkkkkkk.
.k....kkk....
.....kkk.....
....kkk......
...kkk.......
"""

ROW = 10                    # the route's row; row and column 0 stay clear for the key
FROM_X, TO_X = 6, 42        # airport centres
ROUTE_X0, ROUTE_X1 = 11, 37  # the line between the airport symbols
PLANE_X0, PLANE_STEP = 9, 2  # the aeroplane's centre in the first frame, and its speed


def sprite(art):
    return [row for row in art.strip("\n").split("\n")]


def stamp(px, art, cx, cy, hidden=lambda x, y: False):
    """Draws art centred on (cx, cy); '.' and hidden pixels leave the picture as it is."""
    rows = sprite(art)
    top, left = cy - len(rows) // 2, cx - len(rows[0]) // 2
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            x, y = left + i, top + j
            if ch != "." and not hidden(x, y):
                px[y][x] = KEYS.index(ch)


def in_airport(x, y):
    """Behind the right edge of the first airport or the left edge of the second:
    where the aeroplane is out of sight."""
    r = len(sprite(AIRPORT)[0]) // 2
    return x <= FROM_X + r or x >= TO_X - r


def frame(f):
    px = [[BG] * WIDTH for _ in range(HEIGHT)]
    # The last frame holds the finished leg, the aeroplane landed.
    landed = f == FRAMES - 1
    cx = PLANE_X0 + PLANE_STEP * f
    half = len(sprite(PLANE)[0]) // 2
    for x in range(ROUTE_X0, ROUTE_X1 + 1):
        if landed or x < cx - half:
            px[ROW][x] = KEYS.index("r")            # flown
        elif x > cx + half and (x - ROUTE_X0) % 4 < 2:
            px[ROW][x] = KEYS.index("g")            # still to fly
    if not landed:
        # The aeroplane comes out of one airport and goes into the other.
        stamp(px, PLANE, cx, ROW, in_airport)
    stamp(px, AIRPORT, FROM_X, ROW)
    stamp(px, AIRPORT, TO_X, ROW)
    return px


def frames():
    out = [frame(f) for f in range(FRAMES)]
    # The control takes the top-left pixel's colour as transparent.
    if PALETTE.count(PALETTE[BG]) != 1:
        sys.exit("make-busy-clip: the key colour is in the palette twice")
    for px in out:
        if px[0][0] != BG:
            sys.exit("make-busy-clip: the top-left pixel is drawn on")
    return out


# ------------------------------------------------------------------ AVI file

def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def dib_rows(px):
    """Bottom-up rows, each padded to four bytes."""
    stride = (WIDTH + 3) & ~3
    return b"".join(bytes(row) + b"\0" * (stride - WIDTH) for row in reversed(px))


def build_avi(all_frames):
    stride = (WIDTH + 3) & ~3
    frame_size = stride * HEIGHT
    us_per_frame = 1000000 // FPS

    avih = struct.pack(
        "<10I4I",
        us_per_frame,
        frame_size * FPS,      # max bytes per second
        0,                     # padding granularity
        0x10,                  # AVIF_HASINDEX
        len(all_frames),
        0,                     # initial frames
        1,                     # streams
        frame_size,            # suggested buffer size
        WIDTH, HEIGHT,
        0, 0, 0, 0,
    )
    strh = struct.pack(
        "<4s4sIHHIIIIIIIIhhhh",
        b"vids", b"\0\0\0\0",
        0,                     # flags
        0, 0,                  # priority, language
        0,                     # initial frames
        1, FPS,                # scale, rate: FPS frames a second
        0,                     # start
        len(all_frames),       # length in frames
        frame_size,            # suggested buffer size
        0xFFFFFFFF,            # quality: default
        0,                     # sample size: varies per chunk
        0, 0, WIDTH, HEIGHT,   # frame rectangle
    )
    bih = struct.pack(
        "<IiiHHIIiiII",
        40, WIDTH, HEIGHT, 1, 8, 0, frame_size, 0, 0, len(PALETTE), 0,
    )
    rgbquads = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + rgbquads))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)

    movi_body = b""
    index = b""
    for px in all_frames:
        offset = 4 + len(movi_body)   # from the 'movi' four-character code
        data = dib_rows(px)
        movi_body += chunk(b"00db", data)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))   # AVIIF_KEYFRAME
    movi = riff_list(b"LIST", b"movi", movi_body)
    return riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index))


# ----------------------------------------------------------------- preview PNG

def png(width, height, rows):
    def pchunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(r) for r in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + pchunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + pchunk(b"IDAT", zlib.compress(raw, 9))
            + pchunk(b"IEND", b""))


def preview(all_frames, scale=4, gap=4):
    """Two strips: the frames as stored, then over a dialog face as the control shows them."""
    faces = [None, (240, 240, 240)]
    cell_w = WIDTH * scale + gap
    width = gap + len(all_frames) * cell_w
    height = gap + len(faces) * (HEIGHT * scale + gap)
    sep = (64, 64, 64)
    rows = []
    for _ in range(gap):
        rows.append(list(sep) * width)
    for face in faces:
        for y in range(HEIGHT * scale):
            row = list(sep) * gap
            for px in all_frames:
                for x in range(WIDTH * scale):
                    idx = px[y // scale][x // scale]
                    colour = face if (face and idx == BG) else PALETTE[idx]
                    row.extend(colour)
                row.extend(list(sep) * gap)
            rows.append(row)
        for _ in range(gap):
            rows.append(list(sep) * width)
    return png(width, height, rows)


def main(argv):
    ap = argparse.ArgumentParser(description="Draws the busy animation clip.")
    ap.add_argument("out", help="AVI file to write")
    ap.add_argument("--preview", nargs="?", const="", metavar="FILE.png",
                    help="also write the frames as a PNG strip")
    args = ap.parse_args(argv)

    all_frames = frames()
    out_dir = os.path.dirname(os.path.abspath(args.out))
    os.makedirs(out_dir, exist_ok=True)
    # Written whole or not at all, so a failed run leaves no clip for the build to take.
    tmp = args.out + ".tmp"
    with open(tmp, "wb") as f:
        f.write(build_avi(all_frames))
    os.replace(tmp, args.out)
    if args.preview is not None:
        path = args.preview or os.path.join(out_dir, "busy-clip-frames.png")
        with open(path, "wb") as f:
            f.write(preview(all_frames))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
