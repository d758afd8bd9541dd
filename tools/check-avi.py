#!/usr/bin/python3
"""Checks that an AVI file is one the common controls' animation control can
play without a codec: a single video stream, no audio, 8-bit frames either
uncompressed (BI_RGB) or RLE8 with their palette, and an idx1 index that
agrees with the frames in movi.

    tools/check-avi.py FILE.avi

Prints a one-line summary and exits 0, or names each fault and exits 1.
"""

import struct
import sys

BI_RGB, BI_RLE8 = 0, 1
AVIF_HASINDEX = 0x10
FRAME_IDS = (b"00db", b"00dc")
# Handlers the control reads by itself; anything else needs a codec.
PLAIN_HANDLERS = (b"\0\0\0\0", b"DIB ", b"RLE ")


class Fault(Exception):
    pass


def chunks(data, start, end):
    """Yields (fourcc, data offset, size) of the chunks in data[start:end]."""
    pos = start
    while pos < end:
        if end - pos < 8:
            raise Fault("%d stray bytes at offset %d" % (end - pos, pos))
        fourcc = data[pos:pos + 4]
        size = struct.unpack_from("<I", data, pos + 4)[0]
        if pos + 8 + size > end:
            raise Fault("chunk %r at offset %d runs past its parent" % (fourcc, pos))
        yield fourcc, pos + 8, size
        pos += 8 + size + (size & 1)


def lists(data, start, end):
    """The chunks, with LISTs named by their list type: {name: [(offset, size)]}."""
    found = {}
    for fourcc, off, size in chunks(data, start, end):
        if fourcc == b"LIST":
            if size < 4:
                raise Fault("empty LIST at offset %d" % (off - 8))
            fourcc = b"LIST:" + data[off:off + 4]
        found.setdefault(fourcc, []).append((off, size))
    return found


def one(found, name, where):
    got = found.get(name, [])
    if len(got) != 1:
        raise Fault("%s has %d %s (needs one)" % (where, len(got), name.decode()))
    return got[0]


