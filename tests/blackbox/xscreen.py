"""The X screen's pixels, and PNG pictures of them, with python3-xlib alone."""

import struct
import zlib

from Xlib import X, display


class Picture:
    """RGB pixels of a rectangle of the screen."""

    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self._rows = rows

    def pixel(self, x, y):
        row = self._rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def save_png(self, path):
        raw = b"".join(b"\0" + bytes(row) for row in self._rows)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def grab(x, y, width, height):
    """The screen's rectangle at (x, y) as it shows now."""
    screen = display.Display()
    root = screen.screen().root
    image = root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
    data = image.data
    rows = []
    stride = len(data) // height
    for line in range(height):
        start = line * stride
        row = bytearray(3 * width)
        for column in range(width):
            blue, green, red = data[start + 4 * column:start + 4 * column + 3]
            row[3 * column:3 * column + 3] = bytes((red, green, blue))
        rows.append(row)
    screen.close()
    return Picture(width, height, rows)
