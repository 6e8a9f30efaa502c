#!/usr/bin/env python3
"""Makes a corpus of broken pictures from a few valid ones.

Usage: make-corpus.py SEED_DIR OUT_DIR

SEED_DIR holds valid .png, .jpg and .bmp files. OUT_DIR receives a few
hundred damaged variants: truncations at many lengths, bit flips, swapped
headers, zeroed bytes, huge claimed dimensions, a directory named like a
picture, an unreadable file, and names with spaces and Chinese characters.
The mutations are seeded, so every run makes the same corpus.
"""
import os
import random
import shutil
import struct
import sys
import zlib


def png_with_size(data, width, height):
    """Rewrites the IHDR of a PNG to claim another size, with a valid CRC."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    ihdr = bytearray(data[16:29])
    ihdr[0:8] = struct.pack(">II", width, height)
    crc = struct.pack(">I", zlib.crc32(b"IHDR" + bytes(ihdr)) & 0xFFFFFFFF)
    return data[:16] + bytes(ihdr) + crc + data[33:]


def bmp_with_size(data, width, height):
    if data[:2] != b"BM" or len(data) < 26:
        return None
    return data[:18] + struct.pack("<ii", width, height) + data[26:]


def jpeg_with_size(data, width, height):
    """Rewrites the first start-of-frame marker of a JPEG."""
    i = 2
    while i + 9 < len(data):
        if data[i] != 0xFF:
            return None
        marker = data[i + 1]
        length = struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            if width > 0xFFFF or height > 0xFFFF:
                return None
            return data[:i + 5] + struct.pack(">HH", height, width) + data[i + 9:]
        i += 2 + length
    return None


RESIZERS = {".png": png_with_size, ".bmp": bmp_with_size, ".jpg": jpeg_with_size}
HUGE_SIZES = [(60000, 60000), (16385, 10), (10, 16385), (65535, 65535), (2**31 - 1, 1),
              (100000, 100000), (0, 0), (1, 0x7FFFFFFF)]


def write(out_dir, name, data):
    with open(os.path.join(out_dir, name), "wb") as f:
        f.write(data)


def main():
    seed_dir, out_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    rng = random.Random(20261206)
    seeds = sorted(f for f in os.listdir(seed_dir) if os.path.splitext(f)[1] in RESIZERS)
    datas = {}
    for seed in seeds:
        with open(os.path.join(seed_dir, seed), "rb") as f:
            datas[seed] = f.read()

    for seed, data in datas.items():
        stem, ext = os.path.splitext(seed)
        # Truncations at many lengths, denser near the header.
        lengths = sorted(set([0, 1, 2, 4, 8, 12, 16, 20, 24, 26, 30, 33, 40, 54, 64, 100, 128]
                             + [len(data) * k // 40 for k in range(1, 40)] + [len(data) - 1]))
        for n in lengths:
            if n < len(data):
                write(out_dir, f"{stem}-cut{n}{ext}", data[:n])
        # Bit flips, one to a few per file.
        for k in range(40):
            flipped = bytearray(data)
            for _ in range(1 + k % 4):
                pos = rng.randrange(len(flipped))
                flipped[pos] ^= 1 << rng.randrange(8)
            write(out_dir, f"{stem}-flip{k}{ext}", bytes(flipped))
        # Zeroed runs of bytes.
        for k in range(10):
            zeroed = bytearray(data)
            start = rng.randrange(len(zeroed))
            for i in range(start, min(len(zeroed), start + 1 + rng.randrange(64))):
                zeroed[i] = 0
            write(out_dir, f"{stem}-zeros{k}{ext}", bytes(zeroed))
        # Huge (or empty) claimed dimensions.
        for w, h in HUGE_SIZES:
            resized = RESIZERS[ext](data, w, h)
            if resized is not None:
                write(out_dir, f"{stem}-claims{w}x{h}{ext}", resized)
        # The other formats' headers in front of this body.
        for other, other_data in datas.items():
            if other != seed:
                write(out_dir, f"{stem}-header-of-{os.path.splitext(other)[0]}{ext}",
                      other_data[:32] + data[32:])

    write(out_dir, "all-zeros.png", bytes(4096))
    write(out_dir, "empty.png", b"")
    write(out_dir, "text.png", b"this is not a picture\n" * 20)
    write(out_dir, "random.jpg", bytes(rng.randrange(256) for _ in range(3000)))
    os.makedirs(os.path.join(out_dir, "folder.png"), exist_ok=True)
    first = next(iter(datas.values()))
    write(out_dir, "no permission.png", first)
    os.chmod(os.path.join(out_dir, "no permission.png"), 0)
    # Valid pictures under awkward names must still load.
    for seed, data in datas.items():
        stem, ext = os.path.splitext(seed)
        write(out_dir, f"valid {stem} 测试 图片{ext}", data)
    print(len(os.listdir(out_dir)))


if __name__ == "__main__":
    main()
