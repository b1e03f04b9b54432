#!/usr/bin/env python3
"""Writes seeds for the mszip and mszip_diff fuzz targets: frames shaped the
way streaming DEFLATE writers shape them (sync and full flushes mid-frame,
empty stored blocks, a final empty stored block, many small blocks, stored
blocks ending in the input's last word).

Layout (that of the targets): byte 0 = 4 (maxOutput 32768, "CK" added,
frames ask for 32768 bytes), then frames as 16-bit little-endian length and
bytes. Usage: make_mszip_seeds.py OUTDIR"""
import os
import random
import struct
import sys
import zlib

FINAL_EMPTY_STORED = b"\x01\x00\x00\xff\xff"


def raw(level=6):
    return zlib.compressobj(level, zlib.DEFLATED, -15, 9)


def text(rng, n):
    words = [b"cabinet", b"folder", b"frame", b"block", b"the", b"of", b"data", b"\x00\x01"]
    out = b""
    while len(out) < n:
        out += rng.choice(words) + (b" " if rng.random() < 0.8 else bytes([rng.randrange(256)]))
    return out[:n]


def sync_then_final_empty(data, mode=zlib.Z_SYNC_FLUSH, level=6):
    c = raw(level)
    return c.compress(data) + c.flush(mode) + FINAL_EMPTY_STORED


def many_flushes(data, step, mode, level=6):
    c = raw(level)
    out = b""
    for i in range(0, len(data), step):
        out += c.compress(data[i:i + step]) + c.flush(mode)
    return out + c.flush(zlib.Z_FINISH)


def frames_file(frames):
    body = b"\x04"
    for f in frames:
        assert len(f) < 65536
        body += struct.pack("<H", len(f)) + f
    return body


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rng = random.Random(1234)
    seeds = {}
    # One frame each: zlib data, a sync flush and a final empty stored block,
    # for sizes around the 64-bit reader's refill distances.
    seeds["sync_final_empty_small"] = frames_file(
        [sync_then_final_empty(text(rng, n)) for n in (1, 2, 7, 8, 9, 15, 16, 17, 31, 64, 200, 399)])
    seeds["full_final_empty"] = frames_file(
        [sync_then_final_empty(text(rng, n), zlib.Z_FULL_FLUSH) for n in (3, 40, 300)])
    # Many small blocks per frame: a flush every few bytes.
    seeds["sync_every_5"] = frames_file([many_flushes(text(rng, 600), 5, zlib.Z_SYNC_FLUSH)])
    seeds["full_every_37"] = frames_file([many_flushes(text(rng, 3000), 37, zlib.Z_FULL_FLUSH)])
    # Stored blocks only (level 0), the last one ending in the last word.
    seeds["stored_flushes"] = frames_file(
        [many_flushes(bytes(rng.randrange(256) for _ in range(500)), 61, zlib.Z_SYNC_FLUSH, 0),
         sync_then_final_empty(bytes(range(7)), zlib.Z_SYNC_FLUSH, 0)])
    # Two full 32 KiB frames sharing history, each ending in a sync flush and
    # a final empty stored block, then a short last frame.
    data = text(rng, 32768 * 2 + 500)
    seeds["three_frames_sync"] = frames_file(
        [sync_then_final_empty(data[i:i + 32768]) for i in range(0, len(data), 32768)])
    for name, body in seeds.items():
        with open(os.path.join(out, "writer_" + name), "wb") as f:
            f.write(body)


main()