def check(data):
    faults = []
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"AVI ":
        raise Fault("not a RIFF 'AVI ' file")
    riff_size = struct.unpack_from("<I", data, 4)[0]
    if riff_size + 8 != len(data):
        faults.append("RIFF size %d does not match the file (%d bytes)" % (riff_size, len(data)))
    top = lists(data, 12, min(len(data), 8 + riff_size))

    hdrl_off, hdrl_size = one(top, b"LIST:hdrl", "the file")
    hdrl = lists(data, hdrl_off + 4, hdrl_off + hdrl_size)
    avih_off, avih_size = one(hdrl, b"avih", "hdrl")
    if avih_size < 56:
        raise Fault("avih is %d bytes (needs 56)" % avih_size)
    (us_per_frame, _, _, flags, total_frames, _, streams, _,
     width, height) = struct.unpack_from("<10I", data, avih_off)

    strls = hdrl.get(b"LIST:strl", [])
    if streams != 1 or len(strls) != 1:
        raise Fault("%d streams in avih and %d strl lists (needs one video stream, no audio)"
                    % (streams, len(strls)))
    strl_off, strl_size = strls[0]
    strl = lists(data, strl_off + 4, strl_off + strl_size)
    strh_off, strh_size = one(strl, b"strh", "strl")
    if strh_size < 48:
        raise Fault("strh is %d bytes (needs at least 48)" % strh_size)
    fcc_type, handler = data[strh_off:strh_off + 4], data[strh_off + 4:strh_off + 8]
    scale, rate, _, length = struct.unpack_from("<4I", data, strh_off + 20)
    if fcc_type != b"vids":
        raise Fault("the stream is %r, not video" % fcc_type)
    if handler not in PLAIN_HANDLERS:
        faults.append("stream handler %r needs a codec" % handler)
    if scale == 0 or rate == 0 or us_per_frame == 0:
        faults.append("no frame rate (scale %d, rate %d, %d us a frame)" % (scale, rate, us_per_frame))

    strf_off, strf_size = one(strl, b"strf", "strl")
    if strf_size < 40:
        raise Fault("strf is %d bytes (needs a BITMAPINFOHEADER)" % strf_size)
    (bi_size, bi_width, bi_height, planes, bits, compression, _, _, _,
     clr_used, _) = struct.unpack_from("<IiiHHIIiiII", data, strf_off)
    if bi_size < 40 or bi_size > strf_size:
        raise Fault("biSize %d does not fit strf (%d bytes)" % (bi_size, strf_size))
    if planes != 1 or bits != 8:
        faults.append("%d planes of %d bits (needs one of 8)" % (planes, bits))
    if compression not in (BI_RGB, BI_RLE8):
        faults.append("compression %d is neither BI_RGB nor BI_RLE8" % compression)
    if bi_width <= 0 or bi_height <= 0:
        faults.append("frames are %dx%d (needs bottom-up rows of positive size)" % (bi_width, bi_height))
    if (bi_width, bi_height) != (width, height):
        faults.append("avih says %dx%d, strf %dx%d" % (width, height, bi_width, bi_height))
    colours = clr_used or 256
    if colours > 256:
        faults.append("%d palette entries (at most 256)" % colours)
    if strf_size < bi_size + 4 * colours:
        faults.append("palette missing: strf holds %d bytes, needs %d for %d colours"
                      % (strf_size, bi_size + 4 * colours, colours))

    movi_off, movi_size = one(top, b"LIST:movi", "the file")
    movi_base = movi_off            # idx1 offsets count from the 'movi' code
    frame_size = ((max(bi_width, 0) + 3) & ~3) * max(bi_height, 0)
    frames = []
    for fourcc, off, size in chunks(data, movi_off + 4, movi_off + movi_size):
        if fourcc in FRAME_IDS:
            frames.append((fourcc, off - 8 - movi_base, size))
            if compression == BI_RGB and size != frame_size:
                faults.append("frame %d is %d bytes, not %d" % (len(frames) - 1, size, frame_size))
            elif compression == BI_RGB and max(data[off:off + size], default=0) >= colours:
                faults.append("frame %d uses colours past the palette" % (len(frames) - 1))
            elif compression == BI_RLE8 and size == 0:
                faults.append("frame %d is empty" % (len(frames) - 1))
        elif fourcc[2:4] == b"wb":
            faults.append("audio chunk %r in movi" % fourcc)
        elif fourcc not in (b"JUNK", b"LIST"):
            faults.append("unexpected chunk %r in movi" % fourcc)
    if not frames:
        faults.append("movi holds no frames")

    if not flags & AVIF_HASINDEX:
        faults.append("avih does not flag an index")
    idx = top.get(b"idx1", [])
    if len(idx) != 1:
        faults.append("%d idx1 chunks (needs one)" % len(idx))
    else:
        idx_off, idx_size = idx[0]
        if idx_size % 16:
            faults.append("idx1 is %d bytes, not whole entries" % idx_size)
        entries = [struct.unpack_from("<4sIII", data, idx_off + k)
                   for k in range(0, idx_size - idx_size % 16, 16)]
        indexed = [(ck, off, size) for (ck, _, off, size) in entries if ck in FRAME_IDS]
        if len(indexed) != len(frames):
            faults.append("idx1 lists %d frames, movi holds %d" % (len(indexed), len(frames)))
        for n, (entry, chunk) in enumerate(zip(indexed, frames)):
            if entry != chunk:
                faults.append("idx1 entry %d (%r at %d, %d bytes) is not movi's frame %d (%r at %d, %d bytes)"
                              % ((n,) + entry + (n,) + chunk))
    if total_frames != len(frames) or length != len(frames):
        faults.append("avih counts %d frames and strh %d, movi holds %d"
                      % (total_frames, length, len(frames)))

    if faults:
        raise Fault("\n".join(faults))
    return "%dx%d, %d frames at %g per second, %s, %d colours" % (
        width, height, len(frames), rate / scale,
        "uncompressed" if compression == BI_RGB else "RLE8", colours)


def main(argv):
    if len(argv) != 1:
        print("usage: check-avi.py FILE.avi", file=sys.stderr)
        return 2
    try:
        with open(argv[0], "rb") as f:
            data = f.read()
        summary = check(data)
    except (OSError, Fault, struct.error) as e:
        for line in str(e).splitlines():
            print("check-avi: %s: %s" % (argv[0], line), file=sys.stderr)
        return 1
    print("check-avi: %s: %s" % (argv[0], summary))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
