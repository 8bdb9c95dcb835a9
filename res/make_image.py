#!/usr/bin/env python3
"""Turns the pictures kept as text in res/images/ into Windows .bmp and .ico files.

A picture file has a size line, a palette of at most 16 colours, each named by one
character, and one line of characters per pixel row, top row first:

    # comments and blank lines are ignored
    size 16 16
    colour . 192 192 192   light grey
    colour k 0 0 0         black
    colour _ transparent   (icons only: the desktop shows through)
    pixels
    ................
    ...

Usage:
    make_image.py bmp PICTURE.txt OUT.bmp          a 16-colour bitmap
    make_image.py ico OUT.ico PICTURE.txt...       a 16-colour icon with one image per file
"""
import struct
import sys

TRANSPARENT = "transparent"


class PictureError(Exception):
    pass


class Picture:
    def __init__(self, path):
        self.path = path
        self.width = self.height = None
        self.palette = []          # (r, g, b) or TRANSPARENT, in the order given
        self.index_of = {}         # character -> palette index
        self.rows = []
        self._read()

    def fail(self, line_number, message):
        raise PictureError(f"{self.path}:{line_number}: {message}")

    def _read(self):
        in_pixels = False
        with open(self.path, encoding="ascii") as source:
            for number, raw in enumerate(source, start=1):
                line = raw.rstrip("\r\n")
                if in_pixels:
                    if line.strip() == "" or line.startswith("#"):
                        continue
                    self._add_row(number, line)
                    continue
                words = line.split("#", 1)[0].split()
                if not words:
                    continue
                if words[0] == "size" and len(words) == 3:
                    self.width, self.height = int(words[1]), int(words[2])
                elif words[0] == "colour" and len(words) >= 3:
                    self._add_colour(number, words[1:])
                elif words[0] == "pixels" and len(words) == 1:
                    in_pixels = True
                else:
                    self.fail(number, f"cannot read {line.strip()!r}")
        if self.width is None:
            raise PictureError(f"{self.path}: no size line")
        if len(self.rows) != self.height:
            raise PictureError(f"{self.path}: {len(self.rows)} pixel rows, expected {self.height}")

    def _add_colour(self, number, words):
        name = words[0]
        if len(name) != 1 or name in self.index_of:
            self.fail(number, f"colour name {name!r} must be one new character")
        if len(self.palette) == 16:
            self.fail(number, "more than 16 colours")
        if words[1] == TRANSPARENT:
            value = TRANSPARENT
        else:
            try:
                value = tuple(int(w) for w in words[1:4])
            except ValueError:
                self.fail(number, "a colour is three numbers (red green blue) or 'transparent'")
            if len(value) != 3 or not all(0 <= v <= 255 for v in value):
                self.fail(number, "a colour is three numbers from 0 to 255")
        self.index_of[name] = len(self.palette)
        self.palette.append(value)

    def _add_row(self, number, line):
        if len(line) != self.width:
            self.fail(number, f"row of {len(line)} pixels, expected {self.width}")
        try:
            self.rows.append([self.index_of[c] for c in line])
        except KeyError as e:
            self.fail(number, f"pixel {e.args[0]!r} is not in the palette")
        if len(self.rows) > self.height:
            self.fail(number, f"more than {self.height} pixel rows")

    def colour_table(self):
        """16 BGR0 entries; a transparent colour is black in the colour bits."""
        table = b""
        for value in self.palette + [(0, 0, 0)] * (16 - len(self.palette)):
            r, g, b = (0, 0, 0) if value == TRANSPARENT else value
            table += bytes((b, g, r, 0))
        return table

    def colour_bits(self):
        """4 bits a pixel, bottom row first, rows padded to 4 bytes."""
        stride = (self.width * 4 + 31) // 32 * 4
        data = b""
        for row in reversed(self.rows):
            packed = bytearray(stride)
            for x, index in enumerate(row):
                packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
            data += bytes(packed)
        return data

    def mask_bits(self):
        """1 bit a pixel (1: transparent), bottom row first, rows padded to 4 bytes."""
        stride = (self.width + 31) // 32 * 4
        data = b""
        for row in reversed(self.rows):
            packed = bytearray(stride)
            for x, index in enumerate(row):
                if self.palette[index] == TRANSPARENT:
                    packed[x // 8] |= 0x80 >> (x % 8)
            data += bytes(packed)
        return data

    def info_header(self, height, image_size):
        return struct.pack("<IiiHHIIiiII", 40, self.width, height, 1, 4, 0, image_size,
                           0, 0, 16, 0)


def make_bmp(picture, out_path):
    if TRANSPARENT in picture.palette:
        raise PictureError(f"{picture.path}: a bitmap has no transparent colour")
    bits = picture.colour_bits()
    header = picture.info_header(picture.height, len(bits)) + picture.colour_table()
    offset = 14 + len(header)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(out_path, "wb") as out:
        out.write(file_header + header + bits)


def make_ico(pictures, out_path):
    images = []
    for picture in pictures:
        if picture.width > 256 or picture.height > 256:
            raise PictureError(f"{picture.path}: an icon image is at most 256 x 256")
        bits = picture.colour_bits() + picture.mask_bits()
        # An icon image stores the colour and mask bitmaps one above the other: twice the height.
        images.append(picture.info_header(picture.height * 2, len(bits)) + picture.colour_table() + bits)
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for picture, image in zip(pictures, images):
        data += struct.pack("<BBBBHHII", picture.width % 256, picture.height % 256, 16, 0, 1, 4,
                            len(image), offset)
        offset += len(image)
    with open(out_path, "wb") as out:
        out.write(data + b"".join(images))


def main(argv):
    try:
        if len(argv) == 4 and argv[1] == "bmp":
            make_bmp(Picture(argv[2]), argv[3])
        elif len(argv) >= 4 and argv[1] == "ico":
            make_ico([Picture(p) for p in argv[3:]], argv[2])
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except (OSError, PictureError, ValueError) as e:
        print(f"make_image: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
